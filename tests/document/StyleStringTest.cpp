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
