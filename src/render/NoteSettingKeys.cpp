#include "render/NoteSettingKeys.h"

namespace {

constexpr NoteSettingKey Number(const char* name, int NoteSettings::*field, int minimum, int maximum) {
    return {name, NoteSettingForm::Number, field, nullptr, nullptr, nullptr, minimum, maximum};
}
constexpr NoteSettingKey Flag(const char* name, bool NoteSettings::*field) {
    return {name, NoteSettingForm::Flag, nullptr, field};
}
constexpr NoteSettingKey Text(const char* name, QString NoteSettings::*field) {
    return {name, NoteSettingForm::Text, nullptr, nullptr, field};
}
constexpr NoteSettingKey ColourKey(const char* name, Colour NoteSettings::*field) {
    return {name, NoteSettingForm::Colour, nullptr, nullptr, nullptr, field};
}

// The size and the scroll position are free integers, as the designer's boxes are: a negative width or a
// scroll bottom past 100 can be tried. A note too large for a canvas is simply not painted.
const NoteSettingKey kKeys[] = {
    Number("width", &NoteSettings::width, INT_MIN, INT_MAX),
    Number("height", &NoteSettings::height, INT_MIN, INT_MAX),
    Number("scrolltop", &NoteSettings::scrolltop, INT_MIN, INT_MAX),
    Number("scrollbottom", &NoteSettings::scrollbottom, INT_MIN, INT_MAX),
    Number("dpi", &NoteSettings::dpi, 1, 9999),
    Flag("rolled", &NoteSettings::rolled),
    Flag("focus", &NoteSettings::focus),
    Flag("ontop", &NoteSettings::ontop),
    Flag("locked", &NoteSettings::locked),
    Flag("alarm", &NoteSettings::alarm),
    Flag("attached", &NoteSettings::attached),
    Flag("stand", &NoteSettings::stand),
    Flag("solo", &NoteSettings::solo),
    Flag("user1", &NoteSettings::user1),
    Flag("user2", &NoteSettings::user2),
    Flag("user3", &NoteSettings::user3),
    Flag("transmit", &NoteSettings::transmit),
    Flag("email", &NoteSettings::email),
    Flag("sync", &NoteSettings::sync),
    Flag("image", &NoteSettings::image),
    Flag("instack", &NoteSettings::instack),
    Flag("bulk", &NoteSettings::bulk),
    Flag("scrollbar", &NoteSettings::scrollbar),
    Flag("moreabove", &NoteSettings::moreabove),
    Flag("morebelow", &NoteSettings::morebelow),
    {"stackmode", NoteSettingForm::StackMode},
    Text("title", &NoteSettings::title),
    Text("source", &NoteSettings::source),
    Text("stackname", &NoteSettings::stackname),
    Text("created", &NoteSettings::created),
    ColourKey("notecolour", &NoteSettings::notecolour),
    ColourKey("pencolour", &NoteSettings::pencolour),
};

} // namespace

std::span<const NoteSettingKey> NoteSettingKeys() {
    return kKeys;
}

const NoteSettingKey* FindNoteSettingKey(QStringView name) {
    for (const NoteSettingKey& k : kKeys) {
        if (name.compare(QLatin1StringView(k.name), Qt::CaseInsensitive) == 0)
            return &k;
    }
    return nullptr;
}

QStringList NoteSettingKeyNames() {
    QStringList names;
    for (const NoteSettingKey& k : kKeys)
        names << QLatin1StringView(k.name);
    return names;
}
