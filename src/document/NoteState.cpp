#include "document/NoteState.h"

bool FlagOfCode(const NoteState& s, int code) {
    switch (code) {
    case 1: return s.ontop;
    case 2: return s.emailok;
    case 3: return s.transmitok;
    case 4: return s.readonly;
    case 5: return s.alarmset;
    case 6: return s.attached;
    case 7: return s.moreabove;
    case 8: return s.morebelow;
    case 9: return s.fixedsize;
    case 10: return s.user1;
    case 11: return s.user2;
    case 12: return s.user3;
    case 13: return s.scrollbarrequired;
    case 14: return s.image;
    case 15: return s.stand;
    case 16: return s.hasfocus;
    case 17: return s.instack;
    case 18: return s.backgroundislight;
    case 19: return s.solo;
    case 20: return s.sync;
    default: return false;
    }
}
