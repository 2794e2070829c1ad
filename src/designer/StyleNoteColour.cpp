#include "designer/StyleNoteColour.h"

#include "document/LeadingNumber.h"

#include <QStringList>

namespace {

constexpr int kFontNumbers = 13;
constexpr int kFaceField = 13;
constexpr int kFontColourField = 14;
constexpr int kNoteColourField = 17;

int NumberField(const QStringList& fields, int index) {
    return index < fields.size() ? LeadingNumber(fields[index]) : 0;
}

Colour ColourFields(const QStringList& fields, int first) {
    return MakeColour(NumberField(fields, first), NumberField(fields, first + 1),
                      NumberField(fields, first + 2));
}

QString ColourText(Colour colour) {
    return QStringLiteral("%1|%2|%3").arg(RedOf(colour)).arg(GreenOf(colour)).arg(BlueOf(colour));
}

} // namespace

Colour StyleNoteColour(const QString& style) {
    return ColourFields(style.split(QLatin1Char('|')), kNoteColourField);
}

QString StyleWithNoteColour(const QString& style, Colour noteColour) {
    const QStringList fields = style.split(QLatin1Char('|'));
    QStringList parts;
    for (int i = 0; i < kFontNumbers; ++i)
        parts << QString::number(NumberField(fields, i));
    parts << (kFaceField < fields.size() ? fields[kFaceField] : QString());
    return parts.join(QLatin1Char('|')) + QLatin1Char('|') +
           ColourText(ColourFields(fields, kFontColourField)) + QLatin1Char('|') + ColourText(noteColour);
}
