#pragma once

#include <QDateTime>
#include <cstdint>

// The two-word DOS time stamp of ZIP headers.
struct DosDateTime {
    uint16_t time = 0; // hour << 11 | minute << 5 | second / 2
    uint16_t date = 0; // (year - 1980) << 9 | month << 5 | day
};

// From the moment's local calendar time. DOS dates cover 1980 to 2107; a date outside counts as the
// first or last day of that range, the time of day kept.
DosDateTime ToDosDateTime(const QDateTime& moment);

// Seconds since 1970 for the extended timestamp field, from the moment's local calendar time: a date
// before 1970 counts as 1 January 1970 and one in 2038 or later as 31 December 2037, the time of day
// kept, so that the value always fits the field's signed 32 bits.
uint32_t ToZipUnixTime(const QDateTime& moment);

// The local time a DOS time stamp stands for (invalid for a stamp that names no real date).
QDateTime FromDosDateTime(DosDateTime stamp);
