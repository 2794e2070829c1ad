#include "package/PackagePicking.h"
#include "package/FilePaths.h"

#include <gtest/gtest.h>

TEST(PackagePicking, FollowsTheEntryRules) {
    // The entries in the package's order; then the inner name asked for and the skin, PNG and bitmap picked.
    const struct {
        const char* what;
        const char* names;
        QString inner, skin, png, bmp;
        bool isSkin;
    } cases[] = {
        {"usual package", "blue.ini blue.png stack.ini", "", "blue.ini", "blue.png", "", true},
        {"stack skin listed first", "stack.ini blue.ini blue.png", "", "blue.ini", "blue.png", "", true},
        {"stack skin alone is no skin", "stack.ini blue.png", "", "", "blue.png", "", false},
        {"STACK.INI in capitals too", "STACK.INI blue.png", "", "", "blue.png", "", false},
        {"inner name picks the stack skin", "blue.ini blue.png stack.ini", "stack.ini", "stack.ini",
         "blue.png", "", true},
        {"upper-case endings", "BLUE.INI BLUE.PNG", "", "BLUE.INI", "BLUE.PNG", "", true},
        {"first of each kind", "a.ini b.ini a.bmp b.png c.png b.bmp", "", "a.ini", "b.png", "a.bmp", true},
        {"bitmap only", "old.ini old.bmp", "", "old.ini", "", "old.bmp", true},
        {"no picture", "old.ini readme.txt", "", "old.ini", "", "", false},
        {"no skin file", "blue.png blue.bmp", "", "", "blue.png", "blue.bmp", false},
        {"inner name replaces even when absent", "blue.ini blue.png", "other.ini", "other.ini", "blue.png",
         "", true},
        {"ending must be the last four characters", "blue.ini.txt blue.png~", "", "", "", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const PackagePick pick = PickPackageEntries(QString(c.names).split(' '), c.inner);
        EXPECT_EQ(pick.skin, c.skin);
        EXPECT_EQ(pick.png, c.png);
        EXPECT_EQ(pick.bmp, c.bmp);
        EXPECT_EQ(pick.IsSkin(), c.isSkin);
    }
}

TEST(FilePaths, StoredNamesAndLocalPaths) {
    EXPECT_EQ(SiblingPath("/skins/blue/blue.ini", "blue.png"), "/skins/blue/blue.png");
    EXPECT_EQ(SiblingPath("/skins/blue/blue.ini", "pics\\blue.png"), "/skins/blue/pics/blue.png");
    EXPECT_EQ(SiblingPath("blue.ini", "blue.png"), "blue.png");
    EXPECT_EQ(StoredFileName("pics\\blue.png"), "blue.png");
    EXPECT_EQ(StoredFileName("a/b\\c.png"), "c.png");
    EXPECT_EQ(StoredFileName("c.png"), "c.png");
    // On this system "\\" is part of a file name.
    EXPECT_EQ(LocalFileName("/skins/a\\b.ini"), "a\\b.ini");
    EXPECT_EQ(LocalFolder("/skins/a\\b.ini"), "/skins/");
    EXPECT_EQ(LocalFileName("b.ini"), "b.ini");
    EXPECT_EQ(SiblingPath("/skins/a\\b.ini", "p.png"), "/skins/p.png");
}
