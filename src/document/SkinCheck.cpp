#include "document/SkinCheck.h"

#include "document/NoteState.h"
#include "document/SkinDocument.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array kStackIndicators = {1, 5, 16, 17, 18};
constexpr std::array kStackActions = {0, 1, 2, 22, 34, 152};
constexpr std::array kCommonComponents = {0, 64, 127, 128, 192, 255};

// Placeholders that read what only a single note has; searched exactly as written.
const char* const kSingleNotePlaceholders[] = {"%TITLE%",    "%CREATION%",    "%ALARM%",
                                               "%MODIFIED%", "%USERSTRING1%", "%LASTSEND%"};

bool IsCommonComponent(int value) {
    return std::find(kCommonComponents.begin(), kCommonComponents.end(), value) != kCommonComponents.end();
}

bool IsCommonRegionColour(Colour colour) {
    return colour != kNoColour && IsCommonComponent(RedOf(colour)) && IsCommonComponent(GreenOf(colour)) &&
           IsCommonComponent(BlueOf(colour));
}

QString SkinRules(const SkinDocument& document, const SkinLayout& layout, bool stackMode) {
    const SkinSettings& s = document.settings;
    // Sums are taken wide so that absurd borders compare as the numbers they are.
    const long long sidesWidth = static_cast<long long>(layout.left) + layout.right;
    const long long gapsHeight = static_cast<long long>(layout.top) + layout.bottom;
    const int titleBarHeight = layout.titlebar.height;

    QString report;
    if (layout.top < layout.rolledheight)
        report += QStringLiteral("ERROR: Rolled up skins will show some of the text area.  Reduce the Rolled "
                                 "Height or increase the Top Gap.\n\n");
    if (s.skinname.isEmpty())
        report += QStringLiteral("ERROR: The skin has no name.  Click Edit/Info to set this\n\n");
    if (!s.authorurl.isEmpty() && s.authorurl.left(4).compare(u"http", Qt::CaseInsensitive) != 0)
        report += QStringLiteral(
            "ERROR: The designer URL does not start with \"http\".  Click Edit/Info to set this\n\n");
    if (!stackMode && sidesWidth >= layout.minimumwidth)
        report += QStringLiteral("ERROR: The user will be able to size the skin horizontally so the text "
                                 "disappears.  Increase the Minimum Width.\n\n");
    if (!stackMode && gapsHeight >= layout.minimumheight)
        report += QStringLiteral("ERROR: The user will be able to size the skin vertially so the text "
                                 "disappears.  Increase the Minimum Height.\n\n");
    if (titleBarHeight < 1)
        report += QStringLiteral("ERROR: Unable to move the sticky.  Increase the titlebar height.\n\n");
    if (IsCommonRegionColour(s.region))
        report +=
            QStringLiteral("WARNING: The region colour is a commonly used one - text set to that colour "
                           "will be transparent in Pinlets.  Pick a slightly different colour.\n\n");
    if (!stackMode && layout.rolledheight < 6)
        report += QStringLiteral("WARN: The rolled height is very low.  Consider increasing it.\n\n");
    if (layout.left < 3)
        report += QStringLiteral(
            "WARN: The left border you grab to resize the skin is very thin.  Consider increasing it.\n\n");
    if (layout.right < 3)
        report += QStringLiteral(
            "WARN: The right border you grab to resize the skin is very thin.  Consider increasing it.\n\n");
    if (layout.bottom < 3)
        report += QStringLiteral(
            "WARN: The bottom border you grab to resize the skin is very thin.  Consider increasing it.\n\n");
    if (layout.minimumwidth < 100)
        report += QStringLiteral("WARN: The Minimum Width is set very low\n\n");
    if (layout.minimumheight < 50)
        report += QStringLiteral("WARN: The Minimum Height is set very low\n\n");
    return report;
}

QString InvalidIndicator(const char* kind, const QString& name) {
    return QStringLiteral("WARN: %1 '%2' uses an invalid indicator for a stack.\n")
        .arg(QLatin1StringView(kind), name);
}

bool UsesBadCondition(const DrawableCommon& common) {
    return common.conditionset && !IsStackIndicator(common.condition);
}

// What a stack of notes cannot show for one element; groups and layouts have nothing to test.
QString StackElementRules(const SkinElement& element) {
    QString report;
    const DrawableCommon* common = element.Common();
    if (!common)
        return report;
    const QString& name = common->name;
    switch (element.Kind()) {
    case ElementKind::Button:
        if (UsesBadCondition(*common))
            report += InvalidIndicator("Button", name);
        if (!IsStackAction(element.As<ButtonRecord>()->action))
            report += QStringLiteral("WARN: Button '%1' uses an invalid action for a stack.\n").arg(name);
        break;
    case ElementKind::HStrip:
        if (UsesBadCondition(*common))
            report += InvalidIndicator("HStrip", name);
        break;
    case ElementKind::VStrip:
        if (UsesBadCondition(*common))
            report += InvalidIndicator("VStrip", name);
        break;
    case ElementKind::Text: {
        if (UsesBadCondition(*common))
            report += InvalidIndicator("Text", name);
        const QString& text = element.As<TextRecord>()->text;
        for (const char* placeholder : kSingleNotePlaceholders) {
            const QLatin1StringView p(placeholder);
            if (text.contains(p, Qt::CaseSensitive))
                report +=
                    QStringLiteral("WARN: Text '%1' uses %2 which is invalid for a stack.\n").arg(name, p);
        }
        break;
    }
    case ElementKind::Indicator:
        // Both tests run, so an indicator failing both is named twice.
        if (UsesBadCondition(*common))
            report += InvalidIndicator("Indicator", name);
        if (!IsStackIndicator(element.As<IndicatorRecord>()->type))
            report += InvalidIndicator("Indicator", name);
        break;
    case ElementKind::TileArea:
        if (UsesBadCondition(*common))
            report += InvalidIndicator("Tile area", name);
        break;
    default:
        break;
    }
    return report;
}

} // namespace

bool IsStackIndicator(int code) {
    return std::find(kStackIndicators.begin(), kStackIndicators.end(), code) != kStackIndicators.end();
}

bool IsStackAction(int code) {
    return std::find(kStackActions.begin(), kStackActions.end(), code) != kStackActions.end();
}

QString SkinCheck(const SkinDocument& document, const NoteState& state, bool stackMode) {
    QString report = SkinRules(document, document.ActiveLayout(state), stackMode);
    if (stackMode) {
        for (const SkinElement& element : document.elements)
            report += StackElementRules(element);
    }
    return report;
}
