#pragma once

#include <QGroupBox>

struct DrawableCommon;
class IntegerChecks;
class QCheckBox;
class QComboBox;
class QRadioButton;
class SizeLimitRow;

// The " Conditions " panel of every element dialog: when the element is drawn (unrolled, rolled up,
// only with focus), the one note state it may depend on, and the size limits.
class ConditionsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ConditionsPanel(QWidget* parent);

    void Show(const DrawableCommon& common);
    // Everything but the name into the record.
    void Store(DrawableCommon& common) const;
    // A stack is never rolled up, so the roll flags are kept as they are but not offered.
    void SetStackMode(bool stack);
    // The limit boxes must hold integers on OK while their rows are checked.
    void RequireIntegers(IntegerChecks& checks) const;

    bool ConditionOn() const;
    // The note state chosen, -1 when none is.
    int ConditionCode() const;
    void SwitchConditionOff();

    QCheckBox* DrawOnlyWhen() const { return m_drawOnlyWhen; }
    QComboBox* Condition() const { return m_condition; }
    SizeLimitRow* WidthLimit() const { return m_width; }
    SizeLimitRow* HeightLimit() const { return m_height; }

signals:
    void Changed();

private:
    QCheckBox* m_unrolled;
    QCheckBox* m_rolled;
    QCheckBox* m_focus;
    QCheckBox* m_drawOnlyWhen;
    QComboBox* m_condition;
    QRadioButton* m_true;
    QRadioButton* m_false;
    SizeLimitRow* m_width;
    SizeLimitRow* m_height;
};
