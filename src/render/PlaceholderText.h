#pragma once

#include <QDateTime>
#include <QFont>
#include <QLocale>
#include <QString>

struct NoteState;
struct TextRecord;

// The note texts a Text element can show, replaced in a fixed order; a value inserted by an earlier
// placeholder is searched by the later ones, so a title holding "%SOURCE%" shows the source.
QString ExpandPlaceholders(const QString& text, const NoteState& state);

// setcase 1 lower case, 2 upper case, anything else leaves the text as typed.
QString ApplySetCase(const QString& text, int setcase);

// The logical font a Text element asks for.
struct TextFontDescription {
    QString facename; // at most 31 characters
    int height = 0;   // negative: character height in pixels at 96 dots per inch
    int weight = 0;   // 700 bold, 0 the face's default
    bool italic = false;
    bool underline = false;
    int quality = 0; // 3 non-antialiased, 0 default, 4 antialiased
};

constexpr int kFaceNameLimit = 31;

// -(point x 96 / 72), rounded to the nearest integer; the state's DPI plays no part.
int FontHeightOfPoint(int point);
TextFontDescription FontDescriptionOf(const TextRecord& text);
QFont MakeTextFont(const TextFontDescription& description);

// A locale's long date picture (dddd, MMMM d, yyyy) turned into a strftime-style format.
QString LongDateFormatOfPicture(const QString& picture);
// Whether a QLocale time picture shows the hour on the 24-hour clock (no am/pm marker).
bool IsTwentyFourHourPicture(const QString& timePicture);
QString TimeFormatOf(bool twentyFourHour);
// Formats a time with a strftime-style format; %A %a %B %b take the locale's day and month names.
QString FormatTime(const QString& format, const QDateTime& time, const QLocale& locale);

// The sample creation and modification text: the time, ", ", then the long date, in the locale's words.
QString SampleDateText(const QDateTime& time, const QLocale& locale);
