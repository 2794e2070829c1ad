#include "cli/Cli.h"
#include "cli/CommandArgs.h"
#include "document/LeadingNumber.h"
#include "document/StoredTime.h"

#include <QRegularExpression>

namespace {

const char* const kHelp =
    "Usage: drapier-cli ctime NUMBER\n"
    "       drapier-cli ctime --date YYYY-MM-DD --time HH:MM\n\n"
    "Converts between the times notes store (whole seconds since 1970-01-01 00:00:00 UTC, a signed\n"
    "32-bit number) and local date and time, as the designer's CTime converter does. Local time follows\n"
    "the TZ environment variable, daylight saving included.\n\n"
    "  NUMBER                    prints its local date and time as YYYY-MM-DD HH:MM:SS; a decimal\n"
    "                            integer from -2147483648 to 2147483647 (a leading '-' is a sign)\n"
    "  --date YYYY-MM-DD --time HH:MM\n"
    "                            prints the number of that local time, seconds 0\n\n"
    "Exit status: 0 success; 1 a date before 1900, a time the local clocks skip, or a moment a stored\n"
    "time cannot hold (before 1901-12-13 20:45:52 or after 2038-01-19 03:14:07 UTC); 2 usage error.\n";

std::optional<QDate> ParseDate(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<QTime> ParseTime(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QTime time(m.captured(1).toInt(), m.captured(2).toInt());
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

QString FailureReason(StoredTimeFailure failure, const QString& moment) {
    switch (failure) {
    case StoredTimeFailure::BeforeYear1900:
        return QStringLiteral("%1 lies before the year 1900").arg(moment);
    case StoredTimeFailure::NoSuchLocalTime:
        return QStringLiteral("%1 does not exist in local time (the clocks skip it)").arg(moment);
    case StoredTimeFailure::OutOfRange:
        return QStringLiteral("%1 is outside the range of a stored time "
                              "(1901-12-13 20:45:52 to 2038-01-19 03:14:07 UTC)")
            .arg(moment);
    case StoredTimeFailure::None:
        break;
    }
    return {};
}

int FromLocal(const CommandArgs& parsed) {
    if (!parsed.Positional().isEmpty())
        return CliUsageError(QStringLiteral("ctime takes either NUMBER or --date and --time, not both"));
    if (!parsed.Has("--date") || !parsed.Has("--time"))
        return CliUsageError(QStringLiteral("ctime needs both --date YYYY-MM-DD and --time HH:MM"));
    const QString dateText = parsed.Value("--date");
    const QString timeText = parsed.Value("--time");
    const std::optional<QDate> date = ParseDate(dateText);
    if (!date)
        return CliUsageError(QStringLiteral("ctime: '%1' is no date of the form YYYY-MM-DD").arg(dateText));
    const std::optional<QTime> time = ParseTime(timeText);
    if (!time)
        return CliUsageError(QStringLiteral("ctime: '%1' is no time of the form HH:MM").arg(timeText));
    const StoredTimeResult result = StoredTimeFromLocal(*date, time->hour(), time->minute());
    if (!result.Ok())
        return CliFailure(FailureReason(result.failure, dateText + u' ' + timeText));
    CliPrint(QStringLiteral("%1\n").arg(result.value));
    return kExitOk;
}

} // namespace

QString CTimeCommandHelp() {
    return QString::fromLatin1(kHelp);
}

int RunCTimeCommand(const QStringList& args) {
    CommandArgs parsed;
    QString reason;
    if (!parsed.Parse(QStringLiteral("ctime"), args,
                      {{"--date", nullptr, "a date YYYY-MM-DD"}, {"--time", nullptr, "a time HH:MM"}},
                      &reason))
        return CliUsageError(reason);
    if (parsed.Has("--date") || parsed.Has("--time"))
        return FromLocal(parsed);

    QString number;
    if (!parsed.TakeOne("a NUMBER", &number, &reason))
        return CliUsageError(reason);
    const std::optional<int> value = StrictInteger(number);
    if (!value)
        return CliUsageError(
            QStringLiteral("ctime: '%1' is no whole number from -2147483648 to 2147483647").arg(number));
    CliPrint(StoredTimeLocalText(*value) + u'\n');
    return kExitOk;
}
