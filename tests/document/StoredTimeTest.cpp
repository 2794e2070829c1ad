#include "document/StoredTime.h"
#include "support/TestZones.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

#define REQUIRE_TEST_ZONE(zone)                                                                              \
    const TestZone* zone = CurrentTestZone();                                                                \
    if (!zone)                                                                                               \
    GTEST_SKIP() << "runs under ctest with TZ set to one of the test zones"

StoredTimeResult FromText(const char* dateTime) {
    const QDateTime parsed = QDateTime::fromString(QString::fromLatin1(dateTime), "yyyy-MM-dd HH:mm");
    return StoredTimeFromLocal(parsed.date(), parsed.time().hour(), parsed.time().minute());
}

TEST(StoredTime, TextIsReadAsALeadingNumber) {
    const struct {
        const char* text;
        qint64 expected;
    } cases[] = {
        {"0", 0},
        {"1234567890", 1234567890},
        {"-86400", -86400},
        {"  42 seconds", 42},
        {"no number", 0},
        {"", 0},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483648LL},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StoredTimeFromText(QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST(StoredTime, ImpossibleDatesAndTimesAreRefused) {
    EXPECT_EQ(StoredTimeFromLocal(QDate(1899, 12, 31), 23, 59).failure, StoredTimeFailure::BeforeYear1900);
    EXPECT_EQ(StoredTimeFromLocal(QDate(1066, 10, 14), 12, 0).failure, StoredTimeFailure::BeforeYear1900);
    EXPECT_EQ(StoredTimeFromLocal(QDate(1900, 1, 1), 0, 0).failure, StoredTimeFailure::OutOfRange);
    EXPECT_EQ(StoredTimeFromLocal(QDate(2100, 1, 1), 0, 0).failure, StoredTimeFailure::OutOfRange);
    EXPECT_EQ(StoredTimeFromLocal(QDate(), 0, 0).failure, StoredTimeFailure::NoSuchLocalTime);
    EXPECT_EQ(StoredTimeFromLocal(QDate(2024, 1, 1), 24, 0).failure, StoredTimeFailure::NoSuchLocalTime);
    EXPECT_EQ(StoredTimeFromLocal(QDate(2024, 1, 1), 0, 60).failure, StoredTimeFailure::NoSuchLocalTime);
}

TEST(ZonedStoredTime, NumbersShowInLocalTime) {
    REQUIRE_TEST_ZONE(zone);
    EXPECT_EQ(StoredTimeLocalText(0), zone->zeroText);
    EXPECT_EQ(StoredTimeLocalText(-1), zone->minusOneText);
    EXPECT_EQ(StoredTimeLocalText(2147483647), zone->maxText);
    // Text that is no number shows the moment 0.
    EXPECT_EQ(StoredTimeLocalText(StoredTimeFromText(u"soon")), zone->zeroText);
}

TEST(ZonedStoredTime, LocalTimesGiveStoredTimes) {
    REQUIRE_TEST_ZONE(zone);
    const struct {
        const char* local;
        qint32 expected;
    } cases[] = {
        {"2024-01-15 08:45", zone->januaryMorning},
        {"2024-07-01 12:00", zone->julyNoon},
        {"1970-01-01 00:00", zone->epochDayMidnight},
        {zone->lastMinute, 2147483640},
    };
    for (const auto& c : cases) {
        const StoredTimeResult r = FromText(c.local);
        ASSERT_TRUE(r.Ok()) << c.local;
        EXPECT_EQ(r.value, c.expected) << c.local;
    }
    EXPECT_EQ(FromText(zone->pastLastMinute).failure, StoredTimeFailure::OutOfRange);

    const StoredTimeResult gap = FromText("2024-03-10 02:30");
    if (zone->springGap) {
        EXPECT_EQ(gap.failure, StoredTimeFailure::NoSuchLocalTime);
    } else {
        ASSERT_TRUE(gap.Ok());
        EXPECT_EQ(gap.value, zone->springGapValue);
    }
}

// Every minute picked over a year, across both clock changes, gives a whole number of minutes and reads
// back as the same local time (a skipped time aside).
TEST(ZonedStoredTime, PickedTimesHaveNoSecondsAndReadBack) {
    REQUIRE_TEST_ZONE(zone);
    const std::pair<int, int> times[] = {{0, 0}, {2, 30}, {13, 7}, {23, 59}};
    int skipped = 0;
    for (QDate day(2024, 1, 1); day.year() == 2024; day = day.addDays(1)) {
        for (const auto& [hour, minute] : times) {
            const StoredTimeResult r = StoredTimeFromLocal(day, hour, minute);
            if (r.failure == StoredTimeFailure::NoSuchLocalTime) {
                ++skipped;
                continue;
            }
            ASSERT_TRUE(r.Ok()) << day.toString(Qt::ISODate).toStdString();
            ASSERT_EQ(r.value % 60, 0) << day.toString(Qt::ISODate).toStdString();
            const QDateTime back = StoredTimeToLocal(r.value);
            ASSERT_EQ(back.date(), day);
            ASSERT_EQ(back.time(), QTime(hour, minute));
        }
    }
    EXPECT_EQ(skipped, zone->springGap ? 1 : 0);
}

} // namespace
