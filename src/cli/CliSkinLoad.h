#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct NoteSettings;
struct SkinDocument;

// Loads the skin at path into the document for a command; innerName picks the skin file inside a
// package (empty for the usual one). On failure reason gets a one-line explanation.
bool CliLoadSkin(const QString& path, const QString& innerName, SkinDocument* document, QString* reason);

// For a command whose arguments are one SKIN, --inner NAME and --set options: loads the skin and settles
// the note settings for it. Nothing when the command can go on; otherwise the exit status to end with,
// the reason already given.
std::optional<int> CliLoadSkinInState(const QString& command, const QStringList& args, SkinDocument* document,
                                      NoteSettings* settings);
