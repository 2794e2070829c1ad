// Every writer of the core with its write cut short (a file-size limit stands in for a full disk, so no
// root and no permissions are needed): the caller hears of it and the file that was there stays.
#include "DocumentTestSupport.h"
#include "document/RecoveryFile.h"
#include "document/SkinDocument.h"
#include "document/SkinWriter.h"
#include "package/SkinPackageExport.h"
#include "picture/ImageSurface.h"
#include "support/FileSizeLimit.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

SkinDocument SkinOf(int texts) {
    SkinDocument document;
    document.settings.skinname = QStringLiteral("Written");
    for (int i = 0; i < texts; ++i)
        document.Append(SkinElement::Make(ElementKind::Text));
    return document;
}

// What a failed writer tells its caller besides false.
enum class Told { Nothing, Why, ErrorSaving /* the message "Error saving <path>: <why>" */ };

// A writer at work: true when it says it saved; reason gets what it told the caller.
using Writer = std::function<bool(const QString& path, QString* reason)>;

} // namespace

TEST(WriteFailure, EveryWriterKeepsTheOldFileAndSays) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString skinPath = dir.filePath("blue.ini");
    const QString pngPath = dir.filePath("blue.png");
    ImageSurface picture;
    ASSERT_TRUE(picture.Create(64, 32, 24, kImagePng));
    ASSERT_TRUE(picture.SavePng(pngPath));
    ASSERT_TRUE(WriteSkinFile(SkinOf(3), skinPath, pngPath, nullptr));

    const Writer skinFile = [](const QString& path, QString* reason) {
        return WriteSkinFile(SkinOf(1), path, QStringLiteral("blue.png"), reason);
    };
    const Writer bigSkinFile = [](const QString& path, QString* reason) {
        return WriteSkinFile(SkinOf(200), path, QStringLiteral("blue.png"), reason);
    };
    const Writer package = [&](const QString& path, QString* reason) {
        return ExportSkinPackage(path, {skinPath, pngPath, {}}, reason);
    };
    const Writer recovery = [](const QString& path, QString*) {
        const RecoveryRecord record =
            MakeRecoveryRecord(SkinOf(1), QStringLiteral("/skins/blue.ini"),
                               QStringLiteral("/skins/blue.png"), QDateTime::currentDateTimeUtc());
        return WriteRecoveryFile(path, record);
    };
    const Writer png = [&](const QString& path, QString* reason) {
        const bool saved = picture.SavePng(path);
        *reason = picture.LastError();
        return saved;
    };
    // The package's whole size, so that only its last piece, the central directory, is cut off.
    ASSERT_TRUE(package(dir.filePath("whole.qsk"), nullptr));
    const rlim_t packageSize = static_cast<rlim_t>(QFileInfo(dir.filePath("whole.qsk")).size());

    struct Case {
        const char* what;
        Writer write;
        rlim_t limit;
        const char* savedAs;
        Told told;
    };
    const Case cases[] = {
        {"skin file smaller than the write buffer", skinFile, 10, "out.ini", Told::ErrorSaving},
        {"skin file larger than the write buffer", bigSkinFile, 1000, "out.ini", Told::ErrorSaving},
        {"package, nothing fits", package, 0, "out.qsk", Told::Why},
        {"package, the central directory cut off", package, packageSize - 10, "out.qsk", Told::Why},
        {"recovery file", recovery, 20, "out.recovery", Told::Nothing},
        {"PNG", png, 50, "out.png", Told::Why},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir target;
        ASSERT_TRUE(target.isValid());
        const QString path = target.filePath(QString::fromLatin1(c.savedAs));
        const QByteArray old("the old file\n");
        ASSERT_TRUE(WriteBytes(path, old));
        bool saved = true;
        QString reason;
        {
            FileSizeLimit limit(c.limit);
            ASSERT_TRUE(limit.Active());
            saved = c.write(path, &reason);
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(ReadBytes(path), old);
        EXPECT_EQ(QDir(target.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file";
        const QString told[] = {QString(), QStringLiteral("File too large"),
                                "Error saving " + path + ": File too large"};
        if (c.told != Told::Nothing) {
            EXPECT_EQ(reason.toStdString(), told[static_cast<int>(c.told)].toStdString());
        }
    }
}
