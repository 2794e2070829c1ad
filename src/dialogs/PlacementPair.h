#pragma once

#include "document/Placement.h"

#include <QObject>
#include <optional>

class IntegerBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;

// One coordinate in a dialog: a number with arrows (-9999 to 9999), a drop-down of three or six modes
// and, where the coordinate has one, "+" and a pixel offset; then a read-only readout of the pixel it
// lands on ("= 295").
class PlacementPair : public QObject {
    Q_OBJECT
public:
    // The controls are created as children of parent in reading order: number, mode, offset.
    PlacementPair(QWidget* parent, const QString& label, bool sixModes, bool withOffset);

    // The label goes to column, the number to column + 1, the mode to column + 2, "+" to column + 3
    // and the offset to column + 4; the readout follows in the next column.
    void AddToGrid(QGridLayout* grid, int row, int column) const;

    void Show(const Placement& placement);
    // The value (text that is no number gives 0), the chosen mode alone, and the offset from its box;
    // a pair without offset box keeps the offset it was shown with.
    Placement Read() const;
    void SetEnabled(bool enabled);
    // The readout; nothing leaves it blank.
    void ShowPixel(std::optional<int> pixel);

    IntegerBox* ValueBox() const { return m_value; }
    QComboBox* ModeBox() const { return m_mode; }
    IntegerBox* OffsetBox() const { return m_offset; }
    QLabel* PixelLabel() const { return m_pixel; }

signals:
    void Changed();

private:
    bool m_sixModes;
    int m_shownOffset = 0;
    QLabel* m_label;
    IntegerBox* m_value;
    QComboBox* m_mode;
    QLabel* m_plus = nullptr;
    IntegerBox* m_offset = nullptr;
    QLabel* m_pixel;
};

// The " Pixel offset" heading above the offset column of a grid of pairs placed at column.
void AddPixelOffsetHeading(QGridLayout* grid, int row, int column);
