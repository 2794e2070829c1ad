#pragma once

#include "DialogDriver.h"
#include "FakePrompter.h"
#include "dialogs/EntryEditing.h"
#include "dialogs/ItemDlg.h"
#include "document/SkinDocument.h"
#include "widgets/IntegerBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// A document, a window to open dialogs from, and the context the main window would give them.
class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override {
        context.redraw = [this] { ++redraws; };
        window.setGeometry(40, 30, 300, 200);
        window.show();
    }

    template <class R> R& Record(int entry) { return *document.elements[entry].As<R>(); }

    int Add(ElementKind kind, const QString& name = {}) {
        SkinElement element = SkinElement::Make(kind);
        if (!name.isEmpty())
            element.SetName(name);
        if (DrawableCommon* common = element.Common())
            common->drawunrolled = true;
        document.Append(element);
        return int(document.elements.size()) - 1;
    }

    // Opens the entry's dialog; drive works it and closes it.
    bool Edit(int entry, std::function<void(QDialog*)> drive) {
        OnNextDialog(std::move(drive));
        return EditEntry(&window, document, entry, context);
    }

    FakePrompter prompter;
    EditContext context{prompter};
    SkinDocument document;
    QWidget window;
    int redraws = 0;
};

// Types into a box as a person would, replacing what it held.
inline void TypeInto(QWidget* box, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(box);
    if (!edit)
        edit = box->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
}

inline QItemDlg* AsItemDlg(QDialog* dialog) {
    auto* item = qobject_cast<QItemDlg*>(dialog);
    EXPECT_NE(item, nullptr) << dialog->windowTitle().toStdString();
    return item;
}

inline void ClickOk(QDialog* dialog) {
    AsItemDlg(dialog)->OkButton()->click();
}

inline void ClickCancel(QDialog* dialog) {
    AsItemDlg(dialog)->CancelButton()->click();
}

inline QString TextOf(IntegerBox* box) {
    return box->text();
}
