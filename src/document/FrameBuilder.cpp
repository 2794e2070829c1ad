#include "document/FrameBuilder.h"

#include "document/ElementEditing.h"
#include "document/SkinDocument.h"
#include "document/SkinLayout.h"

#include <algorithm>

namespace {

Placement Side(int value) {
    Placement placement;
    placement.value = value;
    return placement;
}

PlacePair At(int x, int y) {
    return {Side(x), Side(y)};
}

// Strips and corners of the top row show on a rolled note too, so it keeps its title band.
void DrawnIn(DrawableCommon& common, bool alsoRolled) {
    common.drawunrolled = true;
    common.drawrolled = alsoRolled;
}

// The pieces of the frame; the geometry is explained where each is made.
class FramePieces {
public:
    FramePieces(const SkinDocument& document, const CanvasRect& rect, const FrameMargins& margins,
                const QString& group)
        : m_taken(ElementNames(document)), m_group(group), m_x(rect.left), m_y(rect.top), m_w(rect.Width()),
          m_h(rect.Height()), m_m(margins), m_across(m_w - margins.left - margins.right),
          m_down(m_h - margins.top - margins.bottom) {}

    std::vector<SkinElement>& Entries() { return m_entries; }

    void Group(const QString& name) {
        SkinElement entry = SkinElement::Make(ElementKind::Group);
        entry.SetName(name);
        m_taken.insert(name);
        m_entries.push_back(std::move(entry));
    }

    // The middle cell tiled over everything between the borders; a tile area's far corner is inclusive
    // (-1 is the last pixel), so -(right + 1) ends it at the right border's first column.
    void Body() {
        TileAreaRecord body;
        body.topleft = At(m_m.left, m_m.top);
        body.bottomright = At(-(m_m.right + 1), -(m_m.bottom + 1));
        body.source = {m_x + m_m.left, m_y + m_m.top};
        body.size = {m_across, m_down};
        body.tiletype = 1;
        DrawnIn(body, false);
        Add(std::move(body), "Frame body");
    }

    // A strip paints its pieces from its start edge through its end edge inclusive, each piece starting
    // at the start of the source strip. Ending it at the last column before the right border
    // (-(right + 2) gives that column as the end edge) repeats the middle run exactly; a piece one column
    // longer than the run, which reads the border's first column, is always followed by a one-column
    // piece at the same place that paints the run's first column over it.
    void TopAndBottom() {
        if (m_m.top > 0)
            Add(HEdge(0, m_m.top, m_y), "Frame top", true);
        if (m_m.bottom > 0)
            Add(HEdge(-m_m.bottom, m_m.bottom, m_y + m_h - m_m.bottom), "Frame bottom");
    }
    void LeftAndRight() {
        if (m_m.left > 0)
            Add(VEdge(0, m_m.left, m_x), "Frame left");
        if (m_m.right > 0)
            Add(VEdge(-m_m.right, m_m.right, m_x + m_w - m_m.right), "Frame right");
    }

    // Corners are buttons without an action, at the note's corners; negative places count from the
    // right and bottom edges.
    void Corners() {
        const int right = m_x + m_w - m_m.right;
        const int bottom = m_y + m_h - m_m.bottom;
        Corner(0, 0, m_m.left, m_m.top, m_x, m_y, "Frame top left", true);
        Corner(-m_m.right, 0, m_m.right, m_m.top, right, m_y, "Frame top right", true);
        Corner(0, -m_m.bottom, m_m.left, m_m.bottom, m_x, bottom, "Frame bottom left", false);
        Corner(-m_m.right, -m_m.bottom, m_m.right, m_m.bottom, right, bottom, "Frame bottom right", false);
    }

private:
    HStripRecord HEdge(int placeY, int height, int sourceY) const {
        HStripRecord strip;
        strip.place = At(m_m.left, placeY);
        strip.extent.right = Side(-(m_m.right + 2));
        strip.extent.height = height;
        strip.width = m_across;
        strip.source = {m_x + m_m.left, sourceY};
        strip.striptype = 0;
        return strip;
    }
    VStripRecord VEdge(int placeX, int width, int sourceX) const {
        VStripRecord strip;
        strip.place = At(placeX, m_m.top);
        strip.extent.width = width;
        strip.extent.bottom = Side(-(m_m.bottom + 2));
        strip.height = m_down;
        strip.source = {sourceX, m_y + m_m.top};
        strip.striptype = 0;
        return strip;
    }
    void Corner(int placeX, int placeY, int w, int h, int sourceX, int sourceY, const char* name,
                bool topRow) {
        if (w < 1 || h < 1)
            return;
        ButtonRecord corner;
        corner.place = At(placeX, placeY);
        corner.size = {w, h};
        corner.source = {sourceX, sourceY};
        Add(std::move(corner), name, topRow);
    }

    template <class Record> void Add(Record record, const char* name, bool topRow = false) {
        DrawnIn(record, topRow);
        record.name = UniqueNameAmong(m_taken, QString::fromLatin1(name));
        m_taken.insert(record.name);
        SkinElement entry;
        entry.record = std::move(record);
        entry.group = m_group;
        m_entries.push_back(std::move(entry));
    }

    QSet<QString> m_taken;
    QString m_group;
    int m_x, m_y, m_w, m_h;
    FrameMargins m_m;
    int m_across, m_down;
    std::vector<SkinElement> m_entries;
};

} // namespace

QString FrameProblemText(FrameProblem problem) {
    switch (problem) {
    case FrameProblem::None:
        return {};
    case FrameProblem::NoPicture:
        return QStringLiteral("The skin has no picture to cut a frame from.");
    case FrameProblem::TooSmall:
        return QStringLiteral("The rectangle must cover at least 3 by 3 pixels of the picture.");
    case FrameProblem::NegativeMargin:
        return QStringLiteral("The margins cannot be negative.");
    case FrameProblem::NoMiddleAcross:
        return QStringLiteral("The left and right margins leave no middle: together they must be less than "
                              "the rectangle's width.");
    case FrameProblem::NoMiddleDown:
        return QStringLiteral("The top and bottom margins leave no middle: together they must be less than "
                              "the rectangle's height.");
    case FrameProblem::MiddleOffSheetX:
        return QStringLiteral("A right margin of 0 needs one more column of the picture after the rectangle; "
                              "give the right margin a width.");
    case FrameProblem::MiddleOffSheetY:
        return QStringLiteral("A bottom margin of 0 needs one more row of the picture below the rectangle; "
                              "give the bottom margin a height.");
    }
    return {};
}

ImageSurface FrameSheet(const SkinDocument& document) {
    if (document.pngsource)
        return document.image;
    ImageSurface sheet;
    if (document.keyed.IsValid())
        sheet.MakeFromCanvas(document.keyed.Picture());
    return sheet;
}

CanvasRect ClipFrameRect(const CanvasRect& rect, int sheetWidth, int sheetHeight) {
    const CanvasRect clipped = rect.Intersected({0, 0, std::max(0, sheetWidth), std::max(0, sheetHeight)});
    return clipped.IsEmpty() ? CanvasRect{} : clipped;
}

FrameProblem CheckFrame(const CanvasRect& rect, const FrameMargins& margins, int sheetWidth,
                        int sheetHeight) {
    if (sheetWidth < 1 || sheetHeight < 1)
        return FrameProblem::NoPicture;
    if (rect.Width() < 3 || rect.Height() < 3)
        return FrameProblem::TooSmall;
    if (margins.left < 0 || margins.top < 0 || margins.right < 0 || margins.bottom < 0)
        return FrameProblem::NegativeMargin;
    // In 64 bits: margins typed by a user may be as large as an int holds.
    if (static_cast<long long>(margins.left) + margins.right >= rect.Width())
        return FrameProblem::NoMiddleAcross;
    if (static_cast<long long>(margins.top) + margins.bottom >= rect.Height())
        return FrameProblem::NoMiddleDown;
    // A strip's last piece may read one column (row) past the middle; off the picture it would be
    // stretched.
    if (margins.right == 0 && rect.right >= sheetWidth)
        return FrameProblem::MiddleOffSheetX;
    if (margins.bottom == 0 && rect.bottom >= sheetHeight)
        return FrameProblem::MiddleOffSheetY;
    return FrameProblem::None;
}

std::vector<SkinElement> BuildFrame(const SkinDocument& document, const CanvasRect& rect,
                                    const FrameMargins& margins, const FrameOptions& options) {
    QString group;
    if (!options.group.isEmpty())
        group = GroupNameAfterEdit(document, -1, options.group);
    FramePieces pieces(document, rect, margins, group);
    if (!group.isEmpty())
        pieces.Group(group);
    if (options.tileBody)
        pieces.Body();
    pieces.TopAndBottom();
    pieces.LeftAndRight();
    pieces.Corners();
    return std::move(pieces.Entries());
}

void FitLayoutToFrame(SkinLayout& layout, const FrameMargins& margins) {
    // A title bar needs a row to be grabbed by, and a rolled note no taller than the top gap.
    const int top = std::max(margins.top, 1);
    layout.left = margins.left;
    layout.right = margins.right;
    layout.bottom = margins.bottom;
    layout.top = top;
    layout.titlebar.height = top;
    layout.rolledheight = top;
    layout.minimumwidth = std::max(layout.minimumwidth, margins.left + margins.right + 1);
    layout.minimumheight = std::max(layout.minimumheight, top + margins.bottom + 1);
}

int AddFrame(SkinDocument& document, const CanvasRect& rect, const FrameMargins& margins,
             const FrameOptions& options, int insertAt, FrameProblem* problem) {
    const int sheetWidth = document.pngsource ? document.image.Width() : document.keyed.Width();
    const int sheetHeight = document.pngsource ? document.image.Height() : document.keyed.Height();
    const CanvasRect clipped = ClipFrameRect(rect, sheetWidth, sheetHeight);
    const FrameProblem found = CheckFrame(clipped, margins, sheetWidth, sheetHeight);
    if (problem)
        *problem = found;
    if (found != FrameProblem::None)
        return -1;
    std::vector<SkinElement> entries = BuildFrame(document, clipped, margins, options);
    const int count = static_cast<int>(document.elements.size());
    const int at = insertAt < 0 || insertAt > count ? count : insertAt;
    document.elements.insert(document.elements.begin() + at, std::make_move_iterator(entries.begin()),
                             std::make_move_iterator(entries.end()));
    if (options.setLayout)
        FitLayoutToFrame(document.layout, margins);
    return at;
}
