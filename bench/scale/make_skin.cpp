// Writes the skin bench/scale.sh measures with: DIR/big.ini, 5,000 elements (half of them in 50 groups)
// over DIR/big.png, a 4096 by 4096 PNG of noise with an alpha channel.
#include "document/SkinDocument.h"
#include "document/SkinWriter.h"
#include "picture/InputLimits.h"
#include "picture/PngEncoder.h"
#include "picture/SafeFileWrite.h"

#include <QDir>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kElements = 5000;
static_assert(kElements <= kMaxDrawnElements, "every element of the measured skin is drawn");
constexpr int kGroups = 50;
constexpr int kSheet = 4096;

SourcePoint Piece(int i) {
    const int piece = i % (128 * 128);
    return {piece % 128 * 32, piece / 128 * 32};
}

SkinDocument BigSkin() {
    SkinDocument d;
    d.settings.skinname = QStringLiteral("Scale");
    for (int g = 0; g < kGroups; ++g) {
        SkinElement e = SkinElement::Make(ElementKind::Group);
        GroupRecord& r = *e.As<GroupRecord>();
        r.name = QStringLiteral("group%1").arg(g);
        r.match = g % 2 == 0;
        r.rules = {{QStringLiteral("Width"), QStringLiteral("is greater than"), QString::number(100 + g)},
                   {QStringLiteral("User %1").arg(1 + g % 3), QStringLiteral("is"), QStringLiteral("true")}};
        d.Append(std::move(e));
    }
    for (int i = kGroups; i < kElements; ++i) {
        SkinElement e = SkinElement::Make(static_cast<ElementKind>(1 + i % 6));
        e.SetName(QStringLiteral("Element %1").arg(i));
        if (i % 2 == 0)
            e.group = QStringLiteral("group%1").arg(i % kGroups);
        DrawableCommon& c = *e.Common();
        c.drawunrolled = true;
        c.drawrolled = i % 2 == 0;
        if (auto* r = e.As<ButtonRecord>()) {
            r->size = {24, 24};
            r->source = Piece(i);
            r->sourcerollover = Piece(i + 1);
        } else if (auto* r = e.As<HStripRecord>()) {
            r->extent.height = 24;
            r->width = 24;
            r->source = Piece(i);
        } else if (auto* r = e.As<VStripRecord>()) {
            r->extent.width = 24;
            r->height = 24;
            r->source = Piece(i);
        } else if (auto* r = e.As<IndicatorRecord>()) {
            r->size = {24, 24};
            r->type = 1 + i % 20;
            r->source = Piece(i);
            r->sourceoff = Piece(i + 2);
        } else if (auto* r = e.As<TileAreaRecord>()) {
            r->size = {24, 24};
            r->tiletype = 1;
            r->source = Piece(i);
        }
        d.Append(std::move(e));
    }
    return d;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: scale_make_skin DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QString error;
    if (!WriteSkinFile(BigSkin(), dir.filePath(QStringLiteral("big.ini")), QStringLiteral("big.png"),
                       &error)) {
        std::fprintf(stderr, "scale_make_skin: %s\n", qPrintable(error));
        return 1;
    }
    std::vector<std::uint32_t> noise(static_cast<std::size_t>(kSheet) * kSheet);
    std::mt19937 rng(27);
    for (std::uint32_t& p : noise)
        p = rng();
    QByteArray png;
    if (!EncodePngPixels(noise.data(), kSheet, kSheet, true, png, error) ||
        !WriteFileSafely(dir.filePath(QStringLiteral("big.png")), png, &error)) {
        std::fprintf(stderr, "scale_make_skin: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
