#include "widgets/ResizingDialog.h"

#include <QLayout>

CResizingDialog::CResizingDialog(QWidget* parent) : QDialog(parent) {}

void CResizingDialog::InitResizing() {
    if (!isVisible())
        adjustSize();
    m_smallest = size();
    setSizeGripEnabled(true);
    ApplyLimits();
}

void CResizingDialog::SetGrowth(bool width, bool height) {
    m_growWidth = width;
    m_growHeight = height;
    ApplyLimits();
}

void CResizingDialog::ApplyLimits() {
    if (!m_smallest.isValid())
        return;
    setMinimumSize(m_smallest);
    setMaximumSize(m_growWidth ? QWIDGETSIZE_MAX : m_smallest.width(),
                   m_growHeight ? QWIDGETSIZE_MAX : m_smallest.height());
}
