#include "support/CliRunner.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kPlain = QStringLiteral(DRAPIER_EXAMPLES "/plain/plain.ini");

struct Rendered {
    CliResult result;
    QImage image;
    QByteArray bytes;
};

Rendered Render(const QTemporaryDir& dir, QStringList args) {
    const QString out = dir.filePath(QStringLiteral("out.png"));
    QFile::remove(out);
    args << QStringLiteral("-o") << out;
    Rendered r;
    r.result = RunCli(QStringList{QStringLiteral("render")} + args);
    QFile file(out);
    if (file.open(QIODevice::ReadOnly))
        r.bytes = file.readAll();
    r.image.loadFromData(r.bytes, "PNG");
    return r;
}

} // namespace

TEST(RenderCli, PreviewAndCanvasSizes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        QStringList args;
        int width, height;
    };
    const Case cases[] = {
        {{kPlain}, 400, 200},
        {{kPlain, "--set", "width=120", "--set", "height=80"}, 220, 180},
        {{kPlain, "--area", "50x40"}, 50, 40},
        {{kPlain, "--canvas"}, 300, 100},
        {{kPlain, "--canvas", "--set", "rolled=1"}, 300, 25},
    };
    for (const Case& c : cases) {
        const Rendered r = Render(dir, c.args);
        ASSERT_EQ(r.result.status, 0) << r.result.err.toStdString();
        EXPECT_TRUE(r.result.out.isEmpty());
        EXPECT_EQ(r.image.size(), QSize(c.width, c.height)) << c.args.join(' ').toStdString();
        // An 8-bit RGB PNG: bit depth 8 and colour type 2 in the header.
        ASSERT_GT(r.bytes.size(), 26);
        EXPECT_EQ(r.bytes[24], 8);
        EXPECT_EQ(r.bytes[25], 2);
    }
}

TEST(RenderCli, Highlights) {
    QTemporaryDir dir;
    const Rendered plain = Render(dir, {kPlain});
    const Rendered areas = Render(dir, {kPlain, "--highlight-areas"});
    ASSERT_EQ(areas.result.status, 0);
    EXPECT_NE(plain.image.pixel(200, 110), qRgb(255, 0, 0));
    EXPECT_EQ(areas.image.pixel(200, 110), qRgb(255, 0, 0)); // the text area
    const Rendered selected = Render(dir, {kPlain, "--highlight-element", "0"});
    ASSERT_EQ(selected.result.status, 0);
    EXPECT_NE(selected.image.pixel(200, 110), plain.image.pixel(200, 110));
}

TEST(RenderCli, UsageErrorsAndFailures) {
    QTemporaryDir dir;
    const struct {
        QStringList args;
        int status;
    } cases[] = {
        {{"render", kPlain}, 2},
        {{"render", "-o", dir.filePath("x.png")}, 2},
        {{"render", kPlain, "-o", dir.filePath("x.png"), "--area", "0x5"}, 2},
        {{"render", kPlain, "-o", dir.filePath("x.png"), "--area", "wide"}, 2},
        {{"render", kPlain, "-o", dir.filePath("x.png"), "--highlight-element", "-1"}, 2},
        {{"render", kPlain, "-o", dir.filePath("x.png"), "--highlight-element", "999"}, 2},
        {{"render", kPlain, "-o", dir.filePath("x.png"), "--frobnicate"}, 2},
        {{"render", kPlain, "-o", dir.filePath("x.png"), "--set", "nosuchkey=1"}, 2},
        {{"render", dir.filePath("missing.ini"), "-o", dir.filePath("x.png")}, 1},
        {{"render", kPlain, "-o", dir.filePath("x.png"), "--canvas", "--set", "width=9000", "--set",
          "height=9000"},
         1},
        {{"render", kPlain, "-o", dir.filePath("no/such/folder/x.png")}, 1},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("drapier-cli: ")) << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));
}
