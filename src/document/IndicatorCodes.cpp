#include "document/IndicatorCodes.h"

namespace {

struct IndicatorRow {
    const char16_t* keyword;
    const char16_t* dialogText;
};

// Indexed by code - 1.
constexpr IndicatorRow kIndicators[] = {
    {u"ontop", u"Always on top"},
    {u"email", u"Email send ok"},
    {u"transmit", u"Network send ok"},
    {u"readonly", u"Read only"},
    {u"alarm", u"Alarm set"},
    {u"attached", u"Attached"},
    {u"moreabove", u"More text above"},
    {u"morebelow", u"More text below"},
    {u"fixedsize", u"Sticky has fixed size"},
    {u"user1", u"User 1"},
    {u"user2", u"User 2"},
    {u"user3", u"User 3"},
    {u"scrollbarrequired", u"Scrollbar required"},
    {u"image", u"Image"},
    {u"stang", u"Stang"},
    {u"focus", u"Focus"},
    {u"instack", u"In Stack"},
    {u"lightbgcol", u"BG colour is light"},
    {u"solo", u"Solo"},
    {u"sync", u"Sync"},
};
static_assert(std::size(kIndicators) == kLastIndicatorCode);

bool InTable(int code) { return code >= kFirstIndicatorCode && code <= kLastIndicatorCode; }

} // namespace

int IndicatorCodeOfKeyword(QStringView keyword) {
    for (int code = kFirstIndicatorCode; code <= kLastIndicatorCode; ++code) {
        if (keyword.compare(QStringView(kIndicators[code - 1].keyword), Qt::CaseInsensitive) == 0)
            return code;
    }
    return -1;
}

QString IndicatorKeyword(int code) {
    return InTable(code) ? QString::fromUtf16(kIndicators[code - 1].keyword) : QStringLiteral("null");
}

QString IndicatorDialogText(int code) {
    return InTable(code) ? QString::fromUtf16(kIndicators[code - 1].dialogText) : QString();
}
