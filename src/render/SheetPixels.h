#pragma once

#include "picture/Colour.h"

#include <array>
#include <cstdint>

class ImageSurface;
class KeyedPicture;
struct SkinDocument;

// What counts as empty on a sprite sheet, decided in one place for snapping, the list of pieces and the
// lint alike. A picture with an alpha plane is empty where alpha is 0. A picture without one is empty
// where it has its transparent colour (a PNG's tRNS colour or palette index, a keyed picture's key) or
// the skin's region colour, which the note cuts out of whatever is drawn. An opaque sheet with none of
// these has no empty pixel: it is one piece.
//
// The sheet refers to the picture it was made from, which must outlive it and stay unchanged.
class SheetPixels {
public:
    SheetPixels() = default; // no picture: no pixels at all
    SheetPixels(const ImageSurface& picture, Colour region);
    // A keyed picture is empty where its key (the skin's transparent colour) was and in the region colour.
    SheetPixels(const KeyedPicture& picture, Colour transparent, Colour region);
    // The document's picture: its PNG surface or, for a picture of another format, the keyed one.
    static SheetPixels OfDocument(const SkinDocument& document);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Some pixel may count as empty; false for an opaque sheet without a key and for no picture.
    bool HasEmptyRule() const { return m_rule != Rule::Opaque; }

    // (x, y) must lie inside the picture.
    bool IsEmpty(int x, int y) const;
    // Sets out[i] to 1 where pixel (x0 + i, y) holds something and 0 where it is empty, for x0 <= x < x1.
    void FilledRow(int y, int x0, int x1, std::uint8_t* out) const;

private:
    enum class Rule {
        Opaque,       // nothing is empty
        Alpha24,      // 24-bit with alpha: alpha 0
        Colour24,     // 24-bit without alpha: the transparent or the region colour
        AlphaPalette, // palette with an alpha plane: alpha 0 or the transparent index
        Palette,      // palette without alpha: an index whose entry is empty
        Keyed,        // keyed picture: the key mask or the region colour
    };

    const ImageSurface* m_surface = nullptr;
    const KeyedPicture* m_keyed = nullptr;
    Rule m_rule = Rule::Opaque;
    int m_width = 0;
    int m_height = 0;
    // Colours compared as 0xRRGGBB; a value above 0xFFFFFF matches nothing.
    std::uint32_t m_transparentRgb = 0xFFFFFFFFu;
    std::uint32_t m_regionRgb = 0xFFFFFFFFu;
    int m_transparentIndex = -1;
    std::array<bool, 256> m_emptyIndex{}; // palette pictures without alpha
};
