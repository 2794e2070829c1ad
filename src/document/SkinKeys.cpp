#include "document/SkinKeys.h"

#include <array>
#include <cstring>

namespace {

struct KeyName {
    const char* text;
    SkinKey key;
};

#define DRAPIER_KEY(k)                                                                                       \
    { #k, SkinKey::k }
constexpr KeyName kKeyNames[] = {
    DRAPIER_KEY(authorname),
    DRAPIER_KEY(authoremail),
    DRAPIER_KEY(authorurl),
    DRAPIER_KEY(skinname),
    DRAPIER_KEY(notes),
    DRAPIER_KEY(version),
    DRAPIER_KEY(defaultstyle),
    DRAPIER_KEY(stackfilename),
    DRAPIER_KEY(mode),
    DRAPIER_KEY(bitmap),
    DRAPIER_KEY(transparent),
    DRAPIER_KEY(region),
    DRAPIER_KEY(tooltipfontsize),
    DRAPIER_KEY(tooltipfontname),
    DRAPIER_KEY(titletooltip),
    DRAPIER_KEY(drawonrtfbg),
    DRAPIER_KEY(selectedborderwidth),
    DRAPIER_KEY(selectedborderdashlength1),
    DRAPIER_KEY(selectedborderdashlength2),
    DRAPIER_KEY(selectedborderdashcolour1),
    DRAPIER_KEY(selectedborderdashcolour2),
    DRAPIER_KEY(top),
    DRAPIER_KEY(bottom),
    DRAPIER_KEY(left),
    DRAPIER_KEY(right),
    DRAPIER_KEY(rolledheight),
    DRAPIER_KEY(minimumwidth),
    DRAPIER_KEY(minimumheight),
    DRAPIER_KEY(minimumthumbtrackheight),
    DRAPIER_KEY(titlebar),
    DRAPIER_KEY(scrollbar),
    DRAPIER_KEY(usescrollbar),
    DRAPIER_KEY(scrollbardrawwidthminimum),
    DRAPIER_KEY(scrollbardrawwidthmaximum),
    DRAPIER_KEY(scrollbardrawheightminimum),
    DRAPIER_KEY(scrollbardrawheightmaximum),
    DRAPIER_KEY(name),
    DRAPIER_KEY(group),
    DRAPIER_KEY(place),
    DRAPIER_KEY(topleft),
    DRAPIER_KEY(bottomright),
    DRAPIER_KEY(extent),
    DRAPIER_KEY(size),
    DRAPIER_KEY(width),
    DRAPIER_KEY(height),
    DRAPIER_KEY(source),
    DRAPIER_KEY(sourceoff),
    DRAPIER_KEY(sourceoffalpha),
    DRAPIER_KEY(sourcerollover),
    DRAPIER_KEY(sourcealpha),
    DRAPIER_KEY(sourcerolloveralpha),
    DRAPIER_KEY(alpha),
    DRAPIER_KEY(action),
    DRAPIER_KEY(type),
    DRAPIER_KEY(font),
    DRAPIER_KEY(col),
    DRAPIER_KEY(point),
    DRAPIER_KEY(text),
    DRAPIER_KEY(alignment),
    DRAPIER_KEY(setcase),
    DRAPIER_KEY(format),
    DRAPIER_KEY(condition),
    DRAPIER_KEY(conditionvalue),
    DRAPIER_KEY(drawunrolled),
    DRAPIER_KEY(drawrolled),
    DRAPIER_KEY(drawfocus),
    DRAPIER_KEY(drawwidthminimum),
    DRAPIER_KEY(drawwidthmaximum),
    DRAPIER_KEY(drawheightminimum),
    DRAPIER_KEY(drawheightmaximum),
    DRAPIER_KEY(startcol),
    DRAPIER_KEY(endcol),
    DRAPIER_KEY(solidcol),
    DRAPIER_KEY(striptype),
    DRAPIER_KEY(tiletype),
    DRAPIER_KEY(enabled),
    DRAPIER_KEY(match),
    DRAPIER_KEY(rule),
    DRAPIER_KEY(rolled),
    DRAPIER_KEY(normal),
    DRAPIER_KEY(focus),
};
#undef DRAPIER_KEY

constexpr int kLongestKey = 32;
constexpr unsigned kSlots = 512; // a power of two well above the key count keeps probes short

unsigned HashOf(const char* text, int length) {
    unsigned h = 2166136261u;
    for (int i = 0; i < length; ++i)
        h = (h ^ static_cast<unsigned char>(text[i])) * 16777619u;
    return h;
}

// Each cell keeps its key's length, so a probe compares lengths before it compares any text.
struct KeyCell {
    const KeyName* name = nullptr;
    int length = 0;
};

struct KeyTable {
    std::array<KeyCell, kSlots> cells{};

    KeyTable() {
        for (const KeyName& k : kKeyNames) {
            const int length = static_cast<int>(std::strlen(k.text));
            unsigned slot = HashOf(k.text, length) & (kSlots - 1);
            while (cells[slot].name)
                slot = (slot + 1) & (kSlots - 1);
            cells[slot] = {&k, length};
        }
    }
};

const KeyTable& Table() {
    static const KeyTable table;
    return table;
}

} // namespace

SkinKey SkinKeyOf(QStringView keyText) {
    const qsizetype length = keyText.size();
    if (length == 0 || length > kLongestKey)
        return SkinKey::None;
    // Lowered and hashed in one pass over the characters.
    char lowered[kLongestKey];
    const char16_t* chars = keyText.utf16();
    const int n = static_cast<int>(length);
    unsigned hash = 2166136261u;
    for (int i = 0; i < n; ++i) {
        const char16_t c = chars[i];
        // Keys are plain ASCII; any other character rules the line out at once.
        if (c >= 0x80)
            return SkinKey::None;
        const char lower = static_cast<char>(c | (static_cast<unsigned>(c - u'A') < 26u ? 0x20 : 0));
        lowered[i] = lower;
        hash = (hash ^ static_cast<unsigned char>(lower)) * 16777619u;
    }
    const KeyTable& table = Table();
    for (unsigned slot = hash & (kSlots - 1);; slot = (slot + 1) & (kSlots - 1)) {
        const KeyCell& cell = table.cells[slot];
        if (!cell.name)
            return SkinKey::None;
        if (cell.length == n && std::memcmp(cell.name->text, lowered, static_cast<size_t>(n)) == 0)
            return cell.name->key;
    }
}
