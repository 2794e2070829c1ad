#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

// The times notes store: whole seconds since 1 January 1970 UTC in a signed 32-bit number, shown and
// entered as local date and time by the rules of the local time zone (daylight saving included).

// Reads a stored time from text with the leading-number rule: text that is no number gives 0, and a
// value past the 32-bit range saturates. Widened, so later arithmetic cannot overflow.
qint64 StoredTimeFromText(QStringView text);

// The local date and time of a stored time.
QDateTime StoredTimeToLocal(qint64 seconds);

// "YYYY-MM-DD HH:MM:SS" in local time.
QString StoredTimeLocalText(qint64 seconds);

enum class StoredTimeFailure {
    None,
    BeforeYear1900,  // the date lies before the year 1900
    NoSuchLocalTime, // the local rules skip that time (a clock moved forward) or cannot place it
    OutOfRange,      // the moment is real but a stored time cannot hold it (before 1901-12-13 or after
                     // 2038-01-19 UTC)
};

struct StoredTimeResult {
    StoredTimeFailure failure = StoredTimeFailure::None;
    qint32 value = 0; // valid when failure is None
    bool Ok() const { return failure == StoredTimeFailure::None; }
};

// The stored time of a local date at hour:minute with 0 seconds. A time the clocks pass twice takes the
// moment the local rules choose.
StoredTimeResult StoredTimeFromLocal(QDate date, int hour, int minute);
