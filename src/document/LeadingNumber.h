#pragma once

#include <QStringView>

// The one "leading number" conversion used by every reader of numbers from text: optional white space,
// an optional sign, then digits; anything after the digits is ignored and no digits give 0. Values past
// the 32-bit range saturate instead of overflowing.
int LeadingNumber(QStringView text);
