#include "picture/ImageSurface.h"

#include "picture/Canvas.h"
#include "picture/JpegDecoder.h"
#include "picture/PixelKernels.h"
#include "picture/PngDecoder.h"

#include <QFile>
#include <algorithm>
#include <climits>
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

// The source column and row a scaled draw takes for the destination pixel `offset` from its start, in
// single precision as they always were; a repeated picture takes the same, so it draws the same pixels.
int ScaledColumn(long long offset, int w, float fx) {
    const float c = std::floor(static_cast<float>(offset) * fx);
    return c < 0.0f ? 0 : (c >= static_cast<float>(w) ? w - 1 : static_cast<int>(c));
}

int ScaledRow(long long offset, int h, float fy) {
    // Rows are counted from the picture's bottom.
    const float fromBottom = std::floor(static_cast<float>(h) - static_cast<float>(offset + 1) * fy);
    const int b =
        fromBottom < 0.0f ? 0 : (fromBottom >= static_cast<float>(h) ? h - 1 : static_cast<int>(fromBottom));
    return h - 1 - b;
}

} // namespace

bool ImageSurface::Fail(const QString& error) const {
    m_lastError = error;
    return false;
}

void ImageSurface::Clear() {
    m_data.reset();
    m_alphaMax = 255;
}

const PictureData& ImageSurface::Empty() {
    static const PictureData empty;
    return empty;
}

PictureData& ImageSurface::OwnData() {
    if (!m_data)
        m_data = std::make_shared<PictureData>();
    else if (m_data.use_count() > 1)
        m_data = std::make_shared<PictureData>(*m_data);
    return *m_data;
}

void ImageSurface::SetTransparentColour(int value) {
    if (value != Data().transparent)
        OwnData().transparent = value;
}

bool ImageSurface::Create(int width, int height, int bitsPerPixel, int kind) {
    return Allocate(width, height, bitsPerPixel, kind, true);
}

bool ImageSurface::Allocate(int width, int height, int bitsPerPixel, int kind, bool fill) {
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
            if (fill)
                data.argb.assign(static_cast<std::size_t>(width) * height, 0xFF000000u);
            else
                data.argb.resize(static_cast<std::size_t>(width) * height);
        } else {
            data.palette.assign(std::size_t{1} << bpp, 0xFF000000u);
            if (fill)
                data.indices.assign(data.Stride() * height, 0);
            else
                data.indices.resize(data.Stride() * height);
        }
        Adopt(std::move(data));
    } catch (const std::bad_alloc&) {
        return Fail(QStringLiteral("Out of memory"));
    }
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
    QString firstError;
    if (kind == kImagePng && !file.isSequential()) {
        // Decoded as it is read: the file's bytes and the picture are never in memory together.
        PictureData decoded;
        if (DecodePngFrom(file, decoded, firstError)) {
            Adopt(std::move(decoded));
            m_kind = kImagePng;
            return true;
        }
        if (!file.seek(0))
            return Fail(firstError);
    }
    const QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto size = static_cast<std::size_t>(bytes.size());
    if (firstError.isEmpty()) {
        if (DecodeAs(data, size, kind))
            return true;
        if (kind == kImageUnknown)
            return false;
        firstError = m_lastError;
    }
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
    Adopt(std::move(decoded));
    m_kind = decodedKind;
    return true;
}

Colour ImageSurface::PixelColour(int x, int y) const {
    if (Data().bpp == 24)
        return ColourFromPixel(Data().argb[static_cast<std::size_t>(y) * Data().width + x]);
    return ColourFromPixel(Data().palette[Data().Index(x, y)]);
}

int ImageSurface::PixelIndex(int x, int y) const {
    return Data().bpp == 24 ? -1 : Data().Index(x, y);
}

int ImageSurface::Alpha(int x, int y) const {
    if (!Data().hasAlpha)
        return 255;
    const std::size_t i = static_cast<std::size_t>(y) * Data().width + x;
    return Data().bpp == 24 ? static_cast<int>(Data().argb[i] >> 24) : Data().alpha[i];
}

Colour ImageSurface::PaletteColour(int index) const {
    if (index < 0 || index >= PaletteSize())
        return kNoColour;
    return ColourFromPixel(Data().palette[index]);
}

void ImageSurface::SetPaletteColour(int index, Colour colour) {
    if (index >= 0 && index < PaletteSize())
        OwnData().palette[index] = PaletteEntry(colour);
}

void ImageSurface::SetPixelColour(int x, int y, Colour colour) {
    if (Data().bpp != 24)
        return;
    PictureData& data = OwnData();
    std::uint32_t& p = data.argb[static_cast<std::size_t>(y) * data.width + x];
    p = (p & 0xFF000000u) | (PixelFromColour(colour) & 0xFFFFFFu);
}

void ImageSurface::SetPixelIndex(int x, int y, int index) {
    if (Data().bpp != 24 && Data().bpp != 0)
        OwnData().SetIndex(x, y, index);
}

void ImageSurface::SetAlpha(int x, int y, int alpha) {
    if (!IsValid())
        return;
    PictureData& data = OwnData();
    const std::size_t i = static_cast<std::size_t>(y) * data.width + x;
    const auto a = static_cast<std::uint32_t>(std::clamp(alpha, 0, 255));
    if (data.bpp == 24) {
        data.hasAlpha = true;
        data.argb[i] = (data.argb[i] & 0xFFFFFFu) | (a << 24);
        return;
    }
    if (!data.hasAlpha) {
        data.alpha.assign(static_cast<std::size_t>(data.width) * data.height, 255);
        data.hasAlpha = true;
    }
    data.alpha[i] = static_cast<std::uint8_t>(a);
}

bool ImageSurface::Crop(int left, int top, int right, int bottom, ImageSurface& destination) const {
    if (&destination == this)
        return destination.Crop(left, top, right, bottom);
    destination.Clear();
    if (!IsValid())
        return Fail(destination.m_lastError = QStringLiteral("No picture"));
    left = std::clamp(left, 0, Data().width);
    right = std::clamp(right, 0, Data().width);
    top = std::clamp(top, 0, Data().height);
    bottom = std::clamp(bottom, 0, Data().height);
    if (left == right || top == bottom)
        return Fail(destination.m_lastError = QStringLiteral("Empty crop"));
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    const int w = right - left;
    const int h = bottom - top;
    // Every pixel is copied over, except packed indices, which are set a few bits at a time.
    if (!destination.Allocate(w, h, Data().bpp, m_kind, Data().bpp < 8))
        return Fail(destination.m_lastError);
    PictureData& out = destination.OwnData();
    out.palette = Data().palette;
    out.transparent = Data().transparent;
    out.hasAlpha = Data().hasAlpha;
    destination.m_alphaMax = m_alphaMax;
    const std::size_t srcWidth = static_cast<std::size_t>(Data().width);
    if (Data().bpp == 24) {
        for (int y = 0; y < h; ++y)
            std::memcpy(out.argb.data() + static_cast<std::size_t>(y) * w,
                        Data().argb.data() + (top + y) * srcWidth + left, static_cast<std::size_t>(w) * 4);
        return true;
    }
    for (int y = 0; y < h; ++y) {
        if (Data().bpp == 8) {
            std::memcpy(out.indices.data() + out.Stride() * y,
                        Data().indices.data() + Data().Stride() * (top + y) + left,
                        static_cast<std::size_t>(w));
        } else {
            for (int x = 0; x < w; ++x)
                out.SetIndex(x, y, Data().Index(left + x, top + y));
        }
    }
    if (Data().hasAlpha) {
        out.alpha.resize(static_cast<std::size_t>(w) * h);
        for (int y = 0; y < h; ++y)
            std::memcpy(out.alpha.data() + static_cast<std::size_t>(y) * w,
                        Data().alpha.data() + (top + y) * srcWidth + left, static_cast<std::size_t>(w));
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
    const std::size_t rowStart = static_cast<std::size_t>(y) * Data().width;
    if (Data().bpp == 24) {
        std::memcpy(out, Data().argb.data() + rowStart, static_cast<std::size_t>(Data().width) * 4);
        return;
    }
    const std::uint8_t* alpha = Data().hasAlpha ? Data().alpha.data() + rowStart : nullptr;
    for (int x = 0; x < Data().width; ++x) {
        const int index = Data().Index(x, y);
        const std::uint32_t a = index == Data().transparent ? 0u : (alpha ? alpha[x] : 255u);
        out[x] = (Data().palette[index] & 0xFFFFFFu) | (a << 24);
    }
}

bool ImageSurface::Draw(Canvas& target, int x, int y, int cx, int cy) const {
    if (!IsValid())
        return Fail(QStringLiteral("No picture"));
    if (!target.IsValid())
        return Fail(QStringLiteral("No target"));
    if (cx == 0 || cy == 0)
        return Fail(QStringLiteral("Empty size"));
    const int w = Data().width;
    const int h = Data().height;
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

    const bool blend = Data().hasAlpha || Data().transparent != -1;
    const std::uint32_t transparentRgb =
        TransparentIsColour() ? (PixelFromColour(Data().transparent) & 0xFFFFFFu) : kNoTransparentRgb;
    const bool ownSize = cx == w && cy == h;

    // Source column of every covered destination column; scale factors are single precision.
    std::vector<int> columns;
    if (!ownSize) {
        const float fx = static_cast<float>(w) / static_cast<float>(cx);
        columns.resize(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            columns[i] = ScaledColumn(left + i - x, w, fx);
    }
    const float fy = static_cast<float>(h) / static_cast<float>(cy);

    const bool direct = Data().bpp == 24;
    std::vector<std::uint32_t> expanded(direct ? 0 : static_cast<std::size_t>(w));
    std::vector<std::uint32_t> line(ownSize ? 0 : static_cast<std::size_t>(count));
    int expandedRow = -1;
    int lineRow = -1;

    for (long long Y = top; Y < bottom; ++Y) {
        const int srcRow = ownSize ? static_cast<int>(Y - y) : ScaledRow(Y - y, h, fy);
        const std::uint32_t* rowPixels;
        if (direct) {
            rowPixels = Data().argb.data() + static_cast<std::size_t>(srcRow) * w;
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

bool ImageSurface::Repeated(int cx, int cy, int across, int down, ImageSurface& destination) const {
    destination.Clear();
    if (!IsValid() || cx < 1 || cy < 1 || across < 1 || down < 1)
        return Fail(destination.m_lastError = QStringLiteral("Empty size"));
    const long long outW = static_cast<long long>(cx) * across;
    const long long outH = static_cast<long long>(cy) * down;
    if (outW > INT_MAX || outH > INT_MAX ||
        !destination.Allocate(static_cast<int>(outW), static_cast<int>(outH), 24, m_kind, false))
        return Fail(destination.m_lastError = QStringLiteral("Invalid picture size"));
    const int w = Data().width;
    const int h = Data().height;
    const bool ownSize = cx == w && cy == h;
    const float fx = static_cast<float>(w) / static_cast<float>(cx);
    const float fy = static_cast<float>(h) / static_cast<float>(cy);
    std::vector<int> columns(static_cast<std::size_t>(cx));
    for (int i = 0; i < cx; ++i)
        columns[static_cast<std::size_t>(i)] = ownSize ? i : ScaledColumn(i, w, fx);
    std::vector<std::uint32_t> expanded(static_cast<std::size_t>(w));
    PictureData& out = destination.OwnData();
    // The expanded words carry the transparent index as alpha 0; a transparent colour word stays one.
    out.hasAlpha = Data().hasAlpha || Data().transparent != -1;
    out.transparent = TransparentIsColour() ? Data().transparent : -1;
    destination.m_alphaMax = m_alphaMax;
    const std::size_t rowWords = static_cast<std::size_t>(outW);
    for (int j = 0; j < cy; ++j) {
        ExpandRow(ownSize ? j : ScaledRow(j, h, fy), expanded.data());
        std::uint32_t* row = out.argb.data() + static_cast<std::size_t>(j) * rowWords;
        for (int i = 0; i < cx; ++i)
            row[i] = expanded[static_cast<std::size_t>(columns[static_cast<std::size_t>(i)])];
        for (int k = 1; k < across; ++k)
            std::memcpy(row + static_cast<std::size_t>(k) * cx, row, static_cast<std::size_t>(cx) * 4);
    }
    for (int l = 1; l < down; ++l)
        std::memcpy(out.argb.data() + static_cast<std::size_t>(l) * cy * rowWords, out.argb.data(),
                    static_cast<std::size_t>(cy) * rowWords * 4);
    return true;
}
