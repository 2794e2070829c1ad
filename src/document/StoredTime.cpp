#include "document/StoredTime.h"

#include "document/LeadingNumber.h"

#include <limits>

qint64 StoredTimeFromText(QStringView text) {
    return LeadingNumber(text);
}

QDateTime StoredTimeToLocal(qint64 seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::LocalTime);
}

QString StoredTimeLocalText(qint64 seconds) {
    return StoredTimeToLocal(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

StoredTimeResult StoredTimeFromLocal(QDate date, int hour, int minute) {
    if (date.isValid() && date.year() < 1900)
        return {StoredTimeFailure::BeforeYear1900};
    const QTime time(hour, minute);
    const QDateTime moment(date, time, Qt::LocalTime);
    // A time in a gap of the local clock is either refused or moved by Qt; either way it is no local
    // time the user can mean, so it must read back unchanged.
    if (!moment.isValid() || moment.date() != date || moment.time() != time)
        return {StoredTimeFailure::NoSuchLocalTime};
    const qint64 seconds = moment.toSecsSinceEpoch();
    if (seconds < std::numeric_limits<qint32>::min() || seconds > std::numeric_limits<qint32>::max())
        return {StoredTimeFailure::OutOfRange};
    return {StoredTimeFailure::None, static_cast<qint32>(seconds)};
}
