#include "render/DrawTrials.h"

#include "document/GroupRules.h"
#include "document/IndicatorCodes.h"
#include "document/SkinDocument.h"
#include "picture/ClampToInt.h"
#include "render/DrawConditions.h"
#include "render/SampleNoteState.h"

#include <array>
#include <bit>
#include <iterator>

namespace {

// The note-state flags a condition or a rule can read, besides rolled and focus, which every element
// is tried with anyway: the indicator flags and the bulk selection.
constexpr auto kFlags = [] {
    std::array<bool NoteState::*, std::size(kIndicatorFlags)> flags{};
    size_t n = 0;
    for (bool NoteState::*flag : kIndicatorFlags) {
        if (flag != &NoteState::hasfocus)
            flags[n++] = flag;
    }
    flags[n] = &NoteState::bulkselected;
    return flags;
}();
constexpr int kFlagCount = static_cast<int>(std::size(kFlags));

// Changes: the start values, rolled, focus, then one per flag.
constexpr int kStart = 0;
constexpr int kRolled = 1;
constexpr int kFocus = 2;
constexpr int kFirstFlag = 3;
constexpr int kChangeCount = kFirstFlag + kFlagCount;

// Sizes, in the order they are tried: the common note first, since most elements show there.
constexpr int kMiddleSize = 0; // 300 by 100
constexpr int kMinimumSize = 1;
constexpr int kTripleSize = 2;
constexpr int kSizeCount = 3;

// Which flags a test reads, found by setting each flag the other way and seeing whether the answer
// changes; so the vocabularies stay in one place.
template <class Test> std::uint32_t FlagsChanging(const Test& test) {
    std::uint32_t flags = 0;
    const NoteState clear;
    for (int i = 0; i < kFlagCount; ++i) {
        NoteState set = clear;
        set.*kFlags[i] = !(clear.*kFlags[i]);
        if (test(set) != test(clear))
            flags |= 1u << i;
    }
    return flags;
}

} // namespace

DrawTrials::DrawTrials(const SkinDocument& document)
    : m_document(document), m_groups(document), m_states(static_cast<size_t>(kChangeCount * kSizeCount)) {
    m_start.stackmode = document.settings.mode == 1;
    m_start.source = DefaultNoteSource(m_start.stackmode);
}

NoteState DrawTrials::Sample(int change, int width, int height) const {
    NoteSettings settings = m_start;
    settings.width = width;
    settings.height = height;
    if (change == kRolled)
        settings.rolled = !settings.rolled;
    else if (change == kFocus)
        settings.focus = !settings.focus;
    NoteState state = SampleNoteState(settings, m_document);
    // A flag change starts from an unrolled note, so the rolled height needs no second look.
    if (change >= kFirstFlag) {
        bool NoteState::*flag = kFlags[change - kFirstFlag];
        state.*flag = !(state.*flag);
    }
    return state;
}

const NoteState& DrawTrials::State(int change, int size) {
    std::optional<NoteState>& slot = m_states[static_cast<size_t>(change * kSizeCount + size)];
    if (slot)
        return *slot;
    int width = 300, height = 100;
    if (size == kMinimumSize || size == kTripleSize) {
        const SkinLayout& layout = m_document.ActiveLayout(Sample(change, width, height));
        const long long factor = size == kTripleSize ? 3 : 1;
        width = ClampToInt(layout.minimumwidth * factor);
        height = ClampToInt(layout.minimumheight * factor);
    }
    NoteState state = Sample(change, width, height);
    ApplyScrollbarDrawLimits(state, m_document.ActiveLayout(state));
    slot = state;
    return *slot;
}

DrawTrials::FlagSet DrawTrials::FlagsOfGroup(const QString& group) {
    const auto known = m_groupFlags.constFind(group);
    if (known != m_groupFlags.constEnd())
        return *known;
    FlagSet flags = 0;
    const int index = m_groups.Find(group);
    if (index >= 0) {
        for (const GroupRule& rule :
             m_document.elements[static_cast<size_t>(index)].As<GroupRecord>()->rules) {
            RuleFieldType type;
            if (RuleFieldTypeOf(rule.field, &type) && type == RuleFieldType::Flag)
                flags |= FlagsChanging([&rule](const NoteState& s) { return EvaluateRule(rule, s); });
        }
    }
    m_groupFlags.insert(group, flags);
    return flags;
}

DrawTrials::FlagSet DrawTrials::FlagsRead(const SkinElement& element) {
    FlagSet flags = element.group.isEmpty() ? 0 : FlagsOfGroup(element.group);
    const DrawableCommon* common = element.Common();
    if (common && common->conditionset) {
        const int code = common->condition;
        flags |= FlagsChanging([code](const NoteState& s) { return FlagOfCode(s, code); });
    }
    return flags;
}

DrawTrials::Result DrawTrials::Try(const SkinElement& element) {
    const FlagSet flags = FlagsRead(element);
    Result result;
    result.tried = kSizeCount * (kFirstFlag + std::popcount(flags));
    for (int change = kStart; change < kChangeCount; ++change) {
        if (change >= kFirstFlag && !(flags & (1u << (change - kFirstFlag))))
            continue;
        for (int size = kMiddleSize; size < kSizeCount; ++size) {
            if (IsDrawn(m_document, m_groups, element, State(change, size))) {
                result.drawn = true;
                return result;
            }
        }
    }
    return result;
}
