#include "document/RecoveryFile.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "document/SkinReader.h"
#include "package/PackageTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QDateTime kWritten =
    QDateTime::fromString(QStringLiteral("2024-03-05T10:20:30.456Z"), Qt::ISODateWithMs);

RecoveryRecord RibbonRecord(const QString& skinPath = QStringLiteral("/home/ivo/skins/rich.ini")) {
    SkinDocument document;
    EXPECT_TRUE(LoadSkin(document, QStringLiteral(DRAPIER_EXAMPLES "/rich/rich.ini"), QString()));
    return MakeRecoveryRecord(document, skinPath, QStringLiteral("/home/ivo/skins/rich.png"), kWritten);
}

} // namespace

TEST(RecoveryFile, LinesAndSkinTextAsTheWriterWritesThem) {
    const RecoveryRecord record = RibbonRecord();
    const QByteArray bytes = RecoveryFileBytes(record);
    const QByteArray header = QByteArrayLiteral("pinletsdrapier-recovery 1\n/home/ivo/skins/rich.ini\n"
                                                "/home/ivo/skins/rich.png\n2024-03-05T10:20:30.456Z\n") +
                              QByteArray::number(record.skinBytes.size()) + '\n';
    EXPECT_EQ(bytes.left(header.size()), header);
    EXPECT_EQ(bytes.mid(header.size()), record.skinBytes);
    EXPECT_EQ(record.skinBytes.left(2), QByteArray("\xFF\xFE", 2)); // the writer's UTF-16 mark

    // The recovered text reads back into the same elements and settings.
    SkinDocument original;
    ASSERT_TRUE(LoadSkin(original, QStringLiteral(DRAPIER_EXAMPLES "/rich/rich.ini"), QString()));
    const RecoveryReading reading = ParseRecoveryFile(bytes);
    ASSERT_EQ(reading.status, RecoveryReadStatus::Ok);
    EXPECT_EQ(reading.record, record);
    SkinDocument recovered;
    ReadSkinText(recovered, RecoveredSkinText(reading.record));
    EXPECT_EQ(recovered.elements, original.elements);
    EXPECT_EQ(recovered.settings, original.settings);
    EXPECT_EQ(recovered.layout, original.layout);
    EXPECT_EQ(recovered.bitmap, "rich.png");
}

TEST(RecoveryFile, PathsOfAnyCharactersComeBack) {
    for (const QString& path :
         {QString(), QStringLiteral("C:\\skins\\old.ini"), QStringLiteral("/tmp/two\nlines.ini"),
          QStringLiteral("/tmp/\\n not a line\r.ini"), QStringLiteral("/tmp/Ünïcödé ✓.ini")}) {
        RecoveryRecord record{path, path + QStringLiteral(".png"), kWritten,
                              QByteArrayLiteral("\xFF\xFEx\0\n\0")};
        const QByteArray bytes = RecoveryFileBytes(record);
        // Whatever the paths hold, the header keeps its five lines.
        EXPECT_EQ(bytes.left(bytes.size() - record.skinBytes.size()).count('\n'), 5) << path.toStdString();
        const RecoveryReading reading = ParseRecoveryFile(bytes);
        ASSERT_EQ(reading.status, RecoveryReadStatus::Ok) << path.toStdString();
        EXPECT_EQ(reading.record, record);
    }
}

TEST(RecoveryFile, CutShortOrForeignFilesAreNeverLoaded) {
    const QByteArray whole = RecoveryFileBytes(RibbonRecord());
    // Every shorter piece of a good file.
    for (qsizetype size = 1; size < whole.size(); ++size)
        ASSERT_EQ(ParseRecoveryFile(whole.left(size)).status, RecoveryReadStatus::Damaged) << size;
    // A header up to its skin-size line, with empty paths.
    const QByteArray head = "pinletsdrapier-recovery 1\n\n\n2024-03-05T10:20:30.456Z\n";
    const RecoveryReadStatus ok = RecoveryReadStatus::Ok, damaged = RecoveryReadStatus::Damaged,
                             foreign = RecoveryReadStatus::NotRecovery;
    const struct {
        QByteArray bytes;
        RecoveryReadStatus status;
    } cases[] = {
        {QByteArray(), foreign},
        {"[settings]\nversion=12\n", foreign},
        {"pinletsdrapier-recovery 2\n\n\n2024-03-05T10:20:30.456Z\n0\n", foreign},
        {head + "0\n", ok},
        {whole + 'x', damaged},
        {"pinletsdrapier-recovery 1\n\\q\n\n2024-03-05T10:20:30.456Z\n0\n", damaged},
        {"pinletsdrapier-recovery 1\nend\\\n\n2024-03-05T10:20:30.456Z\n0\n", damaged},
        {"pinletsdrapier-recovery 1\n\n\nyesterday\n0\n", damaged},
        {head + "+0\n", damaged},
        {head + " 0\n", damaged},
        {head + "-1\nx", damaged},
        {head + "99999999999999999999\n", damaged},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseRecoveryFile(c.bytes).status, c.status) << c.bytes.left(80).toStdString();
}

TEST(RecoveryFile, WriteAndReadFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const RecoveryRecord record = RibbonRecord();
    const QString path = dir.filePath("one.recovery");
    ASSERT_TRUE(WriteRecoveryFile(path, record));
    EXPECT_EQ(ReadRecoveryFile(path).status, RecoveryReadStatus::Ok);
    EXPECT_EQ(ReadRecoveryFile(path).record, record);
    // Written again over the old one.
    RecoveryRecord later = record;
    later.written = kWritten.addSecs(30);
    ASSERT_TRUE(WriteRecoveryFile(path, later));
    EXPECT_EQ(ReadRecoveryFile(path).record, later);

    EXPECT_EQ(ReadRecoveryFile(dir.filePath("missing.recovery")).status, RecoveryReadStatus::Unreadable);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.recovery"));
    EXPECT_EQ(ReadRecoveryFile(dir.filePath("folder.recovery")).status, RecoveryReadStatus::Unreadable);
    EXPECT_FALSE(WriteRecoveryFile(dir.filePath("no/such/folder/x.recovery"), record));
    ASSERT_TRUE(WriteBytes(dir.filePath("cut.recovery"), RecoveryFileBytes(record).chopped(10)));
    EXPECT_EQ(ReadRecoveryFile(dir.filePath("cut.recovery")).status, RecoveryReadStatus::Damaged);
}

TEST(RecoveryFile, NewerThanItsSkinFile) {
    QTemporaryDir dir;
    const QString skin = dir.filePath("rich.ini");
    ASSERT_TRUE(WriteBytes(skin, "x"));
    for (const int seconds : {-60, 60}) {
        QFile file(skin);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(kWritten.addSecs(seconds), QFileDevice::FileModificationTime));
        file.close();
        EXPECT_EQ(IsNewerThanSkinFile(RibbonRecord(skin)), seconds < 0) << seconds;
    }
    // Untitled, or the skin file is gone: nothing else holds the changes.
    EXPECT_TRUE(IsNewerThanSkinFile(RibbonRecord(QString())));
    EXPECT_TRUE(IsNewerThanSkinFile(RibbonRecord(dir.filePath("gone.ini"))));
}
