#pragma once

#include "document/FrameGuides.h"
#include "widgets/SheetCanvas.h"

#include <functional>
#include <optional>

// The frame window's drawing on the sheet canvas: the rectangle of the frame and its four guide lines,
// which the mouse drags to set the margins. A press anywhere else is left to the canvas, which draws a
// new rectangle or snaps to a piece.
class FrameGuideOverlay : public SheetOverlay {
public:
    // Called with the new margins while a guide is dragged.
    explicit FrameGuideOverlay(std::function<void(const FrameMargins&)> moved) : m_moved(std::move(moved)) {}

    // The frame shown; an empty rectangle shows nothing.
    void SetFrame(const CanvasRect& rect, const FrameMargins& margins);
    bool IsDragging() const { return m_dragged.has_value(); }

    void PaintOverlay(QPainter& painter, const SheetCanvas& canvas) override;
    bool OverlayMouse(SheetCanvas& canvas, QMouseEvent& event) override;
    std::optional<Qt::CursorShape> OverlayCursor(const SheetCanvas& canvas, QPoint point) const override;

    // How near a guide a press takes it, in screen pixels.
    static constexpr int kSlack = 4;

private:
    std::array<int, 4> ViewPositions(const SheetView& view) const;
    std::optional<FrameGuide> GuideUnder(const SheetCanvas& canvas, QPoint point) const;

    std::function<void(const FrameMargins&)> m_moved;
    CanvasRect m_rect;
    FrameMargins m_margins;
    std::optional<FrameGuide> m_dragged;
};
