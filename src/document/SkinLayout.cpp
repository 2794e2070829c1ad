#include "document/SkinLayout.h"

#include "document/ElementKind.h"

void SkinLayout::Reset() {
    name = DefaultElementName(ElementKind::Layout);
    minimumwidth = 100;
    minimumheight = 50;
    top = 25;
    bottom = 10;
    left = 10;
    right = 10;
    rolledheight = 25;
    titlebar = {Placement{0}, Placement{0}, Placement{-1}, 25};
    scrollbardrawwidthminimum = -1;
    scrollbardrawwidthmaximum = -1;
    scrollbardrawheightminimum = -1;
    scrollbardrawheightmaximum = -1;
    usescrollbar = false;
    minimumthumbtrackheight = 15;
    scrollbar = {Placement{-10}, Placement{25}, Placement{-1}, 10};
}
