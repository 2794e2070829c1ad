#include "designer/ElementMenu.h"

#include "designer/CommandIds.h"
#include "designer/Pictures.h"

std::span<const ElementMenuRow> ElementMenuRows() {
    static constexpr ElementMenuRow kRows[] = {
        {Command::NewHStrip, "Horizontal strip", ElementKind::HStrip, Picture::HStrip},
        {Command::NewVStrip, "Vertical strip", ElementKind::VStrip, Picture::VStrip},
        {Command::NewIndicator, "Indicator", ElementKind::Indicator, Picture::Indicator},
        {Command::NewButton, "Button/Bitmap", ElementKind::Button, Picture::ActionButton},
        {Command::NewText, "Text", ElementKind::Text, Picture::Text},
        {Command::NewTileArea, "Tile area", ElementKind::TileArea, Picture::TileArea},
        {Command::NewLayout, "Layout", ElementKind::Layout, Picture::Layout},
        {Command::NewGroup, "Group", ElementKind::Group, Picture::Group},
    };
    return kRows;
}
