#pragma once

#include <QString>
#include <QStringList>

// drapier-cli comes in two parts: the program, which needs only QtCore, and the drawing module, loaded
// with Qt's GUI library only by the commands that draw text (render, sheet, catalogue) and by a skin whose
// picture is not a PNG. So the kind of application object is chosen per command before any is created,
// and the commands that draw nothing start without the GUI library, its platform and font configuration.

// Runs a command that draws text; only the drawing module has one.
using DrawingCommandRunner = int (*)(const QString& command, const QStringList& args);

// Whether the command line (main's arguments) draws text and so runs in the drawing module: a drawing
// command not asked for its help.
bool RunsInDrawingModule(int argc, char** argv);

// Runs the command line, the arguments after the program's name; the exit status.
int RunCliCommand(QStringList args, DrawingCommandRunner drawing);

// The entry points the drawing module exports, named for dlsym.
constexpr const char* kDrawingMainSymbol = "DrapierCliDrawingMain";
constexpr const char* kPictureLoaderSymbol = "DrapierCliReadWithPictureLoader";
