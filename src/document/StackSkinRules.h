#pragma once

// A stack skin is drawn for a pile of notes, so it can test only a few note states and trigger only a
// few actions.

// "Always on top", "Alarm set", "Focus", "In Stack" and "BG colour is light" (codes 1, 5, 16, 17, 18),
// as conditions and as indicator types.
bool StackAllowsState(int indicatorCode);

// None, "Close", "Toggle on-top", "Edit title", "Set colour" and "Stack" (codes 0, 1, 2, 22, 34, 152).
bool StackAllowsAction(int actionCode);
