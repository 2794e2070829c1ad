#pragma once

#include "render/NoteSettings.h"

#include <QString>
#include <QStringList>
#include <optional>

struct SkinDocument;

// The note settings a command line asks for with "--set KEY=VALUE". What depends on the skin (the stack
// mode, and with it the default "Source:" text) is settled once the skin is loaded.
struct StateOptions {
    NoteSettings settings;         // the start values with every option applied
    std::optional<bool> stackmode; // when given explicitly
    bool sourcegiven = false;

    NoteSettings SettingsFor(const SkinDocument& document) const;
};

// Takes every "--set KEY=VALUE" out of args, leaving the other arguments in order. False on an unknown
// key or a malformed value, with a one-line reason that names the key.
bool TakeStateOptions(QStringList* args, StateOptions* options, QString* reason);

// The keys --set knows, for help texts.
QString StateOptionKeys();
