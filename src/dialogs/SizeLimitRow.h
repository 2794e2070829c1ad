#pragma once

#include <QObject>

class IntegerBox;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QWidget;

// "Do not draw when width is" [less than | more than] [number]: one size limit of a pair of them (the
// minimum and the maximum of one dimension), -1 meaning none.
class SizeLimitRow : public QObject {
    Q_OBJECT
public:
    // The controls are made as children of parent in reading order; the number's arrows keep to 0..9999.
    SizeLimitRow(QWidget* parent, const QString& text);

    // The check box goes to column, the drop-down to column + 1, the number to column + 2.
    void AddToGrid(QGridLayout* grid, int row, int column) const;

    void Show(int minimum, int maximum);
    void Store(int* minimum, int* maximum) const;
    void SetEnabled(bool enabled);

    bool IsChecked() const;
    QCheckBox* CheckBox() const { return m_check; }
    QComboBox* Relation() const { return m_relation; }
    IntegerBox* NumberBox() const { return m_number; }

signals:
    void Changed();

private:
    QCheckBox* m_check;
    QComboBox* m_relation;
    IntegerBox* m_number;
};
