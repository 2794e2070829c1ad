#include "designer/RecentFiles.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct AddCase {
    const char* name;
    RecentList before;
    QString path;
    RecentList after;
    bool changed;
};

TEST(RecentFiles, AddFollowsTheDesignerRule) {
    const QString a = "/s/a.ini", b = "/s/b.ini", c = "/s/c.ini", d = "/s/d.ini", n = "/s/new.ini";
    const AddCase cases[] = {
        {"already newest", {a, b, c, d}, a, {a, b, c, d}, false},
        {"newest in other case", {a, b, "", ""}, "/S/A.INI", {a, b, "", ""}, false},
        {"second moves up", {a, b, c, d}, b, {b, a, c, d}, true},
        {"third moves up", {a, b, c, d}, c, {c, a, b, d}, true},
        {"fourth moves up", {a, b, c, d}, d, {d, a, b, c}, true},
        {"first free entry, not the top", {a, b, "", ""}, n, {a, b, n, ""}, true},
        {"empty list", {"", "", "", ""}, n, {n, "", "", ""}, true},
        {"gap is filled", {a, "", c, ""}, n, {a, n, c, ""}, true},
        {"full list drops the oldest", {a, b, c, d}, n, {n, a, b, c}, true},
    };
    for (const AddCase& test : cases) {
        RecentList list = test.before;
        EXPECT_EQ(AddToRecent(list, test.path), test.changed) << test.name;
        EXPECT_EQ(list, test.after) << test.name;
    }
}

TEST(RecentFiles, StoreKeepsFourValuesEmptyOnesIncluded) {
    QTemporaryDir dir;
    QSettings store(dir.filePath("settings.ini"), QSettings::IniFormat);
    WriteRecentList(store, {"/a.ini", "", "/c.ini", ""});
    EXPECT_EQ(store.value("mru1").toString(), "/a.ini");
    EXPECT_TRUE(store.contains("mru2"));
    EXPECT_TRUE(store.contains("mru4"));

    QSettings again(dir.filePath("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(ReadRecentList(again), (RecentList{"/a.ini", "", "/c.ini", ""}));
}

TEST(RecentFiles, MissingAndOverlongValuesReadEmpty) {
    QTemporaryDir dir;
    QSettings store(dir.filePath("settings.ini"), QSettings::IniFormat);
    store.setValue("mru1", QString(259, 'x'));
    store.setValue("mru2", QString(260, 'y'));
    const RecentList list = ReadRecentList(store);
    EXPECT_EQ(list[0].size(), 259);
    EXPECT_TRUE(list[1].isEmpty());
    EXPECT_TRUE(list[2].isEmpty());
}

} // namespace
