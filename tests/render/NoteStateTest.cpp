#include "document/SkinDocument.h"
#include "render/SampleNoteState.h"

#include <gtest/gtest.h>

namespace {

SkinElement LayoutEntry(int rolledHeight, const QString& group = {}) {
    SkinElement e = SkinElement::Make(ElementKind::Layout);
    e.As<SkinLayout>()->rolledheight = rolledHeight;
    e.group = group;
    return e;
}

SkinElement GroupEntry(const QString& name, std::vector<GroupRule> rules) {
    SkinElement e = SkinElement::Make(ElementKind::Group);
    e.As<GroupRecord>()->name = name;
    e.As<GroupRecord>()->rules = std::move(rules);
    return e;
}

} // namespace

TEST(SampleNoteState, StartValues) {
    const NoteState s = SampleNoteState(NoteSettings{}, SkinDocument());
    EXPECT_EQ(s.width, 300);
    EXPECT_EQ(s.height, 100);
    EXPECT_EQ(s.unrolledheight, 100);
    EXPECT_FALSE(s.rolled);
    EXPECT_EQ(s.title, "Pinlets Drapier");
    EXPECT_EQ(s.source, "Ivo Brannet");
    EXPECT_EQ(s.stackname, "Reference");
    EXPECT_EQ(s.scrolltop, 25);
    EXPECT_EQ(s.scrollbottom, 100);
    EXPECT_EQ(s.dpi, 96);
    EXPECT_EQ(s.notecolour, MakeColour(255, 255, 180));
    EXPECT_EQ(s.pencolour, MakeColour(255, 64, 255));
    EXPECT_TRUE(s.backgroundislight);
    EXPECT_TRUE(s.pointerinnote);
    EXPECT_FALSE(s.scrollbarrequired);
    EXPECT_TRUE(s.alarmtext.isEmpty());
    EXPECT_EQ(s.userstring1, "userstring1");
    EXPECT_EQ(s.attachedtitle, "AttachWindowTitle");
    EXPECT_EQ(s.attachedclass, "AttachWindowClass");
    EXPECT_EQ(s.lastsendtext, "Sent to Ivo on 12/11/1974 02:00");
    EXPECT_EQ(DefaultNoteSource(true), "3");
}

TEST(SampleNoteState, TextsCarryOver) {
    NoteSettings settings;
    settings.created = "10:00, Monday";
    settings.title = "T";
    settings.source = "S";
    settings.stackname = "N";
    settings.dpi = 144;
    settings.alarm = true;
    const NoteState s = SampleNoteState(settings, SkinDocument());
    EXPECT_EQ(s.creationtext, "10:00, Monday");
    EXPECT_EQ(s.modifiedtext, "10:00, Monday");
    EXPECT_EQ(s.title, "T");
    EXPECT_EQ(s.source, "S");
    EXPECT_EQ(s.stackname, "N");
    EXPECT_EQ(s.dpi, 144);
    EXPECT_EQ(s.alarmtext, "12/11/1974 02:00");
}

// Each box must land on its own flag and on no other.
TEST(SampleNoteState, EachBoxSetsItsFlag) {
    struct Case {
        const char* box;
        bool NoteSettings::*tick;
        bool NoteState::*flag;
    };
    const Case cases[] = {
        {"ontop", &NoteSettings::ontop, &NoteState::ontop},
        {"focus", &NoteSettings::focus, &NoteState::hasfocus},
        {"locked", &NoteSettings::locked, &NoteState::readonly},
        {"alarm", &NoteSettings::alarm, &NoteState::alarmset},
        {"attached", &NoteSettings::attached, &NoteState::attached},
        {"stand", &NoteSettings::stand, &NoteState::stand},
        {"solo", &NoteSettings::solo, &NoteState::solo},
        {"user1", &NoteSettings::user1, &NoteState::user1},
        {"user2", &NoteSettings::user2, &NoteState::user2},
        {"user3", &NoteSettings::user3, &NoteState::user3},
        {"transmit", &NoteSettings::transmit, &NoteState::transmitok},
        {"email", &NoteSettings::email, &NoteState::emailok},
        {"sync", &NoteSettings::sync, &NoteState::sync},
        {"image", &NoteSettings::image, &NoteState::image},
        {"instack", &NoteSettings::instack, &NoteState::instack},
        {"bulk", &NoteSettings::bulk, &NoteState::bulkselected},
        {"scrollbar", &NoteSettings::scrollbar, &NoteState::fixedsize},
        {"moreabove", &NoteSettings::moreabove, &NoteState::moreabove},
        {"morebelow", &NoteSettings::morebelow, &NoteState::morebelow},
        {"rolled", &NoteSettings::rolled, &NoteState::rolled},
    };
    for (const Case& ticked : cases) {
        NoteSettings settings;
        settings.*ticked.tick = true;
        const NoteState s = SampleNoteState(settings, SkinDocument());
        for (const Case& other : cases)
            EXPECT_EQ(s.*other.flag, &other == &ticked) << "ticked " << ticked.box << ", read " << other.box;
    }
}

TEST(SampleNoteState, ScrollbarRequired) {
    struct Case {
        bool box;
        int top, bottom;
        bool required;
    };
    const Case cases[] = {
        {true, 0, 100, false}, {true, 0, 99, true},  {true, 0, 0, false},    {true, 25, 100, true},
        {true, 1, 100, true},  {true, 100, 0, true}, {false, 25, 50, false}, {false, 0, 99, false},
    };
    for (const Case& c : cases) {
        NoteSettings settings;
        settings.scrollbar = c.box;
        settings.scrolltop = c.top;
        settings.scrollbottom = c.bottom;
        EXPECT_EQ(SampleNoteState(settings, SkinDocument()).scrollbarrequired, c.required)
            << c.box << " " << c.top << " " << c.bottom;
    }
}

TEST(SampleNoteState, LightColours) {
    struct Case {
        Colour colour;
        bool light;
    };
    const Case cases[] = {
        {MakeColour(255, 255, 255), true},  {MakeColour(0, 0, 0), false},
        {MakeColour(0, 255, 0), true},      {MakeColour(255, 0, 0), false},
        {MakeColour(0, 0, 255), false},     {MakeColour(255, 255, 180), true},
        {MakeColour(186, 186, 186), false}, {MakeColour(187, 187, 187), true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsLightColour(c.colour), c.light) << c.colour;
        NoteSettings settings;
        settings.notecolour = c.colour;
        EXPECT_EQ(SampleNoteState(settings, SkinDocument()).backgroundislight, c.light) << c.colour;
    }
}

TEST(SampleNoteState, RolledHeightComesFromTheActiveLayout) {
    struct Case {
        const char* name;
        std::vector<GroupRule> rules;
        int expectedHeight;
    };
    const Case cases[] = {
        {"layout without rules", {}, 40},
        // The rolled flag and the width are known when the layout is chosen ...
        {"rule on rolled", {{"Rolled", "is", "true"}}, 40},
        {"rule on width", {{"Width", "is", "300"}}, 40},
        // ... the height is not yet.
        {"rule on height", {{"Height", "is", "100"}}, 25},
        {"rule on height 0", {{"Height", "is", "0"}}, 40},
    };
    for (const Case& c : cases) {
        SkinDocument doc;
        doc.Append(GroupEntry("g", c.rules));
        doc.Append(LayoutEntry(40, "g"));
        NoteSettings settings;
        settings.rolled = true;
        const NoteState s = SampleNoteState(settings, doc);
        EXPECT_EQ(s.height, c.expectedHeight) << c.name;
        EXPECT_EQ(s.unrolledheight, 100) << c.name;
        EXPECT_EQ(s.width, 300) << c.name;
    }

    SkinDocument doc;
    doc.Append(LayoutEntry(40));
    EXPECT_EQ(SampleNoteState(NoteSettings{}, doc).height, 100) << "unrolled keeps the Height value";
}
