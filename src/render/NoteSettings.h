#pragma once

#include "picture/Colour.h"

#include <QString>

// The designer's note-settings values: what the main window's note-settings box holds, what drapier-cli's
// --set options carry and what tests fill directly. The defaults are the designer's start values.
struct NoteSettings {
    int width = 300;
    int height = 100; // the unrolled height; a rolled note takes the layout's rolled height instead

    bool ontop = false;
    bool rolled = false;
    bool locked = false; // "Locked contents"
    bool alarm = false;
    bool focus = false;
    bool attached = false;
    bool stand = false;
    bool solo = false;
    bool user1 = false;
    bool user2 = false;
    bool user3 = false;
    bool transmit = false;
    bool email = false;
    bool sync = false;
    bool image = false;
    bool instack = false;   // "In a Stack" ("Stacked up" in stack mode)
    bool bulk = false;      // "Bulk Selected"
    bool scrollbar = false; // the "Scrollbar" box: the note keeps its size and scrolls its text
    bool moreabove = false;
    bool morebelow = false;

    QString title = QStringLiteral("Pinlets Drapier");
    QString source = QStringLiteral("Ivo Brannet");
    QString created; // the one created-and-modified text; the window fills it with the time at start
    QString stackname = QStringLiteral("Reference");

    int scrolltop = 25;
    int scrollbottom = 100;
    int dpi = 96;
    Colour notecolour = MakeColour(255, 255, 180);
    Colour pencolour = MakeColour(255, 64, 255);

    bool stackmode = false;

    bool operator==(const NoteSettings&) const = default;
};

// The "Source:" box text the designer puts in when it switches mode: in a stack skin the box is "Count:".
inline QString DefaultNoteSource(bool stackMode) {
    return stackMode ? QStringLiteral("3") : QStringLiteral("Ivo Brannet");
}
