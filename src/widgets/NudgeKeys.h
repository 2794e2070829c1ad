#pragma once

#include <Qt>
#include <optional>

// One arrow-key press on something placed in pixels (a source rectangle on the sheet, an element on the
// preview): a move, or a change of size when resize is set.
struct Nudge {
    int dx = 0;
    int dy = 0;
    bool resize = false;
};

// The one keyboard scheme of every surface that nudges: an arrow moves by one pixel, Shift+arrow by ten,
// Alt+arrow changes the size by one (Alt+Shift by ten). Other keys, and arrows with Ctrl, are no nudge.
std::optional<Nudge> NudgeForKey(int key, Qt::KeyboardModifiers modifiers);
