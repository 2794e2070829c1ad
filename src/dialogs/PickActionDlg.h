#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

// "Pick Action": the note actions by name, narrowed by a filter. The code chosen stays the one the
// dialog was opened with until another line is selected.
class QPickActionDlg : public QDialog {
    Q_OBJECT
public:
    QPickActionDlg(int code, QWidget* parent);

    int ChosenCode() const { return m_chosen; }
    QLineEdit* Filter() const { return m_filter; }
    QListWidget* List() const { return m_list; }
    QPushButton* NoActionButton() const { return m_noAction; }

private:
    void Fill();

    int m_chosen;
    QLineEdit* m_filter;
    QListWidget* m_list;
    QPushButton* m_noAction;
};
