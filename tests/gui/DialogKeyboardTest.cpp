#include "AllDialogs.h"
#include "document/SkinLoader.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The control a focus belongs to: the box of a number box or an editable list rather than its text.
QWidget* ControlOf(QWidget* widget) {
    if (widget && (qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) ||
                   qobject_cast<QComboBox*>(widget->parentWidget())))
        return widget->parentWidget();
    return widget;
}

QWidget* ContainerOf(QWidget* widget, QWidget* dialog) {
    for (QWidget* up = widget->parentWidget(); up && up != dialog; up = up->parentWidget()) {
        if (qobject_cast<QGroupBox*>(up))
            return up;
    }
    return dialog;
}

std::string Describe(QWidget* widget) {
    QString text = widget->accessibleName();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        text = button->text();
    return (QString(widget->metaObject()->className()) + " '" + text + "'").toStdString();
}

// Every control that takes the focus by Tab, as a person sees it.
QList<QWidget*> TabControls(QWidget* dialog) {
    QList<QWidget*> controls;
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(dialog) && widget->isEnabled() &&
            !widget->focusProxy() && !controls.contains(ControlOf(widget)))
            controls << ControlOf(widget);
    }
    return controls;
}

// Tab from the first control round to it again.
QList<QWidget*> TabWalk(QWidget* dialog, int most) {
    QList<QWidget*> visited;
    for (int i = 0; i < most; ++i) {
        QWidget* now = ControlOf(QApplication::focusWidget());
        if (!now || (!visited.isEmpty() && now == visited.first()))
            break;
        visited << now;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    Q_UNUSED(dialog);
    return visited;
}

// The radio buttons that go with this one: Tab stops at one of them and the arrow keys move among them.
QList<QWidget*> RadioSet(QWidget* radio) {
    QList<QWidget*> set;
    auto* button = qobject_cast<QRadioButton*>(radio);
    if (!button)
        return set;
    for (QRadioButton* other :
         radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (other->group() == button->group() && other->isEnabled() && other->isVisible())
            set << other;
    }
    return set;
}

// From a radio button, the arrow keys in every direction.
QList<QWidget*> ArrowWalk(QWidget* radio, int most) {
    QList<QWidget*> visited{radio};
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left}) {
        radio->setFocus();
        for (int i = 0; i < most; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            if (!visited.contains(QApplication::focusWidget()))
                visited << QApplication::focusWidget();
        }
    }
    return visited;
}

// b follows a in reading order: on a later line, or on the same line further right.
bool ReadsAfter(QWidget* a, QWidget* b, QWidget* container) {
    const QRect ra(a->mapTo(container, QPoint(0, 0)), a->size());
    const QRect rb(b->mapTo(container, QPoint(0, 0)), b->size());
    const bool sameLine =
        std::abs(ra.center().y() - rb.center().y()) < std::min(ra.height(), rb.height()) / 2 + 4;
    return sameLine ? rb.left() > ra.left() : rb.center().y() > ra.center().y();
}

TEST(DialogKeyboard, TabReachesEveryControlInReadingOrderAndEnterMeansOk) {
    SkinDocument document;
    ASSERT_TRUE(LoadSkin(document, DRAPIER_EXAMPLES "/rich/rich.ini", {}));
    FakePrompter prompter;
    EditContext context(prompter);
    for (auto& [name, dialog] : AllDialogs(document, context)) {
        SCOPED_TRACE(name.toStdString());
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));

        const QList<QWidget*> controls = TabControls(dialog.get());
        ASSERT_FALSE(controls.isEmpty());
        controls.first()->setFocus(Qt::TabFocusReason);
        const QList<QWidget*> visited = TabWalk(dialog.get(), controls.size() + 5);
        for (QWidget* control : controls) {
            if (visited.contains(control))
                continue;
            // A radio button is reached through the one of its set that Tab stops at.
            const QList<QWidget*> set = RadioSet(control);
            const auto entry =
                std::find_if(set.begin(), set.end(), [&](QWidget* w) { return visited.contains(w); });
            ASSERT_TRUE(entry != set.end()) << "not reached: " << Describe(control);
            EXPECT_TRUE(ArrowWalk(*entry, set.size()).contains(control))
                << "no arrow reaches " << Describe(control);
        }

        QList<QWidget*> finished; // group boxes left behind, never to be entered again
        for (int i = 0; i + 1 < visited.size(); ++i) {
            QWidget* a = visited[i];
            QWidget* b = visited[i + 1];
            QWidget* ca = ContainerOf(a, dialog.get());
            QWidget* cb = ContainerOf(b, dialog.get());
            if (ca == cb)
                EXPECT_TRUE(ReadsAfter(a, b, ca)) << Describe(a) << " then " << Describe(b);
            else if (ca != dialog.get() && !ca->isAncestorOf(b))
                finished << ca;
            EXPECT_FALSE(finished.contains(cb)) << "back into a group at " << Describe(b);
        }

        // Enter on a one-line box means OK; in the notes it starts a new line.
        if (auto* notes = dialog->findChild<QPlainTextEdit*>()) {
            notes->setFocus();
            QTest::keyClick(notes, Qt::Key_Return);
            EXPECT_TRUE(dialog->isVisible());
        }
        QWidget* start = controls.first();
        start->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(dialog->isVisible()) << "Enter did not close it from " << Describe(start);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
    }
    EXPECT_EQ(prompter.shown, QStringList());
}

} // namespace
