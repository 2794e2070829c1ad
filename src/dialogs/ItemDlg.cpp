#include "dialogs/ItemDlg.h"

#include "dialogs/DialogControls.h"
#include "dialogs/EditContext.h"
#include "dialogs/PlacementPair.h"
#include "widgets/IntegerBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QItemDlg::QItemDlg(EditContext& context, const QString& title, QWidget* parent)
    : QDialog(parent), m_context(context) {
    setWindowTitle(title);
    m_main = new QVBoxLayout(this);
}

Prompter& QItemDlg::Prompt() const {
    return m_context.prompter;
}

bool QItemDlg::StackMode() const {
    return m_context.stackMode;
}

QLineEdit* QItemDlg::AddNameRow() {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Name:"), this);
    m_name = new QLineEdit(this);
    m_name->setAccessibleName(QStringLiteral("Name:"));
    label->setBuddy(m_name);
    row->addWidget(label);
    row->addWidget(m_name, 1);
    m_main->addLayout(row);
    return m_name;
}

void QItemDlg::AddOkCancel() {
    auto* row = new QHBoxLayout;
    m_main->addLayout(row);
    const OkCancel buttons = AddOkCancelButtons(this, row);
    m_ok = buttons.ok;
    m_cancel = buttons.cancel;
}

void QItemDlg::WatchNumber(IntegerBox* box) {
    Watch(box, &IntegerBox::Changed);
    m_integers.Require(box);
}

void QItemDlg::WatchPair(PlacementPair* pair) {
    Watch(pair, &PlacementPair::Changed);
    m_integers.Require(pair->ValueBox());
    if (pair->OffsetBox())
        m_integers.Require(pair->OffsetBox());
}

void QItemDlg::LiveApply() {
    // Undoing a refused choice changes controls, whose notifications must not apply a second time.
    if (!m_ready || m_applying)
        return;
    m_applying = true;
    Apply();
    Redraw();
    AfterApply();
    m_applying = false;
}

void QItemDlg::ApplyAgain() {
    Apply();
    Redraw();
}

void QItemDlg::Redraw() const {
    if (m_context.redraw)
        m_context.redraw();
}

void QItemDlg::accept() {
    if (!m_integers.Pass(this, m_context.prompter))
        return;
    Commit();
    QDialog::accept();
}
