#pragma once

#include "dialogs/ItemDlg.h"

struct GroupRecord;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// "Group": the enabled flag, the match mode and the rules of a group, applied to the live group as they
// change. The name is only typed here (in lower case); on OK the caller decides what the group is
// called, since that depends on every other element of the skin.
class QGroupDlg : public QItemDlg {
    Q_OBJECT
public:
    QGroupDlg(EditContext& context, GroupRecord& group, QWidget* parent);

    // The name box's text when the dialog closed with OK.
    const QString& TypedName() const { return m_typedName; }

    QCheckBox* Enabled() const { return m_enabled; }
    QRadioButton* MatchAll() const { return m_matchAll; }
    QRadioButton* MatchAny() const { return m_matchAny; }
    QComboBox* Field() const { return m_field; }
    QComboBox* Operator() const { return m_operator; }
    QComboBox* Value() const { return m_value; }
    QPushButton* AddButton() const { return m_add; }
    QListWidget* Rules() const { return m_rules; }
    QPushButton* DeleteButton() const { return m_delete; }
    QLabel* NoRulesNote() const { return m_note; }

private:
    void ChooseField();
    void AddRule();
    void DeleteRule();
    void ShowRules();
    void Apply() override;
    void Commit() override;

    GroupRecord& m_group;
    QString m_typedName;
    QString m_shownName; // the name box's text before the latest edit
    QCheckBox* m_enabled;
    QRadioButton* m_matchAll;
    QRadioButton* m_matchAny;
    QComboBox* m_field;
    QComboBox* m_operator;
    QComboBox* m_value;
    QPushButton* m_add;
    QListWidget* m_rules;
    QPushButton* m_delete;
    QLabel* m_note;
};
