#include "render/SheetPieces.h"
#include "RenderTestSupport.h"
#include "document/SkinDocument.h"
#include "render/SheetPixels.h"
#include "support/EncodedImage.h"

#include <QImage>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr Colour kMagenta = MakeColour(254, 0, 254);
constexpr Colour kInk = MakeColour(20, 90, 160);

// How the empty pixels ('.') of a drawn sheet are made empty; '#' pixels hold the ink colour.
enum class Empty {
    Alpha,        // alpha 0 on a 24-bit picture with alpha
    RegionColour, // the region colour on a picture without alpha
    PaletteIndex, // a palette picture's transparent index
    Keyed,        // a keyed picture's key colour
    Nothing,      // an opaque sheet without any key: '.' is just another colour
};

struct Sheet {
    SkinDocument document;
    SheetPixels pixels;
};

// Fills a document's picture from rows of '#' and '.'.
void Draw(SkinDocument& d, const std::vector<std::string>& rows, Empty empty) {
    const int w = static_cast<int>(rows[0].size());
    const int h = static_cast<int>(rows.size());
    const auto filled = [&](int x, int y) {
        return rows[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#';
    };
    switch (empty) {
    case Empty::Alpha:
    case Empty::RegionColour:
    case Empty::Nothing:
        ASSERT_TRUE(d.image.Create(w, h, 24, kImagePng));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                d.image.SetPixelColour(x, y, filled(x, y) ? kInk : kMagenta);
                if (empty == Empty::Alpha)
                    d.image.SetAlpha(x, y, filled(x, y) ? 255 : 0);
            }
        if (empty == Empty::RegionColour)
            d.settings.region = kMagenta;
        return;
    case Empty::PaletteIndex:
        ASSERT_TRUE(d.image.Create(w, h, 8, kImagePng));
        d.image.SetPaletteColour(1, kInk);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                d.image.SetPixelIndex(x, y, filled(x, y) ? 1 : 0);
        d.image.SetTransparentColour(0);
        return;
    case Empty::Keyed: {
        QImage picture(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                picture.setPixelColor(x, y, filled(x, y) ? QColor(20, 90, 160) : QColor(254, 0, 254));
        ASSERT_TRUE(d.keyed.Decode(EncodedImage(picture, "BMP")));
        d.settings.transparent = kMagenta;
        d.keyed.ApplyKey(kMagenta);
        d.pngsource = false;
        return;
    }
    }
}

} // namespace

TEST(SheetPieces, PiecesAreEightConnectedRegionsOfFilledPixels) {
    using Rects = std::vector<CanvasRect>;
    const struct {
        const char* what;
        Empty empty;
        std::vector<std::string> rows;
        Rects expected;
    } cases[] = {
        {"two blocks in reading order",
         Empty::Alpha,
         {"......", ".##...", ".##.##", "....##", "......"},
         Rects{{1, 1, 3, 3}, {4, 2, 6, 4}}},
        {"a diagonal contact joins", Empty::Alpha, {"#...", ".#..", "..#.", "...."}, Rects{{0, 0, 3, 3}}},
        {"a hole belongs to its ring",
         Empty::Alpha,
         {"#####", "#...#", "#.#.#", "#...#", "#####"},
         Rects{{0, 0, 5, 5}, {2, 2, 3, 3}}}, // the dot inside is a piece of its own
        {"a spiral is one piece",
         Empty::Alpha,
         {"#####.", "....#.", "###.#.", "#...#.", "#####."},
         Rects{{0, 0, 5, 5}}},
        {"pieces touching the edges",
         Empty::Alpha,
         {"##..#", "....#", "#...."},
         Rects{{0, 0, 2, 1}, {4, 0, 5, 2}, {0, 2, 1, 3}}},
        {"the region colour is empty without alpha",
         Empty::RegionColour,
         {"##..", "....", "..##"},
         Rects{{0, 0, 2, 1}, {2, 2, 4, 3}}},
        {"a palette's transparent index",
         Empty::PaletteIndex,
         {".#.", "...", "#.#"},
         Rects{{1, 0, 2, 1}, {0, 2, 1, 3}, {2, 2, 3, 3}}},
        {"a keyed picture's key", Empty::Keyed, {"#..", "..#", "..#"}, Rects{{0, 0, 1, 1}, {2, 1, 3, 3}}},
        {"an opaque sheet without a key is one piece",
         Empty::Nothing,
         {"#..", "...", "..."},
         Rects{{0, 0, 3, 3}}},
        {"nothing drawn", Empty::Alpha, {"...", "..."}, Rects{}},
        {"one pixel", Empty::Alpha, {"#"}, Rects{{0, 0, 1, 1}}},
        {"rectangles sharing a corner",
         Empty::Alpha,
         {"#.#", "..#", "###"},
         Rects{{0, 0, 1, 1}, {0, 0, 3, 3}}},
    };
    for (const auto& c : cases) {
        SkinDocument d;
        Draw(d, c.rows, c.empty);
        const SheetPixels sheet = SheetPixels::OfDocument(d);
        const Rects pieces = FindPieces(sheet);
        EXPECT_EQ(pieces, c.expected) << c.what;
        // A snap anywhere gives the piece it lies in, by the same rule; empty pixels give nothing.
        for (int y = 0; y < sheet.Height(); ++y) {
            for (int x = 0; x < sheet.Width(); ++x) {
                const std::optional<CanvasRect> snap = PieceAt(sheet, x, y);
                const bool drawn = c.rows[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#';
                if (!drawn && c.empty != Empty::Nothing) {
                    EXPECT_FALSE(snap.has_value()) << c.what << " at " << x << "," << y;
                    continue;
                }
                ASSERT_TRUE(snap.has_value()) << c.what << " at " << x << "," << y;
                EXPECT_NE(std::find(pieces.begin(), pieces.end(), *snap), pieces.end())
                    << c.what << " at " << x << "," << y << ": " << *snap;
            }
        }
        EXPECT_FALSE(PieceAt(sheet, -1, 0).has_value());
        EXPECT_FALSE(PieceAt(sheet, 0, sheet.Height()).has_value());
    }
    // The same rule for pixels: alpha wins over the region colour where there is alpha.
    SkinDocument d;
    Draw(d, {"#.", ".."}, Empty::Alpha);
    d.settings.region = kInk;
    EXPECT_FALSE(SheetPixels::OfDocument(d).IsEmpty(0, 0));
    EXPECT_TRUE(SheetPixels().Width() == 0 && FindPieces(SheetPixels()).empty());
}

TEST(SheetPieces, LongPiecesAcrossWholeRowsAndTheElementsUsingThem) {
    // Wider than the row chunks the flood reads, with a piece running the sheet's full width.
    SkinDocument d;
    std::vector<std::string> rows(6, std::string(300, '.'));
    rows[1] = std::string(300, '#');
    rows[2][150] = '#';
    rows[4].replace(0, 130, 130, '#');
    rows[4].replace(200, 60, 60, '#');
    rows[5][299] = '#';
    Draw(d, rows, Empty::Alpha);
    const std::vector<CanvasRect> pieces = FindPieces(SheetPixels::OfDocument(d));
    const std::vector<CanvasRect> expected{
        {0, 1, 300, 3}, {0, 4, 130, 5}, {200, 4, 260, 5}, {299, 5, 300, 6}};
    ASSERT_EQ(pieces, expected);

    const auto button = [&](const char* name, SourcePoint source, SourcePoint rollover, BoxSize size) {
        ButtonRecord& b = AddDrawn<ButtonRecord>(d, ElementKind::Button);
        b.name = QString::fromLatin1(name);
        b.source = source;
        b.sourcerollover = rollover;
        b.size = size;
    };
    button("both", {10, 0}, {100, 4}, {5, 2}); // meets the long one and, rolled over, the left one
    button("left", {125, 4}, {-1, -1}, {10, 10});
    button("inverted", {210, 4}, {-1, -1}, {-5, 1}); // a negative size tints nothing
    button("twice", {205, 4}, {205, 4}, {1, 1});     // both sources on one piece: named once
    ButtonRecord& unset = AddDrawn<ButtonRecord>(d, ElementKind::Button);
    unset.source = {-1, 1};
    unset.size = {400, 400};
    TileAreaRecord& solid = AddDrawn<TileAreaRecord>(d, ElementKind::TileArea); // solid: no picture
    solid.source = {0, 0};
    solid.size = {300, 6};
    const std::vector<std::vector<int>> users = PieceUsers(d, pieces);
    const std::vector<std::vector<int>> named{{0}, {0, 1}, {3}, {}};
    EXPECT_EQ(users, named);

    const std::vector<bool> touched = PiecesTouched(pieces, {{299, 5, 400, 400}, {0, 0, 1, 1}});
    EXPECT_EQ(touched, (std::vector<bool>{false, false, false, true}));
}
