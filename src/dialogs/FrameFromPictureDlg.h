#pragma once

#include "document/FrameBuilder.h"
#include "picture/ImageSurface.h"
#include "render/FramePreview.h"
#include "widgets/ResizingDialog.h"

#include <memory>
#include <vector>

class FrameGuideOverlay;
class FramePreviewTiles;
class IntegerBox;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class SheetCanvas;
struct NoteSettings;

// "Frame from Picture…": a resizable frame of nine elements cut from one rectangle of the sheet. The
// rectangle is drawn on the sheet (or snapped to a piece with a double click) or typed; its borders are
// found at once and shown as four guide lines, dragged or typed; the preview shows the note with the
// frame at three sizes as it changes. The window only reads the skin; the caller adds what it asks for.
class QFrameFromPictureDlg : public CResizingDialog {
    Q_OBJECT
public:
    // The frame will go before the entry at insertAt; the previews draw the note the settings describe.
    QFrameFromPictureDlg(const SkinDocument& document, int insertAt, const NoteSettings& settings,
                         QWidget* parent = nullptr);
    ~QFrameFromPictureDlg() override;

    // The frame as it stands: the rectangle clipped to the sheet, the margins and the options.
    CanvasRect Rect() const { return m_rect; }
    FrameMargins Margins() const { return m_margins; }
    FrameOptions Options() const;
    FrameProblem Problem() const { return m_problem; }

    // What the mouse and the boxes do, for the caller and its tests: a rectangle as drawn (its borders
    // are found), margins as typed, "Find borders".
    void SetRect(const CanvasRect& rect);
    void SetMargins(const FrameMargins& margins);
    void FindBorders();

    SheetCanvas* Sheet() const { return m_canvas; }
    const FramePreview& Preview() const { return *m_preview; }
    // The three previews as last drawn.
    const std::vector<Canvas>& PreviewPictures() const { return m_previews; }

signals:
    // The frame or an option changed and the previews were drawn again.
    void PreviewUpdated();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildControls();
    void RectTyped();
    void MarginsTyped();
    void ShowFrame();
    void Update();

    ImageSurface m_sheet;
    std::unique_ptr<FramePreview> m_preview;
    std::unique_ptr<FrameGuideOverlay> m_overlay;
    CanvasRect m_rect;
    FrameMargins m_margins;
    FrameProblem m_problem = FrameProblem::TooSmall;
    std::vector<Canvas> m_previews;
    bool m_showing = false; // the boxes are being set from the frame: their signals change nothing
    bool m_zoomFitted = false;

    SheetCanvas* m_canvas = nullptr;
    IntegerBox* m_rectBoxes[4] = {};
    IntegerBox* m_marginBoxes[4] = {};
    QSpinBox* m_tolerance = nullptr;
    QPushButton* m_find = nullptr;
    QComboBox* m_body = nullptr;
    QLineEdit* m_group = nullptr;
    QCheckBox* m_setLayout = nullptr;
    QLabel* m_message = nullptr;
    FramePreviewTiles* m_tiles = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
