#pragma once

#include "document/Placement.h"

#include <QString>
#include <QStringView>

// The skin-file text of one Placement: a number, "m" before it for middle, "%" after it for percent,
// "tl", "br" or "sc" before it for the scroll-bar modes, and "&" with the pixel offset when there is
// one, as in 12, m-10, 50%&-3 or tl5.

Placement ParsePlacement(QStringView text);

// What a field keeps of a placement: fields without the scroll-bar modes measure such a value from
// the sides, and fields without offsets drop them.
Placement KeptPlacement(Placement placement, bool scrollbarModes, bool offset);

void AppendPlacementText(QString& out, const Placement& placement, bool scrollbarModes, bool offset);
QString PlacementText(const Placement& placement, bool scrollbarModes = true, bool offset = true);
