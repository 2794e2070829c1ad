// Pictures of every editing dialog, for looking at them: set DRAPIER_DIALOG_SHOTS to a folder and run
// this test on a real (or virtual) display. Without it the test only checks that each dialog lays out
// to a sensible size.
#include "AllDialogs.h"
#include "document/SkinLoader.h"

#include <QDir>
#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(DialogShots, EveryDialogLaysOutAndCanBePictured) {
    SkinDocument document;
    ASSERT_TRUE(LoadSkin(document, DRAPIER_EXAMPLES "/rich/rich.ini", {}));
    FakePrompter prompter;
    EditContext context(prompter);
    const QString folder = qEnvironmentVariable("DRAPIER_DIALOG_SHOTS");
    for (auto& [name, dialog] : AllDialogs(document, context)) {
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
