#pragma once

#include <QString>

// One "Do not draw when width is" row of a dialog: checked or not, "less than" or "more than", and the
// number's text. A row holds one limit, so an element with both a minimum and a maximum shows the
// maximum, and storing the row clears the other.
struct SizeLimitChoice {
    bool checked = false;
    bool moreThan = false;
    QString number; // empty while the row is not checked
    bool operator==(const SizeLimitChoice&) const = default;
};

// -1 means "no limit".
SizeLimitChoice ShowSizeLimits(int minimum, int maximum);

// Both limits become -1, then the checked row sets the chosen one from its number (text that is no
// number gives 0).
void StoreSizeLimits(const SizeLimitChoice& choice, int* minimum, int* maximum);
