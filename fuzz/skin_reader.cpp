// Arbitrary bytes read as a plain skin file, by the loader's own reading of a skin file's bytes; what was
// read must be written, read back and written again to the same bytes, never gaining elements.
#include "FuzzTarget.h"
#include "document/PlainSkinText.h"
#include "document/SkinDocument.h"
#include "document/SkinReader.h"
#include "document/SkinWriter.h"

#include <QByteArray>
#include <QString>

namespace {

QString TextOf(const QByteArray& written) {
    return QString(reinterpret_cast<const QChar*>(written.constData() + 2), (written.size() - 2) / 2);
}

} // namespace

DRAPIER_FUZZ_TARGET(skin_reader) {
    // The bytes are shared, not copied: the reader only reads them.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString text;
    QString imageName;
    FUZZ_REQUIRE(ReadPlainSkinBytes(bytes, &text, &imageName));

    SkinDocument first;
    ReadSkinText(first, text);
    const QByteArray written = SkinFileBytes(first, first.bitmap);
    FUZZ_REQUIRE(written.startsWith("\xFF\xFE"));

    SkinDocument second;
    ReadSkinText(second, TextOf(written));
    FUZZ_REQUIRE(second.elements.size() <= first.elements.size());
    FUZZ_REQUIRE(SkinFileBytes(second, second.bitmap) == written);
    return 0;
}
