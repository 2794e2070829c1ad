#include "catalogue/CatalogueLine.h"

#include "catalogue/ActionLabel.h"
#include "catalogue/DocumentationLink.h"
#include "document/FocusUse.h"
#include "document/SkinDocument.h"

#include <QDateTime>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace {

constexpr int kLastListedIndicator = 16;

// The indicator code an element shows in the catalogue: an indicator's type, any other drawable kind's
// condition, switched on or not.
int IndicatorCodeOf(const SkinElement& entry) {
    if (const IndicatorRecord* indicator = entry.As<IndicatorRecord>())
        return indicator->type;
    const DrawableCommon* common = entry.Common();
    return common ? common->condition : -1;
}

bool AnyTextContains(const SkinDocument& document, const QString& placeholder) {
    for (const SkinElement& entry : document.elements) {
        const TextRecord* text = entry.As<TextRecord>();
        if (text && text->text.contains(placeholder))
            return true;
    }
    return false;
}

QString Flag(bool set) {
    return set ? QStringLiteral("1,") : QStringLiteral("0,");
}

} // namespace

bool AnyElementDrawnRolled(const SkinDocument& document) {
    for (const SkinElement& entry : document.elements) {
        const DrawableCommon* common = entry.Common();
        if (common && common->drawrolled)
            return true;
    }
    return false;
}

PackageFileStamp StampOfFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    const QDateTime modified = info.lastModified();
    return {modified.isValid() ? modified.toSecsSinceEpoch() : -1, info.size()};
}

QString CatalogueField(const QString& text, bool withReferences) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // The catalogue is read field by field and line by line: a skin's texts (a CR inside a value
        // survives the skin file's reading) or a package's file name must not start another of either.
        if (c == u',' || c == u'\r' || c == u'\n')
            continue;
        if (!withReferences || c.unicode() < 128) {
            out += c;
            continue;
        }
        // A character beyond the basic plane is one reference, not one per half of its pair.
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, text[++i]);
        out += QStringLiteral("&#%1;").arg(static_cast<uint>(code));
    }
    return out;
}

QString CatalogueLine(const SkinDocument& document, const QString& packageName,
                      const PackageFileStamp& stamp) {
    const SkinSettings& settings = document.settings;
    QString line = CatalogueField(packageName.chopped(std::min<qsizetype>(4, packageName.size())), false);
    line += u',' + CatalogueField(settings.skinname, true);
    line += u',' + CatalogueField(settings.authorname, true);
    line += u',' + CatalogueField(settings.authorurl, false);
    line += QStringLiteral(",%1,%2,").arg(stamp.modified).arg(stamp.size);

    for (const SkinElement& entry : document.elements) {
        if (const ButtonRecord* button = entry.As<ButtonRecord>()) {
            const QString label = ActionLabel(button->action);
            if (!label.isEmpty())
                line += label + u';';
        }
    }
    line += u',';
    for (const SkinElement& entry : document.elements) {
        if (!entry.IsDrawable())
            continue;
        const int code = IndicatorCodeOf(entry);
        if (code >= 1 && code <= kLastListedIndicator)
            line += QStringLiteral("I%1;").arg(code, 2, 10, QLatin1Char('0'));
    }
    line += u',';

    line += Flag(settings.region != kNoColour);
    line += Flag(AnyElementDrawnRolled(document));
    line += Flag(SkinUsesFocus(document));
    line += Flag(AnyTextContains(document, QStringLiteral("%CREATION%")));
    line += Flag(AnyTextContains(document, QStringLiteral("%SOURCE%")));
    line += Flag(AnyTextContains(document, QStringLiteral("%TITLE%")));
    line += Flag(AnyTextContains(document, QStringLiteral("%ALARM%")));
    line += Flag(document.UsesOwnScrollBar());
    line += Flag(!settings.stackfilename.isEmpty());
    line += u'\n';
    return CorrectDocumentationLinks(line);
}
