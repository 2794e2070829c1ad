#pragma once

#include "document/ElementKind.h"

#include <span>

// The element menu of "New": the kinds it creates, in menu order, each with its command, its text and
// its menu picture. The menu, the pictures of its items and the commands are all made from this.
struct ElementMenuRow {
    int command;
    const char* text;
    ElementKind kind;
    int picture;
};

std::span<const ElementMenuRow> ElementMenuRows();
