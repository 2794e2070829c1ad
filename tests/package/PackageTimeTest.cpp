#include "package/PackageTime.h"

#include <gtest/gtest.h>

namespace {

QDateTime Local(int y, int mo, int d, int h, int mi, int s) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::LocalTime);
}

} // namespace

TEST(PackageTime, DosStampsFromLocalTime) {
    const struct {
        QDateTime when;
        int year, month, day, hour, minute, second; // what the stamp says
    } cases[] = {
        {Local(2021, 3, 4, 5, 6, 8), 2021, 3, 4, 5, 6, 8},
        {Local(2021, 3, 4, 5, 6, 9), 2021, 3, 4, 5, 6, 8}, // two-second steps
        {Local(1980, 1, 1, 0, 0, 0), 1980, 1, 1, 0, 0, 0},
        {Local(1975, 6, 7, 13, 14, 16), 1980, 1, 1, 13, 14, 16}, // before 1980: the first day, time kept
        {Local(2107, 12, 31, 23, 59, 58), 2107, 12, 31, 23, 59, 58},
        {Local(2150, 2, 3, 4, 5, 6), 2107, 12, 31, 4, 5, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when.toString(Qt::ISODate).toStdString());
        const DosDateTime stamp = ToDosDateTime(c.when);
        EXPECT_EQ(stamp.date, ((c.year - 1980) << 9) | (c.month << 5) | c.day);
        EXPECT_EQ(stamp.time, (c.hour << 11) | (c.minute << 5) | (c.second / 2));
        EXPECT_EQ(FromDosDateTime(stamp), Local(c.year, c.month, c.day, c.hour, c.minute, c.second & ~1));
    }
    // A moment given in UTC is stamped in local time.
    const QDateTime utc = Local(2021, 7, 8, 12, 0, 0).toUTC();
    EXPECT_EQ(ToDosDateTime(utc).time, 12 << 11);
    EXPECT_FALSE(FromDosDateTime({0, 0}).isValid()); // month 0
}

TEST(PackageTime, UnixTimesClampToTheFieldRange) {
    const struct {
        QDateTime when;
        QDateTime counted;
    } cases[] = {
        {Local(2021, 3, 4, 5, 6, 7), Local(2021, 3, 4, 5, 6, 7)},
        {Local(1960, 5, 1, 10, 20, 30), Local(1970, 1, 1, 10, 20, 30)},
        {Local(2038, 1, 19, 3, 14, 8), Local(2037, 12, 31, 3, 14, 8)},
        {Local(2100, 6, 1, 12, 0, 0), Local(2037, 12, 31, 12, 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when.toString(Qt::ISODate).toStdString());
        const qint64 expected = std::max<qint64>(0, c.counted.toSecsSinceEpoch());
        EXPECT_EQ(ToZipUnixTime(c.when), uint32_t(expected));
        EXPECT_LE(ToZipUnixTime(c.when), uint32_t(INT32_MAX));
    }
}
