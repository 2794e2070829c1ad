#include "catalogue/ActionLabel.h"

namespace {

// The label number of a code, or -1 for a code without label.
int LabelNumber(int code) {
    if ((code >= 1 && code <= 6) || (code >= 9 && code <= 16) || (code >= 18 && code <= 70))
        return code - 1;
    if ((code >= 73 && code <= 150) || (code >= 152 && code <= 155))
        return code - 3;
    if (code >= 156 && code <= 168)
        return code;
    if (code >= 171 && code <= 189)
        return code - 1;
    return -1;
}

} // namespace

QString ActionLabel(int code) {
    const int number = LabelNumber(code);
    if (number < 0)
        return {};
    return QStringLiteral("B%1").arg(number, 2, 10, QLatin1Char('0'));
}
