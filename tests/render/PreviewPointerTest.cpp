#include "render/PreviewPointer.h"
#include "RenderTestSupport.h"
#include "document/NoteState.h"
#include "document/SkinDocument.h"

#include <gtest/gtest.h>

namespace {

NoteState State() {
    NoteState s;
    s.width = 300;
    s.height = 100;
    s.unrolledheight = 100;
    s.pointerinnote = true;
    return s;
}

SkinElement Button(int x, int y, int size, bool drawn = true, SourcePoint rollover = {-1, -1}) {
    SkinElement e = SkinElement::Make(ElementKind::Button);
    ButtonRecord& b = *e.As<ButtonRecord>();
    b.place = {At(x), At(y)};
    b.size = {size, size};
    b.drawunrolled = drawn;
    b.sourcerollover = rollover;
    return e;
}

// A group named "off" that hides its members.
SkinElement HidingGroup() {
    SkinElement off = SkinElement::Make(ElementKind::Group);
    off.SetName("off");
    off.As<GroupRecord>()->enabled = false;
    return off;
}

bool Over(const SkinDocument& document, int entry) {
    return document.elements[static_cast<size_t>(entry)].As<ButtonRecord>()->pointerover;
}

} // namespace

TEST(PreviewPointer, ClickPicksTheLastDrawnElementUnderThePoint) {
    SkinDocument document;
    SkinElement strip = SkinElement::Make(ElementKind::HStrip); // 0: columns 0 .. 99 and its end edge 100
    strip.As<HStripRecord>()->place = {At(0), At(0)};
    strip.As<HStripRecord>()->extent = {At(99), 40};
    strip.As<HStripRecord>()->drawunrolled = true;
    document.Append(strip);
    document.Append(Button(10, 10, 20));        // 1
    document.Append(Button(15, 15, 20, false)); // 2: not drawn unrolled
    document.Append(HidingGroup());             // 3
    SkinElement hidden = Button(10, 10, 20);    // 4: its group hides it
    hidden.group = "off";
    document.Append(hidden);
    SkinElement text = SkinElement::Make(ElementKind::Text); // 5: a text counts, whatever it shows
    text.As<TextRecord>()->place = {At(0), At(60)};
    text.As<TextRecord>()->extent = {At(-1), 20};
    text.As<TextRecord>()->drawunrolled = true;
    document.Append(text);

    const struct {
        int x, y, expected;
    } clicks[] = {{20, 20, 1},  {29, 29, 1},   {30, 30, 0}, {33, 33, 0},   {100, 5, 0}, {101, 5, -1},
                  {150, 70, 5}, {150, 50, -1}, {-1, 5, -1}, {300, 70, -1}, {5, 100, -1}};
    for (const auto& click : clicks)
        EXPECT_EQ(ElementAtNotePoint(document, State(), click.x, click.y), click.expected)
            << click.x << "," << click.y;
}

TEST(PreviewPointer, RolloverButtonClaimsThePointer) {
    SkinDocument document;
    document.Append(Button(10, 10, 20, true, {40, 0})); // 0: with a rollover picture
    document.Append(Button(10, 10, 20));                // 1: under the same point, after it
    document.Append(Button(15, 15, 20));                // 2
    document.Append(HidingGroup());                     // 3
    SkinElement hidden = Button(10, 10, 20);            // 4: in a group that fails, not visited
    hidden.group = "off";
    hidden.As<ButtonRecord>()->pointerover = true;
    document.Append(hidden);

    EXPECT_TRUE(UpdatePointerOver(document, State(), 20, 20));
    EXPECT_TRUE(Over(document, 0));
    EXPECT_FALSE(Over(document, 1));
    EXPECT_FALSE(Over(document, 2));
    EXPECT_TRUE(Over(document, 4));
    EXPECT_FALSE(UpdatePointerOver(document, State(), 21, 21)); // nothing changed

    // Without a rollover picture the first button does not claim the pointer.
    document.elements[0].As<ButtonRecord>()->sourcerollover = {-1, -1};
    EXPECT_TRUE(UpdatePointerOver(document, State(), 20, 20));
    EXPECT_TRUE(Over(document, 0));
    EXPECT_TRUE(Over(document, 1));
    EXPECT_TRUE(Over(document, 2));

    EXPECT_TRUE(UpdatePointerOver(document, State(), 200, 80));
    EXPECT_FALSE(Over(document, 0) || Over(document, 1) || Over(document, 2));
    EXPECT_TRUE(ClearPointerOver(document)); // the hidden one is cleared when the pointer leaves
    EXPECT_FALSE(Over(document, 4));
    EXPECT_FALSE(ClearPointerOver(document));
}
