#pragma once

// The program's side of the drawing module (CliDispatch.h). The module lies at a fixed path relative to
// the program, the same in the build tree and in an installed one; it is loaded at most once.

// Runs the whole command line in the module, which creates the GUI application; the exit status, or a
// failure with the reason when the module cannot be loaded.
int RunInDrawingModule(int argc, char** argv);
