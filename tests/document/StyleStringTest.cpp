#include "document/StyleString.h"

#include <gtest/gtest.h>

TEST(StyleString, ReadsAndReplacesTheNoteColour) {
    const QString style = "-13|0|0|0|400|0|0|0|0|3|2|1|34|Arial|1|2|3|200|210|220";
    EXPECT_EQ(StyleNoteColour(style), MakeColour(200, 210, 220));
    EXPECT_EQ(StyleWithNoteColour(style, MakeColour(9, 8, 7)),
              "-13|0|0|0|400|0|0|0|0|3|2|1|34|Arial|1|2|3|9|8|7");
    // Fields that are missing read as 0.
    EXPECT_EQ(StyleNoteColour("1|2"), MakeColour(0, 0, 0));
    EXPECT_EQ(StyleWithNoteColour("", MakeColour(255, 255, 180)),
              "0|0|0|0|0|0|0|0|0|0|0|0|0||0|0|0|255|255|180");
}

TEST(StyleString, DecodesEveryFieldAndEncodesThemBack) {
    const QString style = "-16|1|2|3|700|1|1|1|1|3|2|1|34|Deja Vu|10|20|30|40|50|60";
    const StyleFields fields = DecodeStyle(style);
    EXPECT_EQ(fields.font[0], -16);
    EXPECT_EQ(fields.font[4], 700);
    EXPECT_EQ(fields.font[12], 34);
    EXPECT_EQ(fields.faceName, "Deja Vu");
    EXPECT_EQ(fields.fontColour, MakeColour(10, 20, 30));
    EXPECT_EQ(fields.noteColour, MakeColour(40, 50, 60));
    EXPECT_EQ(EncodeStyle(fields), style);
}

TEST(StyleString, ButtonText) {
    const struct {
        const char* style;
        const char* text;
    } cases[] = {
        {"", "None set"},
        {"-16|0|0|0|400|0|0|0|0|0|0|0|0||0|0|0|1|2|3", "No font set"},
        {"-16|0|0|0|400|0|0|0|0|0|0|0|0|Arial|0|0|0|1|2|3", "Arial, 12pt"},
        {"-13|0|0|0|400|0|0|0|0|0|0|0|0|Arial", "Arial, 10pt"}, // 9.75 rounds up
        {"-14|0|0|0|400|0|0|0|0|0|0|0|0|Arial", "Arial, 11pt"}, // 10.5 rounds away from zero
        {"20|0|0|0|400|0|0|0|0|0|0|0|0|Arial", "Arial, -15pt"},
        {"x|y", "No font set"},
        {"abc|0|0|0|0|0|0|0|0|0|0|0|0|Mono", "Mono, 0pt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StyleButtonText(c.style), c.text) << c.style;
}

TEST(StyleString, ShortAndOddStringsDecodeWithZerosAndAnEmptyFace) {
    const struct {
        const char* style;
        const char* encoded;
    } cases[] = {
        {"", "0|0|0|0|0|0|0|0|0|0|0|0|0||0|0|0|0|0|0"},
        {"-16", "-16|0|0|0|0|0|0|0|0|0|0|0|0||0|0|0|0|0|0"},
        {"-16|0|0|0|700|0|0|0|0|0|0|0|0|Arial", "-16|0|0|0|700|0|0|0|0|0|0|0|0|Arial|0|0|0|0|0|0"},
        {"-16|0|0|0|400|0|0|0|0|0|0|0|0|Arial|255|0", "-16|0|0|0|400|0|0|0|0|0|0|0|0|Arial|255|0|0|0|0|0"},
        {"a|b|c|d|e|f|g|h|i|j|k|l|m|n|o|p|q|r|s|t", "0|0|0|0|0|0|0|0|0|0|0|0|0|n|0|0|0|0|0|0"},
        // Fields past the twentieth are dropped.
        {"1|2|3|4|5|6|7|8|9|10|11|12|13|F|1|2|3|4|5|6|99", "1|2|3|4|5|6|7|8|9|10|11|12|13|F|1|2|3|4|5|6"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeStyle(DecodeStyle(c.style)), c.encoded) << c.style;
    EXPECT_EQ(StyleButtonText("-16|0|0|0|400|0|0|0|0|0|0|0|0|"), "No font set");
    EXPECT_EQ(StyleButtonText("-16"), "No font set");
}

TEST(StyleString, AChosenFontBecomesTheThirteenNumbersAndKeepsTheColours) {
    StyleFields fields = DecodeStyle("-13|1|2|3|400|0|1|1|0|3|2|1|34|Old|10|20|30|40|50|60");
    const struct {
        StyleFont font;
        const char* style;
    } cases[] = {
        {{"DejaVu Sans", 12, 700, true, false, false},
         "-16|0|0|0|700|1|0|0|1|0|0|0|0|DejaVu Sans|10|20|30|40|50|60"},
        {{"Mono", 10.5, 400, false, true, true}, "-14|0|0|0|400|0|1|1|1|0|0|0|0|Mono|10|20|30|40|50|60"},
        {{"Mono", 11, 300, false, false, false}, "-15|0|0|0|300|0|0|0|1|0|0|0|0|Mono|10|20|30|40|50|60"},
        {{"Mono", 8, 900, false, false, false}, "-11|0|0|0|900|0|0|0|1|0|0|0|0|Mono|10|20|30|40|50|60"},
    };
    for (const auto& c : cases) {
        const QString style = EncodeStyle(WithStyleFont(fields, c.font));
        EXPECT_EQ(style, c.style) << c.font.family.toStdString();
        // Back to the chooser's terms: the height read as points, the rest as it was chosen.
        const StyleFont back = StyleFontOf(DecodeStyle(style));
        EXPECT_EQ(back.family, c.font.family);
        EXPECT_EQ(back.weight, c.font.weight);
        EXPECT_EQ(back.italic, c.font.italic);
        EXPECT_EQ(back.pointSize, StylePointSize(DecodeStyle(style).font[0]));
    }
    EXPECT_EQ(StyleButtonText(EncodeStyle(WithStyleFont(fields, cases[0].font))), "DejaVu Sans, 12pt");

    // A weight of 0 means any weight: shown as normal; odd weights are held to the usual scale.
    EXPECT_EQ(StyleFontOf(DecodeStyle("-16|0|0|0|0|0|0|0|0|0|0|0|0|A")).weight, 400);
    EXPECT_EQ(StyleFontOf(DecodeStyle("-16|0|0|0|5000|0|0|0|0|0|0|0|0|A")).weight, 900);
    EXPECT_EQ(StyleFontOf(DecodeStyle("-16|0|0|0|0|0|0|0|0|0|0|0|0|A")).pointSize, 12);
}
