#include "package/DeflateProbe.h"
#include "PackageTestSupport.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// The probe's verdict on each block of the data in turn.
std::vector<bool> Verdicts(const QByteArray& data) {
    DeflateProbe probe;
    std::vector<bool> stored;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    for (qsizetype at = 0; at < data.size(); at += DeflateProbe::kBlock)
        stored.push_back(
            probe.IsIncompressible(bytes + at, std::min(DeflateProbe::kBlock, data.size() - at)));
    return stored;
}

} // namespace

// Noise goes out stored without a search; anything deflate can use is deflated, including repeats that
// reach back into an earlier block, and a short tail whose statistics say little.
TEST(DeflateProbe, StoresOnlyWhatCannotShrink) {
    constexpr qsizetype k = DeflateProbe::kBlock;
    QByteArray sevenBits = NoiseBytes(k, 3);
    for (char& c : sevenBits)
        c = char(c & 0x7F);
    const QByteArray noise = NoiseBytes(3 * k, 1);
    const struct {
        const char* what;
        QByteArray data;
        std::vector<bool> stored;
    } cases[] = {
        {"noise", NoiseBytes(4 * k, 1), {true, true, true, true}},
        {"noise then zeros", NoiseBytes(2 * k, 2) + QByteArray(2 * k, '\0'), {true, true, false, false}},
        {"a block of noise repeated from 16 KB before",
         noise.left(2 * k) + noise.mid(k, k),
         {true, true, false}},
        {"repeated from beyond the window", noise + noise.left(k), {true, true, true, true}},
        {"seven bits of noise a byte", NoiseBytes(k, 4) + sevenBits, {true, false}},
        {"skin text", QByteArray("[button]\nname=close\n").repeated(2000), {false, false, false}},
        {"a short tail", NoiseBytes(k + 200, 5), {true, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Verdicts(c.data), c.stored);
    }
}
