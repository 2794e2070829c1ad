#include "picture/ImageSurface.h"

#include "picture/Canvas.h"
#include "picture/JpegDecoder.h"
#include "picture/PixelKernels.h"
#include "picture/PngDecoder.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

namespace {

// Files larger than this cannot hold a picture within the byte limit that is worth reading.
constexpr qint64 kMaxFileBytes = 2 * kPictureByteLimit;

std::uint32_t PaletteEntry(Colour c) {
    return 0xFF000000u | (PixelFromColour(c) & 0xFFFFFFu);
}

} // namespace

bool ImageSurface::Fail(const QString& error) const {
    m_lastError = error;
    return false;
}

void ImageSurface::Clear() {
    m_data = PictureData{};
    m_alphaMax = 255;
}

bool ImageSurface::Create(int width, int height, int bitsPerPixel, int kind) {
    Clear();
    const int bpp = RoundedBitsPerPixel(bitsPerPixel);
    if (!FitsPictureLimit(width, height, bpp))
        return Fail(QStringLiteral("Invalid picture size"));
    PictureData data;
    data.width = width;
    data.height = height;
    data.bpp = bpp;
    try {
        if (bpp == 24) {
            data.argb.assign(static_cast<std::size_t>(width) * height, 0xFF000000u);
        } else {
            data.palette.assign(std::size_t{1} << bpp, 0xFF000000u);
            data.indices.assign(data.Stride() * height, 0);
        }
    } catch (const std::bad_alloc&) {
        return Fail(QStringLiteral("Out of memory"));
    }
    m_data = std::move(data);
    m_kind = kind;
    return true;
}

bool ImageSurface::Load(const QString& path, int kind) {
    Clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("Cannot open the file"));
    if (file.size() > kMaxFileBytes)
        return Fail(QStringLiteral("File too large"));
    const QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto size = static_cast<std::size_t>(bytes.size());
    if (DecodeAs(data, size, kind))
        return true;
    if (kind == kImageUnknown)
        return false;
    const QString firstError = m_lastError;
    if (DecodeAs(data, size, kImageUnknown))
        return true;
    return Fail(firstError);
}

bool ImageSurface::Decode(const unsigned char* data, std::size_t size, int kind) {
    return DecodeAs(data, size, kind);
}

bool ImageSurface::Decode(const QByteArray& bytes, int kind) {
    return DecodeAs(reinterpret_cast<const unsigned char*>(bytes.constData()),
                    static_cast<std::size_t>(bytes.size()), kind);
}

bool ImageSurface::LoadFromResource(const QString& resourcePath, int kind) {
    Clear();
    QFile file(resourcePath);
    if (!resourcePath.startsWith(QLatin1Char(':')) || !file.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("Missing resource"));
    return Decode(file.readAll(), kind);
}

bool ImageSurface::DecodeAs(const unsigned char* data, std::size_t size, int kind) {
    Clear();
    PictureData decoded;
    QString error;
    bool ok = false;
    int decodedKind = kind;
    switch (kind) {
    case kImagePng:
        ok = DecodePng(data, size, decoded, error);
        break;
    case kImageJpeg:
        ok = DecodeJpeg(data, size, decoded, error);
        break;
    case kImageUnknown:
        for (const int candidate : {kImagePng, kImageJpeg}) {
            decoded = PictureData{};
            ok = candidate == kImagePng ? DecodePng(data, size, decoded, error)
                                        : DecodeJpeg(data, size, decoded, error);
            if (ok) {
                decodedKind = candidate;
                break;
            }
        }
        if (!ok)
            error = QStringLiteral("Not a PNG or JPEG picture");
        break;
    default:
        error = QStringLiteral("Unsupported picture kind");
        break;
    }
    if (!ok)
        return Fail(error);
    m_data = std::move(decoded);
    m_kind = decodedKind;
    return true;
}

Colour ImageSurface::PixelColour(int x, int y) const {
    if (m_data.bpp == 24)
        return ColourFromPixel(m_data.argb[static_cast<std::size_t>(y) * m_data.width + x]);
    return ColourFromPixel(m_data.palette[m_data.Index(x, y)]);
}

int ImageSurface::PixelIndex(int x, int y) const {
    return m_data.bpp == 24 ? -1 : m_data.Index(x, y);
}

int ImageSurface::Alpha(int x, int y) const {
    if (!m_data.hasAlpha)
        return 255;
    const std::size_t i = static_cast<std::size_t>(y) * m_data.width + x;
    return m_data.bpp == 24 ? static_cast<int>(m_data.argb[i] >> 24) : m_data.alpha[i];
}

Colour ImageSurface::PaletteColour(int index) const {
    if (index < 0 || index >= PaletteSize())
        return kNoColour;
    return ColourFromPixel(m_data.palette[index]);
}

void ImageSurface::SetPaletteColour(int index, Colour colour) {
    if (index >= 0 && index < PaletteSize())
        m_data.palette[index] = PaletteEntry(colour);
}

void ImageSurface::SetPixelColour(int x, int y, Colour colour) {
    if (m_data.bpp != 24)
        return;
    std::uint32_t& p = m_data.argb[static_cast<std::size_t>(y) * m_data.width + x];
    p = (p & 0xFF000000u) | (PixelFromColour(colour) & 0xFFFFFFu);
}

void ImageSurface::SetPixelIndex(int x, int y, int index) {
    if (m_data.bpp != 24 && m_data.bpp != 0)
        m_data.SetIndex(x, y, index);
}

void ImageSurface::SetAlpha(int x, int y, int alpha) {
    if (!IsValid())
        return;
    const std::size_t i = static_cast<std::size_t>(y) * m_data.width + x;
    const auto a = static_cast<std::uint32_t>(std::clamp(alpha, 0, 255));
    if (m_data.bpp == 24) {
        m_data.hasAlpha = true;
        m_data.argb[i] = (m_data.argb[i] & 0xFFFFFFu) | (a << 24);
        return;
    }
    if (!m_data.hasAlpha) {
        m_data.alpha.assign(static_cast<std::size_t>(m_data.width) * m_data.height, 255);
        m_data.hasAlpha = true;
    }
    m_data.alpha[i] = static_cast<std::uint8_t>(a);
}

bool ImageSurface::Crop(int left, int top, int right, int bottom, ImageSurface& destination) const {
    if (&destination == this)
        return destination.Crop(left, top, right, bottom);
    destination.Clear();
    if (!IsValid())
        return Fail(destination.m_lastError = QStringLiteral("No picture"));
    left = std::clamp(left, 0, m_data.width);
    right = std::clamp(right, 0, m_data.width);
    top = std::clamp(top, 0, m_data.height);
    bottom = std::clamp(bottom, 0, m_data.height);
    if (left == right || top == bottom)
        return Fail(destination.m_lastError = QStringLiteral("Empty crop"));
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    const int w = right - left;
    const int h = bottom - top;
    if (!destination.Create(w, h, m_data.bpp, m_kind))
        return Fail(destination.m_lastError);
    PictureData& out = destination.m_data;
    out.palette = m_data.palette;
    out.transparent = m_data.transparent;
    out.hasAlpha = m_data.hasAlpha;
    destination.m_alphaMax = m_alphaMax;
    const std::size_t srcWidth = static_cast<std::size_t>(m_data.width);
    if (m_data.bpp == 24) {
        for (int y = 0; y < h; ++y)
            std::memcpy(out.argb.data() + static_cast<std::size_t>(y) * w,
                        m_data.argb.data() + (top + y) * srcWidth + left, static_cast<std::size_t>(w) * 4);
        return true;
    }
    for (int y = 0; y < h; ++y) {
        if (m_data.bpp == 8) {
            std::memcpy(out.indices.data() + out.Stride() * y,
                        m_data.indices.data() + m_data.Stride() * (top + y) + left,
                        static_cast<std::size_t>(w));
        } else {
            for (int x = 0; x < w; ++x)
                out.SetIndex(x, y, m_data.Index(left + x, top + y));
        }
    }
    if (m_data.hasAlpha) {
        out.alpha.resize(static_cast<std::size_t>(w) * h);
        for (int y = 0; y < h; ++y)
            std::memcpy(out.alpha.data() + static_cast<std::size_t>(y) * w,
                        m_data.alpha.data() + (top + y) * srcWidth + left, static_cast<std::size_t>(w));
    }
    return true;
}

bool ImageSurface::Crop(int left, int top, int right, int bottom) {
    ImageSurface cut;
    const bool ok = Crop(left, top, right, bottom, cut);
    *this = std::move(cut);
    return ok;
}

void ImageSurface::ExpandRow(int y, std::uint32_t* out) const {
    const std::size_t rowStart = static_cast<std::size_t>(y) * m_data.width;
    if (m_data.bpp == 24) {
        std::memcpy(out, m_data.argb.data() + rowStart, static_cast<std::size_t>(m_data.width) * 4);
        return;
    }
    const std::uint8_t* alpha = m_data.hasAlpha ? m_data.alpha.data() + rowStart : nullptr;
    for (int x = 0; x < m_data.width; ++x) {
        const int index = m_data.Index(x, y);
        const std::uint32_t a = index == m_data.transparent ? 0u : (alpha ? alpha[x] : 255u);
        out[x] = (m_data.palette[index] & 0xFFFFFFu) | (a << 24);
    }
}

bool ImageSurface::Draw(Canvas& target, int x, int y, int cx, int cy) const {
    if (!IsValid())
        return Fail(QStringLiteral("No picture"));
    if (!target.IsValid())
        return Fail(QStringLiteral("No target"));
    if (cx == 0 || cy == 0)
        return Fail(QStringLiteral("Empty size"));
    const int w = m_data.width;
    const int h = m_data.height;
    if (cx < 0)
        cx = w;
    if (cy < 0)
        cy = h;

    const CanvasRect clip = target.ClipRect();
    const long long left = std::max<long long>(x, clip.left);
    const long long top = std::max<long long>(y, clip.top);
    const long long right = std::min<long long>(static_cast<long long>(x) + cx, clip.right);
    const long long bottom = std::min<long long>(static_cast<long long>(y) + cy, clip.bottom);
    if (right <= left || bottom <= top)
        return true;
    const int count = static_cast<int>(right - left);

    const bool blend = m_data.hasAlpha || m_data.transparent != -1;
    const std::uint32_t transparentRgb =
        TransparentIsColour() ? (PixelFromColour(m_data.transparent) & 0xFFFFFFu) : kNoTransparentRgb;
    const bool ownSize = cx == w && cy == h;

    // Source column of every covered destination column; scale factors are single precision.
    std::vector<int> columns;
    if (!ownSize) {
        const float fx = static_cast<float>(w) / static_cast<float>(cx);
        columns.resize(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            const float c = std::floor(static_cast<float>(left + i - x) * fx);
            columns[i] = c < 0.0f ? 0 : (c >= static_cast<float>(w) ? w - 1 : static_cast<int>(c));
        }
    }
    const float fy = static_cast<float>(h) / static_cast<float>(cy);

    const bool direct = m_data.bpp == 24;
    std::vector<std::uint32_t> expanded(direct ? 0 : static_cast<std::size_t>(w));
    std::vector<std::uint32_t> line(ownSize ? 0 : static_cast<std::size_t>(count));
    int expandedRow = -1;
    int lineRow = -1;

    for (long long Y = top; Y < bottom; ++Y) {
        int srcRow;
        if (ownSize) {
            srcRow = static_cast<int>(Y - y);
        } else {
            // Rows are counted from the picture's bottom.
            const float fromBottom = std::floor(static_cast<float>(h) - static_cast<float>(Y - y + 1) * fy);
            const int b = fromBottom < 0.0f
                              ? 0
                              : (fromBottom >= static_cast<float>(h) ? h - 1 : static_cast<int>(fromBottom));
            srcRow = h - 1 - b;
        }
        const std::uint32_t* rowPixels;
        if (direct) {
            rowPixels = m_data.argb.data() + static_cast<std::size_t>(srcRow) * w;
        } else {
            if (srcRow != expandedRow) {
                ExpandRow(srcRow, expanded.data());
                expandedRow = srcRow;
            }
            rowPixels = expanded.data();
        }
        const std::uint32_t* src;
        if (ownSize) {
            src = rowPixels + (left - x);
        } else {
            if (srcRow != lineRow) {
                for (int i = 0; i < count; ++i)
                    line[i] = rowPixels[columns[i]];
                lineRow = srcRow;
            }
            src = line.data();
        }
        std::uint32_t* dst = target.Row(static_cast<int>(Y)) + left;
        // Without alpha every source word already carries alpha 0xFF.
        if (blend)
            AlphaOverRow(dst, src, count, m_alphaMax, transparentRgb);
        else
            std::memcpy(dst, src, static_cast<std::size_t>(count) * 4);
    }
    return true;
}
