#pragma once

#include <QDialog>

// A dialog whose layout keeps its controls placed as it is resized. Its size when resizing is set up is
// its smallest size; in a direction where it may not grow, that size is also its largest.
class CResizingDialog : public QDialog {
    Q_OBJECT
public:
    explicit CResizingDialog(QWidget* parent = nullptr);

    QSize SmallestSize() const { return m_smallest; }
    bool GrowsInWidth() const { return m_growWidth; }
    bool GrowsInHeight() const { return m_growHeight; }

protected:
    // Records the dialog's present size (its layout's size when it has not been shown) as the smallest.
    void InitResizing();
    void SetGrowth(bool width, bool height);
    void ShowSizeGrip(bool shown) { setSizeGripEnabled(shown); }

private:
    void ApplyLimits();

    QSize m_smallest;
    bool m_growWidth = true;
    bool m_growHeight = true;
};
