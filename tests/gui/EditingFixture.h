#pragma once

// A designer window on a small skin of known shape, with the helpers the editing tests share.

#include "FakePrompter.h"
#include "SkinEntries.h"
#include "designer/DrapierDlg.h"
#include "document/SkinWriter.h"
#include "picture/Canvas.h"
#include "widgets/TreeCtrlEx.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItem>
#include <QUndoStack>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

constexpr int kPatience = 5000;

// Polls until the condition holds, for at most the patience.
inline bool Eventually(const std::function<bool()>& holds) {
    return QTest::qWaitFor(holds, kPatience);
}

inline int CountPixels(const Canvas& canvas, CanvasPixel pixel) {
    int count = 0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x)
            count += canvas.Pixel(x, y) == pixel ? 1 : 0;
    }
    return count;
}

inline bool SamePixels(const Canvas& a, const Canvas& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y) {
        if (!std::equal(a.Row(y), a.Row(y) + a.Width(), b.Row(y)))
            return false;
    }
    return true;
}

// A file's bytes; none when it cannot be read.
inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The top-level menu's item with that text.
inline QAction* MenuItem(QMenuBar* bar, const QString& menuText, const QString& itemText) {
    for (QAction* top : bar->actions()) {
        if (top->text() != menuText || !top->menu())
            continue;
        for (QAction* item : top->menu()->actions()) {
            if (item->text() == itemText)
                return item;
        }
    }
    return nullptr;
}

// The designer window on a throwaway settings store, its questions answered by the fake prompter.
class EditingWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        store = std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
        window = std::make_unique<CDrapierDlg>(prompter, *store);
        window->StartUp(StartPath());
    }

    // The skin the window starts on; none is the default skin.
    virtual QString StartPath() { return {}; }

    void Click(const char* button) { window->findChild<QPushButton*>(button)->click(); }
    int Steps() const { return window->UndoStack()->count(); }

    // The skin most tests work on. Tree: Top, Hover (Close, Lamp), Side, Label, Knob; its PNG is 64 by 48.
    QString WriteSkin(const QString& name = "skin") { return WriteSkinFrom(KnownSkin(), name); }

    static SkinDocument KnownSkin(const QString& top = "Top", const QString& side = "Side") {
        SkinDocument document;
        document.Append(Entry(ElementKind::HStrip, top));                // 0
        document.Append(Entry(ElementKind::Group, "Hover"));             // 1
        document.Append(Entry(ElementKind::Button, "Close", "hover"));   // 2
        document.Append(Entry(ElementKind::VStrip, side));               // 3
        document.Append(Entry(ElementKind::Indicator, "Lamp", "Hover")); // 4
        document.Append(Entry(ElementKind::Text, "Label"));              // 5
        SkinElement button = Entry(ElementKind::Button, "Knob");         // 6
        button.As<ButtonRecord>()->sourcerollover = {30, 0};
        button.As<ButtonRecord>()->size = {10, 10};
        document.Append(button);
        return document;
    }

    // The skin file and its PNG beside it, of the size given, in one blue.
    QString WriteSkinFrom(const SkinDocument& document, const QString& name, int pngWidth = 64,
                          int pngHeight = 48) {
        const QString path = dir.filePath(name + ".ini");
        QString error;
        EXPECT_TRUE(WriteSkinFile(document, path, name + ".png", &error)) << error.toStdString();
        WritePng(name + ".png", pngWidth, pngHeight);
        return path;
    }

    QString WritePng(const QString& name, int width, int height, QColor colour = QColor(20, 120, 220)) {
        QImage picture(width, height, QImage::Format_ARGB32);
        picture.fill(colour);
        EXPECT_TRUE(picture.save(dir.filePath(name)));
        return dir.filePath(name);
    }

    void Open(const QString& path) {
        prompter.files.push_back(path);
        window->FileOpen();
    }

    // The tree below "Elements": each item's label, a group's members in brackets, "; " between items.
    std::string Tree() const {
        QStringList shape;
        QTreeWidgetItem* elements = window->ElementsItem();
        for (int i = 0; i < elements->childCount(); ++i) {
            QTreeWidgetItem* item = elements->child(i);
            QString text = item->text(0);
            if (item->childCount() > 0) {
                QStringList members;
                for (int j = 0; j < item->childCount(); ++j)
                    members << item->child(j)->text(0);
                text += " (" + members.join(", ") + ")";
            }
            shape << text;
        }
        return shape.join("; ").toStdString();
    }

    QTreeWidgetItem* Item(const QString& label) const {
        const QList<QTreeWidgetItem*> found =
            window->Tree()->findItems(label, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.last();
    }

    void Select(const QString& label) {
        QTreeWidgetItem* item = Item(label);
        ASSERT_NE(item, nullptr) << label.toStdString();
        window->Tree()->setCurrentItem(item);
    }

    // What a double click on an item delivers: press, release, the double click in place of a second
    // press, release.
    void DoubleClick(QTreeWidgetItem* item) {
        ASSERT_NE(item, nullptr);
        QTreeWidget* tree = window->Tree();
        const QPoint at = tree->visualItemRect(item).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
    }

    void Delete(const QString& label) {
        Select(label);
        window->DeleteSelected();
    }

    std::string Selected() const {
        const QTreeWidgetItem* item = window->Tree()->currentItem();
        return item ? item->text(0).toStdString() : std::string();
    }

    // What a save would write now.
    QByteArray FileNow() const { return SkinFileBytes(window->Document(), window->PngPath()); }

    // Runs open (which pops up a menu), records the menu's item texts, where it opened and its checked
    // item, and chooses the item with the text given (none: the menu is closed).
    std::string ChooseFromPopup(const std::function<void()>& open, const QString& choice,
                                QPoint* position = nullptr, QString* checked = nullptr) {
        QStringList texts;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            seen = true;
            if (position)
                *position = menu->pos();
            QAction* chosen = nullptr;
            for (QAction* action : menu->actions()) {
                texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
                if (checked && action->isChecked())
                    *checked = action->text();
                if (!action->isSeparator() && action->text() == choice)
                    chosen = action;
            }
            // As a user chooses: the item made active, then Enter; Escape closes the menu.
            if (chosen)
                menu->setActiveAction(chosen);
            QTest::keyClick(menu, chosen ? Qt::Key_Return : Qt::Key_Escape);
        });
        open();
        QApplication::processEvents();
        if (!seen)
            texts << QStringLiteral("(no menu)");
        return texts.join("; ").toStdString();
    }

    QTemporaryDir dir;
    FakePrompter prompter;
    std::unique_ptr<QSettings> store;
    std::unique_ptr<CDrapierDlg> window;
};
