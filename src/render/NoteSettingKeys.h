#pragma once

#include "render/NoteSettings.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <climits>
#include <span>

// What kind of value a note-settings key takes.
enum class NoteSettingForm { Number, Flag, Text, Colour, StackMode };

// One key of the note settings as scripts name them (drapier-cli's "--set KEY=VALUE", the state sheet's
// rows): its name and the field it sets.
struct NoteSettingKey {
    const char* name;
    NoteSettingForm form;
    int NoteSettings::*number = nullptr;
    bool NoteSettings::*flag = nullptr;
    QString NoteSettings::*text = nullptr;
    Colour NoteSettings::*colour = nullptr;
    int minimum = INT_MIN;
    int maximum = INT_MAX;
};

// Every key, in the order help texts list them.
std::span<const NoteSettingKey> NoteSettingKeys();

// The key of that name, found without regard to case; null for none.
const NoteSettingKey* FindNoteSettingKey(QStringView name);

// The names of every key, in table order.
QStringList NoteSettingKeyNames();
