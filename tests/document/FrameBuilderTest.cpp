#include "document/FrameBuilder.h"
#include "CheckMessages.h"

#include "document/NoteState.h"
#include "document/SkinCheck.h"
#include "document/SkinDocument.h"
#include "support/EncodedImage.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// A skin over a plain 40 x 30 picture.
SkinDocument Skin() {
    SkinDocument document;
    document.settings.skinname = "Framed";
    EXPECT_TRUE(document.image.Create(40, 30, 24, kImagePng));
    return document;
}

SkinElement Named(ElementKind kind, const QString& name) {
    SkinElement entry = SkinElement::Make(kind);
    entry.SetName(name);
    return entry;
}

// Each entry as "name" and, for drawable kinds, "/u" when drawn unrolled and "/r" when drawn rolled,
// then "@group" when it has one.
QStringList Summary(const std::vector<SkinElement>& entries) {
    QStringList out;
    for (const SkinElement& e : entries) {
        QString text = e.Name();
        if (const DrawableCommon* common = e.Common())
            text += QString(common->drawunrolled ? "/u" : "") + (common->drawrolled ? "/r" : "");
        if (!e.group.isEmpty())
            text += "@" + e.group;
        out << text;
    }
    return out;
}

const CanvasRect kRect = CanvasRect::FromSize(5, 6, 30, 20);

} // namespace

inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << list.join(", ").toStdString();
}

TEST(FrameBuilder, PiecesNamesGroupsAndRollFlags) {
    SkinDocument document = Skin();
    document.Append(Named(ElementKind::HStrip, "Frame top"));
    document.Append(Named(ElementKind::Group, "frame"));
    const struct Case {
        const char* what;
        FrameMargins margins;
        FrameOptions options;
        QStringList expected;
    } cases[] = {
        {"all nine, names unique against the skin",
         {4, 6, 3, 2},
         {},
         {"Frame body/u", "Frame top1/u/r", "Frame bottom/u", "Frame left/u", "Frame right/u",
          "Frame top left/u/r", "Frame top right/u/r", "Frame bottom left/u", "Frame bottom right/u"}},
        {"no body, in a new group named apart from the one there",
         {4, 6, 3, 2},
         {false, "Frame", false},
         {"Frame2", "Frame top1/u/r@Frame2", "Frame bottom/u@Frame2", "Frame left/u@Frame2",
          "Frame right/u@Frame2", "Frame top left/u/r@Frame2", "Frame top right/u/r@Frame2",
          "Frame bottom left/u@Frame2", "Frame bottom right/u@Frame2"}},
        // A zero margin has no edge and no corners on its side.
        {"no left and right borders", {0, 6, 0, 2}, {}, {"Frame body/u", "Frame top1/u/r", "Frame bottom/u"}},
        {"no top border",
         {4, 0, 3, 2},
         {},
         {"Frame body/u", "Frame bottom/u", "Frame left/u", "Frame right/u", "Frame bottom left/u",
          "Frame bottom right/u"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Summary(BuildFrame(document, kRect, c.margins, c.options)), c.expected);
    }
}

TEST(FrameBuilder, ProblemsWithRectanglesAndMargins) {
    const CanvasRect inside = CanvasRect::FromSize(2, 2, 20, 10);
    const struct Case {
        const char* what;
        CanvasRect rect;
        FrameMargins margins;
        int sheetW, sheetH;
        FrameProblem expected;
    } cases[] = {
        {"a sound frame", inside, {4, 3, 5, 2}, 40, 30, FrameProblem::None},
        {"a middle of one pixel", inside, {10, 5, 9, 4}, 40, 30, FrameProblem::None},
        {"zero margins inside the sheet", inside, {0, 0, 0, 0}, 40, 30, FrameProblem::None},
        {"zero left and top margins at the sheet's corner",
         {0, 0, 20, 10},
         {0, 0, 1, 1},
         40,
         30,
         FrameProblem::None},
        {"no sheet", inside, {1, 1, 1, 1}, 0, 0, FrameProblem::NoPicture},
        {"2 wide", CanvasRect::FromSize(2, 2, 2, 10), {0, 0, 0, 0}, 40, 30, FrameProblem::TooSmall},
        {"2 high", CanvasRect::FromSize(2, 2, 10, 2), {0, 0, 0, 0}, 40, 30, FrameProblem::TooSmall},
        {"empty", {}, {0, 0, 0, 0}, 40, 30, FrameProblem::TooSmall},
        {"a negative margin", inside, {4, -1, 5, 2}, 40, 30, FrameProblem::NegativeMargin},
        {"left and right fill the width", inside, {10, 3, 10, 2}, 40, 30, FrameProblem::NoMiddleAcross},
        {"huge margins", inside, {2147483647, 3, 2147483647, 2}, 40, 30, FrameProblem::NoMiddleAcross},
        {"top and bottom fill the height", inside, {4, 5, 5, 5}, 40, 30, FrameProblem::NoMiddleDown},
        {"no right margin at the sheet's right edge",
         {20, 2, 40, 12},
         {4, 3, 0, 2},
         40,
         30,
         FrameProblem::MiddleOffSheetX},
        {"no bottom margin at the sheet's bottom edge",
         {2, 20, 22, 30},
         {4, 3, 5, 0},
         40,
         30,
         FrameProblem::MiddleOffSheetY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CheckFrame(c.rect, c.margins, c.sheetW, c.sheetH), c.expected);
        EXPECT_EQ(FrameProblemText(c.expected).isEmpty(), c.expected == FrameProblem::None);
    }
    EXPECT_EQ(ClipFrameRect(CanvasRect::FromSize(-5, 20, 30, 30), 40, 30), (CanvasRect{0, 20, 25, 30}));
    EXPECT_EQ(ClipFrameRect(CanvasRect::FromSize(50, 0, 30, 30), 40, 30), CanvasRect());
}

// After fitting the layout the check finds none of the border errors, whatever the frame's margins.
TEST(FrameBuilder, FittedLayoutPassesTheCheck) {
    const struct Case {
        FrameMargins margins;
        int minimumwidth, minimumheight; // after fitting a default layout (100 x 50)
    } cases[] = {
        {{8, 25, 8, 8}, 100, 50}, {{3, 40, 3, 3}, 100, 50}, {{60, 30, 45, 25}, 106, 56},
        {{4, 0, 3, 3}, 100, 50},  {{0, 0, 0, 0}, 100, 50},  {{200, 10, 300, 60}, 501, 71},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.margins.left << "," << c.margins.top << "," << c.margins.right
                                        << "," << c.margins.bottom);
        SkinDocument document = Skin();
        FitLayoutToFrame(document.layout, c.margins);
        const QString report = SkinCheck(document, NoteState(), false);
        for (const QString& error : {E1, E4, E5, E6})
            EXPECT_FALSE(report.contains(error)) << report.toStdString();
        EXPECT_EQ(document.layout.left, c.margins.left);
        EXPECT_EQ(document.layout.right, c.margins.right);
        EXPECT_EQ(document.layout.bottom, c.margins.bottom);
        EXPECT_EQ(document.layout.top, std::max(c.margins.top, 1));
        EXPECT_EQ(document.layout.titlebar.height, document.layout.top);
        EXPECT_EQ(document.layout.rolledheight, document.layout.top);
        EXPECT_EQ(document.layout.minimumwidth, c.minimumwidth);
        EXPECT_EQ(document.layout.minimumheight, c.minimumheight);
    }
}

TEST(FrameBuilder, AddFrameInsertsOrLeavesTheSkinAlone) {
    SkinDocument document = Skin();
    document.Append(Named(ElementKind::Text, "Title"));
    document.Append(Named(ElementKind::Button, "Close"));
    FrameOptions options;
    options.setLayout = true;
    EXPECT_EQ(AddFrame(document, kRect, {4, 6, 3, 2}, options, 1), 1);
    ASSERT_EQ(document.elements.size(), 11u);
    EXPECT_EQ(document.elements[0].Name(), "Title");
    EXPECT_EQ(document.elements[1].Name(), "Frame body");
    EXPECT_EQ(document.elements[10].Name(), "Close");
    EXPECT_EQ(document.layout.top, 6);

    // Out of range goes to the end; a rectangle partly off the sheet is clipped first.
    options.setLayout = false;
    EXPECT_EQ(AddFrame(document, CanvasRect::FromSize(30, 20, 30, 30), {3, 3, 3, 3}, options, 99), 11);
    const auto* body = document.elements[11].As<TileAreaRecord>();
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->source, (SourcePoint{33, 23}));
    EXPECT_EQ(body->size, (BoxSize{4, 4}));

    const SkinDocument before = document;
    FrameProblem problem = FrameProblem::None;
    EXPECT_EQ(AddFrame(document, kRect, {20, 6, 10, 2}, options, 0, &problem), -1);
    EXPECT_EQ(problem, FrameProblem::NoMiddleAcross);
    EXPECT_EQ(document.elements, before.elements);
}

// A skin whose picture is not a PNG: the frame is cut from its keyed picture, colours compared.
TEST(FrameBuilder, KeyedSheet) {
    // Corners of their own, bands of one colour per row or column, one colour in the middle.
    QImage image(12, 9, QImage::Format_RGB32);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool across = x >= 2 && x < 9, down = y >= 3 && y < 7;
            image.setPixelColor(x, y,
                                across && down ? QColor(200, 180, 150)
                                : across       ? QColor(0, y * 25, 50)
                                : down         ? QColor(x * 20, 0, 50)
                                               : QColor(x * 20, y * 25, 99));
        }
    }
    SkinDocument document;
    ASSERT_TRUE(document.keyed.Decode(EncodedImage(image, "BMP")));
    document.pngsource = false;
    const ImageSurface sheet = FrameSheet(document);
    ASSERT_EQ(sheet.Width(), 12);
    EXPECT_EQ(FindFrameMargins(sheet, {0, 0, 12, 9}), (FrameMargins{2, 3, 3, 2}));
    EXPECT_EQ(AddFrame(document, {0, 0, 12, 9}, {2, 3, 3, 2}, {}, 0), 0);
    EXPECT_EQ(document.elements.size(), 9u);
}
