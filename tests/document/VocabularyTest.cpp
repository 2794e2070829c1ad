#include "document/ActionCodes.h"
#include "document/ElementKind.h"
#include "document/IndicatorCodes.h"

#include <gtest/gtest.h>

TEST(ActionCodes, EveryKeywordRoundTripsThroughItsCode) {
    int keywords = 0;
    for (int code = 0; code < kActionCodeCount; ++code) {
        const QString keyword = ActionKeyword(code);
        if (keyword.isEmpty())
            continue;
        ++keywords;
        EXPECT_EQ(ActionCodeOfKeyword(keyword), code) << keyword.toStdString();
        EXPECT_EQ(ActionCodeOfKeyword(keyword.toUpper()), code) << keyword.toStdString();
    }
    EXPECT_EQ(keywords, 185); // 190 codes less "none" and the four unused codes
}

TEST(ActionCodes, UnusedCodesHaveNeitherKeywordNorName) {
    for (int code : {7, 8, 17, 169}) {
        EXPECT_TRUE(ActionKeyword(code).isEmpty()) << code;
        EXPECT_TRUE(ActionDisplayName(code).isEmpty()) << code;
    }
    EXPECT_EQ(ActionKeyword(29), "importfromppc");
    EXPECT_TRUE(ActionDisplayName(29).isEmpty());
    EXPECT_TRUE(ActionKeyword(0).isEmpty());
    EXPECT_EQ(ActionDisplayName(0), "None");
}

TEST(ActionCodes, FallbacksOutsideTheTable) {
    EXPECT_EQ(ActionCodeOfKeyword(u"closeall"), 0);
    EXPECT_EQ(ActionCodeOfKeyword(u""), 0);
    EXPECT_EQ(ActionCodeOfKeyword(u" close"), 0);
    EXPECT_TRUE(ActionKeyword(-1).isEmpty());
    EXPECT_TRUE(ActionKeyword(190).isEmpty());
    EXPECT_TRUE(ActionDisplayName(190).isEmpty());
    EXPECT_TRUE(ActionDisplayName(-1).isEmpty());
}

TEST(ActionCodes, SampleRows) {
    struct Row {
        int code;
        const char* keyword;
        const char* name;
    };
    const Row rows[] = {
        {1, "close", "Close"},
        {2, "ontop", "Toggle on-top"},
        {26, "properties", "Sticky properties"},
        {30, "rescue", "Rescue pinlets"},
        {84, "applystyle0", "Apply style 0 (default)"},
        {106, "opentextcontext", "Open text/image context menu"},
        {132, "hiliteyellow", "Highlight 01"},
        {138, "transparent90pc", "Transparent: 10% opaque"},
        {150, "stang", "Toggle stang mode"},
        {168, "hyperlink", "Insert Hyperlink"},
        {170, "scrollbars", "Scrollbars"},
        {178, "pennumber", "Pen: number in circle"},
        {189, "tab240", "Tab stop 240"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ActionKeyword(r.code), QString::fromUtf8(r.keyword)) << r.code;
        EXPECT_EQ(ActionDisplayName(r.code), QString::fromUtf8(r.name)) << r.code;
        EXPECT_EQ(ActionCodeOfKeyword(QString::fromUtf8(r.keyword)), r.code);
    }
    EXPECT_EQ(ActionCodeOfKeyword(u"Close"), 1);
}

TEST(IndicatorCodes, KeywordsRoundTripAndFallBack) {
    for (int code = 1; code <= 20; ++code) {
        const QString keyword = IndicatorKeyword(code);
        EXPECT_NE(keyword, "null");
        EXPECT_EQ(IndicatorCodeOfKeyword(keyword), code);
        EXPECT_EQ(IndicatorCodeOfKeyword(keyword.toUpper()), code);
        EXPECT_FALSE(IndicatorDialogText(code).isEmpty());
    }
    for (int code : {0, -1, 21, 1000})
        EXPECT_EQ(IndicatorKeyword(code), "null") << code;
    EXPECT_EQ(IndicatorCodeOfKeyword(u"ONTOP"), 1);
    EXPECT_EQ(IndicatorCodeOfKeyword(u"none"), -1);
    EXPECT_EQ(IndicatorCodeOfKeyword(u"null"), -1);
    EXPECT_EQ(IndicatorCodeOfKeyword(u""), -1);
    EXPECT_TRUE(IndicatorDialogText(0).isEmpty());
}

TEST(IndicatorCodes, SampleRows) {
    EXPECT_EQ(IndicatorKeyword(9), "fixedsize");
    EXPECT_EQ(IndicatorDialogText(9), "Sticky has fixed size");
    EXPECT_EQ(IndicatorKeyword(15), "stang");
    EXPECT_EQ(IndicatorKeyword(18), "lightbgcol");
    EXPECT_EQ(IndicatorDialogText(18), "BG colour is light");
    EXPECT_EQ(IndicatorDialogText(2), "Email send ok");
    EXPECT_EQ(IndicatorDialogText(17), "In Stack");
    EXPECT_EQ(IndicatorKeyword(20), "sync");
}

TEST(ElementKind, DefaultNames) {
    const std::pair<ElementKind, const char*> rows[] = {
        {ElementKind::Button, "Button"},       {ElementKind::HStrip, "H Strip"},
        {ElementKind::VStrip, "V Strip"},      {ElementKind::Text, "Text"},
        {ElementKind::Indicator, "Indicator"}, {ElementKind::TileArea, "Tile Area"},
        {ElementKind::Group, "Group"},         {ElementKind::Layout, "Layout"},
    };
    for (const auto& [kind, name] : rows)
        EXPECT_EQ(DefaultElementName(kind), QString::fromUtf8(name));
    EXPECT_TRUE(DefaultElementName(ElementKind::Blank).isEmpty());
}
