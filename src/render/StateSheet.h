#pragma once

#include "picture/Canvas.h"
#include "render/NoteSettings.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

struct SkinDocument;

// The state sheet: the preview of one skin in many simulated states (rows) and at several note sizes
// (columns), so that an author sees at once what no single preview shows.

// A preview area is this much larger than its note in each direction.
constexpr int kSheetAreaMargin = 20;

struct SheetSize {
    int width = 0;
    int height = 0;
    bool operator==(const SheetSize&) const = default;
};

// One row: its name and the note settings it is drawn with.
struct SheetRow {
    QString name;
    NoteSettings settings;
};

// The rows a skin calls for: "base" (the settings as given), "rolled" and "focus", then each flag key
// (named as "--set" names it) that some element's condition or indicator, or some group rule on a flag
// field, reads, in the order of the key table. A key is read when turning it over changes what such a
// test sees.
QStringList StateSheetStates(const SkinDocument& document, const NoteSettings& base);

// The row of a name: "base" is the settings as given; any flag key is the settings with that flag turned
// over. Names are found without regard to case and come back in the key's own spelling; nothing for a
// name that is neither.
std::optional<SheetRow> StateSheetRow(QStringView name, const NoteSettings& base);

// Every name StateSheetRow knows.
QStringList StateSheetNames();

// The columns a sheet shows by default: the minimum size of the layout active in the base state, 300 by
// 100 and 600 by 200. Each side is kept to 1 .. 9999, the designer's range.
std::vector<SheetSize> DefaultStateSheetSizes(const SkinDocument& document, const NoteSettings& base);

// Where everything lies on a sheet of rowCount rows and these columns. Every row is as high as the
// highest cell; the labels take a fixed room, so the geometry never depends on fonts.
class StateSheetGrid {
public:
    StateSheetGrid(int rowCount, std::vector<SheetSize> sizes);

    // The sheet's size; 64 bits, since many large columns do not fit a canvas.
    long long Width() const { return m_width; }
    long long Height() const { return m_height; }
    // The preview area of a cell: the column's size plus the margin each way.
    CanvasRect Cell(int row, int column) const;
    CanvasRect RowLabel(int row) const;
    CanvasRect ColumnLabel(int column) const;

private:
    int m_rowCount;
    std::vector<SheetSize> m_sizes;
    std::vector<long long> m_columnLeft;
    long long m_rowHeight = 0;
    long long m_width = 0;
    long long m_height = 0;
};

// Draws the sheet on a new canvas: each cell is RenderPreview of its row's settings at its column's size,
// in an area kSheetAreaMargin larger each way, without highlights, in the row settings' skin mode; each
// row and column is labelled. False, with the canvas empty, when there is no row or column, a size is
// below 1, or the sheet is too large for a canvas.
bool DrawStateSheet(const SkinDocument& document, const std::vector<SheetRow>& rows,
                    const std::vector<SheetSize>& sizes, Canvas& sheet);

// The label of a column.
QString SheetSizeLabel(const SheetSize& size);
