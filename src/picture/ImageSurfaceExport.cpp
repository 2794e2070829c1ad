// Making a picture from a canvas, scaling it and saving it as PNG: the thumbnail road.
#include "picture/Canvas.h"
#include "picture/ImageSurface.h"
#include "picture/PngEncoder.h"
#include "picture/SafeFileWrite.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <vector>

namespace {

// Keys' cubic with a = -0.5 (Catmull-Rom).
double Cubic(double t) {
    constexpr double a = -0.5;
    t = std::fabs(t);
    if (t <= 1.0)
        return ((a + 2.0) * t - (a + 3.0)) * t * t + 1.0;
    if (t < 2.0)
        return ((a * t - 5.0 * a) * t + 8.0 * a) * t - 4.0 * a;
    return 0.0;
}

// Filter taps of one output position along one axis.
struct Taps {
    int first = 0;
    std::vector<float> weights;
};

// When shrinking, the kernel widens with the scale so every source pixel contributes.
std::vector<Taps> MakeTaps(int sourceSize, int targetSize) {
    const double ratio = static_cast<double>(sourceSize) / targetSize;
    const double scale = std::max(1.0, ratio);
    const double support = 2.0 * scale;
    std::vector<Taps> all(static_cast<std::size_t>(targetSize));
    for (int i = 0; i < targetSize; ++i) {
        const double centre = (i + 0.5) * ratio - 0.5;
        const int first = static_cast<int>(std::floor(centre - support)) + 1;
        const int last = static_cast<int>(std::floor(centre + support));
        Taps& taps = all[i];
        taps.first = first;
        double sum = 0.0;
        std::vector<double> w;
        for (int s = first; s <= last; ++s) {
            w.push_back(Cubic((s - centre) / scale));
            sum += w.back();
        }
        for (const double v : w)
            taps.weights.push_back(static_cast<float>(sum != 0.0 ? v / sum : 0.0));
    }
    return all;
}

std::uint32_t ToByte(float v) {
    return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L));
}

} // namespace

bool ImageSurface::MakeFromCanvas(const Canvas& canvas) {
    const int kind = m_kind;
    if (!canvas.IsValid()) {
        Clear();
        return Fail(QStringLiteral("No canvas"));
    }
    if (!Allocate(canvas.Width(), canvas.Height(), 24, kind, false))
        return false;
    PictureData& data = OwnData();
    for (int y = 0; y < canvas.Height(); ++y) {
        const CanvasPixel* row = canvas.Row(y);
        std::uint32_t* out = data.argb.data() + static_cast<std::size_t>(y) * data.width;
        for (int x = 0; x < canvas.Width(); ++x)
            out[x] = row[x] | 0xFF000000u;
    }
    return true;
}

bool ImageSurface::Resample(int newWidth, int newHeight) {
    if (!IsValid())
        return Fail(QStringLiteral("No picture"));
    if (!FitsPictureLimit(newWidth, newHeight, 24))
        return Fail(QStringLiteral("Invalid picture size"));
    const int sw = Data().width;
    const int sh = Data().height;
    // The first pass keeps four floats per pixel; the pass order with the smaller middle picture wins.
    const bool rowsFirst = static_cast<long long>(sh) * newWidth <= static_cast<long long>(sw) * newHeight;
    const long long middlePixels =
        rowsFirst ? static_cast<long long>(sh) * newWidth : static_cast<long long>(sw) * newHeight;
    if (middlePixels * 16 >= kPictureByteLimit ||
        static_cast<long long>(sw) * sh * 16 >= 2 * kPictureByteLimit)
        return Fail(QStringLiteral("Picture too large to resample"));

    const bool withAlpha = Data().hasAlpha || Data().transparent != -1;
    const std::uint32_t transparentRgb =
        TransparentIsColour() ? (PixelFromColour(Data().transparent) & 0xFFFFFFu) : 0xFFFFFFFFu;
    std::vector<float> source, middle;
    PictureData result;
    try {
        source.resize(static_cast<std::size_t>(sw) * sh * 4);
        std::vector<std::uint32_t> row(static_cast<std::size_t>(sw));
        for (int y = 0; y < sh; ++y) {
            ExpandRow(y, row.data());
            for (int x = 0; x < sw; ++x) {
                std::uint32_t p = row[x];
                if ((p & 0xFFFFFFu) == transparentRgb)
                    p &= 0xFFFFFFu;
                float* out = &source[(static_cast<std::size_t>(y) * sw + x) * 4];
                for (int c = 0; c < 4; ++c)
                    out[c] = static_cast<float>((p >> (8 * c)) & 0xFF);
            }
        }
        const std::vector<Taps> across = MakeTaps(sw, newWidth);
        const std::vector<Taps> down = MakeTaps(sh, newHeight);
        // One pass along x (when alongX) or y from `in` (w x h) into `out`.
        auto pass = [](const std::vector<float>& in, int w, int h, bool alongX, const std::vector<Taps>& taps,
                       std::vector<float>& out) {
            const int outW = alongX ? static_cast<int>(taps.size()) : w;
            const int outH = alongX ? h : static_cast<int>(taps.size());
            out.assign(static_cast<std::size_t>(outW) * outH * 4, 0.0f);
            for (int y = 0; y < outH; ++y) {
                for (int x = 0; x < outW; ++x) {
                    const Taps& t = taps[alongX ? x : y];
                    float acc[4] = {0, 0, 0, 0};
                    for (std::size_t k = 0; k < t.weights.size(); ++k) {
                        const int s = t.first + static_cast<int>(k);
                        const int sx = alongX ? std::clamp(s, 0, w - 1) : x;
                        const int sy = alongX ? y : std::clamp(s, 0, h - 1);
                        const float* p = &in[(static_cast<std::size_t>(sy) * w + sx) * 4];
                        for (int c = 0; c < 4; ++c)
                            acc[c] += p[c] * t.weights[k];
                    }
                    std::memcpy(&out[(static_cast<std::size_t>(y) * outW + x) * 4], acc, sizeof acc);
                }
            }
        };
        std::vector<float> done;
        if (rowsFirst) {
            pass(source, sw, sh, true, across, middle);
            pass(middle, newWidth, sh, false, down, done);
        } else {
            pass(source, sw, sh, false, down, middle);
            pass(middle, sw, newHeight, true, across, done);
        }
        result.width = newWidth;
        result.height = newHeight;
        result.bpp = 24;
        result.hasAlpha = withAlpha;
        result.argb.resize(static_cast<std::size_t>(newWidth) * newHeight);
        for (std::size_t i = 0; i < result.argb.size(); ++i) {
            const float* p = &done[i * 4];
            const std::uint32_t alpha = withAlpha ? ToByte(p[3]) : 255u;
            result.argb[i] = ToByte(p[0]) | (ToByte(p[1]) << 8) | (ToByte(p[2]) << 16) | (alpha << 24);
        }
    } catch (const std::bad_alloc&) {
        return Fail(QStringLiteral("Out of memory"));
    }
    Adopt(std::move(result));
    return true;
}

bool ImageSurface::EncodePng(QByteArray& out) const {
    if (!IsValid())
        return Fail(QStringLiteral("No picture"));
    const bool withAlpha = Data().hasAlpha || Data().transparent != -1;
    QString error;
    bool ok;
    if (Data().bpp == 24 && Data().transparent == -1) {
        ok = EncodePngPixels(Data().argb.data(), Data().width, Data().height, withAlpha, out, error);
    } else {
        std::vector<std::uint32_t> pixels;
        try {
            pixels.resize(static_cast<std::size_t>(Data().width) * Data().height);
        } catch (const std::bad_alloc&) {
            return Fail(QStringLiteral("Out of memory"));
        }
        const std::uint32_t transparentRgb =
            TransparentIsColour() ? (PixelFromColour(Data().transparent) & 0xFFFFFFu) : 0xFFFFFFFFu;
        for (int y = 0; y < Data().height; ++y) {
            std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * Data().width;
            ExpandRow(y, row);
            for (int x = 0; x < Data().width; ++x)
                if ((row[x] & 0xFFFFFFu) == transparentRgb)
                    row[x] &= 0xFFFFFFu;
        }
        ok = EncodePngPixels(pixels.data(), Data().width, Data().height, withAlpha, out, error);
    }
    return ok || Fail(error);
}

bool ImageSurface::SavePng(const QString& path) const {
    QByteArray bytes;
    if (!EncodePng(bytes))
        return false;
    QString reason;
    if (!WriteFileSafely(path, bytes, &reason))
        return Fail(reason);
    return true;
}
