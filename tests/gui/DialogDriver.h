#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Drives modal dialogs from inside their own event loop: the next modal dialog that comes up (other
// than the one open now) is handed to drive, which must close it. A dialog that is still open a few
// seconds later is cancelled and the test fails, so a broken test never hangs the suite.
inline void OnNextDialog(std::function<void(QDialog*)> drive) {
    QWidget* const before = QApplication::activeModalWidget();
    auto* poll = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog != before && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            delete clock;
            drive(dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open: " << dialog->windowTitle().toStdString();
                dialog->reject();
            }
        } else if (clock->elapsed() > 5000) {
            poll->stop();
            poll->deleteLater();
            delete clock;
            ADD_FAILURE() << "no dialog came up";
        }
    });
    poll->start(5);
}

// A control found by its accessible name (the text of its label), inside the group box of that title
// when one is given.
template <class W> W* Named(QWidget* root, const QString& name, const QString& group = {}) {
    QWidget* scope = root;
    if (!group.isEmpty()) {
        scope = nullptr;
        for (QGroupBox* box : root->findChildren<QGroupBox*>()) {
            if (box->title() == group)
                scope = box;
        }
        if (!scope) {
            ADD_FAILURE() << "no group " << group.toStdString();
            return nullptr;
        }
    }
    for (W* widget : scope->findChildren<W*>()) {
        if (widget->accessibleName() == name)
            return widget;
    }
    ADD_FAILURE() << "no control named " << name.toStdString();
    return nullptr;
}

// A button, check box or radio button found by its text.
template <class W = QAbstractButton> W* Titled(QWidget* root, const QString& text) {
    for (W* widget : root->findChildren<W*>()) {
        if (widget->text() == text)
            return widget;
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}
