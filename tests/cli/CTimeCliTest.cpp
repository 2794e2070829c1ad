#include "CliExpect.h"
#include "support/TestZones.h"

#include <gtest/gtest.h>

namespace {

CliResult ExpectFailure(const QStringList& args, int status) {
    return ExpectCliError(QStringList{"ctime"} + args, status);
}

QString Output(const QStringList& args) {
    const CliResult r = RunCli(QStringList{"ctime"} + args);
    EXPECT_EQ(r.status, 0) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    return r.out;
}

TEST(CTimeCli, MalformedArgumentsAreUsageErrors) {
    for (const char* args :
         {"", "soon", "2147483648", "-2147483649", "1 2", "-x", "5 --date 2024-01-01 --time 12:00",
          "--date 2024-01-01", "--date 2024-02-30 --time 12:00", "--date 24-01-01 --time 12:00",
          "--date 2024-01-01 --time 7:05", "--date 2024-01-01 --time 24:00"})
        ExpectFailure(QString::fromLatin1(args).split(' ', Qt::SkipEmptyParts), 2);
}

TEST(CTimeCli, MomentsAStoredTimeCannotHoldFail) {
    ExpectFailure({"--date", "2100-01-01", "--time", "00:00"}, 1);
    EXPECT_TRUE(ExpectFailure({"--date", "1899-12-31", "--time", "23:59"}, 1).err.contains("1900"));
}

TEST(CTimeCli, HelpDescribesBothDirections) {
    const QString help = Output({"--help"});
    EXPECT_TRUE(help.startsWith("Usage: drapier-cli ctime NUMBER\n"));
    EXPECT_TRUE(help.contains("--date YYYY-MM-DD --time HH:MM"));
    EXPECT_TRUE(help.contains("TZ"));
}

TEST(ZonedCTimeCli, BothDirectionsInLocalTime) {
    const TestZone* zone = CurrentTestZone();
    if (!zone)
        GTEST_SKIP() << "runs under ctest with TZ set to one of the test zones";
    EXPECT_EQ(Output({"0"}), QString::fromLatin1(zone->zeroText) + '\n');
    EXPECT_EQ(Output({"-1"}), QString::fromLatin1(zone->minusOneText) + '\n');
    EXPECT_EQ(Output({"2147483647"}), QString::fromLatin1(zone->maxText) + '\n');

    EXPECT_EQ(Output({"--date", "2024-07-01", "--time", "12:00"}), QString::number(zone->julyNoon) + '\n');
    EXPECT_EQ(Output({"--time", "00:00", "--date", "1970-01-01"}),
              QString::number(zone->epochDayMidnight) + '\n');
    const QStringList last = QString::fromLatin1(zone->lastMinute).split(' ');
    EXPECT_EQ(Output({"--date", last[0], "--time", last[1]}), "2147483640\n");
    const QStringList pastLast = QString::fromLatin1(zone->pastLastMinute).split(' ');
    ExpectFailure({"--date", pastLast[0], "--time", pastLast[1]}, 1);
    if (zone->springGap) {
        ExpectFailure({"--date", "2024-03-10", "--time", "02:30"}, 1);
    } else {
        EXPECT_EQ(Output({"--date", "2024-03-10", "--time", "02:30"}),
                  QString::number(zone->springGapValue) + '\n');
    }
    // The number a local time gives reads back as that time.
    EXPECT_EQ(Output({QString::number(zone->januaryMorning)}), "2024-01-15 08:45:00\n");
}

} // namespace
