#include "cli/Cli.h"
#include "cli/CliSkinLoad.h"
#include "cli/CommandArgs.h"
#include "cli/StateOptions.h"
#include "document/SkinCheck.h"
#include "document/SkinDocument.h"
#include "render/SampleNoteState.h"

namespace {

const char* const kHelp =
    "Usage: drapier-cli check SKIN [--inner NAME] [--fail-on errors|warnings] [--set KEY=VALUE]...\n"
    "\n"
    "Checks the skin as the designer's File > Check for Errors does and prints the report: errors\n"
    "(settings with which the skin does not work properly in Pinlets) and warnings (settings that work\n"
    "but deserve a second look); for a stack skin also every element that uses a note state, an action\n"
    "or a placeholder a stack of notes does not have. Prints \"No errors found\" when the report is empty.\n"
    "\n"
    "The borders and sizes checked are those of the layout active in the note state, so the state options\n"
    "can change the result when a Layout element's group depends on them.\n"
    "\n"
    "  SKIN             a skin file (.ini) or a skin package (.qsk)\n"
    "  --inner NAME     the skin file to read inside a package (by default its main skin file)\n"
    "  --fail-on errors|warnings\n"
    "                   what makes the exit status 1: any finding (warnings, the default), or only an\n"
    "                   error (a finding that starts \"ERROR:\"); the report is the same either way\n"
    "  --set KEY=VALUE  one value of the designer's note settings; repeatable. The defaults are the\n"
    "                   designer's start values. stackmode=0|1 checks the skin as a sticky or a stack\n"
    "                   skin whatever its own mode. Keys: %KEYS%\n"
    "\n"
    "Exit status: 0 when the report is empty (with --fail-on errors: holds no error), 1 when it is not\n"
    "(or the skin cannot be read), 2 on a usage error.\n";

} // namespace

QString CheckCommandHelp() {
    return QString::fromUtf8(kHelp).replace(QStringLiteral("%KEYS%"), StateOptionKeys());
}

int RunCheckCommand(const QStringList& arguments) {
    const QString command = QStringLiteral("check");
    QStringList args = arguments;
    QString failOn = QStringLiteral("warnings");
    QString reason;
    if (!TakeOptionValue(command, &args, "--fail-on", "errors or warnings", &failOn, &reason))
        return CliUsageError(reason);
    if (failOn != u"errors" && failOn != u"warnings")
        return CliUsageError(
            QStringLiteral("check: --fail-on takes errors or warnings, not '%1'").arg(failOn));
    SkinDocument document;
    NoteSettings settings;
    if (const std::optional<int> failed = CliLoadSkinInState(command, args, &document, &settings))
        return *failed;
    const QString report = SkinCheck(document, SampleNoteState(settings, document), settings.stackmode);
    if (report.isEmpty()) {
        CliPrint(QStringLiteral("No errors found\n"));
        return kExitOk;
    }
    CliPrint(report);
    const bool fails = failOn == u"warnings" || CheckReportHasErrors(report);
    return fails ? kExitFailed : kExitOk;
}
