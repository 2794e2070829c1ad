#include "CliExpect.h"

#include "document/FrameMargins.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "document/SkinWriter.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

const QRgb kNote = qRgb(255, 255, 200);

// What a nine-slice frame shows at (x, y) of a note w x h: the corners copied, the middle run repeated
// along the edges and over the body; the note colour where the picture is transparent, or over the
// body when it has none.
QRgb NineSlice(const QImage& sheet, const QRect& rect, const FrameMargins& m, int w, int h, int x, int y,
               bool body) {
    const auto along = [](int p, int size, int before, int after, int length) {
        if (p < before)
            return p;
        if (p >= size - after)
            return length - (size - p);
        return before + (p - before) % (length - before - after);
    };
    const bool middle = x >= m.left && x < w - m.right && y >= m.top && y < h - m.bottom;
    if (middle && !body)
        return kNote;
    const QRgb pixel = sheet.pixel(rect.x() + along(x, w, m.left, m.right, rect.width()),
                                   rect.y() + along(y, h, m.top, m.bottom, rect.height()));
    return qAlpha(pixel) == 0 ? kNote : qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// Where the canvas differs from the nine-slice of its size (the first few), empty when it does not.
QString Mismatches(const QImage& canvas, const QImage& sheet, const QRect& rect, const FrameMargins& m,
                   int unrolledHeight, bool body) {
    QString out;
    int count = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb want = NineSlice(sheet, rect, m, canvas.width(), unrolledHeight, x, y, body);
            const QRgb got = canvas.pixel(x, y) | 0xFF000000u;
            if (got != want && count++ < 5)
                out += QStringLiteral("(%1,%2) %3 not %4; ").arg(x).arg(y).arg(got, 0, 16).arg(want, 0, 16);
        }
    }
    return count ? out + QString::number(count) + " in all" : QString();
}

class FrameCli : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // An empty named skin over the picture, saved beside it.
    QString EmptySkin(const QImage& sheet, const QString& name) {
        EXPECT_TRUE(sheet.save(dir.filePath(name + ".png")));
        SkinDocument document;
        document.settings.skinname = name;
        const QString path = dir.filePath(name + ".ini");
        QString error;
        EXPECT_TRUE(WriteSkinFile(document, path, name + ".png", &error)) << error.toStdString();
        return path;
    }

    // The note canvas of the skin at that size (and state), as drapier-cli renders it.
    QImage Canvas(const QString& skin, int w, int h, bool rolled = false) {
        const QString out = dir.filePath("canvas.png");
        QFile::remove(out);
        const CliResult r =
            RunCli({"render", skin, "--canvas", "-o", out, "--set", QStringLiteral("width=%1").arg(w),
                    "--set", QStringLiteral("height=%1").arg(h), "--set", "notecolour=255,255,200", "--set",
                    rolled ? "rolled=1" : "rolled=0"});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        return QImage(out);
    }

    QTemporaryDir dir;
};

// Opaque noise everywhere but the frame's corners, where some pixels are transparent: every middle row
// and column differs from the others, and so does everything around the frame. (Strip art is kept
// opaque: at some lengths a strip paints its last column twice, which only translucent pixels show.)
QImage NoiseSheet(const QRect& frame, const FrameMargins& m) {
    std::mt19937 random(11);
    QImage sheet(60, 56, QImage::Format_ARGB32);
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            const int fx = x - frame.x(), fy = y - frame.y();
            const bool corner = (fx < m.left || fx >= frame.width() - m.right) &&
                                (fy < m.top || fy >= frame.height() - m.bottom) && frame.contains(x, y);
            const int alpha = corner && random() % 3 == 0 ? 0 : 255;
            sheet.setPixel(x, y, qRgba(random() % 256, random() % 256, random() % 256, alpha));
        }
    }
    return sheet;
}

} // namespace

// Distinct middle rows and columns, margins given: the note equals the nine-slice at sizes from the
// smallest the margins allow to lengths where the strips' last pieces are one longer than the run.
TEST_F(FrameCli, GivenMarginsPaintTheNineSliceAtEverySize) {
    const QRect rect(9, 7, 37, 41);
    const FrameMargins m{5, 9, 4, 3}; // middle 28 x 29
    const QImage sheet = NoiseSheet(rect, m);
    const QString framed = dir.filePath("framed.ini");
    const CliResult r = RunCli({"frame", EmptySkin(sheet, "noise"), "--rect", "9,7,37,41", "--margins",
                                "5,9,4,3", "--set-layout", "-o", framed});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "margins 5,9,4,3\n");
    const struct {
        int w, h;
    } sizes[] = {{10, 13}, {100, 50}, {10 + 2 * 28, 13 + 2 * 29}, {11 + 28, 12 + 29}, {257, 123}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(testing::Message() << s.w << "x" << s.h);
        const QImage canvas = Canvas(framed, s.w, s.h);
        ASSERT_EQ(canvas.size(), QSize(s.w, s.h));
        EXPECT_EQ(Mismatches(canvas, sheet, rect, m, s.h, true), QString());
    }
    // Rolled to the top gap, the note shows the frame's top row.
    const QImage rolled = Canvas(framed, 100, 80, true);
    ASSERT_EQ(rolled.size(), QSize(100, 9));
    EXPECT_EQ(Mismatches(rolled, sheet, rect, m, 80, true), QString());

    const CliResult check = RunCli({"check", framed, "--fail-on", "errors"});
    EXPECT_EQ(check.status, 0) << check.out.toStdString();
    EXPECT_FALSE(check.out.contains("ERROR:")) << check.out.toStdString();
}

// Borders found on a frame with a stretchable middle, drawn at the sheet's corner; no body.
TEST_F(FrameCli, FoundMarginsWithoutBody) {
    std::mt19937 random(5);
    const FrameMargins m{4, 6, 3, 2};
    QImage sheet(40, 33, QImage::Format_ARGB32);
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            const bool across = x >= m.left && x < 30 - m.right, down = y >= m.top && y < 26 - m.bottom;
            QRgb pixel = qRgb(random() % 256, random() % 256, random() % 256);
            if (x < 30 && y < 26 && across != down)
                pixel = across ? qRgb(200, 8 * y, 40) : qRgb(8 * x, 60, 200);
            else if (across && down)
                pixel = qRgb(250, 250, 250);
            sheet.setPixel(x, y, pixel);
        }
    }
    const QString framed = dir.filePath("found.ini");
    const CliResult r =
        RunCli({"frame", EmptySkin(sheet, "bands"), "--rect", "0,0,30,26", "--body", "none", "-o", framed});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "margins 4,6,3,2\n");
    for (const QSize size : {QSize(8, 9), QSize(123, 77)}) {
        const QImage canvas = Canvas(framed, size.width(), size.height());
        EXPECT_EQ(Mismatches(canvas, sheet, QRect(0, 0, 30, 26), m, size.height(), false), QString());
    }
}

// The Plain Paper example's own frame pieces, and the frame cut from the same rectangle of its picture
// with its borders found or given, draw the same note.
TEST_F(FrameCli, PlainPaperFrameBuiltAgain) {
    const QString examples = QStringLiteral(DRAPIER_EXAMPLES "/plain/");
    ASSERT_TRUE(QFile::copy(examples + "plain.png", dir.filePath("plain.png")));
    SkinDocument plain;
    ASSERT_TRUE(LoadSkin(plain, examples + "plain.ini", {}));
    std::vector<SkinElement> pieces;
    for (SkinElement& e : plain.elements) {
        if (e.Name().startsWith("Frame "))
            pieces.push_back(e);
    }
    ASSERT_EQ(pieces.size(), 8u);
    plain.elements = pieces;
    QString error;
    const QString own = dir.filePath("own.ini");
    ASSERT_TRUE(WriteSkinFile(plain, own, "plain.png", &error)) << error.toStdString();
    SkinDocument empty;
    const QString emptyPath = dir.filePath("empty.ini");
    ASSERT_TRUE(WriteSkinFile(empty, emptyPath, "plain.png", &error));

    for (const char* margins : {"auto", "8,25,8,8"}) {
        SCOPED_TRACE(margins);
        const QString built = dir.filePath("built.ini");
        const CliResult r = RunCli(
            {"frame", emptyPath, "--rect", "0,0,24,41", "--body", "none", "--margins", margins, "-o", built});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        // Sizes at which no strip of either frame paints its last column twice: the example's shading is
        // translucent, and a pixel blended twice would differ between the two frames' tile lengths.
        for (const QSize size : {QSize(300, 100), QSize(120, 60), QSize(413, 230)}) {
            SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
            const QImage want = Canvas(own, size.width(), size.height());
            const QImage got = Canvas(built, size.width(), size.height());
            ASSERT_FALSE(want.isNull());
            EXPECT_TRUE(got == want);
        }
    }
}

TEST_F(FrameCli, BadRectanglesAndMarginsAddNothing) {
    QImage sheet(20, 20, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    const QString skin = EmptySkin(sheet, "small");
    const QString out = dir.filePath("out.ini");
    const struct {
        QStringList args;
        int status;
        const char* mention;
    } cases[] = {
        {{"--rect", "0,0,10,10"}, 2, "-o"},
        {{"-o", out}, 2, "--rect"},
        {{"--rect", "0,0,10", "-o", out}, 2, "X,Y,W,H"},
        {{"--rect", "0,0,ten,10", "-o", out}, 2, "X,Y,W,H"},
        {{"--rect", "0,0,2,10", "-o", out}, 2, "3 by 3"},
        {{"--rect", "18,18,10,10", "-o", out}, 2, "3 by 3"},
        {{"--rect", "30,30,10,10", "-o", out}, 2, "3 by 3"},
        {{"--rect", "0,0,10,10", "--margins", "1,-1,1,1", "-o", out}, 2, "negative"},
        {{"--rect", "0,0,10,10", "--margins", "5,1,5,1", "-o", out}, 2, "left and right"},
        {{"--rect", "0,0,10,10", "--margins", "1,4,1,6", "-o", out}, 2, "top and bottom"},
        {{"--rect", "0,0,10,10", "--margins", "1,1,1", "-o", out}, 2, "L,T,R,B"},
        {{"--rect", "10,0,10,10", "--margins", "1,1,0,1", "-o", out}, 2, "right margin of 0"},
        {{"--rect", "0,0,10,10", "--tolerance", "256", "-o", out}, 2, "--tolerance"},
        {{"--rect", "0,0,10,10", "--body", "solid", "-o", out}, 2, "--body"},
        {{"--rect", "0,0,10,10", "-o", dir.filePath("out.qsk")}, 1, ".qsk"},
    };
    for (const auto& c : cases) {
        ExpectCliError(QStringList{"frame", skin} + c.args, c.status, c.mention);
        EXPECT_FALSE(QFile::exists(out));
    }
    ExpectCliError({"frame", dir.filePath("missing.ini"), "--rect", "0,0,10,10", "-o", out}, 1);
    // The picture's absence is told (as every command tells it), then why nothing was done.
    QFile::remove(dir.filePath("small.png"));
    const CliResult r = RunCli({"frame", skin, "--rect", "0,0,10,10", "-o", out});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("picture not found") && r.err.contains("no picture")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}
