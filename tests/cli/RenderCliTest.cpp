#include "CliExpect.h"

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
    const QString x = dir.filePath("x.png");
    const struct {
        QStringList args;
        int status;
    } cases[] = {
        {{"render", kPlain}, 2},
        {{"render", "-o", x}, 2},
        {{"render", kPlain, "-o", x, "--area", "0x5"}, 2},
        {{"render", kPlain, "-o", x, "--area", "wide"}, 2},
        {{"render", kPlain, "-o", x, "--highlight-element", "-1"}, 2},
        {{"render", kPlain, "-o", x, "--highlight-element", "999"}, 2},
        {{"render", kPlain, "-o", x, "--frobnicate"}, 2},
        {{"render", kPlain, "-o", x, "--set", "nosuchkey=1"}, 2},
        {{"render", dir.filePath("missing.ini"), "-o", x}, 1},
        {{"render", kPlain, "-o", x, "--canvas", "--set", "width=9000", "--set", "height=9000"}, 1},
        {{"render", kPlain, "-o", dir.filePath("no/such/folder/x.png")}, 1},
    };
    for (const auto& c : cases)
        ExpectCliError(c.args, c.status);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));
}

TEST(RenderCli, AbsurdSkinRendersWithoutCrashOrHang) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(QStringLiteral(DRAPIER_EXAMPLES "/plain/plain.png"), dir.filePath("plain.png")));
    QFile skin(dir.filePath("absurd.ini"));
    ASSERT_TRUE(skin.open(QIODevice::WriteOnly));
    skin.write(
        "bitmap=plain.png\n"
        "top=100000\nbottom=-100000\nleft=-5\nright=100000\nrolledheight=-100000\n"
        "region=255,0,255\nselectedborderwidth=100000\nselectedborderdashlength1=0\n"
        "selectedborderdashlength2=-7\n\n"
        "[hstrip]\nplace=-100000,0\nextent=100000,100000\nwidth=0\nsource=0,0\ndrawunrolled=1\n"
        "drawrolled=1\n\n"
        "[hstrip]\nplace=-2147483648,0\nextent=2147483647,5\nwidth=1\nsource=0,0\ndrawunrolled=1\n\n"
        "[hstrip]\nplace=-2147483648,10\nextent=2147483647,5\nstriptype=1\ndrawunrolled=1\n\n"
        "[vstrip]\nplace=tl-100000,br100000\nextent=-100000,sc2147483647\nheight=1\nsource=0,0\n"
        "drawunrolled=1\n\n"
        "[button]\nplace=100000%,-100000%\nsize=100000x-100000\nsource=-100000,100000\ndrawunrolled=1\n\n"
        "[tilearea]\ntopleft=-2147483648,-2147483648\nbottomright=2147483647,2147483647\n"
        "size=1x1\ntiletype=1\nsource=48,0\ndrawunrolled=1\n\n"
        "[text]\nplace=0,0\nextent=100000,100000\npoint=100000\ntext=%TITLE% %TITLE%\n"
        "drawunrolled=1\n\n"
        "[text]\nplace=0,0\nextent=-1,-100000\npoint=-100000\ntext=x\ndrawunrolled=1\n\n");
    skin.close();
    const QString out = dir.filePath("out.png");
    for (const QStringList& extra : {QStringList{}, QStringList{"--set", "bulk=1", "--set", "dpi=9999"},
                                     QStringList{"--set", "rolled=1"}, QStringList{"--highlight-areas"}}) {
        const CliResult r = RunCli(QStringList{"render", skin.fileName(), "-o", out} + extra, 60000);
        EXPECT_EQ(r.status, 0) << extra.join(' ').toStdString() << r.err.toStdString();
    }
    const CliResult canvas = RunCli(
        {"render", skin.fileName(), "-o", out, "--canvas", "--set", "width=9999", "--set", "height=9999"});
    EXPECT_EQ(canvas.status, 1);
}
