#include "render/TextDrawing.h"
#include "document/ElementRecords.h"
#include "document/NoteState.h"
#include "render/PlaceholderText.h"

#include <QFontMetrics>
#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kNote = 0xFFFFFFB4;

TextRecord RedText(const QString& text) {
    TextRecord t;
    t.text = text;
    t.font = QStringLiteral("DejaVu Sans");
    t.col = MakeColour(255, 0, 0);
    t.point = 12;
    t.transparent = true;
    return t;
}

NoteState YellowNote() {
    NoteState s;
    s.notecolour = MakeColour(255, 255, 180);
    s.title = QStringLiteral("Title");
    return s;
}

QImage WhiteImage() {
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

// The rows and columns where a pixel differs from white, as a bounding box; empty when none.
QRect ChangedArea(const QImage& image, QRgb background = kWhite) {
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                area |= QRect(x, y, 1, 1);
    return area;
}

QFontMetrics Metrics() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(16);
    return QFontMetrics(f);
}

} // namespace

TEST(TextDrawing, PaintsOnlyInsideTheBand) {
    QImage image = WhiteImage();
    const NoteRect band{20, 30, 90, 44};
    DrawTextElement(image, RedText(QStringLiteral("Hello, a rather long line that runs on")), band,
                    YellowNote());
    const QRect changed = ChangedArea(image);
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_GE(changed.left(), band.left);
    EXPECT_GE(changed.top(), band.top);
    EXPECT_LT(changed.right(), band.right);
    EXPECT_LT(changed.bottom(), band.bottom);
    // The text colour itself is among the pixels.
    bool red = false;
    for (int y = band.top; y < band.bottom; ++y)
        for (int x = band.left; x < band.right; ++x)
            red = red || image.pixel(x, y) == 0xFFFF0000;
    EXPECT_TRUE(red);
}

TEST(TextDrawing, OpaqueTextSitsOnTheNoteColour) {
    QImage image = WhiteImage();
    TextRecord t = RedText(QStringLiteral("%TITLE%"));
    t.transparent = false;
    const NoteRect band{10, 10, 150, 40};
    DrawTextElement(image, t, band, YellowNote());
    EXPECT_EQ(image.pixel(10, 10), kNote); // the line's cell starts at the band's corner
    EXPECT_EQ(image.pixel(9, 10), kWhite);
    int noteColoured = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kNote) {
                ++noteColoured;
                EXPECT_TRUE(x >= band.left && x < band.right && y >= band.top && y < band.bottom)
                    << x << "," << y;
            }
    EXPECT_GT(noteColoured, 20);

    // Transparent text leaves the white under it.
    QImage clear = WhiteImage();
    t.transparent = true;
    DrawTextElement(clear, t, band, YellowNote());
    EXPECT_EQ(clear.pixel(10, 10), kWhite);
}

TEST(TextDrawing, NoSecondLineWithoutALineBreak) {
    const QFontMetrics fm = Metrics();
    const int lh = fm.height();
    QImage image = WhiteImage();
    TextRecord t = RedText(QStringLiteral("one two three four five six seven eight nine ten eleven"));
    t.point = 12; // 16 pixels, as Metrics()
    const NoteRect band{0, 0, 120, 4 * lh};
    DrawTextElement(image, t, band, YellowNote());
    const QRect changed = ChangedArea(image);
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_LT(changed.bottom(), lh);

    // With a line break the second line is drawn below the first.
    QImage two = WhiteImage();
    t.text = QStringLiteral("one\ntwo");
    DrawTextElement(two, t, band, YellowNote());
    EXPECT_GE(ChangedArea(two).bottom(), lh);
}

TEST(TextLayout, Cases) {
    const QFontMetrics fm = Metrics();
    const int lh = fm.height();
    const QString ellipsis =
        fm.elidedText(QStringLiteral("WWWWWWWWWWWWWWWWWWWW"), Qt::ElideRight, 60).right(1);
    struct Case {
        const char* name;
        QString text;
        NoteRect box;
        int alignment;
        QStringList lines;
    };
    const Case cases[] = {
        {"one line", "A & B", {0, 0, 300, 3 * lh}, 0, {"A & B"}},
        {"line breaks", "a\r\nb\nc\rd", {0, 0, 300, 4 * lh}, 0, {"a", "b", "c", "d"}},
        // The third line would be cut by the box's bottom edge.
        {"partly visible", "a\nb\nc", {0, 0, 300, 3 * lh - 1}, 0, {"a", "b"}},
        // A first line is drawn even when the box is lower than a line.
        {"low box", "a\nb", {0, 0, 300, lh / 2}, 0, {"a"}},
        {"empty box", "a", {10, 0, 10, lh}, 0, {}},
    };
    for (const Case& c : cases) {
        const std::vector<TextBoxLine> lines = LayOutTextBox(c.text, fm, c.box, c.alignment, 1000);
        QStringList texts;
        for (const TextBoxLine& l : lines)
            texts << l.text;
        EXPECT_EQ(texts, c.lines) << c.name;
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].y, c.box.top + static_cast<int>(i) * lh) << c.name;
    }

    // Too long: one line, cut with an ellipsis, within the box.
    const std::vector<TextBoxLine> cut =
        LayOutTextBox(QStringLiteral("A text too long for its little box"), fm, {5, 0, 80, 5 * lh}, 0, 1000);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_TRUE(cut[0].text.endsWith(ellipsis)) << cut[0].text.toStdString();
    EXPECT_LE(cut[0].width, 75);

    // Tabs become spaces up to the next stop; alignment places the line.
    const std::vector<TextBoxLine> tabbed =
        LayOutTextBox(QStringLiteral("a\tb"), fm, {0, 0, 400, lh}, 0, 1000);
    ASSERT_EQ(tabbed.size(), 1u);
    EXPECT_FALSE(tabbed[0].text.contains(u'\t'));
    EXPECT_GE(tabbed[0].width, 8 * fm.averageCharWidth());
    const std::vector<TextBoxLine> right = LayOutTextBox(QStringLiteral("ab"), fm, {0, 0, 100, lh}, 2, 1000);
    EXPECT_EQ(right[0].x + right[0].width, 100);
    const std::vector<TextBoxLine> middle = LayOutTextBox(QStringLiteral("ab"), fm, {0, 0, 100, lh}, 1, 1000);
    EXPECT_EQ(middle[0].x, (100 - middle[0].width) / 2);
}

TEST(TextDrawing, AbsurdValuesDoNotHang) {
    QImage image = WhiteImage();
    TextRecord t = RedText(QString(20000, u'x') + QStringLiteral("\n").repeated(100000));
    t.point = 100000;
    DrawTextElement(image, t, {-2000000000, -5, 2000000000, 2000000000}, YellowNote());
    t.point = -100000;
    DrawTextElement(image, t, {0, 0, 0, 100}, YellowNote());
    DrawTextElement(image, t, {50, 50, 10, 10}, YellowNote());
    SUCCEED();
}
