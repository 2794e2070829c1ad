#pragma once

#include "picture/Canvas.h"

#include <QWidget>

class ImageSurface;

// The source picture at its natural size over a checkerboard, from the view's top-left corner; what does
// not fit is not shown. The cursor is a cross-hair over the picture.
class SourceView : public QWidget {
    Q_OBJECT
public:
    explicit SourceView(QWidget* parent = nullptr);

    void SetPicture(const ImageSurface& picture);
    // The picture's part of the view, in the view's coordinates.
    QRect PictureRect() const;
    const Canvas& Composed() const { return m_composed; }

    QSize sizeHint() const override;

    // One more rectangle of the picture shown tinted, over everything else: the finding chosen in the
    // lint window. An empty rectangle shows none.
    void SetExtraTint(const QRect& area);
    QRect ExtraTint() const { return m_extraTint; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Canvas m_composed; // checkerboard with the picture drawn over it, the picture's size
    QRect m_extraTint;
};

// The checkerboard behind a source picture: 8 by 8 squares, white first, then light grey.
void FillSourceCheckerboard(Canvas& canvas);
