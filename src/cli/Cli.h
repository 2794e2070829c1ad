#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class Canvas;

// Exit statuses of drapier-cli.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1; // the operation failed, or check found something
constexpr int kExitUsage = 2;

// One sub-command: its name, its argument synopsis, its description in --help and the manual page (one
// paragraph, which --help fills to its width), the function that runs it with the arguments after the
// command name (null for the commands that draw text, which run in the drawing module: CliDispatch.h),
// and its own longer help for "COMMAND --help" (null: one made from the synopsis and the description).
struct CliCommand {
    const char* name;
    const char* synopsis;
    const char* summary;
    int (*run)(const QStringList& args);
    QString (*help)() = nullptr;
};

// Every command, in the order --help lists them.
const std::vector<CliCommand>& CliCommands();

// Standard output, UTF-8.
void CliPrint(const QString& text);
// A one-line reason on standard error; these return the exit status to pass on.
int CliUsageError(const QString& reason);
int CliFailure(const QString& reason);
// Writes the canvas as an 8-bit RGB PNG; the exit status, with the reason on a failure.
int CliWritePng(const Canvas& canvas, const QString& path);
// A one-line "warning: " note on standard error about something the command went on without.
void CliWarning(const QString& reason);
