#include "render/PlaceholderText.h"

#include "document/ElementRecords.h"
#include "document/NoteState.h"
#include "picture/InputLimits.h"
#include "picture/MulDiv.h"

#include <algorithm>
#include <cstdint>

namespace {

void ReplaceEvery(QString& text, QStringView placeholder, const QString& value) {
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(placeholder, from);
        if (at < 0)
            return;
        text.replace(at, placeholder.size(), value);
        from = at + value.size();
    }
}

// A token of the date picture counts only outside a quoted literal: the text before it holds an even
// number of quotes.
bool IsQuoted(const QString& text, qsizetype at) {
    qsizetype quotes = 0;
    for (qsizetype i = 0; i < at; ++i) {
        if (text[i] == u'\'')
            ++quotes;
    }
    return quotes % 2 != 0;
}

void ReplaceUnquoted(QString& text, QStringView token, QStringView value) {
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(token, from);
        if (at < 0)
            return;
        if (IsQuoted(text, at)) {
            from = at + token.size();
            continue;
        }
        text.replace(at, token.size(), value.toString());
        from = at + value.size();
    }
}

QString Number(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

} // namespace

QString ExpandPlaceholders(const QString& text, const NoteState& state) {
    QString result = text;
    ReplaceEvery(result, u"%TITLE%", state.title);
    ReplaceEvery(result, u"%SOURCE%", state.source);
    ReplaceEvery(result, u"%CREATION%", state.creationtext);
    ReplaceEvery(result, u"%MODIFIED%", state.modifiedtext);
    ReplaceEvery(result, u"%ALARM%", state.alarmtext);
    ReplaceEvery(result, u"%USERSTRING1%", state.userstring1);
    ReplaceEvery(result, u"%STACKNAME%", state.stackname);
    ReplaceEvery(result, u"%LASTSEND%", state.lastsendtext);
    return result;
}

QString ApplySetCase(const QString& text, int setcase) {
    if (setcase == 1)
        return text.toLower();
    if (setcase == 2)
        return text.toUpper();
    return text;
}

int FontHeightOfPoint(int point) {
    return MulDiv(point, -96, 72);
}

TextFontDescription FontDescriptionOf(const TextRecord& text) {
    TextFontDescription d;
    d.facename = text.font.left(kFaceNameLimit);
    d.height = FontHeightOfPoint(text.point);
    d.weight = text.bold ? 700 : 0;
    d.italic = text.italic;
    d.underline = text.underline;
    d.quality = text.antialias == 0 ? 3 : text.antialias == 2 ? 4 : 0;
    return d;
}

QFont MakeTextFont(const TextFontDescription& description) {
    QFont font;
    if (!description.facename.isEmpty())
        font.setFamily(description.facename);
    // A positive height asks for the cell height and a negative one for the character height; both
    // become the pixel size here. 0 keeps the default size.
    const std::int64_t pixels =
        description.height < 0 ? -static_cast<std::int64_t>(description.height) : description.height;
    if (pixels > 0)
        font.setPixelSize(static_cast<int>(std::min<std::int64_t>(pixels, kLargestPlaceholderPixelSize)));
    font.setWeight(description.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setStrikeOut(false);
    switch (description.quality) {
    case 3:
        font.setStyleStrategy(QFont::NoAntialias);
        break;
    case 4:
        font.setStyleStrategy(QFont::PreferAntialias);
        break;
    default:
        font.setStyleStrategy(QFont::PreferDefault);
        break;
    }
    return font;
}

QString LongDateFormatOfPicture(const QString& picture) {
    // "%*" holds the two-letter forms for a moment so that the one-letter step does not see them.
    static const struct {
        const char16_t* token;
        const char16_t* value;
    } steps[] = {
        {u"dddd", u"%A"}, {u"ddd", u"%a"}, {u"dd", u"%*"}, {u"d", u"%#d"}, {u"%*", u"%d"},
        {u"MMMM", u"%B"}, {u"MMM", u"%b"}, {u"MM", u"%*"}, {u"M", u"%#m"}, {u"%*", u"%m"},
        {u"yyyy", u"%Y"}, {u"yy", u"%*"},  {u"y", u"%#y"}, {u"%*", u"%y"},
    };
    QString format = picture;
    for (const auto& step : steps)
        ReplaceUnquoted(format, step.token, step.value);
    format.remove(u'\'');
    return format;
}

bool IsTwentyFourHourPicture(const QString& timePicture) {
    for (qsizetype i = 0; i < timePicture.size(); ++i) {
        const QChar c = timePicture[i];
        if ((c == u'a' || c == u'A') && !IsQuoted(timePicture, i))
            return false;
    }
    return true;
}

QString TimeFormatOf(bool twentyFourHour) {
    return twentyFourHour ? QStringLiteral("%H:%M") : QStringLiteral("%#I:%M %p");
}

QString FormatTime(const QString& format, const QDateTime& time, const QLocale& locale) {
    const bool valid = time.isValid();
    const QDate date = valid ? time.date() : QDate();
    const QTime clock = valid ? time.time() : QTime(0, 0);

    // Names first, from the locale; what remains is formatted strftime-style.
    QString text = format;
    const int weekday = valid ? date.dayOfWeek() : 0;
    const int month = valid ? date.month() : 0;
    text.replace(QStringLiteral("%A"), valid ? locale.dayName(weekday, QLocale::LongFormat) : QString());
    text.replace(QStringLiteral("%a"), valid ? locale.dayName(weekday, QLocale::ShortFormat) : QString());
    text.replace(QStringLiteral("%B"), valid ? locale.monthName(month, QLocale::LongFormat) : QString());
    text.replace(QStringLiteral("%b"), valid ? locale.monthName(month, QLocale::ShortFormat) : QString());

    const int hour12 = clock.hour() % 12 == 0 ? 12 : clock.hour() % 12;
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'%' || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        qsizetype j = i + 1;
        const bool noPadding = text[j] == u'#';
        if (noPadding && j + 1 < text.size())
            ++j;
        const int width = noPadding ? 1 : 2;
        switch (text[j].unicode()) {
        case u'd':
            out += Number(date.day(), width);
            break;
        case u'm':
            out += Number(date.month(), width);
            break;
        case u'Y':
            out += Number(date.year(), 1);
            break;
        case u'y':
            out += Number(((date.year() % 100) + 100) % 100, width);
            break;
        case u'H':
            out += Number(clock.hour(), width);
            break;
        case u'I':
            out += Number(hour12, width);
            break;
        case u'M':
            out += Number(clock.minute(), width);
            break;
        case u'S':
            out += Number(clock.second(), width);
            break;
        case u'p':
            out += clock.hour() < 12 ? locale.amText() : locale.pmText();
            break;
        case u'%':
            out += u'%';
            break;
        default:
            // A directive this program never writes is kept as it stands.
            out += text.mid(i, j - i + 1);
            break;
        }
        i = j;
    }
    return out;
}

QString SampleDateText(const QDateTime& time, const QLocale& locale) {
    const QString date =
        FormatTime(LongDateFormatOfPicture(locale.dateFormat(QLocale::LongFormat)), time, locale);
    const QString clock = FormatTime(
        TimeFormatOf(IsTwentyFourHourPicture(locale.timeFormat(QLocale::LongFormat))), time, locale);
    return clock + QStringLiteral(", ") + date;
}
