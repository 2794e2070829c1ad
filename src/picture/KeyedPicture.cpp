#include "picture/KeyedPicture.h"

#include "picture/JpegDecoder.h"
#include "picture/PictureData.h"
#include "picture/PictureLoader.h"
#include "picture/PngDecoder.h"

#include <QFile>
#include <algorithm>

namespace {

constexpr CanvasPixel kKeyWhite = MakePixel(255, 255, 255);
constexpr CanvasPixel kKeyBlack = MakePixel(0, 0, 0);

// c * a / 255 rounded, as Qt composes a picture over black (qPremultiply).
constexpr CanvasPixel Premultiplied(std::uint32_t argb) {
    const std::uint32_t a = argb >> 24;
    CanvasPixel out = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t t = ((argb >> shift) & 0xFF) * a;
        out |= ((t + (t >> 8) + 0x80) >> 8) << shift;
    }
    return out;
}

// PNG and JPEG go through the program's own decoders and their limits, composed over black as the
// picture loader composes the other formats.
bool DecodeWithOwnDecoder(const QByteArray& bytes, KeyedPictureFormat format, Canvas& picture,
                          QString& error) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto size = static_cast<std::size_t>(bytes.size());
    PictureData decoded;
    if (!(format == KeyedPictureFormat::Png ? DecodePng(data, size, decoded, error)
                                            : DecodeJpeg(data, size, decoded, error)))
        return false;
    if (!picture.Create(decoded.width, decoded.height)) {
        error = QStringLiteral("Out of memory");
        return false;
    }
    // A single transparent colour of a 24-bit picture is alpha 0 there.
    const std::uint32_t transparentRgb = decoded.bpp == 24 && decoded.transparent != -1
                                             ? PixelFromColour(decoded.transparent) & 0xFFFFFFu
                                             : 0xFFFFFFFFu;
    for (int y = 0; y < decoded.height; ++y) {
        CanvasPixel* out = picture.Row(y);
        const std::size_t rowStart = static_cast<std::size_t>(y) * decoded.width;
        for (int x = 0; x < decoded.width; ++x) {
            std::uint32_t argb;
            if (decoded.bpp == 24) {
                argb = decoded.argb[rowStart + x];
                if ((argb & 0xFFFFFFu) == transparentRgb)
                    argb &= 0xFFFFFFu;
            } else {
                const int index = decoded.Index(x, y);
                const std::uint32_t alpha = index == decoded.transparent
                                                ? 0u
                                                : (decoded.hasAlpha ? decoded.alpha[rowStart + x] : 255u);
                argb = (decoded.palette[static_cast<std::size_t>(index)] & 0xFFFFFFu) | (alpha << 24);
            }
            out[x] = Premultiplied(argb);
        }
    }
    return true;
}

// One pixel of an alpha-rectangle blend: source * (1 - k/256) + target * k/256, k the alpha pixel's red.
CanvasPixel AlphaRectPixel(CanvasPixel s, CanvasPixel alpha, CanvasPixel d) {
    const double f = static_cast<double>((alpha >> 16) & 0xFF) / 256.0;
    CanvasPixel result = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double sc = static_cast<double>((s >> shift) & 0xFF);
        const double dc = static_cast<double>((d >> shift) & 0xFF);
        result |= static_cast<CanvasPixel>(static_cast<int>(sc * (1.0 - f) + dc * f)) << shift;
    }
    return result;
}

} // namespace

KeyedPictureFormat KeyedPictureFormatOf(const QByteArray& bytes) {
    if (bytes.startsWith("BM"))
        return KeyedPictureFormat::Bmp;
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return KeyedPictureFormat::Gif;
    if (bytes.startsWith(QByteArray("\x00\x00\x01\x00", 4)))
        return KeyedPictureFormat::Ico;
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return KeyedPictureFormat::Png;
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return KeyedPictureFormat::Jpeg;
    return KeyedPictureFormat::None;
}

bool KeyedPicture::Fail(const QString& error) {
    Clear();
    m_lastError = error;
    return false;
}

void KeyedPicture::Clear() {
    m_picture.Clear();
    m_mask.Clear();
    m_lastError.clear();
}

bool KeyedPicture::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("Cannot open the file"));
    if (file.size() > 2 * kPictureByteLimit)
        return Fail(QStringLiteral("File too large"));
    return Decode(file.readAll());
}

bool KeyedPicture::Decode(const QByteArray& bytes) {
    Clear();
    QString error;
    const KeyedPictureFormat format = KeyedPictureFormatOf(bytes);
    const bool read = format == KeyedPictureFormat::Png || format == KeyedPictureFormat::Jpeg
                          ? DecodeWithOwnDecoder(bytes, format, m_picture, error)
                          : ReadWithPictureLoader(bytes, m_picture, error);
    if (!read)
        return Fail(error);
    if (!m_mask.Create(Width(), Height(), MakeColour(0, 0, 0)))
        return Fail(QStringLiteral("Out of memory"));
    return true;
}

void KeyedPicture::ApplyKey(Colour transparent) {
    if (!IsValid())
        return;
    m_mask.Create(Width(), Height(), MakeColour(0, 0, 0));
    if (transparent == kNoColour)
        return;
    const CanvasPixel key = PixelFromColour(transparent);
    for (int y = 0; y < Height(); ++y) {
        CanvasPixel* picture = m_picture.Row(y);
        CanvasPixel* mask = m_mask.Row(y);
        for (int x = 0; x < Width(); ++x) {
            if (picture[x] == key) {
                mask[x] = kKeyWhite;
                picture[x] = kKeyBlack;
            }
        }
    }
}

void KeyedPicture::DrawMasked(Canvas& target, int x, int y, int sx, int sy, int w, int h) const {
    if (!IsValid() || w < 1 || h < 1)
        return;
    // The source part outside the picture is dropped for both operands alike.
    const CanvasRect inside = CanvasRect::FromSize(sx, sy, w, h).Intersected(m_picture.Bounds());
    if (inside.IsEmpty())
        return;
    const int dx = x + (inside.left - sx);
    const int dy = y + (inside.top - sy);
    target.Copy(dx, dy, inside.Width(), inside.Height(), m_mask, inside.left, inside.top, RasterOp::And);
    target.Copy(dx, dy, inside.Width(), inside.Height(), m_picture, inside.left, inside.top, RasterOp::Or);
}

void KeyedPicture::DrawAlphaRect(Canvas& target, int x, int y, int sx, int sy, int w, int h, int ax,
                                 int ay) const {
    if (!IsValid() || !target.IsValid() || w < 1 || h < 1)
        return;
    const CanvasRect clip = target.ClipRect();
    const long long width = Width();
    const long long height = Height();
    // Only block positions whose target, source and alpha pixels all exist are visited.
    auto limit = [](long long lo, long long hi, long long offset, long long& from, long long& to) {
        from = std::max(from, lo - offset);
        to = std::min(to, hi - offset);
    };
    long long iFrom = 0, iTo = w, jFrom = 0, jTo = h;
    limit(clip.left, clip.right, x, iFrom, iTo);
    limit(0, width, sx, iFrom, iTo);
    limit(0, width, ax, iFrom, iTo);
    limit(clip.top, clip.bottom, y, jFrom, jTo);
    limit(0, height, sy, jFrom, jTo);
    limit(0, height, ay, jFrom, jTo);
    for (long long j = jFrom; j < jTo; ++j) {
        CanvasPixel* dst = target.Row(static_cast<int>(y + j));
        const CanvasPixel* src = m_picture.Row(static_cast<int>(sy + j));
        const CanvasPixel* alpha = m_picture.Row(static_cast<int>(ay + j));
        for (long long i = iFrom; i < iTo; ++i)
            dst[x + i] = AlphaRectPixel(src[sx + i], alpha[ax + i], dst[x + i]);
    }
}

void KeyedPicture::DrawTiles(Canvas& target, int x, int y, int sx, int sy, int w, int h, int ax, int ay,
                             long long across, long long down) const {
    if (!IsValid() || !target.IsValid() || w < 1 || h < 1 || across < 1 || down < 1)
        return;
    const long long width = Width();
    const long long height = Height();
    // The part of one tile that is drawn: where its source (and alpha) pixels exist.
    long long iFrom = std::max(0LL, -static_cast<long long>(sx));
    long long iTo = std::min<long long>(w, width - sx);
    long long jFrom = std::max(0LL, -static_cast<long long>(sy));
    long long jTo = std::min<long long>(h, height - sy);
    const bool alpha = ax != -1;
    if (alpha) {
        iFrom = std::max(iFrom, -static_cast<long long>(ax));
        iTo = std::min(iTo, width - ax);
        jFrom = std::max(jFrom, -static_cast<long long>(ay));
        jTo = std::min(jTo, height - ay);
    }
    const CanvasRect clip = target.ClipRect();
    const long long left = std::max<long long>(x, clip.left);
    const long long right = std::min<long long>(x + across * w, clip.right);
    const long long top = std::max<long long>(y, clip.top);
    const long long bottom = std::min<long long>(y + down * h, clip.bottom);
    if (iFrom >= iTo || jFrom >= jTo || left >= right || top >= bottom)
        return;
    const long long firstI = (left - x) % w;
    const bool hasMask = m_mask.Width() == Width() && m_mask.Height() == Height();
    for (long long Y = top; Y < bottom; ++Y) {
        const long long j = (Y - y) % h;
        if (j < jFrom || j >= jTo)
            continue;
        CanvasPixel* dst = target.Row(static_cast<int>(Y));
        const CanvasPixel* src = m_picture.Row(static_cast<int>(sy + j));
        // Without a mask (it could not be made) DrawMasked's AND has nothing to take from.
        const CanvasPixel* mask = hasMask ? m_mask.Row(static_cast<int>(sy + j)) : nullptr;
        const CanvasPixel* weight = alpha ? m_picture.Row(static_cast<int>(ay + j)) : nullptr;
        long long i = firstI;
        for (long long X = left; X < right; ++X) {
            if (i >= iFrom && i < iTo) {
                CanvasPixel& d = dst[X];
                // The two raster operations of DrawMasked, or the blend of DrawAlphaRect.
                d = alpha  ? AlphaRectPixel(src[sx + i], weight[ax + i], d)
                    : mask ? (d & mask[sx + i]) | src[sx + i]
                           : d | src[sx + i];
            }
            if (++i == w)
                i = 0;
        }
    }
}
