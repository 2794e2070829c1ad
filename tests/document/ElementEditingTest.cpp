#include "document/ElementEditing.h"
#include "document/ElementTree.h"
#include "document/SkinDocument.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

SkinElement Entry(ElementKind kind, const QString& name, const QString& group = {}) {
    SkinElement entry = SkinElement::Make(kind);
    entry.SetName(name);
    entry.group = group;
    return entry;
}

// b, h, v, t, i, a for a tile area, g, l: the kinds in their numbering order.
ElementKind KindOf(QChar letter) {
    return static_cast<ElementKind>(QStringLiteral("bhvtiagl").indexOf(letter) + 1);
}

// A document from "k:name" or "k:name@group" items, k being the kind's letter (b, h, v, t, i, a for a
// tile area, g, l).
SkinDocument Doc(const QStringList& items) {
    SkinDocument document;
    for (const QString& item : items) {
        const QString nameAndGroup = item.section(QLatin1Char(':'), 1);
        document.Append(Entry(KindOf(item[0]), nameAndGroup.section(QLatin1Char('@'), 0, 0),
                              nameAndGroup.section(QLatin1Char('@'), 1)));
    }
    return document;
}

// The document's list as "name" or "name@group".
QStringList Names(const SkinDocument& document) {
    QStringList names;
    for (const SkinElement& e : document.elements)
        names << (e.group.isEmpty() ? e.Name() : e.Name() + "@" + e.group);
    return names;
}

} // namespace

// Failures show the lists as text.
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << list.join(", ").toStdString();
}

TEST(ElementEditing, NewElementsGetUniqueNamesAndTheRollFlag) {
    SkinDocument document;
    for (int i = 0; i < 3; ++i)
        document.Append(NewElement(document, ElementKind::HStrip, false));
    EXPECT_EQ(Names(document), QStringList({"H Strip", "H Strip1", "H Strip2"}));
    // The number follows the default name, not the last name made: a gap is filled first.
    document.elements.erase(document.elements.begin() + 1);
    EXPECT_EQ(NewElement(document, ElementKind::HStrip, false).Name(), "H Strip1");
    // Names are told apart with case.
    document.Append(Entry(ElementKind::Button, "button"));
    EXPECT_EQ(NewElement(document, ElementKind::Button, false).Name(), "Button");

    const struct {
        ElementKind kind;
        bool rolled;
        bool drawrolled, drawunrolled;
    } flags[] = {{ElementKind::Text, true, true, false},
                 {ElementKind::Text, false, false, true},
                 {ElementKind::TileArea, true, true, false},
                 {ElementKind::Button, false, false, true}};
    for (const auto& test : flags) {
        const SkinElement e = NewElement(document, test.kind, test.rolled);
        EXPECT_EQ(e.Common()->drawrolled, test.drawrolled);
        EXPECT_EQ(e.Common()->drawunrolled, test.drawunrolled);
    }
    EXPECT_EQ(NewElement(document, ElementKind::Layout, true).Common(), nullptr);
    EXPECT_EQ(NewElement(document, ElementKind::Group, true).Name(), "Group");
}

TEST(ElementEditing, GroupNameAfterTheDialog) {
    const struct {
        QStringList doc;
        int group;
        QString typed, expected;
    } cases[] = {
        {{"g:"}, 0, "", "group1"},
        {{"g:", "h:GROUP1"}, 0, "", "group2"}, // any element's name counts, in any case
        {{"g:group1", "g:"}, 1, "", "group2"},
        {{"g:old"}, 0, "", "group1"},                        // the group's own name does not count
        {{"g:Main", "g:x"}, 1, "main", "main2"},             // another group of the name in other case
        {{"g:main", "g:main2", "g:x"}, 2, "main", "main22"}, // each group in list order, as the name stands
        {{"g:main2", "g:main", "g:x"}, 2, "main", "main22"}, // main2 comes before main: still unique
        {{"g:A2", "g:a22", "g:a", "g:x"}, 3, "a", "a222"},   // each "2" checked against every group
        {{"g:main", "h:main"}, 0, "main", "main"},           // only other groups count
        {{"g:side"}, 0, "Side", "Side"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(GroupNameAfterEdit(Doc(test.doc), test.group, test.typed), test.expected)
            << test.doc.join(",").toStdString() << " typed " << test.typed.toStdString();
}

TEST(ElementEditing, RenamingAGroupTakesItsMembersAsTheTreeShowsThem) {
    SkinDocument document = Doc({"g:Main", "h:a@Main", "b:b@MAIN", "t:c@other", "g:other"});
    EXPECT_TRUE(RenameGroup(document, 0, "Side"));
    EXPECT_EQ(Names(document), QStringList({"Side", "a@Side", "b@Side", "c@other", "other"}));
    // A change of case alone is a change; the members take the exact new name.
    EXPECT_TRUE(RenameGroup(document, 0, "side"));
    EXPECT_EQ(Names(document), QStringList({"side", "a@side", "b@side", "c@other", "other"}));
    EXPECT_FALSE(RenameGroup(document, 0, "side"));
    EXPECT_FALSE(RenameGroup(document, 1, "x")); // not a group
    // A group whose members stand under a later group of the same name has none to take along.
    SkinDocument twins = Doc({"g:dup", "g:DUP", "h:m@dup"});
    EXPECT_TRUE(RenameGroup(twins, 0, "first"));
    EXPECT_EQ(Names(twins), QStringList({"first", "DUP", "m@dup"}));
}

TEST(ElementEditing, CopyAppendsTheCopyAndAGroupsMembers) {
    SkinDocument document = Doc({"g:main", "h:top", "b:close@main", "i:lamp@Main", "t:other@elsewhere"});
    EXPECT_EQ(CopyEntry(document, 0), 5);
    EXPECT_EQ(Names(document), QStringList({"main", "top", "close@main", "lamp@Main", "other@elsewhere",
                                            "main (copy)", "close@main (copy)", "lamp@main (copy)"}));
    EXPECT_EQ(document.elements[5].Kind(), ElementKind::Group);

    SkinDocument strip = Doc({"h:top@g"});
    strip.elements[0].As<HStripRecord>()->width = 7;
    EXPECT_EQ(CopyEntry(strip, 0), 1);
    EXPECT_EQ(strip.elements[1], strip.elements[0]); // the same name and group, every field

    // A group standing under another is not copied along with it.
    SkinDocument nested = Doc({"g:outer", "g:inner@outer", "b:b@outer"});
    int skipped = -1;
    EXPECT_EQ(CopyEntry(nested, 0, &skipped), 3);
    EXPECT_EQ(skipped, 1);
    EXPECT_EQ(Names(nested),
              QStringList({"outer", "inner@outer", "b@outer", "outer (copy)", "b@outer (copy)"}));
    EXPECT_EQ(CopyEntry(nested, 9), -1);
}

TEST(ElementEditing, EveryCopyOfAGroupHasANameOfItsOwn) {
    SkinDocument document = Doc({"g:main", "b:close@main", "g:MAIN (COPY 3)"});
    for (int i = 0; i < 3; ++i)
        CopyEntry(document, 0);
    EXPECT_EQ(Names(document),
              QStringList({"main", "close@main", "MAIN (COPY 3)", "main (copy)", "close@main (copy)",
                           "main (copy 2)", "close@main (copy 2)", "main (copy 4)", "close@main (copy 4)"}));
    // A copy of a copy counts from its own name.
    EXPECT_EQ(CopiedGroupName(document, "main (copy)"), "main (copy) (copy)");
    // Elements that are not groups do not take a copy's name.
    EXPECT_EQ(CopiedGroupName(Doc({"g:x", "b:x (copy)"}), "x"), "x (copy)");
}

TEST(ElementEditing, DeleteTakesAGroupsMembersWithIt) {
    SkinDocument document = Doc({"h:top", "g:main", "b:a@main", "b:b@MAIN", "t:c@other", "v:d"});
    const std::vector<int> removed = DeleteEntry(document, 1);
    EXPECT_EQ(removed, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Names(document), QStringList({"top", "c@other", "d"}));
    EXPECT_EQ(IndexAfterRemoval(removed, 0), 0);
    EXPECT_EQ(IndexAfterRemoval(removed, 2), -1);
    EXPECT_EQ(IndexAfterRemoval(removed, 5), 2);

    EXPECT_EQ(DeleteEntry(document, 1), std::vector<int>{1});
    EXPECT_EQ(Names(document), QStringList({"top", "d"}));
    EXPECT_TRUE(DeleteEntry(document, 2).empty());
    EXPECT_TRUE(DeleteEntry(document, -1).empty());
}

TEST(ElementEditing, MovesStayAmongSiblingsAndRebuildTheOrderFromTheTree) {
    const QStringList start = {"h:top", "b:a@main", "g:main", "b:b@main", "v:side", "t:stray@nobody"};
    // The tree: top, main (a, b), side, stray.
    const struct {
        int entry;
        MoveDirection direction;
        int moved;
        QStringList expected;
    } cases[] = {
        {0, MoveDirection::Up, -1, start},   // first under "Elements"
        {1, MoveDirection::Up, -1, start},   // first in its group
        {3, MoveDirection::Down, -1, start}, // last in its group
        {5, MoveDirection::Down, -1, start}, // last under "Elements"
        {3, MoveDirection::Up, 2, {"top", "main", "b@main", "a@main", "side", "stray@nobody"}},
        {2, MoveDirection::Up, 0, {"main", "a@main", "b@main", "top", "side", "stray@nobody"}},
        {0, MoveDirection::Down, 3, {"main", "a@main", "b@main", "top", "side", "stray@nobody"}},
        {4, MoveDirection::Down, 5, {"top", "main", "a@main", "b@main", "stray@nobody", "side"}},
    };
    for (const auto& test : cases) {
        SkinDocument document = Doc(start);
        const QStringList before = Names(document);
        EXPECT_EQ(MoveEntry(document, test.entry, test.direction), test.moved) << test.entry;
        if (test.moved < 0)
            EXPECT_EQ(Names(document), before) << "nothing moves, not even into tree order";
        else
            EXPECT_EQ(Names(document), test.expected) << test.entry;
    }
}

TEST(ElementEditing, OrderFromATreeShapeLosesNothing) {
    SkinDocument document = Doc({"h:a", "h:b", "g:g", "h:c@g"});
    ElementTreeShape shape = TreeShapeOf(document);
    EXPECT_EQ(DepthFirstOrder(shape), (std::vector<int>{0, 1, 2, 3}));
    std::swap(shape.top[0], shape.top[2]);
    shape.children[2].clear(); // a shape that misses an entry keeps it at the end
    ReorderFromTree(document, shape);
    EXPECT_EQ(Names(document), QStringList({"g", "b", "a", "c@g"}));
}

TEST(ElementEditing, GroupMenuAndGroupSetting) {
    SkinDocument none = Doc({"h:strip", "l:layout"});
    EXPECT_FALSE(OffersGroupMenu(none, 0)); // no group in the skin

    SkinDocument document = Doc({"b:b", "h:h", "v:v", "t:t", "i:i", "a:a", "g:g", "l:l"});
    SkinElement blank = SkinElement::Make(ElementKind::Blank);
    document.Append(blank);
    const bool offered[] = {true, true, true, true, true, true, false, true, false};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(OffersGroupMenu(document, i), offered[i]) << i;
    EXPECT_FALSE(OffersGroupMenu(document, 9));
    EXPECT_EQ(GroupEntries(document), std::vector<int>{6});

    EXPECT_TRUE(SetEntryGroup(document, 0, "g"));
    EXPECT_FALSE(SetEntryGroup(document, 0, "g"));
    EXPECT_EQ(document.elements[0].group, "g");
    EXPECT_TRUE(SetEntryGroup(document, 0, ""));
    EXPECT_TRUE(document.elements[0].group.isEmpty());
}

TEST(ElementTree, ShapeWithParentsAndChildren) {
    const SkinDocument document = Doc({"h:member@Hover", "g:hover", "b:plain", "g:HOVER", "t:stray@nobody"});
    const ElementTreeShape shape = TreeShapeOf(document);
    EXPECT_EQ(shape.top, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(shape.children[3], std::vector<int>{0});
    EXPECT_TRUE(shape.children[1].empty());
    EXPECT_EQ(shape.parent, (std::vector<int>{3, -1, -1, -1, -1}));
    EXPECT_EQ(&shape.SiblingsOf(0), &shape.children[3]);
    EXPECT_EQ(DepthFirstOrder(shape), (std::vector<int>{1, 2, 3, 0, 4}));
}
