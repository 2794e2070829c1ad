#pragma once

#include <QByteArray>
#include <QtGlobal>

// Tests of local time run once in each of these zones; ctest gives the process its TZ (suites named
// Zoned*, see tests/CMakeLists.txt). The figures were worked out by hand and checked with date(1).
struct TestZone {
    const char* tz;
    const char* zeroText;       // stored time 0 in local time
    const char* minusOneText;   // -1
    const char* maxText;        // 2147483647
    const char* lastMinute;     // "YYYY-MM-DD HH:MM" of the last whole minute a stored time holds
    const char* pastLastMinute; // the minute after it
    qint32 januaryMorning;      // 2024-01-15 08:45
    qint32 julyNoon;            // 2024-07-01 12:00
    qint32 epochDayMidnight;    // 1970-01-01 00:00
    bool springGap;             // whether 2024-03-10 02:30 is skipped by the clocks
    qint32 springGapValue;      // its value where it is not skipped
};

inline const TestZone kTestZones[] = {
    {"UTC", "1970-01-01 00:00:00", "1969-12-31 23:59:59", "2038-01-19 03:14:07", "2038-01-19 03:14",
     "2038-01-19 03:15", 1705308300, 1719835200, 0, false, 1710037800},
    {"America/New_York", "1969-12-31 19:00:00", "1969-12-31 18:59:59", "2038-01-18 22:14:07",
     "2038-01-18 22:14", "2038-01-18 22:15", 1705326300, 1719849600, 18000, true, 0},
    {"Asia/Kolkata", "1970-01-01 05:30:00", "1970-01-01 05:29:59", "2038-01-19 08:44:07", "2038-01-19 08:44",
     "2038-01-19 08:45", 1705288500, 1719815400, -19800, false, 1710018000},
};

// The zone this process was started in, or null when TZ names none of them.
inline const TestZone* CurrentTestZone() {
    const QByteArray tz = qgetenv("TZ");
    for (const TestZone& zone : kTestZones) {
        if (tz == zone.tz)
            return &zone;
    }
    return nullptr;
}
