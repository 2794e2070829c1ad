#pragma once

#include <QString>

// What "drapier-cli --help" prints: usage, every command with its synopsis and description, the options
// the commands share, the --set keys and the exit statuses. The manual page is generated from it and the
// shell completion reads the commands, their options and the --set keys from it, so its layout is kept
// to the usual one: a heading line ending in ':' and entries whose tag starts two columns in, with the
// description at column 24 or on the lines below it.
QString CliHelpText();

struct CliCommand;

// What "drapier-cli COMMAND --help" prints for a command without help of its own: its usage line and its
// description, and where the shared options are explained.
QString CommandHelpText(const CliCommand& command);
