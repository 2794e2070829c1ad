#include "document/SizeLimits.h"

#include "document/LeadingNumber.h"

SizeLimitChoice ShowSizeLimits(int minimum, int maximum) {
    SizeLimitChoice choice;
    if (minimum != -1)
        choice = {true, false, QString::number(minimum)};
    if (maximum != -1)
        choice = {true, true, QString::number(maximum)};
    return choice;
}

void StoreSizeLimits(const SizeLimitChoice& choice, int* minimum, int* maximum) {
    *minimum = -1;
    *maximum = -1;
    if (choice.checked)
        *(choice.moreThan ? maximum : minimum) = LeadingNumber(choice.number);
}
