#include "document/SkinValueText.h"

#include "document/LeadingNumber.h"

bool ParseFlag(QStringView value) {
    return value.size() == 1 && value[0] == u'1';
}

SplitText SplitAt(QStringView text, QChar separator) {
    const qsizetype at = text.indexOf(separator);
    if (at < 0)
        return {text, QStringView()};
    return {text.first(at), text.sliced(at + 1)};
}

SourcePoint ParsePair(QStringView value) {
    const SplitText parts = SplitAt(value, u',');
    return {LeadingNumber(parts.head), LeadingNumber(parts.tail)};
}

BoxSize ParseSize(QStringView value) {
    const SplitText parts = SplitAt(value, u'x');
    return {LeadingNumber(parts.head), LeadingNumber(parts.tail)};
}

Colour ParseColourTriple(QStringView value) {
    const SplitText red = SplitAt(value, u',');
    const SplitText green = SplitAt(red.tail, u',');
    return MakeColour(LeadingNumber(red.head), LeadingNumber(green.head), LeadingNumber(green.tail));
}

void AppendDecimal(QString& out, int value) {
    char16_t digits[12];
    int at = 12;
    // Work in unsigned so the most negative int has a magnitude too.
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits[--at] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        digits[--at] = u'-';
    out.append(QStringView(digits + at, 12 - at));
}
