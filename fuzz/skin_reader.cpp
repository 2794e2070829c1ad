// Feeds arbitrary bytes to the skin file reader as a plain skin file, then checks that what was read
// is written, read back and written again to the same bytes.
#include "document/PlainSkinText.h"
#include "document/SkinDocument.h"
#include "document/SkinReader.h"
#include "document/SkinWriter.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

// In memory where the system offers it: the file is written again for every input.
const QString& ScratchPath() {
    static const QString path =
        (QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
        QStringLiteral("/fuzz_skin_reader_%1.ini").arg(static_cast<long long>(getpid()));
    return path;
}

QString TextOf(const QByteArray& written) {
    return QString(reinterpret_cast<const QChar*>(written.constData() + 2), (written.size() - 2) / 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        QFile file(ScratchPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    QString text;
    QString imageName;
    if (!ReadPlainSkinText(ScratchPath(), &text, &imageName))
        std::abort();

    SkinDocument first;
    ReadSkinText(first, text);
    const QByteArray written = SkinFileBytes(first, first.bitmap);

    SkinDocument second;
    ReadSkinText(second, TextOf(written));
    if (second.elements.size() > first.elements.size() || SkinFileBytes(second, second.bitmap) != written)
        std::abort();
    return 0;
}
