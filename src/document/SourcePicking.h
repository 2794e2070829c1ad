#pragma once

#include "picture/Canvas.h"

#include <vector>

struct SkinElement;
struct SourcePoint;

// Picking on the source picture: a left click sets a source rectangle's top-left corner, a right click
// its size (from the corner to the point, the point not included; sizes may come out negative and are
// kept so). Shift picks a button's rollover source or an indicator's off source instead.
enum class PickButton { Left, Right };

// Sets the fields the pick sets for the element's kind, at the picture point (x, y). False for kinds that
// have nothing to pick (text, group, layout), which are left untouched.
bool PickSource(SkinElement& element, PickButton button, bool shift, int x, int y);

// What a pick does to one rectangle given by its corner and size, whatever element it belongs to.
void PickCornerOrSize(SourcePoint& corner, int& width, int& height, PickButton button, int x, int y);

// A rectangle drawn or snapped on the picture sets what a left click on its top-left pixel and a right
// click one pixel past its bottom-right pixel would set. False as for PickSource.
bool PickRectangle(SkinElement& element, bool shift, const CanvasRect& area);

// An arrow key on the picture: the first source moves by (dx, dy), or with resize its size (the fields
// a right click sets) changes by them; sums saturate at the int range. False for kinds without a
// source and for a source that is not set (x -1), which are left untouched.
bool NudgeSource(SkinElement& element, int dx, int dy, bool resize);

// One source rectangle of an element as the source view tints it; second is a button's rollover source
// or an indicator's off source.
struct SourceArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool second = false;
    bool operator==(const SourceArea&) const = default;
};

// The element's source rectangles that come from the picture: strips only when drawn from the bitmap,
// tile areas only when tiled from the bitmap, and only sources that are set (x not -1).
std::vector<SourceArea> SourceAreas(const SkinElement& element);
