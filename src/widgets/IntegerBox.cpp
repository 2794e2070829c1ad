#include "widgets/IntegerBox.h"

#include "document/LeadingNumber.h"

#include <QLineEdit>
#include <algorithm>

IntegerBox::IntegerBox(QWidget* parent) : QAbstractSpinBox(parent) {
    setMinimumWidth(70);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textChanged, this, &IntegerBox::Changed);
    SetValue(0);
}

void IntegerBox::SetArrowRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
}

int IntegerBox::Value() const {
    return LeadingNumber(text());
}

void IntegerBox::SetValue(int value) {
    m_setting = true;
    lineEdit()->setText(QString::number(value));
    m_setting = false;
}

bool IntegerBox::HoldsInteger() const {
    return StrictInteger(text()).has_value();
}

void IntegerBox::stepBy(int steps) {
    // A value outside the arrows' range steps into it from the nearer end.
    const long long next = static_cast<long long>(Value()) + steps;
    SetValue(static_cast<int>(std::clamp<long long>(next, m_minimum, m_maximum)));
    selectAll();
}

QAbstractSpinBox::StepEnabled IntegerBox::stepEnabled() const {
    const int value = Value();
    StepEnabled enabled = StepNone;
    if (value < m_maximum)
        enabled |= StepUpEnabled;
    if (value > m_minimum)
        enabled |= StepDownEnabled;
    return enabled;
}
