#pragma once

#include <vector>

struct SkinElement;

// Picking on the source picture: a left click sets a source rectangle's top-left corner, a right click
// its size (from the corner to the point, the point not included; sizes may come out negative and are
// kept so). Shift picks a button's rollover source or an indicator's off source instead.
enum class PickButton { Left, Right };

// Sets the fields the pick sets for the element's kind, at the picture point (x, y). False for kinds that
// have nothing to pick (text, group, layout), which are left untouched.
bool PickSource(SkinElement& element, PickButton button, bool shift, int x, int y);

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
