#include "package/ZipWriter.h"

#include "package/DeflateProbe.h"
#include "package/ZipEntryName.h"
#include "package/ZipFormat.h"
#include "picture/SafeFileWrite.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>
#include <optional>
#include <zlib.h>

namespace {

constexpr qint64 kChunk = 256 * 1024;
constexpr qint64 kMaxOffset = std::numeric_limits<uint32_t>::max();
constexpr int kDeflateLevel = 8;
constexpr int kRawWindowBits = -15; // a 32 KB window, no zlib wrapper
constexpr int kMemLevel = 8;

void PutLocalExtra(QByteArray& out, const ZipSourceStamp& stamp) {
    PutLe16(out, kExtendedTimestampId);
    PutLe16(out, 13);
    out.append(char(0x07)); // modification, access and creation times follow
    PutLe32(out, stamp.modifiedUnix);
    PutLe32(out, stamp.accessedUnix);
    PutLe32(out, stamp.createdUnix);
}

void PutCentralExtra(QByteArray& out, const ZipSourceStamp& stamp) {
    PutLe16(out, kExtendedTimestampId);
    PutLe16(out, 5);
    out.append(char(0x07));
    PutLe32(out, stamp.modifiedUnix);
}

} // namespace

// One entry's deflate stream, written to the package as it is made.
class ZipWriter::EntryDeflater {
public:
    EntryDeflater(ZipWriter& writer, qint64& written);
    ~EntryDeflater();
    EntryDeflater(const EntryDeflater&) = delete;
    EntryDeflater& operator=(const EntryDeflater&) = delete;

    ZipResult Add(const char* data, qint64 size);
    ZipResult Finish();

private:
    ZipResult UseParams(int level, int strategy);
    ZipResult Run(const unsigned char* data, qint64 size, int flush);
    ZipResult WriteOut();

    ZipWriter& m_writer;
    qint64& m_written;
    QByteArray m_out;
    z_stream m_stream{};
    int m_level = -1; // -1 until the stream starts
    int m_strategy = Z_DEFAULT_STRATEGY;
    DeflateProbe m_probe;
};

ZipWriter::ZipWriter() = default;

ZipWriter::~ZipWriter() = default; // the file writer abandons a package that was not closed

ZipResult ZipWriter::Fail(ZipResult result, const QString& reason) {
    if (m_failure == ZipResult::Ok) {
        m_failure = result;
        m_error = reason;
    }
    m_file.Cancel();
    return result;
}

ZipResult ZipWriter::Create(const QString& path) {
    if (path.isEmpty() || m_file.IsOpen() || m_closed)
        return Fail(ZipResult::BadArguments, QStringLiteral("no package path given"));
    if (!m_file.Open(path))
        return Fail(ZipResult::WriteFailed, m_file.ErrorString());
    return ZipResult::Ok;
}

ZipResult ZipWriter::State() const {
    if (m_failure != ZipResult::Ok)
        return m_failure;
    if (m_closed)
        return ZipResult::Closed;
    if (!m_file.IsOpen())
        return ZipResult::NotOpen;
    return ZipResult::Ok;
}

ZipResult ZipWriter::WriteBytes(const QByteArray& bytes) {
    if (!m_file.Write(bytes))
        return Fail(ZipResult::WriteFailed, m_file.ErrorString());
    return ZipResult::Ok;
}

QByteArray ZipWriter::LocalHeader(const CentralRecord& record, uint32_t crc, uint32_t compressedSize,
                                  uint32_t uncompressedSize, uint16_t flags) {
    QByteArray out;
    out.reserve(kLocalHeaderSize + record.name.size() + kLocalExtraSize);
    PutLe32(out, kLocalHeaderSignature);
    PutLe16(out, kVersionNeeded);
    PutLe16(out, flags);
    PutLe16(out, record.method);
    PutLe16(out, record.stamp.modified.time);
    PutLe16(out, record.stamp.modified.date);
    PutLe32(out, crc);
    PutLe32(out, compressedSize);
    PutLe32(out, uncompressedSize);
    PutLe16(out, static_cast<uint32_t>(record.name.size()));
    PutLe16(out, kLocalExtraSize);
    out.append(record.name);
    PutLocalExtra(out, record.stamp);
    return out;
}

ZipResult ZipWriter::AddFile(const QString& entryName, const QString& sourcePath) {
    if (const ZipResult state = State(); state != ZipResult::Ok)
        return state;

    if (m_entries.size() >= 0xFFFF)
        return Fail(ZipResult::EntryTooLarge, QStringLiteral("too many entries for a package"));
    CentralRecord record;
    bool utf8 = false;
    switch (EncodeEntryName(entryName, &record.name, &utf8)) {
    case EntryNameResult::Empty:
        return Fail(ZipResult::EmptyName, QStringLiteral("an entry name is empty"));
    case EntryNameResult::TooLong:
        return Fail(ZipResult::NameTooLong,
                    QStringLiteral("entry name '%1' is longer than 255 bytes").arg(entryName));
    case EntryNameResult::Ok:
        break;
    }
    record.flags = utf8 ? kFlagUtf8Name : 0;
    record.method = IsStoredEnding(entryName) ? kMethodStored : kMethodDeflated;

    QFile source(sourcePath);
    if (sourcePath.isEmpty() || !source.open(QIODevice::ReadOnly))
        return Fail(ZipResult::SourceUnreadable,
                    QStringLiteral("%1: %2").arg(sourcePath, source.errorString()));
    const qint64 sourceSize = source.size();
    if (sourceSize > kMaxOffset)
        return Fail(ZipResult::EntryTooLarge,
                    QStringLiteral("%1 is too large for a package").arg(sourcePath));
    record.stamp = ReadSourceStamp(QFileInfo(sourcePath));

    const qint64 offset = m_file.Pos();
    if (offset > kMaxOffset)
        return Fail(ZipResult::EntryTooLarge, QStringLiteral("the package grows too large"));
    record.localOffset = static_cast<uint32_t>(offset);

    // Sizes are not known until the data is written: the header goes out with placeholders first.
    if (ZipResult r = WriteBytes(
            LocalHeader(record, 0, 0, static_cast<uint32_t>(sourceSize), record.flags | kFlagDataDescriptor));
        r != ZipResult::Ok)
        return r;
    if (ZipResult r = CopyData(source, record.method, record); r != ZipResult::Ok)
        return r;

    const qint64 end = m_file.Pos();
    if (!m_file.Seek(offset))
        return Fail(ZipResult::SeekFailed, m_file.ErrorString());
    if (ZipResult r = WriteBytes(
            LocalHeader(record, record.crc, record.compressedSize, record.uncompressedSize, record.flags));
        r != ZipResult::Ok)
        return r;
    if (!m_file.Seek(end))
        return Fail(ZipResult::SeekFailed, m_file.ErrorString());
    m_entries.push_back(std::move(record));
    return ZipResult::Ok;
}

ZipResult ZipWriter::CopyData(QFile& source, uint16_t method, CentralRecord& record) {
    QByteArray in(kChunk, Qt::Uninitialized);
    uint32_t crc = 0;
    qint64 total = 0;
    qint64 written = 0;
    std::optional<EntryDeflater> deflater; // stored entries need none
    if (method != kMethodStored)
        deflater.emplace(*this, written);
    for (bool last = false; !last;) {
        const qint64 got = source.read(in.data(), kChunk);
        if (got < 0)
            return Fail(ZipResult::SourceUnreadable,
                        QStringLiteral("%1: %2").arg(source.fileName(), source.errorString()));
        last = got == 0;
        total += got;
        if (total > kMaxOffset)
            return Fail(ZipResult::EntryTooLarge,
                        QStringLiteral("%1 is too large for a package").arg(source.fileName()));
        crc = ZipCrc32(crc, in.constData(), got);

        if (method == kMethodStored) {
            if (!m_file.Write(in.constData(), got))
                return Fail(ZipResult::WriteFailed, m_file.ErrorString());
            written += got;
            continue;
        }
        const ZipResult r = last ? deflater->Finish() : deflater->Add(in.constData(), got);
        if (r != ZipResult::Ok)
            return r;
    }
    if (written > kMaxOffset || m_file.Pos() > kMaxOffset)
        return Fail(ZipResult::EntryTooLarge, QStringLiteral("the package grows too large"));
    record.crc = crc;
    record.compressedSize = static_cast<uint32_t>(written);
    record.uncompressedSize = static_cast<uint32_t>(total);
    return ZipResult::Ok;
}

ZipWriter::EntryDeflater::EntryDeflater(ZipWriter& writer, qint64& written)
    : m_writer(writer), m_written(written), m_out(kChunk, Qt::Uninitialized) {}

ZipWriter::EntryDeflater::~EntryDeflater() {
    if (m_level >= 0)
        deflateEnd(&m_stream);
}

// Each block is deflated at level 8, or run-length coded when it is one byte over and over (the same
// stream, without the search), or, when it cannot shrink, written as stored deflate blocks at once.
// Switching ends the current deflate block, and the window carries over, so later blocks still find
// their repeats in the others.
ZipResult ZipWriter::EntryDeflater::Add(const char* data, qint64 size) {
    for (qint64 at = 0; at < size; at += DeflateProbe::kBlock) {
        const qint64 n = std::min<qint64>(DeflateProbe::kBlock, size - at);
        const auto* block = reinterpret_cast<const unsigned char*>(data + at);
        ZipResult r = ZipResult::Ok;
        switch (m_probe.Classify(block, n)) {
        case DeflateProbe::BlockKind::Incompressible:
            r = UseParams(0, Z_DEFAULT_STRATEGY);
            break;
        case DeflateProbe::BlockKind::OneByteRun:
            r = UseParams(kDeflateLevel, Z_RLE);
            break;
        case DeflateProbe::BlockKind::Compressible:
            r = UseParams(kDeflateLevel, Z_DEFAULT_STRATEGY);
            break;
        }
        if (r != ZipResult::Ok)
            return r;
        if (ZipResult r = Run(block, n, Z_NO_FLUSH); r != ZipResult::Ok)
            return r;
    }
    return ZipResult::Ok;
}

ZipResult ZipWriter::EntryDeflater::Finish() {
    if (m_level < 0) {
        if (ZipResult r = UseParams(kDeflateLevel, Z_DEFAULT_STRATEGY); r != ZipResult::Ok)
            return r;
    }
    return Run(nullptr, 0, Z_FINISH);
}

ZipResult ZipWriter::EntryDeflater::UseParams(int level, int strategy) {
    if (level == m_level && strategy == m_strategy)
        return ZipResult::Ok;
    if (m_level < 0) {
        if (deflateInit2(&m_stream, level, Z_DEFLATED, kRawWindowBits, kMemLevel, strategy) != Z_OK)
            return m_writer.Fail(ZipResult::CompressFailed, QStringLiteral("the compressor could not start"));
        m_level = level;
        m_strategy = strategy;
        return ZipResult::Ok;
    }
    if (ZipResult r = Run(nullptr, 0, Z_BLOCK); r != ZipResult::Ok)
        return r;
    // With the block ended there is nothing left for deflateParams to flush, but it gets room all the same.
    m_stream.next_out = reinterpret_cast<Bytef*>(m_out.data());
    m_stream.avail_out = static_cast<uInt>(m_out.size());
    const int status = deflateParams(&m_stream, level, strategy);
    if (ZipResult r = WriteOut(); r != ZipResult::Ok)
        return r;
    if (status != Z_OK)
        return m_writer.Fail(ZipResult::CompressFailed, QStringLiteral("compression failed"));
    m_level = level;
    m_strategy = strategy;
    return ZipResult::Ok;
}

ZipResult ZipWriter::EntryDeflater::WriteOut() {
    const qint64 produced = m_out.size() - static_cast<qint64>(m_stream.avail_out);
    if (!m_writer.m_file.Write(m_out.constData(), produced))
        return m_writer.Fail(ZipResult::WriteFailed, m_writer.m_file.ErrorString());
    m_written += produced;
    return ZipResult::Ok;
}

ZipResult ZipWriter::EntryDeflater::Run(const unsigned char* data, qint64 size, int flush) {
    m_stream.next_in = const_cast<Bytef*>(data);
    m_stream.avail_in = static_cast<uInt>(size);
    int status = Z_OK;
    do {
        m_stream.next_out = reinterpret_cast<Bytef*>(m_out.data());
        m_stream.avail_out = static_cast<uInt>(m_out.size());
        status = deflate(&m_stream, flush);
        const bool stuck = status == Z_BUF_ERROR && flush == Z_FINISH && m_stream.avail_out == m_out.size();
        if (status == Z_STREAM_ERROR || stuck)
            return m_writer.Fail(ZipResult::CompressFailed, QStringLiteral("compression failed"));
        if (ZipResult r = WriteOut(); r != ZipResult::Ok)
            return r;
    } while (m_stream.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
    return ZipResult::Ok;
}

ZipResult ZipWriter::Close() {
    if (const ZipResult state = State(); state != ZipResult::Ok)
        return state;

    const qint64 centralOffset = m_file.Pos();
    QByteArray central;
    for (const CentralRecord& e : m_entries) {
        PutLe32(central, kCentralHeaderSignature);
        PutLe16(central, kVersionMadeBy);
        PutLe16(central, kVersionNeeded);
        PutLe16(central, e.flags);
        PutLe16(central, e.method);
        PutLe16(central, e.stamp.modified.time);
        PutLe16(central, e.stamp.modified.date);
        PutLe32(central, e.crc);
        PutLe32(central, e.compressedSize);
        PutLe32(central, e.uncompressedSize);
        PutLe16(central, static_cast<uint32_t>(e.name.size()));
        PutLe16(central, kCentralExtraSize);
        PutLe16(central, 0); // comment length
        PutLe16(central, 0); // disk number start
        PutLe16(central, 0); // internal attributes
        PutLe32(central, e.stamp.externalAttributes);
        PutLe32(central, e.localOffset);
        central.append(e.name);
        PutCentralExtra(central, e.stamp);
    }
    if (centralOffset + central.size() > kMaxOffset)
        return Fail(ZipResult::EntryTooLarge, QStringLiteral("the package grows too large"));
    const auto count = static_cast<uint32_t>(m_entries.size());
    QByteArray end;
    PutLe32(end, kEndOfCentralSignature);
    PutLe16(end, 0); // this disk
    PutLe16(end, 0); // disk of the central directory
    PutLe16(end, count);
    PutLe16(end, count);
    PutLe32(end, static_cast<uint32_t>(central.size()));
    PutLe32(end, static_cast<uint32_t>(centralOffset));
    PutLe16(end, 0); // comment length
    if (ZipResult r = WriteBytes(central + end); r != ZipResult::Ok)
        return r;
    if (!m_file.Commit())
        return Fail(ZipResult::WriteFailed, m_file.ErrorString());
    m_closed = true;
    return ZipResult::Ok;
}
