#pragma once

#include <QStringView>
#include <optional>

// The one "leading number" conversion used by every reader of numbers from text: optional white space,
// an optional sign, then digits; anything after the digits is ignored and no digits give 0. Values past
// the 32-bit range saturate instead of overflowing.
int LeadingNumber(QStringView text);

// The strict reading that boxes insist on when a dialog is confirmed: an optional sign and at least one
// digit, nothing else, within the 32-bit range; anything else gives no value.
std::optional<int> StrictInteger(QStringView text);
