#include "support/CliRunner.h"
#include "support/EncodedImage.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A run of drapier-cli with the dynamic loader naming every library it loads, dlopen included.
struct TracedRun {
    int status = -1;
    QString out;
    bool loadedGui = false;
};

TracedRun RunTraced(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(DRAPIER_CLI), args);
    TracedRun r;
    if (!p.waitForFinished(120000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.loadedGui = p.readAllStandardError().contains("libQt6Gui.so");
    return r;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

// The commands that draw no text start with QtCore alone: no GUI library, so neither its platform nor
// font configuration; the ones that draw, and a skin whose picture only Qt's loader reads, bring it in.
TEST(CliStartUp, OnlyTheCommandsThatNeedItLoadTheGuiLibrary) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString plain = QStringLiteral(DRAPIER_EXAMPLES "/plain/plain.ini");
    const QString bmpSkin = dir.filePath("old.ini");
    ASSERT_TRUE(WriteFile(bmpSkin, "bitmap=old.bmp\n"));
    ASSERT_TRUE(WriteFile(dir.filePath("old.bmp"), EncodedImage(3, 2, Qt::red, "BMP")));
    QDir(dir.path()).mkdir("shelf");

    struct Case {
        QStringList args;
        bool loadsGui;
    };
    const Case cases[] = {
        {{"--version"}, false},
        {{"--help"}, false},
        {{"render", "--help"}, false},
        {{"dump", plain}, false},
        {{"convert", plain, "-o", dir.filePath("out.ini")}, false},
        {{"pack", plain, "-o", dir.filePath("shelf/plain.qsk")}, false},
        {{"list", dir.filePath("shelf/plain.qsk")}, false},
        {{"geometry", plain}, false},
        {{"check", plain}, false},
        {{"lint", plain}, false},
        {{"ctime", "0"}, false},
        {{"render", plain, "-o", dir.filePath("out.png")}, true},
        {{"sheet", plain, "-o", dir.filePath("sheet.png"), "--states", "base"}, true},
        {{"catalogue", dir.filePath("shelf"), "--quiet"}, true},
        {{"dump", bmpSkin}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const TracedRun r = RunTraced(c.args);
        // check and lint say 1 when they find something; a crash or a usage error is a fault here.
        EXPECT_TRUE(r.status == 0 || r.status == 1) << r.status;
        EXPECT_EQ(r.loadedGui, c.loadsGui);
    }

    // The picture that only Qt's loader reads is read through the drawing module all the same.
    const CliResult dump = RunCli({"dump", bmpSkin});
    ASSERT_EQ(dump.status, 0) << dump.err.toStdString();
    const QJsonObject image = QJsonDocument::fromJson(dump.outBytes).object()["image"].toObject();
    EXPECT_EQ(image["width"].toInt(), 3);
    EXPECT_EQ(image["height"].toInt(), 2);
}
