#pragma once

#include "picture/Canvas.h"
#include "render/KeptPreview.h"

#include <QLine>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

// What is drawn over the preview picture while elements are edited on it, in the view's pixels: the
// selected element's outline with its handles, and the guide lines of a snap.
struct PreviewOverlay {
    QRect outline; // empty: none
    std::vector<QRect> handles;
    std::vector<QLine> guides;
};

// The preview area: shows the preview picture the main window renders into its buffer, with the editing
// overlay over it. What the pointer and the keys do on it is the preview editor's business.
class PreviewView : public QWidget {
    Q_OBJECT
public:
    explicit PreviewView(QWidget* parent = nullptr);

    // The buffer's size for the area's present size.
    QSize BufferSize() const;
    // The picture is built only through it.
    KeptPreview& Picture() { return m_picture; }
    const Canvas& Buffer() const { return m_picture.Picture(); }

    // Asked for the overlay at every paint, so that it always matches the picture under it.
    void SetOverlaySource(std::function<PreviewOverlay()> source) { m_overlay = std::move(source); }

    QSize sizeHint() const override { return {480, 320}; }

signals:
    void Resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PaintOverlay(QPainter& painter) const;

    KeptPreview m_picture;
    std::function<PreviewOverlay()> m_overlay;
};

// The note is centred by halving, so the area's height is kept even: an odd height grows by one.
QSize PreviewBufferSize(QSize area);
