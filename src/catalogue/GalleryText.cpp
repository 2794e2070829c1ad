#include "catalogue/GalleryText.h"

#include <QDate>
#include <QFile>
#include <cstdio>

namespace {

constexpr long long kKilobyte = 1024;
constexpr long long kMegabyte = 1024 * kKilobyte;
constexpr long long kSecondsPerDay = 86400;
constexpr long long kJulianDayOf1970 = 2440588;

bool IsDroppedControl(char16_t c) {
    return (c < 0x20 && c != u'\t' && c != u'\n') || (c >= 0x7F && c <= 0x9F);
}

bool IsUnreservedByte(unsigned char b) {
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' ||
           b == '.' || b == '_' || b == '~';
}

bool NeedsCleaning(QStringView text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\r' || IsDroppedControl(u) || QChar::isSurrogate(u))
            return true;
    }
    return false;
}

} // namespace

QString GalleryText(const QString& text) {
    // Most texts are clean already: they are shared, not copied.
    if (!NeedsCleaning(text))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r') {
            out += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   QChar::isLowSurrogate(text[i + 1].unicode())) {
            out += text[i];
            out += text[++i];
        } else if (QChar::isSurrogate(c)) {
            out += QChar(QChar::ReplacementCharacter);
        } else if (!IsDroppedControl(c)) {
            out += text[i];
        }
    }
    return out;
}

QString GalleryNotesText(const QString& notes) {
    QString text = notes;
    text.replace(QStringLiteral("^M"), QStringLiteral("\n"));
    return GalleryText(text);
}

void AppendHtmlEscaped(QString& out, QStringView text) {
    // Runs without a character to replace go in whole.
    qsizetype run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QLatin1StringView reference;
        switch (text[i].unicode()) {
        case u'&':
            reference = QLatin1StringView("&amp;");
            break;
        case u'<':
            reference = QLatin1StringView("&lt;");
            break;
        case u'>':
            reference = QLatin1StringView("&gt;");
            break;
        case u'"':
            reference = QLatin1StringView("&quot;");
            break;
        case u'\'':
            reference = QLatin1StringView("&#39;");
            break;
        default:
            continue;
        }
        out += text.sliced(run, i - run);
        out += reference;
        run = i + 1;
    }
    out += text.sliced(run);
}

QString HtmlEscaped(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    AppendHtmlEscaped(out, text);
    return out;
}

bool IsLinkableUrl(const QString& url) {
    return url.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
           url.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive);
}

void AppendFileNameLink(QString& out, const QString& fileName) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto put = [&out](unsigned char b) {
        if (IsUnreservedByte(b)) {
            out += QLatin1Char(static_cast<char>(b));
        } else {
            out += u'%';
            out += QLatin1Char(kHex[b >> 4]);
            out += QLatin1Char(kHex[b & 0xF]);
        }
    };
    bool ascii = true;
    for (const QChar c : fileName)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        for (const QChar c : fileName)
            put(static_cast<unsigned char>(c.unicode()));
        return;
    }
    // The name's bytes as the file system holds them, so a name that is not UTF-8 still links.
    for (const char byte : QFile::encodeName(fileName))
        put(static_cast<unsigned char>(byte));
}

QString FileNameLink(const QString& fileName) {
    QString out;
    AppendFileNameLink(out, fileName);
    return out;
}

QString PackageSizeText(long long bytes) {
    if (bytes < 0)
        return {};
    if (bytes < kKilobyte)
        return bytes == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(bytes);
    if (bytes < kMegabyte)
        return QString::number(static_cast<double>(bytes) / kKilobyte, 'f', 1) + QStringLiteral(" KB");
    return QString::number(static_cast<double>(bytes) / kMegabyte, 'f', 1) + QStringLiteral(" MB");
}

QString UtcDateText(long long seconds) {
    if (seconds < 0)
        return {};
    // Whole days since 1970 as a date: no time zone and no format to parse, for thousands of cards.
    const QDate date = QDate::fromJulianDay(kJulianDayOf1970 + seconds / kSecondsPerDay);
    if (!date.isValid())
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year(), date.month(), date.day());
    return QString::fromLatin1(text);
}
