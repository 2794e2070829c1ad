#pragma once

#include "dialogs/IntegerChecks.h"

#include <QDialog>

struct EditContext;
class IntegerBox;
class PlacementPair;
class Prompter;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// What the element, layout and group dialogs share. They edit the live record: once the dialog is
// ready, every change of a control is applied to the record at once and the preview redrawn (live
// apply); the caller keeps a backup for Cancel. OK insists that each number box holds an integer.
// Escape and the close box are Cancel.
class QItemDlg : public QDialog {
    Q_OBJECT
public:
    QItemDlg(EditContext& context, const QString& title, QWidget* parent);

    QLineEdit* NameBox() const { return m_name; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    void accept() override;

protected:
    EditContext& Context() const { return m_context; }
    Prompter& Prompt() const;
    bool StackMode() const;
    QVBoxLayout* MainLayout() const { return m_main; }

    // Building, in reading order.
    QLineEdit* AddNameRow();
    void AddOkCancel();
    // Change notifications that run live apply.
    template <class Sender, class Signal> void Watch(Sender* sender, Signal signal) {
        connect(sender, signal, this, &QItemDlg::LiveApply);
    }
    // A number box that runs live apply and must hold an integer on OK.
    void WatchNumber(IntegerBox* box);
    // A placement pair likewise, its number and offset boxes.
    void WatchPair(PlacementPair* pair);
    IntegerChecks& Integers() { return m_integers; }
    // Change notifications count from here on; not while a dialog fills its own boxes.
    void SetReady(bool ready = true) { m_ready = ready; }

    // Every control into the record.
    virtual void Apply() = 0;
    // The stack-skin restrictions after an apply; a refused choice is undone and applied again.
    virtual void AfterApply() {}
    // On OK, once the boxes hold integers.
    virtual void Commit() { Apply(); }

    void LiveApply();
    // Applies and redraws without the restrictions, after one of them undid a choice.
    void ApplyAgain();

private:
    void Redraw() const;

    EditContext& m_context;
    bool m_ready = false;
    bool m_applying = false;
    QVBoxLayout* m_main;
    QLineEdit* m_name = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    IntegerChecks m_integers;
};
