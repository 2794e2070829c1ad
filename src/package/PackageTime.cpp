#include "package/PackageTime.h"

#include <algorithm>
#include <limits>

namespace {

QDate ClampDate(QDate date, QDate first, QDate last) {
    if (date < first)
        return first;
    if (date > last)
        return last;
    return date;
}

} // namespace

DosDateTime ToDosDateTime(const QDateTime& moment) {
    const QDateTime local = moment.toLocalTime();
    const QDate date = ClampDate(local.date(), QDate(1980, 1, 1), QDate(2107, 12, 31));
    const QTime time = local.time();
    DosDateTime stamp;
    stamp.time = static_cast<uint16_t>((time.hour() << 11) | (time.minute() << 5) | (time.second() / 2));
    stamp.date = static_cast<uint16_t>(((date.year() - 1980) << 9) | (date.month() << 5) | date.day());
    return stamp;
}

uint32_t ToZipUnixTime(const QDateTime& moment) {
    const QDateTime local = moment.toLocalTime();
    const QDate date = ClampDate(local.date(), QDate(1970, 1, 1), QDate(2037, 12, 31));
    const qint64 seconds = QDateTime(date, local.time(), Qt::LocalTime).toSecsSinceEpoch();
    // East of UTC the first hours of 1970 local time still lie before the epoch.
    return static_cast<uint32_t>(std::clamp<qint64>(seconds, 0, std::numeric_limits<int32_t>::max()));
}

QDateTime FromDosDateTime(DosDateTime stamp) {
    const QDate date(1980 + (stamp.date >> 9), (stamp.date >> 5) & 0x0F, stamp.date & 0x1F);
    const QTime time((stamp.time >> 11) & 0x1F, (stamp.time >> 5) & 0x3F, (stamp.time & 0x1F) * 2);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::LocalTime);
}
