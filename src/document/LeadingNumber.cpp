#include "document/LeadingNumber.h"

#include <climits>

namespace {

// Space, or one of tab, LF, VT, FF and CR (U+0009 to U+000D).
bool IsSpace(char16_t c) {
    return c == u' ' || static_cast<unsigned>(c - u'\t') <= 4u;
}

unsigned DigitValue(char16_t c) {
    return static_cast<unsigned>(c - u'0'); // 10 or more for anything but a digit
}

} // namespace

int LeadingNumber(QStringView text) {
    const char16_t* c = text.utf16();
    const char16_t* const end = c + text.size();
    while (c != end && IsSpace(*c))
        ++c;
    bool negative = false;
    if (c != end && (*c == u'-' || *c == u'+')) {
        negative = *c == u'-';
        ++c;
    }
    long long value = 0;
    for (; c != end && DigitValue(*c) < 10u; ++c) {
        if (value <= static_cast<long long>(INT_MAX) + 1)
            value = value * 10 + DigitValue(*c);
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

std::optional<int> StrictInteger(QStringView text) {
    qsizetype i = 0;
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+'))
        i = 1;
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (qsizetype j = i; j < text.size(); ++j) {
        if (text[j] < u'0' || text[j] > u'9')
            return std::nullopt;
        value = value * 10 + (text[j].unicode() - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    if (text[0] == u'-')
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}
