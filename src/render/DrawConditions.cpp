#include "render/DrawConditions.h"

#include "document/GroupIndex.h"
#include "document/GroupRules.h"
#include "document/IndicatorCodes.h"
#include "document/NoteState.h"
#include "document/SkinDocument.h"

bool PassesSizeTest(const SizeLimits& limits, int width, int height) {
    if (limits.widthminimum != -1 && width < limits.widthminimum)
        return false;
    if (limits.widthmaximum != -1 && width > limits.widthmaximum)
        return false;
    if (limits.heightminimum != -1 && height < limits.heightminimum)
        return false;
    if (limits.heightmaximum != -1 && height > limits.heightmaximum)
        return false;
    return true;
}

namespace {

// Everything IsDrawn asks besides the group test.
bool PassesOwnConditions(const SkinElement& element, const DrawableCommon& common, const NoteState& state) {
    if (state.rolled ? !common.drawrolled : !common.drawunrolled)
        return false;
    // A rolled note keeps its title-bar strips whatever their size limits say.
    const bool skipSizeTest = state.rolled && element.Kind() == ElementKind::HStrip;
    if (!skipSizeTest) {
        const SizeLimits limits{common.drawwidthminimum, common.drawwidthmaximum, common.drawheightminimum,
                                common.drawheightmaximum};
        if (!PassesSizeTest(limits, state.width, state.height))
            return false;
    }
    if (common.conditionset) {
        // A code that names no flag fails whatever value is asked for.
        const bool namesFlag =
            common.condition >= kFirstIndicatorCode && common.condition <= kLastIndicatorCode;
        if (!namesFlag || FlagOfCode(state, common.condition) != common.conditionvalue)
            return false;
    }
    return !common.drawfocus || state.hasfocus;
}

} // namespace

bool IsDrawn(const SkinDocument& document, const SkinElement& element, const NoteState& state) {
    const DrawableCommon* common = element.Common();
    return common && GroupTest(document, element.group, state) &&
           PassesOwnConditions(element, *common, state);
}

bool IsDrawn(const SkinDocument& document, const GroupIndex& groups, const SkinElement& element,
             const NoteState& state) {
    const DrawableCommon* common = element.Common();
    return common && GroupTest(document, groups, element.group, state) &&
           PassesOwnConditions(element, *common, state);
}

void ApplyScrollbarDrawLimits(NoteState& state, const SkinLayout& layout) {
    const SizeLimits limits{layout.scrollbardrawwidthminimum, layout.scrollbardrawwidthmaximum,
                            layout.scrollbardrawheightminimum, layout.scrollbardrawheightmaximum};
    if (!PassesSizeTest(limits, state.width, state.height))
        state.scrollbarrequired = false;
}

NoteState DrawingState(const SkinDocument& document, const NoteState& state) {
    NoteState drawing = state;
    ApplyScrollbarDrawLimits(drawing, document.ActiveLayout(drawing));
    return drawing;
}

namespace {

bool EntryShown(const SkinDocument& document, const GroupIndex& groups, int activeLayout, int index,
                const NoteState& state) {
    const SkinElement& element = document.elements[static_cast<size_t>(index)];
    switch (element.Kind()) {
    case ElementKind::Group:
        return GroupTest(document, groups, element.As<GroupRecord>()->name, state);
    case ElementKind::Layout:
        return activeLayout == index;
    default:
        return IsDrawn(document, groups, element, state);
    }
}

} // namespace

bool IsEntryShown(const SkinDocument& document, int index, const NoteState& state) {
    if (index < 0 || index >= static_cast<int>(document.elements.size()))
        return false;
    return EntryShown(document, GroupIndex(document), document.ActiveLayoutIndex(state), index, state);
}

std::vector<bool> EntriesShown(const SkinDocument& document, const NoteState& state) {
    // The groups and the active layout are found once, not once an entry: skins have thousands.
    const GroupIndex groups(document);
    const int activeLayout = document.ActiveLayoutIndex(state);
    std::vector<bool> shown(document.elements.size());
    for (size_t i = 0; i < shown.size(); ++i)
        shown[i] = EntryShown(document, groups, activeLayout, static_cast<int>(i), state);
    return shown;
}

bool IsDefaultLayoutShown(const SkinDocument& document, const NoteState& state) {
    return document.ActiveLayoutIndex(state) < 0;
}
