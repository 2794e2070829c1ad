#pragma once

#include "document/GroupIndex.h"
#include "document/NoteState.h"
#include "render/NoteSettings.h"

#include <QHash>
#include <cstdint>
#include <optional>
#include <vector>

struct SkinDocument;
struct SkinElement;

// Tries an element in a handful of simulated notes to find elements that no note ever shows: the
// designer's start values in the skin's own mode, then that state with one change at a time (rolled,
// focus, and each flag the element's condition or its group's rules read, set the other way); each at
// the active layout's minimum size, at 300 by 100 and at three times the minimum size. Changes are never
// combined, and number and text rules see the start values. The states are shared by every element, so
// each is worked out once.
class DrawTrials {
public:
    explicit DrawTrials(const SkinDocument& document);

    struct Result {
        bool drawn = false;
        int tried = 0; // states the element was tried in
    };
    // The element must belong to the document.
    Result Try(const SkinElement& element);

private:
    using FlagSet = std::uint32_t; // bit i: the i-th flag of the note state that a change can set
    FlagSet FlagsRead(const SkinElement& element);
    FlagSet FlagsOfGroup(const QString& group);
    const NoteState& State(int change, int size);
    NoteState Sample(int change, int width, int height) const;

    const SkinDocument& m_document;
    const GroupIndex m_groups; // so that each of the many tests does not scan the list for the group
    NoteSettings m_start;
    std::vector<std::optional<NoteState>> m_states; // by change and size
    QHash<QString, FlagSet> m_groupFlags;
};
