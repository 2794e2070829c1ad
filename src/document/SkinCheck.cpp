#include "document/SkinCheck.h"

#include "document/NoteState.h"
#include "document/SkinDocument.h"
#include "document/StackSkinRules.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace {

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

QString InvalidIndicator(ElementKind kind, const QString& name) {
    return QStringLiteral("WARN: %1 '%2' uses an invalid indicator for a stack.\n")
        .arg(CheckKindLabel(kind), name);
}

// What a stack of notes cannot show for one element: first, for every drawable kind, a condition on a
// state a stack lacks; then the action of a button, the placeholders of a text and the state an
// indicator shows. Groups and layouts have nothing to test.
QString StackElementRules(const SkinElement& element) {
    QString report;
    const DrawableCommon* common = element.Common();
    if (!common)
        return report;
    const QString& name = common->name;
    if (common->conditionset && !StackAllowsState(common->condition))
        report += InvalidIndicator(element.Kind(), name);
    if (const ButtonRecord* b = element.As<ButtonRecord>(); b && !StackAllowsAction(b->action))
        report += QStringLiteral("WARN: Button '%1' uses an invalid action for a stack.\n").arg(name);
    if (const TextRecord* t = element.As<TextRecord>()) {
        for (const char* placeholder : kSingleNotePlaceholders) {
            const QLatin1StringView p(placeholder);
            if (t->text.contains(p, Qt::CaseSensitive))
                report +=
                    QStringLiteral("WARN: Text '%1' uses %2 which is invalid for a stack.\n").arg(name, p);
        }
    }
    // Tested after the condition, so an indicator failing both is named twice.
    if (const IndicatorRecord* i = element.As<IndicatorRecord>(); i && !StackAllowsState(i->type))
        report += InvalidIndicator(ElementKind::Indicator, name);
    return report;
}

} // namespace

bool CheckReportHasErrors(const QString& report) {
    const QStringList lines = report.split(u'\n');
    return std::any_of(lines.begin(), lines.end(),
                       [](const QString& line) { return line.startsWith(QStringLiteral("ERROR:")); });
}

QString CheckKindLabel(ElementKind kind) {
    switch (kind) {
    case ElementKind::Button:
        return QStringLiteral("Button");
    case ElementKind::HStrip:
        return QStringLiteral("HStrip");
    case ElementKind::VStrip:
        return QStringLiteral("VStrip");
    case ElementKind::Text:
        return QStringLiteral("Text");
    case ElementKind::Indicator:
        return QStringLiteral("Indicator");
    case ElementKind::TileArea:
        return QStringLiteral("Tile area");
    case ElementKind::Group:
        return QStringLiteral("Group");
    case ElementKind::Layout:
        return QStringLiteral("Layout");
    case ElementKind::Blank:
        break;
    }
    return QStringLiteral("Element");
}

QString SkinCheck(const SkinDocument& document, const NoteState& state, bool stackMode) {
    QString report = SkinRules(document, document.ActiveLayout(state), stackMode);
    if (stackMode) {
        for (const SkinElement& element : document.elements)
            report += StackElementRules(element);
    }
    return report;
}
