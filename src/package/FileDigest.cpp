#include "package/FileDigest.h"

#include <QFile>
#include <vector>
#include <zlib.h>

QByteArray FileDigest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<char> chunk(std::size_t{1} << 20);
    uLong crc = crc32_z(0, nullptr, 0);
    qint64 length = 0;
    for (;;) {
        const qint64 n = file.read(chunk.data(), static_cast<qint64>(chunk.size()));
        if (n < 0)
            return {};
        if (n == 0)
            break;
        crc = crc32_z(crc, reinterpret_cast<const Bytef*>(chunk.data()), static_cast<z_size_t>(n));
        length += n;
    }
    return QByteArray::number(length) + ':' + QByteArray::number(static_cast<qulonglong>(crc), 16);
}
