#pragma once

#include "picture/Canvas.h"

#include <QWidget>

// The source view: shows the picture the main window composes for it (the source picture at its natural
// size from the view's top-left corner, with the selected element's areas tinted) and reports the mouse
// in its own coordinates for picking. The cursor is a cross-hair over the picture.
class SourceView : public QWidget {
    Q_OBJECT
public:
    explicit SourceView(QWidget* parent = nullptr);

    // The composed picture, the view's size; the window draws into it and then calls update().
    Canvas& Composed() { return m_composed; }
    const Canvas& Composed() const { return m_composed; }
    // The size of the source picture; the part of it within the view is where picking works.
    void SetPictureSize(QSize size) { m_pictureSize = size; }
    QRect PictureRect() const;

    QSize sizeHint() const override;

    // One more rectangle of the picture shown tinted, over everything else: the finding chosen in the
    // lint window. An empty rectangle shows none.
    void SetExtraTint(const QRect& area);
    QRect ExtraTint() const { return m_extraTint; }

signals:
    // The view's size or palette changed: the composed picture must be made again.
    void Resized();
    void Pressed(const QPoint& point, Qt::MouseButton button, Qt::MouseButtons held);
    void Dragged(const QPoint& point, Qt::MouseButtons held);
    void Released(Qt::MouseButtons held);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Canvas m_composed;
    QSize m_pictureSize;
    QRect m_extraTint;
};
