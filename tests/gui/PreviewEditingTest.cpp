// Placing elements on the preview: drags, handles, nudges, anchor presets from the context menu and the
// dialogs, each undone and redone, on the Ribbon example.
#include "EditingFixture.h"
#include "designer/PreviewEditor.h"
#include "designer/PreviewView.h"
#include "dialogs/PlacementAids.h"
#include "dialogs/PlacementPair.h"
#include "render/PlacementGeometry.h"
#include "widgets/IntegerBox.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>

namespace {

class PreviewEditing : public EditingWindow {
protected:
    void SetUp() override {
        EditingWindow::SetUp();
        Open(QStringLiteral(DRAPIER_EXAMPLES "/rich/rich.ini"));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        preview = window->findChild<PreviewView*>("preview");
        editor = window->findChild<PreviewEditor*>("previewEditor");
        ASSERT_TRUE(preview && editor);
        const Canvas& buffer = window->PreviewBuffer();
        const NoteOrigin o = NoteOriginInArea(buffer.Width(), buffer.Height(), 300, 100);
        origin = {o.x, o.y};
        close = EntryNamed("Close");
    }

    int EntryNamed(const QString& name) const {
        const auto& elements = window->Document().elements;
        for (size_t i = 0; i < elements.size(); ++i) {
            if (elements[i].Name() == name)
                return static_cast<int>(i);
        }
        return -1;
    }
    ButtonRecord& Close() const {
        return *window->Document().elements[static_cast<size_t>(close)].As<ButtonRecord>();
    }

    // A note point in the preview's pixels.
    QPoint At(int x, int y) const { return origin + QPoint(x, y); }
    void Press(QPoint note) { QTest::mousePress(preview, Qt::LeftButton, {}, origin + note); }
    void DragTo(QPoint note, Qt::KeyboardModifiers keys = {}) {
        QMouseEvent move(QEvent::MouseMove, origin + note, preview->mapToGlobal(origin + note), Qt::NoButton,
                         Qt::LeftButton, keys);
        QApplication::sendEvent(preview, &move);
    }
    void Release(QPoint note) { QTest::mouseRelease(preview, Qt::LeftButton, {}, origin + note); }

    // Undo, then redo, of the last step: the value before, then the value after.
    template <class Read> void UndoRedo(Read read, decltype(read()) before, decltype(read()) after) {
        window->UndoStack()->undo();
        EXPECT_EQ(read(), before);
        window->UndoStack()->redo();
        EXPECT_EQ(read(), after);
    }

    PreviewView* preview = nullptr;
    PreviewEditor* editor = nullptr;
    QPoint origin;
    int close = -1;
};

using Place = std::pair<int, int>;

} // namespace

TEST_F(PreviewEditing, ADragMovesTheElementSnapsAndEscapePutsItBack) {
    const auto place = [&] { return Place(Close().place.x.value, Close().place.y.value); };
    // Close is at 276,7 - 289,20 (x -24); Alarm, two buttons to its left, at 242 .. 256.
    Press({282, 14});
    EXPECT_EQ(Selected(), "Close");
    DragTo({251, 14}, Qt::AltModifier); // no snapping
    EXPECT_TRUE(editor->IsDragging());
    EXPECT_EQ(place(), Place(-55, 7));
    EXPECT_EQ(window->StatusText(), "Close: 245,7 - 258,20, 14 x 14");
    EXPECT_TRUE(editor->Guides().empty());
    DragTo({250, 14}); // 244 .. 258 snaps onto Alarm's edges, 242 and 256 (Roll's 260 is as near)
    EXPECT_EQ(place(), Place(-58, 7));
    // Its top and bottom lie on Roll's too.
    EXPECT_EQ(editor->Guides(),
              (std::vector<SnapGuide>{{Axis::X, 242}, {Axis::X, 256}, {Axis::Y, 7}, {Axis::Y, 21}}));
    QTest::keyClick(preview, Qt::Key_Escape);
    EXPECT_FALSE(editor->IsDragging());
    EXPECT_EQ(place(), Place(-24, 7));
    Release({250, 14});
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(window->IsDirty());

    // A whole drag is one step; the selected element keeps a press where Frame top is drawn under it.
    Press({282, 14});
    DragTo({251, 16}, Qt::AltModifier);
    Release({251, 16});
    EXPECT_EQ(place(), Place(-55, 9));
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(window->UndoStack()->undoText(), "Move Close");
    UndoRedo(place, Place(-24, 7), Place(-55, 9));

    Select("Frame top");
    Press({253, 14}); // Close is drawn there now, over Frame top
    Release({253, 14});
    EXPECT_EQ(Selected(), "Frame top");
    Press({150, 50}); // nothing is drawn in the text area: the selection stays
    Release({150, 50});
    EXPECT_EQ(Selected(), "Frame top");
}

TEST_F(PreviewEditing, AHandleResizesAndSaysTheSourceChangesToo) {
    window->SelectEntry(close);
    const auto size = [&] { return Place(Close().size.w, Close().size.h); };
    // The right edge's handle sits on the edge's middle, 290,14.
    Press({290, 14});
    DragTo({296, 20}, Qt::AltModifier);
    EXPECT_EQ(size(), Place(20, 14));
    EXPECT_EQ(window->StatusText(), "Close: 276,7 - 295,20, 20 x 14; the source rectangle changes with it");
    Release({296, 20});
    EXPECT_EQ(window->UndoStack()->undoText(), "Resize Close");
    UndoRedo(size, Place(14, 14), Place(20, 14));

    // The corner's handle changes both.
    Press({296, 21});
    DragTo({290, 27}, Qt::AltModifier);
    Release({290, 27});
    EXPECT_EQ(size(), Place(14, 20));
    EXPECT_EQ(Steps(), 2);
}

TEST_F(PreviewEditing, ArrowKeysNudgeAndARunIsOneStep) {
    window->SelectEntry(close);
    preview->setFocus();
    const auto box = [&] {
        return std::vector<int>{Close().place.x.value, Close().place.y.value, Close().size.w};
    };
    QTest::keyClick(preview, Qt::Key_Left);
    QTest::keyClick(preview, Qt::Key_Left);
    QTest::keyClick(preview, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(preview, Qt::Key_Down);
    QTest::keyClick(preview, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(box(), (std::vector<int>{-36, 8, 15}));
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(window->UndoStack()->undoText(), "Nudge Close");
    UndoRedo(box, {-24, 7, 14}, {-36, 8, 15});

    // Far-edge values never cross to the near edge.
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(preview, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(box()[0], -1);
    EXPECT_NE(window->StatusText().indexOf("held where a value would change the edge it counts from"), -1);

    // What the state does not draw stays where it is.
    Select("Rolled frame top");
    const QByteArray before = FileNow();
    QTest::keyClick(preview, Qt::Key_Left);
    EXPECT_EQ(FileNow(), before);
    EXPECT_EQ(window->StatusText(), "Rolled frame top is not drawn in this state");
}

TEST_F(PreviewEditing, TheContextMenuAnchorsTheElement) {
    window->SelectEntry(close);
    const auto x = [&] { return Close().place.x; };
    QString checked;
    const std::string items = ChooseFromPopup(
        [&] {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, At(282, 14), preview->mapToGlobal(At(282, 14)));
            QApplication::sendEvent(preview, &menu);
        },
        "Top left", nullptr, &checked);
    EXPECT_EQ(items, "-; Top left; Top right; Bottom left; Bottom right; Centre");
    EXPECT_EQ(checked, "Top right");
    EXPECT_EQ(x(), (Placement{276, PlacementMode::Sides, 0}));
    EXPECT_EQ(window->UndoStack()->undoText(), "Anchor Close");
    UndoRedo(x, Placement{-24, PlacementMode::Sides, 0}, Placement{276, PlacementMode::Sides, 0});
    // At another width it stays at 276 now.
    EXPECT_EQ(Steps(), 1);
}

TEST_F(PreviewEditing, ADoubleClickOpensTheDialogWithReadoutsAndAnchors) {
    std::vector<std::string> seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* anchor = dialog->findChild<QComboBox*>("anchor");
        ASSERT_NE(anchor, nullptr);
        seen.push_back(anchor->currentText().toStdString());
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->accessibleName().endsWith(" pixel"))
                seen.push_back((label->accessibleName() + " " + label->text()).toStdString());
        }
        emit anchor->activated(anchor->findText("Centre"));
        seen.push_back(anchor->currentText().toStdString());
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->accessibleName() == "Left: pixel")
                seen.push_back(label->text().toStdString());
        }
        dialog->accept();
    });
    QTest::mouseClick(preview, Qt::LeftButton, {}, At(282, 14));
    QTest::mouseDClick(preview, Qt::LeftButton, {}, At(282, 14));
    EXPECT_EQ(seen, (std::vector<std::string>{"Top right", "Left: pixel = 276", "Top: pixel = 7", "Centre",
                                              "= 276"}));
    const auto place = [&] { return std::pair(Close().place.x, Close().place.y); };
    EXPECT_EQ(place(),
              std::pair(Placement{126, PlacementMode::Middle, 0}, Placement{-43, PlacementMode::Middle, 0}));
    EXPECT_EQ(window->UndoStack()->undoText(), "Edit Close");
    UndoRedo(place, std::pair(Placement{-24}, Placement{7}),
             std::pair(Placement{126, PlacementMode::Middle, 0}, Placement{-43, PlacementMode::Middle, 0}));
}
