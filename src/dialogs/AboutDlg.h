#pragma once

#include <QDialog>

class CHyperLink;

// "About Drapier": the program's icon, its credits and a link to the maker's site.
class QAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit QAboutDlg(const QIcon& icon, QWidget* parent = nullptr);

    CHyperLink* Link() const { return m_link; }

private:
    CHyperLink* m_link;
};
