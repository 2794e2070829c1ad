#include "document/StyleString.h"

#include "document/LeadingNumber.h"
#include "picture/MulDiv.h"

#include <QStringList>

namespace {

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

StyleFields DecodeStyle(const QString& style) {
    const QStringList fields = style.split(QLatin1Char('|'));
    StyleFields result;
    for (int i = 0; i < int(result.font.size()); ++i)
        result.font[i] = NumberField(fields, i);
    if (kFaceField < fields.size())
        result.faceName = fields[kFaceField];
    result.fontColour = ColourFields(fields, kFontColourField);
    result.noteColour = ColourFields(fields, kNoteColourField);
    return result;
}

QString EncodeStyle(const StyleFields& fields) {
    QStringList parts;
    for (const int number : fields.font)
        parts << QString::number(number);
    parts << fields.faceName << ColourText(fields.fontColour) << ColourText(fields.noteColour);
    return parts.join(QLatin1Char('|'));
}

int StylePointSize(int height) {
    return MulDiv(height, -72, 96);
}

QString StyleButtonText(const QString& style) {
    if (style.isEmpty())
        return QStringLiteral("None set");
    const StyleFields fields = DecodeStyle(style);
    if (fields.faceName.isEmpty())
        return QStringLiteral("No font set");
    return QStringLiteral("%1, %2pt").arg(fields.faceName).arg(StylePointSize(fields.font[0]));
}

Colour StyleNoteColour(const QString& style) {
    return DecodeStyle(style).noteColour;
}

QString StyleWithNoteColour(const QString& style, Colour noteColour) {
    StyleFields fields = DecodeStyle(style);
    fields.noteColour = noteColour;
    return EncodeStyle(fields);
}
