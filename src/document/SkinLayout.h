#pragma once

#include "document/Placement.h"

#include <QString>

// The title bar block: left, top and right placements and a height.
struct TitleBarBlock {
    Placement left, top, right;
    int height = 0;
    bool operator==(const TitleBarBlock&) const = default;
};

// The scroll bar block: left, top and bottom placements and a width. The scroll-bar placement modes of
// buttons and vertical strips are measured against this range.
struct ScrollBarBlock {
    Placement left, top, bottom;
    int width = 0;
    bool operator==(const ScrollBarBlock&) const = default;
};

// Borders and sizes of the note, its title bar and its scroll bar. The document holds the default
// layout; each Layout element holds another.
struct SkinLayout {
    QString name;
    int minimumwidth = 0;
    int minimumheight = 0;
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
    int rolledheight = 0;
    TitleBarBlock titlebar;
    int scrollbardrawwidthminimum = -1;
    int scrollbardrawwidthmaximum = -1;
    int scrollbardrawheightminimum = -1;
    int scrollbardrawheightmaximum = -1;
    bool usescrollbar = false;
    int minimumthumbtrackheight = 0;
    ScrollBarBlock scrollbar;

    SkinLayout() { Reset(); }
    void Reset();
    bool operator==(const SkinLayout&) const = default;
};
