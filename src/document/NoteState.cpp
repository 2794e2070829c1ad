#include "document/NoteState.h"

#include "document/IndicatorCodes.h"

#include <iterator>

static_assert(static_cast<int>(std::size(kIndicatorFlags)) == kLastIndicatorCode - kFirstIndicatorCode + 1);

bool FlagOfCode(const NoteState& s, int code) {
    return code >= kFirstIndicatorCode && code <= kLastIndicatorCode &&
           s.*kIndicatorFlags[code - kFirstIndicatorCode];
}
