#pragma once

#include "package/ZipFormat.h"
#include "package/ZipWriter.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <cstring>
#include <zlib.h>

// Helpers shared by the package tests: files, external tools and hand-made archives.

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct ToolRun {
    int status = -1;
    QString out;
};

// Runs a tool (optionally feeding it standard input) in a folder; status -1 when it did not finish.
inline ToolRun RunTool(const QString& program, const QStringList& args, const QString& folder = {},
                       const QByteArray& input = {}) {
    QProcess p;
    if (!folder.isEmpty())
        p.setWorkingDirectory(folder);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(10000))
        return {};
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    ToolRun run;
    const bool finished = p.waitForFinished(60000);
    run.out = QString::fromUtf8(p.readAll());
    run.status = finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return run;
}

inline bool HasTool(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

// Writes a package of the given files, each an entry name and the file it is read from.
inline ZipResult WritePackage(const QString& package, const std::vector<std::pair<QString, QString>>& files) {
    ZipWriter writer;
    ZipResult result = writer.Create(package);
    for (const auto& [entry, source] : files) {
        if (result == ZipResult::Ok)
            result = writer.AddFile(entry, source);
    }
    return result == ZipResult::Ok ? writer.Close() : result;
}

// Bytes no compressor can shrink, the same for the same seed.
inline QByteArray NoiseBytes(qsizetype size, quint32 seed) {
    QByteArray b(size, Qt::Uninitialized);
    QRandomGenerator rng(seed);
    for (qsizetype i = 0; i + 4 <= size; i += 4) {
        const quint32 v = rng.generate();
        std::memcpy(b.data() + i, &v, 4);
    }
    for (qsizetype i = size & ~qsizetype(3); i < size; ++i)
        b[i] = char(rng.generate());
    return b;
}

inline QByteArray RawDeflate(const QByteArray& data, int level = 9) {
    z_stream z{};
    deflateInit2(&z, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(static_cast<qsizetype>(deflateBound(&z, static_cast<uLong>(data.size()))), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(static_cast<qsizetype>(z.total_out));
    deflateEnd(&z);
    return out;
}

// The fields a local header and its directory record share.
struct ZipHeaderFields {
    QByteArray name;
    uint16_t flags = 0;
    uint16_t method = kMethodStored;
    uint32_t crc = 0;
    uint32_t compressedSize = 0;
    uint32_t uncompressedSize = 0;
};

// The part a local header and its directory record share, from the flags to the name's length.
inline void AppendSharedFields(QByteArray& out, const ZipHeaderFields& f) {
    PutLe16(out, f.flags);
    PutLe16(out, f.method);
    PutLe32(out, 0); // time and date
    PutLe32(out, f.crc);
    PutLe32(out, f.compressedSize);
    PutLe32(out, f.uncompressedSize);
    PutLe16(out, uint32_t(f.name.size()));
}

// A local header without extra fields; the entry's data goes right after it.
inline void AppendLocalHeader(QByteArray& out, const ZipHeaderFields& f) {
    PutLe32(out, kLocalHeaderSignature);
    PutLe16(out, 20);
    AppendSharedFields(out, f);
    PutLe16(out, 0);
    out += f.name;
}

// A directory record of a plain file without extra fields or comment.
inline void AppendCentralHeader(QByteArray& out, const ZipHeaderFields& f, uint32_t localOffset) {
    PutLe32(out, kCentralHeaderSignature);
    PutLe16(out, 20);
    PutLe16(out, 20);
    AppendSharedFields(out, f);
    PutLe32(out, 0); // extra field and comment lengths
    PutLe32(out, 0); // disk number and internal attributes
    PutLe32(out, 0x81A40000);
    PutLe32(out, localOffset);
    out += f.name;
}

// One entry of a hand-made archive. The directory normally describes the entry truthfully; the fields
// below let a test make it lie.
struct RawEntry {
    QByteArray name;
    QByteArray data; // uncompressed
    uint16_t method = kMethodDeflated;
    uint16_t flags = 0;
    qint64 localOffset = -1; // -1: where the entry was written; otherwise the directory says this
    qint64 crc = -1;         // -1: the real CRC
    qint64 compressedSize = -1;
    qint64 uncompressedSize = -1;
    bool writeLocal = true; // false: only a directory record (pointing at localOffset)
};

// Builds an archive: the local headers and data of the entries in order, then the directory and the
// end record (with an optional comment).
inline QByteArray MakeRawZip(const std::vector<RawEntry>& entries, const QByteArray& comment = {}) {
    QByteArray out;
    QByteArray central;
    for (const RawEntry& e : entries) {
        // A directory-only record with every field given needs no data at all.
        const bool needPayload = e.writeLocal || e.compressedSize < 0;
        const QByteArray payload = !needPayload                  ? QByteArray()
                                   : e.method == kMethodDeflated ? RawDeflate(e.data)
                                                                 : e.data;
        const uint32_t crc = e.crc >= 0 ? uint32_t(e.crc) : ZipCrc32(0, e.data.constData(), e.data.size());
        const uint32_t csize = e.compressedSize >= 0 ? uint32_t(e.compressedSize) : uint32_t(payload.size());
        const uint32_t usize =
            e.uncompressedSize >= 0 ? uint32_t(e.uncompressedSize) : uint32_t(e.data.size());
        const uint32_t written = uint32_t(out.size());
        const ZipHeaderFields fields{e.name, e.flags, e.method, crc, csize, usize};
        if (e.writeLocal) {
            AppendLocalHeader(out, fields);
            out += payload;
        }
        AppendCentralHeader(central, fields, e.localOffset >= 0 ? uint32_t(e.localOffset) : written);
    }
    const uint32_t centralOffset = uint32_t(out.size());
    out += central;
    PutLe32(out, kEndOfCentralSignature);
    PutLe16(out, 0);
    PutLe16(out, 0);
    PutLe16(out, uint32_t(entries.size()));
    PutLe16(out, uint32_t(entries.size()));
    PutLe32(out, uint32_t(central.size()));
    PutLe32(out, centralOffset);
    PutLe16(out, uint32_t(comment.size()));
    out += comment;
    return out;
}
