#include "SkinEntries.h"
#include "designer/DrapierApp.h"
#include "designer/ElementTreeLayout.h"
#include "designer/ExportChecks.h"
#include "designer/Pictures.h"
#include "designer/PreviewView.h"
#include "designer/SkinPaths.h"
#include "designer/WindowTitle.h"
#include "document/FocusUse.h"
#include "document/SkinDocument.h"
#include "widgets/DialogPrompter.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowTitle, FollowsPathAndDirtyFlag) {
    const QString program = " - Pinlets Skin Designer v4.31";
    EXPECT_EQ(WindowTitle("", false), "(untitled)" + program);
    EXPECT_EQ(WindowTitle("", true), "* (untitled)" + program);
    EXPECT_EQ(WindowTitle("/home/me/skins/blue.ini", false), "blue.ini" + program);
    EXPECT_EQ(WindowTitle("/home/me/skins/blue.ini", true), "* blue.ini" + program);
    EXPECT_EQ(WindowTitle("/home/me/skins/pack.qsk", false), "pack.qsk" + program);
}

TEST(SkinPaths, ExtensionIsAppendedUnlessPresentInAnyCase) {
    const struct {
        QString in, extension, out;
    } cases[] = {
        {"/s/blue", ".ini", "/s/blue.ini"},         {"/s/blue.ini", ".ini", "/s/blue.ini"},
        {"/s/BLUE.INI", ".ini", "/s/BLUE.INI"},     {"/s/blue.Ini", ".ini", "/s/blue.Ini"},
        {"/s/blue.txt", ".ini", "/s/blue.txt.ini"}, {"/s/blue.ini.bak", ".ini", "/s/blue.ini.bak.ini"},
        {"/s/blue", ".qsk", "/s/blue.qsk"},         {"/s/blue.QSK", ".qsk", "/s/blue.QSK"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(WithExtension(test.in, test.extension), test.out) << test.in.toStdString();
}

TEST(SkinPaths, PackageNameAndDrops) {
    EXPECT_EQ(ProposedPackageName("/some/folder/blue.ini"), "blue");
    EXPECT_EQ(ProposedPackageName("/some/folder/ab"), "");

    const struct {
        QString path;
        bool droppable;
    } drops[] = {{"/a/b.ini", true}, {"/a/b.INI", true},  {"/a/b.qsk", true},
                 {"/a/b.Qsk", true}, {"/a/b.png", false}, {"/a/ini", false}};
    for (const auto& test : drops)
        EXPECT_EQ(IsDroppableSkin(test.path), test.droppable) << test.path.toStdString();
}

TEST(ExportChecks, RefusalsComeInTheirOrder) {
    EXPECT_EQ(ExportRefusal("", ""), "Can't export - current skin is not yet saved");
    EXPECT_EQ(ExportRefusal("", "/s/a.png"), "Can't export - current skin is not yet saved");
    EXPECT_EQ(ExportRefusal("/s/a.qsk", "/s/a.png"), "Can't export - current skin is not yet saved");
    EXPECT_EQ(ExportRefusal("/s/a.ini", ""), "Can't export - no PNG loaded");
    EXPECT_EQ(ExportRefusal("/s/a.ini", "/s/a.png"), "");
}

TEST(ElementTreeLayout, MembersGoUnderTheLastGroupOfTheirName) {
    SkinDocument document;
    document.Append(Entry(ElementKind::HStrip, "member", "Hover")); // 0
    document.Append(Entry(ElementKind::Group, "hover"));            // 1
    document.Append(Entry(ElementKind::Button, "plain"));           // 2
    document.Append(Entry(ElementKind::Group, "HOVER"));            // 3
    document.Append(Entry(ElementKind::Text, "stray", "nobody"));   // 4
    document.Append(Entry(ElementKind::Layout, "layout"));          // 5
    const std::vector<TreePlace> expected = {{1, -1}, {2, -1}, {3, -1}, {5, -1}, {0, 3}, {4, -1}};
    EXPECT_EQ(PlaceElementsInTree(document), expected);
}

TEST(ElementTreeLayout, PicturesByKind) {
    SkinElement button = SkinElement::Make(ElementKind::Button);
    EXPECT_EQ(TreePictureOf(button), Picture::PlainBitmap);
    button.As<ButtonRecord>()->action = 3;
    EXPECT_EQ(TreePictureOf(button), Picture::ActionButton);
    EXPECT_EQ(TreePictureOf(SkinElement::Make(ElementKind::Group)), Picture::Group);
    EXPECT_EQ(TreePictureOf(SkinElement::Make(ElementKind::Layout)), Picture::Layout);
    EXPECT_EQ(TreePictureOf(SkinElement::Make(ElementKind::TileArea)), Picture::TileArea);
    EXPECT_EQ(TreePictureOf(SkinElement::Make(ElementKind::Blank)), -1);
    EXPECT_EQ(PictureStrip().size(), Picture::Count);
}

TEST(FocusUse, FocusFlagOrFocusRule) {
    SkinDocument document;
    document.Append(Entry(ElementKind::HStrip, "strip"));
    EXPECT_FALSE(SkinUsesFocus(document));

    SkinElement group = Entry(ElementKind::Group, "g");
    group.As<GroupRecord>()->rules.push_back({"On top", "is", "1"});
    document.Append(group);
    EXPECT_FALSE(SkinUsesFocus(document));

    group.As<GroupRecord>()->rules.push_back({"has FOCUS", "is", "1"});
    document.Append(group);
    EXPECT_TRUE(SkinUsesFocus(document));

    SkinDocument flagged;
    SkinElement text = Entry(ElementKind::Text, "t");
    text.Common()->drawfocus = true;
    flagged.Append(text);
    EXPECT_TRUE(SkinUsesFocus(flagged));
}

TEST(DesignerShell, CommandLineIsOnePathAndFiltersConvert) {
    EXPECT_EQ(CommandLineSkinPath({}), "");
    EXPECT_EQ(CommandLineSkinPath({"/home/me/My", "Skins/blue.ini"}), "/home/me/My Skins/blue.ini");
    EXPECT_EQ(QtFileFilter("ini files (*.ini)|*.ini|All files (*.*)|*.*||"),
              "ini files (*.ini);;All files (*)");
    EXPECT_EQ(PreviewBufferSize(QSize(300, 201)), QSize(300, 202));
    EXPECT_EQ(PreviewBufferSize(QSize(300, 200)), QSize(300, 200));
}

} // namespace
