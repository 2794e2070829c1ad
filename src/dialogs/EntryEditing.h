#pragma once

#include "dialogs/EditContext.h"
#include "document/SkinSettings.h"

#include <optional>

struct SkinDocument;
class QWidget;

// Opens the dialog of an entry of the document: the layout dialog for -1 (the default layout) and for
// Layout elements, the element dialog of the six drawable kinds, the group dialog for groups. The
// dialog edits the live record, calling context.redraw after every change, and opens at
// context.offset from the parent's top-left corner, where it leaves its own place when it closes.
// True on OK. On Cancel (the button, Escape or the close box) the entry is put back exactly as it was,
// context.redraw is called once more, and the result is false. An index that names no entry, or a
// blank one, opens nothing and gives false.
bool EditEntry(QWidget* parent, SkinDocument& document, int entry, EditContext& context);

// "Skin info and settings" on a copy of the settings; the edited settings on OK, nothing on Cancel.
// A stack skin has no such settings of its own: in stack mode nothing opens.
std::optional<SkinSettings> EditSkinInfo(QWidget* parent, const SkinSettings& settings, EditContext& context);
