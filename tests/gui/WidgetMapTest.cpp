#include "designer/WidgetMap.h"
#include "support/ShownDesigner.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// The map's lines of one kind, split at the tabs.
std::vector<QStringList> LinesOf(const QString& map, const QString& kind) {
    std::vector<QStringList> lines;
    for (const QString& line : map.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u'\t');
        if (fields.front() == kind)
            lines.push_back(fields);
    }
    return lines;
}

QRect RectOf(const QStringList& fields, int first) {
    return QRect(fields[first].toInt(), fields[first + 1].toInt(), fields[first + 2].toInt(),
                 fields[first + 3].toInt());
}

} // namespace

// The soak script finds everything it drives through this map: the window, its named controls at their
// places on the screen, the tree's rows and the entries of an open menu; the tick counts up.
TEST(WidgetMap, ListsWindowsControlsRowsAndMenuEntriesWhereTheyAre) {
    ShownDesigner shown;
    ASSERT_TRUE(shown.Open());
    CDrapierDlg& window = *shown.window;

    const QString map = WidgetMapText(7);
    EXPECT_TRUE(map.startsWith("tick\t7\n"));
    const auto windows = LinesOf(map, "window");
    const auto designer =
        std::find_if(windows.begin(), windows.end(), [](const QStringList& f) { return f[4] == "drapier"; });
    ASSERT_NE(designer, windows.end());
    EXPECT_EQ((*designer)[3], "CDrapierDlg");
    EXPECT_EQ((*designer)[2].toULongLong(), static_cast<qulonglong>(window.winId()));

    std::map<QString, QStringList> widgets;
    for (const QStringList& f : LinesOf(map, "widget"))
        widgets[f[3]] = f;
    for (const char* name :
         {"elementTree", "preview", "sourceView", "newElement", "width", "title", "rolled"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(widgets.count(name));
        QWidget* widget = window.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(RectOf(widgets[name], 4), QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
    }
    EXPECT_EQ(widgets["width"][9], "spin");
    EXPECT_EQ(widgets["rolled"][9], "check");
    EXPECT_EQ(widgets["title"][10], "Pinlets Drapier");

    const auto rows = LinesOf(map, "item");
    auto* tree = window.findChild<QTreeWidget*>("elementTree");
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front()[2], "elementTree");
    EXPECT_EQ(rows.front()[7], tree->topLevelItem(0)->text(0));
    const QRect first = tree->visualItemRect(tree->topLevelItem(0));
    EXPECT_EQ(RectOf(rows.front(), 3).topLeft(), tree->viewport()->mapToGlobal(first.topLeft()));

    const auto bar = LinesOf(map, "action");
    EXPECT_TRUE(std::any_of(bar.begin(), bar.end(), [](const QStringList& f) { return f[7] == "&File"; }));

    // An open menu is a window of its own, with its entries.
    QMenu* file = window.findChild<QMenuBar*>()->actions().front()->menu();
    ASSERT_NE(file, nullptr);
    file->popup(window.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    const QString withMenu = WidgetMapText(8);
    const auto menuWindow = LinesOf(withMenu, "window");
    EXPECT_TRUE(std::any_of(menuWindow.begin(), menuWindow.end(),
                            [](const QStringList& f) { return f[3] == "QMenu"; }));
    const auto entries = LinesOf(withMenu, "action");
    EXPECT_TRUE(
        std::any_of(entries.begin(), entries.end(), [](const QStringList& f) { return f[7] == "E&xit"; }));
    file->hide();
}

TEST(WidgetMap, WriterRefreshesTheFileWhileTheEventLoopTurns) {
    QTemporaryDir dir;
    const QString path = dir.filePath("map.txt");
    WidgetMapWriter writer(path, nullptr);
    const auto tick = [&] {
        QFile file(path);
        const QByteArray first = file.open(QIODevice::ReadOnly) ? file.readLine() : QByteArray();
        return first.startsWith("tick\t") ? first.mid(5).trimmed().toInt() : 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(tick() >= 2, 10000);
}
