#include "document/SkinDocument.h"

#include "document/GroupRules.h"
#include "document/NoteState.h"

void SkinDocument::ResetSettings() {
    settings.Reset();
    layout.Reset();
}

int SkinDocument::ActiveLayoutIndex(const NoteState& state) const {
    int active = -1;
    for (int i = 0; i < static_cast<int>(elements.size()); ++i) {
        const SkinElement& e = elements[static_cast<size_t>(i)];
        if (e.Kind() == ElementKind::Layout && GroupTest(*this, e.group, state))
            active = i;
    }
    return active;
}

const SkinLayout& SkinDocument::ActiveLayout(const NoteState& state) const {
    const int index = ActiveLayoutIndex(state);
    if (index < 0)
        return layout;
    return *elements[static_cast<size_t>(index)].As<SkinLayout>();
}

int SkinDocument::GroupIndex(const QString& name) const {
    for (int i = static_cast<int>(elements.size()) - 1; i >= 0; --i) {
        const GroupRecord* g = elements[static_cast<size_t>(i)].As<GroupRecord>();
        if (g && g->name == name)
            return i;
    }
    return -1;
}

bool SkinDocument::UsesOwnScrollBar() const {
    if (layout.usescrollbar)
        return true;
    for (const SkinElement& e : elements) {
        const SkinLayout* l = e.As<SkinLayout>();
        if (l && l->usescrollbar)
            return true;
    }
    return false;
}
