#include "document/PlacementModeRows.h"

namespace {

constexpr int kThreeModes = 3;
constexpr int kSixModes = 6;

} // namespace

QStringList PlacementModeTexts(bool withScrollbarModes) {
    QStringList texts = {QStringLiteral("sides"), QStringLiteral("middle"), QStringLiteral("percent")};
    if (withScrollbarModes)
        texts << QStringLiteral("TL scrollbar") << QStringLiteral("BR scrollbar")
              << QStringLiteral("Center scrollbar");
    return texts;
}

int PlacementModeRow(PlacementMode mode, bool withScrollbarModes) {
    const int row = static_cast<int>(mode);
    return row < (withScrollbarModes ? kSixModes : kThreeModes) ? row : 0;
}

PlacementMode PlacementModeOfRow(int row) {
    return row > 0 && row < kSixModes ? static_cast<PlacementMode>(row) : PlacementMode::Sides;
}
