#include "render/StateSheet.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "render/RenderPreview.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using Make = std::function<void(SkinDocument&)>;

// Tile areas drawn under the condition codes, switched on or not.
Make Conditions(std::vector<int> codes, bool set = true) {
    return [=](SkinDocument& document) {
        for (const int code : codes) {
            SkinElement e = SkinElement::Make(ElementKind::TileArea);
            e.Common()->conditionset = set;
            e.Common()->condition = code;
            document.Append(std::move(e));
        }
    };
}

Make Indicator(int type) {
    return [=](SkinDocument& document) {
        SkinElement e = SkinElement::Make(ElementKind::Indicator);
        e.As<IndicatorRecord>()->type = type;
        document.Append(std::move(e));
    };
}

// A group for each field, its one rule that the field is true.
Make Rules(QStringList fields) {
    return [=](SkinDocument& document) {
        for (const QString& field : fields) {
            SkinElement e = SkinElement::Make(ElementKind::Group);
            e.As<GroupRecord>()->rules.push_back({field, QStringLiteral("is"), QStringLiteral("true")});
            document.Append(std::move(e));
        }
    };
}

Make Both(Make first, Make second) {
    return [=](SkinDocument& document) {
        first(document);
        second(document);
    };
}

// Whether every pixel of the block of sheet at (x, y) equals picture.
bool SameBlock(const Canvas& sheet, int x, int y, const Canvas& picture) {
    for (int row = 0; row < picture.Height(); ++row) {
        for (int column = 0; column < picture.Width(); ++column) {
            if (sheet.Pixel(x + column, y + row) != picture.Pixel(column, row))
                return false;
        }
    }
    return true;
}

} // namespace

TEST(StateSheet, RowsAreTheFlagsTheSkinReads) {
    const QStringList always{"base", "rolled", "focus"};
    NoteSettings wholeTextShown;
    wholeTextShown.scrolltop = 0;
    const struct {
        const char* what;
        Make make;
        QStringList extra;
        NoteSettings base = NoteSettings();
    } cases[] = {
        {"no elements", [](SkinDocument&) {}, {}},
        {"an alarm indicator", Indicator(5), {"alarm"}},
        // Codes in any order come out in the key table's order, each key once.
        {"conditions", Both(Conditions({20, 1, 4}), Indicator(1)), {"ontop", "locked", "sync"}},
        {"a condition not switched on", Conditions({5}, false), {}},
        {"codes without a box of their own", Conditions({16, 18, -1}), {}},
        // "Scrollbar enabled" and "Scrollbar required" both follow the Scrollbar box.
        {"the scroll bar twice", Both(Conditions({9}), Indicator(13)), {"scrollbar"}},
        // With the whole text in view the box does not make the bar required.
        {"required scroll bar, whole text shown", Conditions({13}), {}, wholeTextShown},
        {"group rules on flags", Rules({"Bulk selected", "in STACK", "Has focus"}), {"instack", "bulk"}},
        {"group rules on other fields", Rules({"Width", "Title", "No such field"}), {}},
    };
    for (const auto& c : cases) {
        SkinDocument document;
        c.make(document);
        EXPECT_EQ(StateSheetStates(document, c.base), always + c.extra) << c.what;
    }
}

TEST(StateSheet, RowTurnsOneFlagOver) {
    NoteSettings base;
    base.alarm = true;
    const std::optional<SheetRow> alarm = StateSheetRow(u"ALARM", base);
    ASSERT_TRUE(alarm);
    EXPECT_EQ(alarm->name, "alarm");
    NoteSettings expected = base;
    expected.alarm = false;
    EXPECT_EQ(alarm->settings, expected);

    const std::optional<SheetRow> rolled = StateSheetRow(u"rolled", base);
    ASSERT_TRUE(rolled);
    expected = base;
    expected.rolled = true;
    EXPECT_EQ(rolled->settings, expected);

    ASSERT_TRUE(StateSheetRow(u"Base", base));
    EXPECT_EQ(StateSheetRow(u"Base", base)->settings, base);
    EXPECT_EQ(StateSheetRow(u"Base", base)->name, "base");
    for (const char16_t* notARow : {u"width", u"stackmode", u"title", u"notecolour", u"", u"help"})
        EXPECT_FALSE(StateSheetRow(notARow, base)) << QString::fromUtf16(notARow).toStdString();
    for (const QString& name : StateSheetNames())
        EXPECT_TRUE(StateSheetRow(name, base)) << name.toStdString();
}

TEST(StateSheet, DefaultSizesStartWithTheActiveLayoutsMinimum) {
    SkinDocument document;
    document.layout.minimumwidth = 120;
    document.layout.minimumheight = 45;
    EXPECT_EQ(DefaultStateSheetSizes(document, NoteSettings()),
              (std::vector<SheetSize>{{120, 45}, {300, 100}, {600, 200}}));
    // A layout active only for a rolled note does not count for the base state.
    SkinElement rolledLayout = SkinElement::Make(ElementKind::Layout);
    rolledLayout.As<SkinLayout>()->minimumwidth = 50;
    rolledLayout.group = "rolled";
    document.Append(std::move(rolledLayout));
    SkinElement group = SkinElement::Make(ElementKind::Group);
    group.SetName("rolled");
    group.As<GroupRecord>()->rules.push_back({"Rolled", "is", "true"});
    document.Append(std::move(group));
    EXPECT_EQ(DefaultStateSheetSizes(document, NoteSettings()).front(), (SheetSize{120, 45}));
    NoteSettings rolled;
    rolled.rolled = true;
    EXPECT_EQ(DefaultStateSheetSizes(document, rolled).front().width, 50);
    // No minimum (or a wild one) still gives a note that can be drawn.
    document.layout.minimumwidth = 0;
    document.layout.minimumheight = 1000000;
    EXPECT_EQ(DefaultStateSheetSizes(document, NoteSettings()).front(), (SheetSize{1, 9999}));
}

TEST(StateSheet, GridCellsDoNotOverlapAndFitTheSheet) {
    const std::vector<SheetSize> sizes{{100, 50}, {300, 100}, {600, 200}};
    const StateSheetGrid grid(4, sizes);
    const CanvasRect sheet{0, 0, static_cast<int>(grid.Width()), static_cast<int>(grid.Height())};
    std::vector<CanvasRect> boxes;
    for (int r = 0; r < 4; ++r) {
        boxes.push_back(grid.RowLabel(r));
        for (int c = 0; c < 3; ++c) {
            const CanvasRect cell = grid.Cell(r, c);
            EXPECT_EQ(cell.Width(), sizes[c].width + kSheetAreaMargin);
            EXPECT_EQ(cell.Height(), sizes[c].height + kSheetAreaMargin);
            // A row's cells share their top; a column's cells their left.
            EXPECT_EQ(cell.top, grid.Cell(r, 0).top);
            EXPECT_EQ(cell.left, grid.Cell(0, c).left);
            boxes.push_back(cell);
        }
    }
    for (int c = 0; c < 3; ++c)
        boxes.push_back(grid.ColumnLabel(c));
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].Intersected(sheet), boxes[i]) << i;
        for (size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_TRUE(boxes[i].Intersected(boxes[j]).IsEmpty()) << i << " " << j;
    }
}

TEST(StateSheet, EachCellIsThePreviewOfItsStateAndSize) {
    SkinDocument document;
    ASSERT_TRUE(LoadSkin(document, QStringLiteral(DRAPIER_EXAMPLES "/rich/rich.ini"), QString()));
    const NoteSettings base;
    std::vector<SheetRow> rows;
    for (const QString& name : StateSheetStates(document, base))
        rows.push_back(*StateSheetRow(name, base));
    ASSERT_GE(rows.size(), 5u);
    const std::vector<SheetSize> sizes = DefaultStateSheetSizes(document, base);
    Canvas sheet;
    ASSERT_TRUE(DrawStateSheet(document, rows, sizes, sheet));
    const StateSheetGrid grid(static_cast<int>(rows.size()), sizes);
    ASSERT_EQ(sheet.Width(), grid.Width());
    ASSERT_EQ(sheet.Height(), grid.Height());
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < sizes.size(); ++c) {
            NoteSettings settings = rows[r].settings;
            settings.width = sizes[c].width;
            settings.height = sizes[c].height;
            Canvas alone(sizes[c].width + kSheetAreaMargin, sizes[c].height + kSheetAreaMargin);
            RenderPreview(document, settings, PreviewOptions(), alone);
            const CanvasRect at = grid.Cell(static_cast<int>(r), static_cast<int>(c));
            EXPECT_TRUE(SameBlock(sheet, at.left, at.top, alone)) << rows[r].name.toStdString() << " " << c;
        }
    }
    // Rows differ where their state shows: the rolled note leaves the background below its title bar.
    const CanvasRect baseCell = grid.Cell(0, 1);
    const CanvasRect rolledCell = grid.Cell(1, 1);
    EXPECT_NE(sheet.Pixel(baseCell.left + 160, baseCell.top + 70),
              sheet.Pixel(rolledCell.left + 160, rolledCell.top + 70));
    // Labels are drawn in the label room only.
    bool labelInk = false;
    const CanvasRect label = grid.RowLabel(0);
    for (int y = label.top; y < label.bottom && !labelInk; ++y)
        for (int x = label.left; x < label.right && !labelInk; ++x)
            labelInk = sheet.ColourAt(x, y) != MakeColour(236, 236, 236);
    EXPECT_TRUE(labelInk);
}

TEST(StateSheet, StackSkinCellsUseTheStackMode) {
    SkinDocument document;
    ASSERT_TRUE(LoadSkin(document, QStringLiteral(DRAPIER_EXAMPLES "/stack/paperpile.ini"), QString()));
    NoteSettings base;
    base.stackmode = true;
    base.source = DefaultNoteSource(true);
    const std::vector<SheetRow> rows{*StateSheetRow(u"base", base)};
    const std::vector<SheetSize> sizes{{300, 100}};
    Canvas sheet;
    ASSERT_TRUE(DrawStateSheet(document, rows, sizes, sheet));
    PreviewOptions stack;
    stack.stackmode = true;
    Canvas alone(320, 120);
    RenderPreview(document, base, stack, alone);
    const CanvasRect at = StateSheetGrid(1, sizes).Cell(0, 0);
    EXPECT_TRUE(SameBlock(sheet, at.left, at.top, alone));
}

TEST(StateSheet, NothingToDrawOrTooLarge) {
    SkinDocument document;
    LoadDefaultSkin(document);
    const std::vector<SheetRow> rows{*StateSheetRow(u"base", NoteSettings())};
    Canvas sheet(5, 5);
    const struct {
        std::vector<SheetRow> rows;
        std::vector<SheetSize> sizes;
    } cases[] = {
        {{}, {{300, 100}}},
        {rows, {}},
        {rows, {{0, 100}}},
        {rows, {{300, -1}}},
        // Each cell fits a canvas, the sheet does not.
        {std::vector<SheetRow>(30, rows.front()), {{9999, 9999}, {9999, 9999}}},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(DrawStateSheet(document, c.rows, c.sizes, sheet));
        EXPECT_FALSE(sheet.IsValid());
    }
}

TEST(RenderPreviewOver, MatchesRenderPreview) {
    SkinDocument document;
    ASSERT_TRUE(LoadSkin(document, QStringLiteral(DRAPIER_EXAMPLES "/plain/plain.ini"), QString()));
    NoteSettings settings;
    Canvas background(420, 180);
    DrawPreviewBackground(background);
    Canvas over(420, 180);
    RenderPreviewOver(document, settings, PreviewOptions(), background, over);
    Canvas direct(420, 180);
    RenderPreview(document, settings, PreviewOptions(), direct);
    EXPECT_TRUE(SameBlock(over, 0, 0, direct));
    // A background of another size draws nothing rather than reading outside it.
    Canvas untouched(420, 181, MakeColour(1, 2, 3));
    RenderPreviewOver(document, settings, PreviewOptions(), background, untouched);
    EXPECT_EQ(untouched.ColourAt(210, 90), MakeColour(1, 2, 3));
}
