#include "document/StyleString.h"

#include "document/LeadingNumber.h"
#include "picture/MulDiv.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kFaceField = 13;
constexpr int kFontColourField = 14;
constexpr int kNoteColourField = 17;

// Positions of the logical font's numbers.
enum FontNumber { kHeight = 0, kWeight = 4, kItalic = 5, kUnderline = 6, kStrikeOut = 7, kCharSet = 8 };
constexpr int kDefaultCharSet = 1;
constexpr int kNormalWeight = 400;
constexpr double kPixelsPerPoint = 96.0 / 72.0;

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

StyleFields WithStyleFont(StyleFields fields, const StyleFont& font) {
    fields.font.fill(0);
    const double pixels = std::clamp(font.pointSize * kPixelsPerPoint, -1e9, 1e9);
    fields.font[kHeight] = -static_cast<int>(std::lround(pixels));
    fields.font[kWeight] = std::clamp(font.weight, 0, 1000);
    fields.font[kItalic] = font.italic ? 1 : 0;
    fields.font[kUnderline] = font.underline ? 1 : 0;
    fields.font[kStrikeOut] = font.strikeOut ? 1 : 0;
    fields.font[kCharSet] = kDefaultCharSet;
    fields.faceName = font.family;
    return fields;
}

StyleFont StyleFontOf(const StyleFields& fields) {
    StyleFont font;
    font.family = fields.faceName;
    font.pointSize = StylePointSize(fields.font[kHeight]);
    const int weight = fields.font[kWeight];
    font.weight = weight == 0 ? kNormalWeight : std::clamp(weight, 100, 900);
    font.italic = fields.font[kItalic] != 0;
    font.underline = fields.font[kUnderline] != 0;
    font.strikeOut = fields.font[kStrikeOut] != 0;
    return font;
}
