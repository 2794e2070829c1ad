#include "package/DeflateProbe.h"
#include "PackageTestSupport.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

using Kind = DeflateProbe::BlockKind;
constexpr Kind kStored = Kind::Incompressible;
constexpr Kind kRun = Kind::OneByteRun;
constexpr Kind kDeflated = Kind::Compressible;

// The probe's verdict on each block of the data in turn.
std::vector<Kind> Verdicts(const QByteArray& data) {
    DeflateProbe probe;
    std::vector<Kind> kinds;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    for (qsizetype at = 0; at < data.size(); at += DeflateProbe::kBlock)
        kinds.push_back(probe.Classify(bytes + at, std::min(DeflateProbe::kBlock, data.size() - at)));
    return kinds;
}

} // namespace

// Noise goes out stored without a search, a block of one byte over and over run-length coded; anything
// else deflate can use is deflated, including repeats that reach back into an earlier block, and a short tail
// whose statistics say little.
TEST(DeflateProbe, StoresOnlyWhatCannotShrink) {
    constexpr qsizetype k = DeflateProbe::kBlock;
    QByteArray sevenBits = NoiseBytes(k, 3);
    for (char& c : sevenBits)
        c = char(c & 0x7F);
    const QByteArray noise = NoiseBytes(3 * k, 1);
    const struct {
        const char* what;
        QByteArray data;
        std::vector<Kind> kinds;
    } cases[] = {
        {"noise", NoiseBytes(4 * k, 1), {kStored, kStored, kStored, kStored}},
        {"noise then zeros", NoiseBytes(2 * k, 2) + QByteArray(2 * k, '\0'), {kStored, kStored, kRun, kRun}},
        {"a block of noise repeated from 16 KB before",
         noise.left(2 * k) + noise.mid(k, k),
         {kStored, kStored, kDeflated}},
        {"repeated from beyond the window", noise + noise.left(k), {kStored, kStored, kStored, kStored}},
        {"seven bits of noise a byte", NoiseBytes(k, 4) + sevenBits, {kStored, kDeflated}},
        {"skin text", QByteArray("[button]\nname=close\n").repeated(2000), {kDeflated, kDeflated, kDeflated}},
        {"a short tail", NoiseBytes(k + 200, 5), {kStored, kDeflated}},
        {"a run nearly all of one byte", QByteArray(k - 1, 'x') + 'y', {kDeflated}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Verdicts(c.data), c.kinds);
    }
}
