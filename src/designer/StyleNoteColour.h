#pragma once

#include "document/Colour.h"

#include <QString>

// A default style string holds 13 font numbers, the face name, the font colour and the note colour, 20
// fields separated by "|"; missing fields read as 0 and an absent face name as empty.

// The note colour of the style (fields 18 to 20).
Colour StyleNoteColour(const QString& style);

// The style rebuilt from its font fields and font colour with another note colour.
QString StyleWithNoteColour(const QString& style, Colour noteColour);
