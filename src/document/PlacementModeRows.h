#pragma once

#include "document/Placement.h"

#include <QStringList>

// The rows of a placement's mode drop-down: "sides", "middle", "percent" and, for coordinates that
// take them, "TL scrollbar", "BR scrollbar", "Center scrollbar".
QStringList PlacementModeTexts(bool withScrollbarModes);

// The row that shows a mode. A drop-down without the scroll-bar rows shows such a mode as "sides",
// which is also how the skin file keeps it for those coordinates.
int PlacementModeRow(PlacementMode mode, bool withScrollbarModes);

// The mode a chosen row stands for; no row (or an unknown one) stands for sides.
PlacementMode PlacementModeOfRow(int row);
