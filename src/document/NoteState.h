#pragma once

#include "picture/Colour.h"

#include <QString>

// The state of one note that a skin is evaluated against.
struct NoteState {
    int width = 0;
    int height = 0; // as drawn: the rolled height while rolled
    bool rolled = false;
    bool hasfocus = false;
    bool instack = false;
    int originx = 0;
    int originy = 0;
    Colour notecolour = MakeColour(255, 255, 255);
    QString alarmtext;
    QString stackname;
    bool pointerinnote = false;
    int scrolltop = 0;    // percent of the scroll range
    int scrollbottom = 0; // percent of the scroll range
    Colour pencolour = MakeColour(0, 0, 0);
    bool backgroundislight = false;
    int dpi = 96;
    bool bulkselected = false;
    QString title;
    QString source;
    QString creationtext;
    QString modifiedtext;
    QString userstring1;
    QString attachedtitle;
    QString attachedclass;
    QString lastsendtext;
    bool ontop = false;
    bool emailok = false;
    bool transmitok = false;
    bool readonly = false;
    bool alarmset = false;
    bool attached = false;
    bool moreabove = false;
    bool morebelow = false;
    bool fixedsize = false;
    bool user1 = false;
    bool user2 = false;
    bool user3 = false;
    bool scrollbarrequired = false;
    bool image = false;
    bool stand = false;
    bool solo = false;
    bool sync = false;
    // The height before the rolled height replaced it; the text area is measured against it.
    int unrolledheight = 0;
};

// The flags the indicator codes name, code 1 first: on top ... sync.
inline constexpr bool NoteState::*kIndicatorFlags[] = {
    &NoteState::ontop,
    &NoteState::emailok,
    &NoteState::transmitok,
    &NoteState::readonly,
    &NoteState::alarmset,
    &NoteState::attached,
    &NoteState::moreabove,
    &NoteState::morebelow,
    &NoteState::fixedsize,
    &NoteState::user1,
    &NoteState::user2,
    &NoteState::user3,
    &NoteState::scrollbarrequired,
    &NoteState::image,
    &NoteState::stand,
    &NoteState::hasfocus,
    &NoteState::instack,
    &NoteState::backgroundislight,
    &NoteState::solo,
    &NoteState::sync,
};

// The flag an indicator code names (1 on top ... 20 sync); false for any other code.
bool FlagOfCode(const NoteState& state, int code);
