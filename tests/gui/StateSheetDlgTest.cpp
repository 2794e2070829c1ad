#include "dialogs/StateSheetDlg.h"
#include "EditingFixture.h"
#include "designer/CommandIds.h"
#include "render/StateSheet.h"

#include <QElapsedTimer>
#include <QSignalSpy>

namespace {

class StateSheetWindow : public EditingWindow {
protected:
    QString StartPath() override {
        EXPECT_TRUE(QFile::copy(DRAPIER_EXAMPLES "/rich/rich.ini", dir.filePath("rich.ini")));
        EXPECT_TRUE(QFile::copy(DRAPIER_EXAMPLES "/rich/rich.png", dir.filePath("rich.png")));
        return dir.filePath("rich.ini");
    }

    // Opens the sheet from the View menu and waits for its first drawing.
    QStateSheetDlg* OpenSheet() {
        QAction* item = MenuItem(window->MenuBar(), "&View", QStringLiteral("State Sheet\u2026"));
        EXPECT_TRUE(item);
        if (!item)
            return nullptr;
        item->trigger();
        QStateSheetDlg* sheet = window->StateSheet();
        EXPECT_TRUE(sheet && sheet->isVisible());
        if (sheet) {
            EXPECT_TRUE(Eventually([sheet] { return sheet->Sheet().IsValid(); }));
        }
        return sheet;
    }

    // The sheet drawn directly from the document with the designer's start values.
    Canvas Expected() const {
        const NoteSettings base;
        std::vector<SheetRow> rows;
        for (const QString& name : StateSheetStates(window->Document(), base))
            rows.push_back(*StateSheetRow(name, base));
        Canvas sheet;
        DrawStateSheet(window->Document(), rows, DefaultStateSheetSizes(window->Document(), base), sheet);
        return sheet;
    }
};

} // namespace

TEST_F(StateSheetWindow, ShowsTheSheetAndFollowsEdits) {
    QStateSheetDlg* sheet = OpenSheet();
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(SamePixels(sheet->Sheet(), Expected()));

    // An edit redraws the sheet once control returns to the event loop, after the main preview.
    QSignalSpy redrawn(sheet, &QStateSheetDlg::Redrawn);
    window->Document().elements.erase(window->Document().elements.begin() + 6);
    window->RedrawPreview();
    EXPECT_EQ(redrawn.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(redrawn.count(), 1, kPatience);
    EXPECT_TRUE(SamePixels(sheet->Sheet(), Expected()));

    // Reopening from the menu shows the same window.
    MenuItem(window->MenuBar(), "&View", QStringLiteral("State Sheet\u2026"))->trigger();
    EXPECT_EQ(window->findChildren<QStateSheetDlg*>().size(), 1);
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(StateSheetWindow, RedrawsAtMostEveryHundredMillisecondsAndOnlyWhileShown) {
    QStateSheetDlg* sheet = OpenSheet();
    ASSERT_TRUE(sheet);
    std::vector<qint64> when;
    std::vector<bool> shown;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(sheet, &QStateSheetDlg::Redrawn, sheet, [&] {
        when.push_back(clock.elapsed());
        shown.push_back(sheet->isVisible());
    });

    // A burst of edits: one drawing, then the next change waits for the interval.
    for (int i = 0; i < 5; ++i)
        window->RedrawPreview();
    QTRY_COMPARE_WITH_TIMEOUT(when.size(), size_t(1), kPatience);
    window->RedrawPreview();
    QTRY_COMPARE_WITH_TIMEOUT(when.size(), size_t(2), kPatience);
    EXPECT_GE(when[1] - when[0], QStateSheetDlg::kRedrawInterval - 5);

    // Hidden, edits draw nothing; shown again, the sheet catches up once.
    sheet->hide();
    window->Document().elements.clear();
    window->RedrawPreview();
    window->RedrawPreview();
    sheet->show();
    QTRY_COMPARE_WITH_TIMEOUT(when.size(), size_t(3), kPatience);
    EXPECT_TRUE(SamePixels(sheet->Sheet(), Expected()));
    // A later edit comes at least an interval on, so a drawing started while hidden would be counted by
    // then.
    window->RedrawPreview();
    QTRY_COMPARE_WITH_TIMEOUT(when.size(), size_t(4), kPatience);
    EXPECT_EQ(shown, std::vector<bool>(4, true));
}

TEST_F(StateSheetWindow, ExportPng) {
    QStateSheetDlg* sheet = OpenSheet();
    ASSERT_TRUE(sheet);
    prompter.files.push_back(dir.filePath("sheet"));
    sheet->ExportButton()->click();
    EXPECT_EQ(prompter.fileInitials.value(0), dir.filePath("rich-states.png"));
    EXPECT_EQ(prompter.fileFilters.value(0), "PNG files (*.png)|*.png|All files (*.*)|*.*||");
    const QImage written(dir.filePath("sheet.png"));
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.size(), QSize(sheet->Sheet().Width(), sheet->Sheet().Height()));
    EXPECT_EQ(written.pixel(200, 100), QColor(sheet->Sheet().Pixel(200, 100)).rgb());

    // Cancelled: nothing written, nothing said. Not writable: said.
    prompter.files.push_back(QString());
    EXPECT_FALSE(sheet->ExportPng());
    const QString nowhere = dir.filePath("no/such/folder/sheet.png");
    prompter.files.push_back(nowhere);
    EXPECT_FALSE(sheet->ExportPng());
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].startsWith("Error saving " + nowhere + ": "))
        << prompter.shown[0].toStdString();
    EXPECT_EQ(prompter.unexpected, 0);
}
