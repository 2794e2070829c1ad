#include "document/RecoveryFile.h"

#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "document/SkinWriter.h"
#include "package/FilePaths.h"
#include "picture/SafeFileWrite.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

const QByteArray kFirstLine = QByteArrayLiteral("pinletsdrapier-recovery 1");
// Far above any skin file; a file larger than this is no recovery file of ours.
constexpr qint64 kLargestFile = 64 * 1024 * 1024;

QByteArray EscapedLine(const QString& text) {
    QByteArray out;
    for (char c : text.toUtf8()) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out + '\n';
}

bool Unescape(const QByteArray& line, QString* text) {
    QByteArray out;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != '\\') {
            out += line[i];
            continue;
        }
        if (++i == line.size())
            return false;
        switch (line[i]) {
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return false;
        }
    }
    *text = QString::fromUtf8(out);
    return true;
}

// Reads the line starting at *at up to its line feed; false when there is no line feed.
bool TakeLine(const QByteArray& bytes, qsizetype* at, QByteArray* line) {
    const qsizetype end = bytes.indexOf('\n', *at);
    if (end < 0)
        return false;
    *line = bytes.mid(*at, end - *at);
    *at = end + 1;
    return true;
}

} // namespace

RecoveryRecord MakeRecoveryRecord(const SkinDocument& document, const QString& skinPath,
                                  const QString& pngPath, const QDateTime& now) {
    return {skinPath, pngPath, now.toUTC(), SkinFileBytes(document, pngPath)};
}

QByteArray RecoveryFileBytes(const RecoveryRecord& record) {
    QByteArray out = kFirstLine + '\n';
    out += EscapedLine(record.skinPath);
    out += EscapedLine(record.pngPath);
    out += record.written.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    out += QByteArray::number(record.skinBytes.size()) + '\n';
    return out + record.skinBytes;
}

RecoveryReading ParseRecoveryFile(const QByteArray& bytes) {
    RecoveryReading reading;
    qsizetype at = 0;
    QByteArray line;
    if (!TakeLine(bytes, &at, &line) || line != kFirstLine) {
        // The first line itself cut short is a damaged recovery file, not a stranger.
        const bool cutShort =
            bytes.size() < kFirstLine.size() + 1 && kFirstLine.startsWith(bytes) && !bytes.isEmpty();
        reading.status = cutShort ? RecoveryReadStatus::Damaged : RecoveryReadStatus::NotRecovery;
        return reading;
    }
    reading.status = RecoveryReadStatus::Damaged;
    RecoveryRecord record;
    if (!TakeLine(bytes, &at, &line) || !Unescape(line, &record.skinPath) || !TakeLine(bytes, &at, &line) ||
        !Unescape(line, &record.pngPath) || !TakeLine(bytes, &at, &line))
        return reading;
    record.written = QDateTime::fromString(QString::fromLatin1(line), Qt::ISODateWithMs);
    if (!record.written.isValid() || !TakeLine(bytes, &at, &line))
        return reading;
    const bool digitsOnly =
        !line.isEmpty() && line.size() <= 18 &&
        std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digitsOnly || line.toLongLong() != bytes.size() - at)
        return reading;
    record.skinBytes = bytes.mid(at);
    reading.status = RecoveryReadStatus::Ok;
    reading.record = std::move(record);
    return reading;
}

RecoveryReading ReadRecoveryFile(const QString& path) {
    // A pipe or a device in the folder must not hang the start, nor a huge file fill the memory.
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    if (info.size() > kLargestFile)
        return {RecoveryReadStatus::Damaged, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (file.error() != QFileDevice::NoError)
        return {};
    return ParseRecoveryFile(bytes);
}

bool WriteRecoveryFile(const QString& path, const RecoveryRecord& record) {
    return WriteFileSafely(path, RecoveryFileBytes(record));
}

QString RecoveredSkinText(const RecoveryRecord& record) {
    return PackagedSkinText(record.skinBytes);
}

bool IsNewerThanSkinFile(const RecoveryRecord& record) {
    if (record.skinPath.isEmpty())
        return true;
    const QFileInfo skin(record.skinPath);
    return !skin.exists() || record.written > skin.lastModified();
}

bool HoldsNothingNew(const RecoveryRecord& record) {
    if (record.skinPath.isEmpty() || !QFileInfo(record.skinPath).isFile())
        return false;
    // A picture that does not load still leaves the text read, which is all the record holds.
    SkinDocument onDisk;
    LoadSkin(onDisk, record.skinPath, QString());
    const QString pngPath = SiblingPath(record.skinPath, onDisk.bitmap);
    return record.pngPath == pngPath && SkinFileBytes(onDisk, pngPath) == record.skinBytes;
}
