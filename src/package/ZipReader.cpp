#include "package/ZipReader.h"

#include "package/ZipEntryName.h"
#include "package/ZipFormat.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <zlib.h>

namespace {

// The end record is looked for backwards from the end, in overlapping chunks, over this many bytes.
constexpr qint64 kSearchChunk = 1028;
constexpr qint64 kSearchSpan = 65535;
constexpr qint64 kInflateChunk = 64 * 1024;

struct Inflater {
    z_stream stream{};
    bool ready = false;
    Inflater() { ready = inflateInit2(&stream, -15) == Z_OK; }
    ~Inflater() {
        if (ready)
            inflateEnd(&stream);
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;
};

} // namespace

ZipReader::ZipReader() = default;
ZipReader::~ZipReader() = default;

bool ZipReader::Fail(ZipReadError error) {
    m_error = error;
    return false;
}

bool ZipReader::Open(const QString& path) {
    Close();
    // Only plain files: a pipe or device named like a package must not block the reader.
    if (!QFileInfo(path).isFile())
        return Fail(ZipReadError::CannotOpen);
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return Fail(ZipReadError::CannotOpen);
    return OpenDevice(std::move(file));
}

bool ZipReader::OpenBytes(const QByteArray& bytes) {
    Close();
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return OpenDevice(std::move(buffer));
}

void ZipReader::Close() {
    m_device.reset();
    m_size = 0;
    m_entries.clear();
    m_limits.clear();
    m_skippedLongNames = 0;
}

bool ZipReader::OpenDevice(std::unique_ptr<QIODevice> device) {
    m_device = std::move(device);
    m_size = m_device->size();
    m_error = ZipReadError::None;
    qint64 centralOffset = 0;
    qint64 centralSize = 0;
    int count = 0;
    if (!FindEndOfCentral(&centralOffset, &centralSize, &count) ||
        !ReadCentralDirectory(centralOffset, centralSize, count)) {
        const ZipReadError error = m_error;
        Close();
        return Fail(error);
    }
    return true;
}

bool ZipReader::ReadAt(qint64 offset, qint64 size, QByteArray* bytes) {
    if (offset < 0 || size < 0 || offset > m_size || size > m_size - offset || !m_device->seek(offset))
        return false;
    bytes->resize(size);
    return m_device->read(bytes->data(), size) == size;
}

bool ZipReader::FindEndOfCentral(qint64* centralOffset, qint64* centralSize, int* count) {
    const qint64 span = std::min(kSearchSpan, m_size);
    QByteArray chunk;
    // Each chunk overlaps the one after it by 4 bytes so that no signature is cut in two.
    for (qint64 back = 4; back < span;) {
        back = std::min(back + kSearchChunk - 4, span);
        const qint64 start = m_size - back;
        const qint64 length = std::min(kSearchChunk, m_size - start);
        if (!ReadAt(start, length, &chunk))
            return Fail(ZipReadError::NotAnArchive);
        for (qint64 i = length - 4; i >= 0; --i) {
            if (GetLe32(chunk.constData() + i) == kEndOfCentralSignature &&
                ParseEndOfCentral(start + i, centralOffset, centralSize, count))
                return true;
        }
    }
    return Fail(ZipReadError::NotAnArchive);
}

bool ZipReader::ParseEndOfCentral(qint64 position, qint64* centralOffset, qint64* centralSize, int* count) {
    QByteArray record;
    if (!ReadAt(position, kEndOfCentralSize, &record))
        return false;
    const char* p = record.constData();
    const uint16_t disk = GetLe16(p + 4);
    const uint16_t centralDisk = GetLe16(p + 6);
    const uint16_t onDisk = GetLe16(p + 8);
    const uint16_t total = GetLe16(p + 10);
    const qint64 size = GetLe32(p + 12);
    const qint64 offset = GetLe32(p + 16);
    // Spanned archives are not packages; a directory must lie before its end record.
    if (disk != 0 || centralDisk != 0 || onDisk != total || offset + size > position)
        return false;
    *centralOffset = offset;
    *centralSize = size;
    *count = total;
    return true;
}

bool ZipReader::ReadCentralDirectory(qint64 centralOffset, qint64 centralSize, int count) {
    const qint64 centralEnd = centralOffset + centralSize;
    qint64 position = centralOffset;
    QByteArray header;
    QByteArray name;
    m_entries.reserve(static_cast<size_t>(count));
    // Skipped entries still occupy their space; their neighbours must not extend into it.
    std::vector<uint32_t> skippedOffsets;
    for (int i = 0; i < count; ++i) {
        if (position + kCentralHeaderSize > centralEnd || !ReadAt(position, kCentralHeaderSize, &header))
            return Fail(ZipReadError::BadDirectory);
        const char* p = header.constData();
        if (GetLe32(p) != kCentralHeaderSignature)
            return Fail(ZipReadError::BadDirectory);
        const uint16_t nameLength = GetLe16(p + 28);
        const uint16_t extraLength = GetLe16(p + 30);
        const uint16_t commentLength = GetLe16(p + 32);
        const qint64 next = position + kCentralHeaderSize + nameLength + extraLength + commentLength;
        if (next > centralEnd)
            return Fail(ZipReadError::BadDirectory);
        // Other tools write deeper folder paths than a package may hold; such an entry is left out
        // and the rest of the package stays usable.
        if (nameLength > kMaxEntryNameBytes) {
            ++m_skippedLongNames;
            skippedOffsets.push_back(GetLe32(p + 42));
            position = next;
            continue;
        }
        if (!ReadAt(position + kCentralHeaderSize, nameLength, &name))
            return Fail(ZipReadError::BadDirectory);

        ZipEntry e;
        e.versionMadeBy = GetLe16(p + 4);
        e.flags = GetLe16(p + 8);
        e.method = GetLe16(p + 10);
        e.modified.time = GetLe16(p + 12);
        e.modified.date = GetLe16(p + 14);
        e.crc = GetLe32(p + 16);
        e.compressedSize = GetLe32(p + 20);
        e.uncompressedSize = GetLe32(p + 24);
        e.externalAttributes = GetLe32(p + 38);
        e.localOffset = GetLe32(p + 42);
        e.name = DecodeEntryName(name, (e.flags & kFlagUtf8Name) != 0);
        m_entries.push_back(std::move(e));
        position = next;
    }

    // Each entry owns the space from its local header up to the next entry's header (skipped ones
    // included) or the central directory, whichever comes first. Entries sharing a header get no
    // space at all and never extract.
    struct Spot {
        uint32_t offset;
        int index; // -1 for a skipped entry
    };
    std::vector<Spot> spots;
    spots.reserve(m_entries.size() + skippedOffsets.size());
    for (size_t i = 0; i < m_entries.size(); ++i)
        spots.push_back({m_entries[i].localOffset, static_cast<int>(i)});
    for (const uint32_t offset : skippedOffsets)
        spots.push_back({offset, -1});
    std::sort(spots.begin(), spots.end(), [](const Spot& a, const Spot& b) { return a.offset < b.offset; });
    m_limits.assign(m_entries.size(), centralOffset);
    for (size_t k = 0; k < spots.size(); ++k) {
        if (spots[k].index < 0)
            continue;
        const uint32_t offset = spots[k].offset;
        const size_t i = static_cast<size_t>(spots[k].index);
        const bool shared = (k > 0 && spots[k - 1].offset == offset) ||
                            (k + 1 < spots.size() && spots[k + 1].offset == offset);
        if (shared)
            m_limits[i] = offset;
        else if (k + 1 < spots.size())
            m_limits[i] = std::min<qint64>(spots[k + 1].offset, centralOffset);
    }
    return true;
}

int ZipReader::FindEntry(const QString& name) const {
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

bool ZipReader::Extract(int index, QByteArray* data) {
    if (!m_device || index < 0 || static_cast<size_t>(index) >= m_entries.size())
        return Fail(ZipReadError::NoSuchEntry);
    const ZipEntry& e = m_entries[static_cast<size_t>(index)];
    const qint64 limit = m_limits[static_cast<size_t>(index)];
    if (e.flags & kFlagEncrypted)
        return Fail(ZipReadError::Unsupported);
    if (e.method != kMethodStored && e.method != kMethodDeflated)
        return Fail(ZipReadError::Unsupported);
    if (e.uncompressedSize > kMaxEntrySize)
        return Fail(ZipReadError::TooLarge);

    QByteArray local;
    if (qint64(e.localOffset) + kLocalHeaderSize > limit || !ReadAt(e.localOffset, kLocalHeaderSize, &local))
        return Fail(ZipReadError::Overlap);
    const char* p = local.constData();
    if (GetLe32(p) != kLocalHeaderSignature || GetLe16(p + 8) != e.method)
        return Fail(ZipReadError::BadLocalHeader);
    const qint64 dataStart = qint64(e.localOffset) + kLocalHeaderSize + GetLe16(p + 26) + GetLe16(p + 28);
    if (dataStart + e.compressedSize > limit)
        return Fail(ZipReadError::Overlap);

    QByteArray out;
    if (e.method == kMethodStored) {
        if (e.compressedSize != e.uncompressedSize)
            return Fail(ZipReadError::DataError);
        if (!ReadAt(dataStart, e.compressedSize, &out))
            return Fail(ZipReadError::DataError);
    } else if (!Inflate(dataStart, e, &out)) {
        return false;
    }
    if (ZipCrc32(0, out.constData(), out.size()) != e.crc)
        return Fail(ZipReadError::CrcMismatch);
    *data = std::move(out);
    return true;
}

bool ZipReader::Inflate(qint64 offset, const ZipEntry& entry, QByteArray* data) {
    Inflater inflater;
    if (!inflater.ready || !m_device->seek(offset))
        return Fail(ZipReadError::DataError);
    // The output never grows past the declared size: inflate is given exactly that much room.
    QByteArray out(static_cast<qsizetype>(entry.uncompressedSize), Qt::Uninitialized);
    char none = 0;
    z_stream& z = inflater.stream;
    z.next_out = reinterpret_cast<Bytef*>(out.isEmpty() ? &none : out.data());
    z.avail_out = static_cast<uInt>(out.size());

    QByteArray in(std::min<qint64>(kInflateChunk, entry.compressedSize), Qt::Uninitialized);
    qint64 remaining = entry.compressedSize;
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        if (z.avail_in == 0) {
            if (remaining == 0)
                return Fail(ZipReadError::DataError); // the data ends before the stream does
            const qint64 n = std::min<qint64>(remaining, in.size());
            if (m_device->read(in.data(), n) != n)
                return Fail(ZipReadError::DataError);
            remaining -= n;
            z.next_in = reinterpret_cast<Bytef*>(in.data());
            z.avail_in = static_cast<uInt>(n);
        }
        status = inflate(&z, Z_NO_FLUSH);
        if (status == Z_BUF_ERROR && z.avail_out == 0)
            return Fail(ZipReadError::DataError); // more data than declared
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
            return Fail(ZipReadError::DataError);
    }
    if (z.avail_out != 0 || z.avail_in != 0 || remaining != 0)
        return Fail(ZipReadError::DataError);
    *data = std::move(out);
    return true;
}
