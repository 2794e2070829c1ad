#include "catalogue/GalleryText.h"

#include <QDate>
#include <QFile>

namespace {

constexpr long long kKilobyte = 1024;
constexpr long long kMegabyte = 1024 * kKilobyte;
constexpr long long kSecondsPerDay = 86400;
constexpr long long kJulianDayOf1970 = 2440588;

bool IsDroppedControl(char16_t c) {
    return (c < 0x20 && c != u'\t' && c != u'\n') || (c >= 0x7F && c <= 0x9F);
}

} // namespace

QString GalleryText(const QString& text) {
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

QString HtmlEscaped(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QStringLiteral("&amp;");
            break;
        case u'<':
            out += QStringLiteral("&lt;");
            break;
        case u'>':
            out += QStringLiteral("&gt;");
            break;
        case u'"':
            out += QStringLiteral("&quot;");
            break;
        case u'\'':
            out += QStringLiteral("&#39;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool IsLinkableUrl(const QString& url) {
    return url.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
           url.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive);
}

QString FileNameLink(const QString& fileName) {
    // The name's bytes as the file system holds them, so a name that is not UTF-8 still links.
    static constexpr char kHex[] = "0123456789ABCDEF";
    QString out;
    for (const char byte : QFile::encodeName(fileName)) {
        const auto b = static_cast<unsigned char>(byte);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' ||
            b == '.' || b == '_' || b == '~') {
            out += QLatin1Char(byte);
        } else {
            out += u'%';
            out += QLatin1Char(kHex[b >> 4]);
            out += QLatin1Char(kHex[b & 0xF]);
        }
    }
    return out;
}

QString PackageSizeText(long long bytes) {
    if (bytes < 0)
        return {};
    if (bytes < kKilobyte)
        return bytes == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(bytes);
    if (bytes < kMegabyte)
        return QStringLiteral("%1 KB").arg(static_cast<double>(bytes) / kKilobyte, 0, 'f', 1);
    return QStringLiteral("%1 MB").arg(static_cast<double>(bytes) / kMegabyte, 0, 'f', 1);
}

QString UtcDateText(long long seconds) {
    if (seconds < 0)
        return {};
    // Whole days since 1970 as a date: no time zone and no format to parse, for thousands of cards.
    const QDate date = QDate::fromJulianDay(kJulianDayOf1970 + seconds / kSecondsPerDay);
    return QStringLiteral("%1-%2-%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}
