// Pictures of every editing dialog, for looking at them: set DRAPIER_DIALOG_SHOTS to a folder and run
// this test on a real (or virtual) display. Without it the test only checks that each dialog lays out
// to a sensible size.
#include "FakePrompter.h"
#include "dialogs/AuthorDlg.h"
#include "dialogs/ButtonDlg.h"
#include "dialogs/EditContext.h"
#include "dialogs/GroupDlg.h"
#include "dialogs/IndicatorDlg.h"
#include "dialogs/PickActionDlg.h"
#include "dialogs/SettingsDlg.h"
#include "dialogs/StripDlg.h"
#include "dialogs/TextDlg.h"
#include "dialogs/TileAreaDlg.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"

#include <QDir>
#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

template <class R> R& First(SkinDocument& document) {
    for (SkinElement& element : document.elements) {
        if (R* record = element.As<R>())
            return *record;
    }
    throw std::runtime_error("no such element in the example");
}

TEST(DialogShots, EveryDialogLaysOutAndCanBePictured) {
    SkinDocument document;
    ASSERT_TRUE(LoadSkin(document, DRAPIER_EXAMPLES "/rich/rich.ini", {}));
    FakePrompter prompter;
    EditContext context(prompter);
    const QString folder = qEnvironmentVariable("DRAPIER_DIALOG_SHOTS");

    std::vector<std::pair<QString, std::unique_ptr<QDialog>>> dialogs;
    dialogs.emplace_back("hstrip",
                         std::make_unique<QItemHStripDlg>(context, First<HStripRecord>(document), nullptr));
    dialogs.emplace_back("vstrip",
                         std::make_unique<QItemVStripDlg>(context, First<VStripRecord>(document), nullptr));
    dialogs.emplace_back("button",
                         std::make_unique<QItemButtonDlg>(context, First<ButtonRecord>(document), nullptr));
    dialogs.emplace_back(
        "indicator", std::make_unique<QItemIndicatorDlg>(context, First<IndicatorRecord>(document), nullptr));
    dialogs.emplace_back("text",
                         std::make_unique<QItemTextDlg>(context, First<TextRecord>(document), nullptr));
    dialogs.emplace_back(
        "tilearea", std::make_unique<QItemTileAreaDlg>(context, First<TileAreaRecord>(document), nullptr));
    dialogs.emplace_back("layout", std::make_unique<QSettingsDlg>(context, document.layout, true, nullptr));
    dialogs.emplace_back("group",
                         std::make_unique<QGroupDlg>(context, First<GroupRecord>(document), nullptr));
    dialogs.emplace_back("pickaction",
                         std::make_unique<QPickActionDlg>(First<ButtonRecord>(document).action, nullptr));
    dialogs.emplace_back("skininfo", std::make_unique<QAuthorDlg>(prompter, document.settings, nullptr));

    for (auto& [name, dialog] : dialogs) {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get())) << name.toStdString();
        const QSize size = dialog->size();
        EXPECT_GT(size.width(), 150) << name.toStdString();
        EXPECT_GT(size.height(), 100) << name.toStdString();
        // Small screens: no dialog may need more than a laptop's height.
        EXPECT_LE(size.height(), 760) << name.toStdString();
        if (!folder.isEmpty()) {
            EXPECT_TRUE(dialog->grab().save(QDir(folder).filePath(name + ".png"))) << name.toStdString();
        }
        dialog->close();
    }
}

} // namespace
