#include "render/PlaceholderText.h"
#include "document/ElementRecords.h"
#include "document/NoteState.h"

#include <gtest/gtest.h>

namespace {

NoteState SampleState() {
    NoteState s;
    s.title = QStringLiteral("Shopping");
    s.source = QStringLiteral("Ann");
    s.creationtext = QStringLiteral("10:00, Monday");
    s.modifiedtext = QStringLiteral("11:00, Tuesday");
    s.userstring1 = QStringLiteral("userstring1");
    s.stackname = QStringLiteral("Work");
    s.lastsendtext = QStringLiteral("Sent to Ivo on 12/11/1974 02:00");
    return s;
}

} // namespace

TEST(ExpandPlaceholders, Cases) {
    NoteState alarm = SampleState();
    alarm.alarmset = true;
    alarm.alarmtext = QStringLiteral("12/11/1974 02:00");
    NoteState titled = SampleState();
    titled.title = QStringLiteral("see %SOURCE% and %TITLE%");
    struct Case {
        const char* text;
        const NoteState* state;
        const char* expected;
    };
    const NoteState plain = SampleState();
    const Case cases[] = {
        {"%title%", &plain, "%title%"},
        {"Due: %ALARM%", &alarm, "Due: 12/11/1974 02:00"},
        {"Due: %ALARM%", &plain, "Due: "},
        {"%TITLE% / %TITLE%", &plain, "Shopping / Shopping"},
        {"%TITLE", &plain, "%TITLE"},
        {"%CREATION%|%MODIFIED%", &plain, "10:00, Monday|11:00, Tuesday"},
        {"%USERSTRING1%%STACKNAME%%LASTSEND%", &plain, "userstring1WorkSent to Ivo on 12/11/1974 02:00"},
        {"%OTHER% %SOURCE%", &plain, "%OTHER% Ann"},
        // Later placeholders see earlier values; the title's own %TITLE% is not expanded again.
        {"%TITLE%", &titled, "see Ann and %TITLE%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandPlaceholders(QString::fromUtf8(c.text), *c.state), QString::fromUtf8(c.expected))
            << c.text;
}

TEST(ApplySetCase, UpperLowerAndAsTyped) {
    const QString expanded = ExpandPlaceholders(QStringLiteral("%LASTSEND%"), SampleState());
    EXPECT_EQ(ApplySetCase(expanded, 2), QStringLiteral("SENT TO IVO ON 12/11/1974 02:00"));
    EXPECT_EQ(ApplySetCase(expanded, 1), QStringLiteral("sent to ivo on 12/11/1974 02:00"));
    EXPECT_EQ(ApplySetCase(expanded, 0), expanded);
    EXPECT_EQ(ApplySetCase(expanded, 7), expanded);
}

TEST(FontDescription, HeightFromPointWhateverTheDpi) {
    const struct {
        int point;
        int height;
    } cases[] = {{8, -11}, {12, -16}, {9, -12},          {10, -13},
                 {0, 0},   {-8, 11},  {100000, -133333}, {2000000000, -2147483647 - 1}};
    for (const auto& c : cases)
        EXPECT_EQ(FontHeightOfPoint(c.point), c.height) << c.point;
}

TEST(FontDescription, FieldsFromTheElement) {
    TextRecord t;
    t.font = QString(40, u'F');
    t.point = 12;
    t.bold = true;
    t.italic = true;
    t.antialias = 0;
    TextFontDescription d = FontDescriptionOf(t);
    EXPECT_EQ(d.facename.size(), 31);
    EXPECT_EQ(d.height, -16);
    EXPECT_EQ(d.weight, 700);
    EXPECT_TRUE(d.italic);
    EXPECT_FALSE(d.underline);
    EXPECT_EQ(d.quality, 3);
    EXPECT_EQ(MakeTextFont(d).styleStrategy(), QFont::NoAntialias);
    EXPECT_EQ(MakeTextFont(d).pixelSize(), 16);
    EXPECT_TRUE(MakeTextFont(d).bold());

    t.bold = false;
    t.underline = true;
    t.antialias = 2;
    d = FontDescriptionOf(t);
    EXPECT_EQ(d.weight, 0);
    EXPECT_EQ(d.quality, 4);
    EXPECT_TRUE(MakeTextFont(d).underline());
    EXPECT_FALSE(MakeTextFont(d).bold());
    EXPECT_EQ(MakeTextFont(d).styleStrategy(), QFont::PreferAntialias);
    t.antialias = 1;
    EXPECT_EQ(FontDescriptionOf(t).quality, 0);

    // An absurd size still gives a font the engine can make.
    t.point = 100000;
    EXPECT_GT(MakeTextFont(FontDescriptionOf(t)).pixelSize(), 0);
}

TEST(SampleDate, LongDatePictures) {
    const struct {
        const char* picture;
        const char* format;
    } cases[] = {
        {"dddd, dd MMMM yyyy", "%A, %d %B %Y"},
        {"d 'de' MMMM", "%#d de %B"},
        {"dddd, MMMM d, yyyy", "%A, %B %#d, %Y"},
        {"ddd d MMM yy", "%a %#d %b %y"},
        {"M/d/y", "%#m/%#d/%#y"},
        {"dd.MM.yyyy", "%d.%m.%Y"},
        {"yyyy'年'M'月'd'日'", "%Y年%#m月%#d日"},
        {"'dddd' d", "dddd %#d"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LongDateFormatOfPicture(QString::fromUtf8(c.picture)), QString::fromUtf8(c.format))
            << c.picture;
}

TEST(SampleDate, ClockAndFormatting) {
    EXPECT_EQ(TimeFormatOf(false), QStringLiteral("%#I:%M %p"));
    EXPECT_EQ(TimeFormatOf(true), QStringLiteral("%H:%M"));
    EXPECT_FALSE(IsTwentyFourHourPicture(QStringLiteral("h:mm:ss AP")));
    EXPECT_FALSE(IsTwentyFourHourPicture(QStringLiteral("h:mm ap")));
    EXPECT_TRUE(IsTwentyFourHourPicture(QStringLiteral("HH:mm:ss")));
    EXPECT_TRUE(IsTwentyFourHourPicture(QStringLiteral("HH 'a'")));

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QDateTime sunday(QDate(2023, 1, 8), QTime(14, 5));
    const QDateTime midnight(QDate(2023, 1, 9), QTime(0, 7));
    const struct {
        const char* format;
        QDateTime when;
        const QLocale& locale;
        const char* text;
    } cases[] = {
        {"%A, %d %B %Y", sunday, english, "Sunday, 08 January 2023"},
        {"%a %#d %b %#m/%y", sunday, english, "Sun 8 Jan 1/23"},
        {"%#I:%M %p", sunday, english, "2:05 PM"},
        {"%H:%M", midnight, english, "00:07"},
        {"%#I %p", midnight, english, "12 AM"},
        {"[%A][%B]", QDateTime(), english, "[][]"}, // without a time the names are empty
        {"%A %B", sunday, german, "Sonntag Januar"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatTime(QString::fromUtf8(c.format), c.when, c.locale), QString::fromUtf8(c.text))
            << c.format;
}

TEST(SampleDate, TimeFirstThenTheLongDate) {
    const QDateTime sunday(QDate(2023, 1, 8), QTime(14, 5));
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(SampleDateText(sunday, english), QStringLiteral("2:05 PM, Sunday, January 8, 2023"));
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_TRUE(SampleDateText(sunday, german).startsWith(QStringLiteral("14:05, Sonntag")));
}
