#pragma once

#include <QString>

// The catalogue's label of a button's action: "B" and a number two digits wide at least ("B00",
// "B147"). The numbers close the gaps the note program's older action lists did not have, so several
// codes have no label at all: 0, 7, 8, 17, 71, 72, 151, 169, 170 and everything from 190 up (and
// below 0). Those give an empty text.
QString ActionLabel(int code);
