#pragma once

#include "picture/Canvas.h"

#include <QWidget>

// The preview area: shows the preview picture the main window renders into its buffer, and reports the
// pointer over it (for the buttons' rollover pictures) and left clicks (to select the element there).
class PreviewView : public QWidget {
    Q_OBJECT
public:
    explicit PreviewView(QWidget* parent = nullptr);

    // The buffer's size for the area's present size.
    QSize BufferSize() const;
    Canvas& Buffer() { return m_buffer; }
    const Canvas& Buffer() const { return m_buffer; }

    QSize sizeHint() const override { return {480, 320}; }

signals:
    void Resized();
    void Clicked(const QPoint& point);
    void PointerMoved(const QPoint& point);
    void PointerLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Canvas m_buffer;
};

// The note is centred by halving, so the area's height is kept even: an odd height grows by one.
QSize PreviewBufferSize(QSize area);
