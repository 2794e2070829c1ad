#pragma once

#include <QAbstractSpinBox>

// A number box with arrows that takes any text: the arrows step within their own range, typing is free.
// The value is the text read as a leading number, so text that is no number (an emptied box) gives 0;
// a dialog that insists on an integer when confirmed asks HoldsInteger().
class IntegerBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit IntegerBox(QWidget* parent = nullptr);

    // The range the arrows keep to; it does not bound what is typed.
    void SetArrowRange(int minimum, int maximum);
    int ArrowMinimum() const { return m_minimum; }
    int ArrowMaximum() const { return m_maximum; }

    int Value() const;
    void SetValue(int value);
    // True when the text is an optional sign and digits within the 32-bit range.
    bool HoldsInteger() const;
    // While Changed is being emitted: whether the change was typed (not made by the arrows or SetValue).
    bool ChangeIsTyped() const { return !m_setting; }

    void stepBy(int steps) override;

signals:
    // Every change of the text: typing, the arrows or SetValue.
    void Changed();

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_minimum = 0;
    int m_maximum = 9999;
    bool m_setting = false;
};
