#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct SkinDocument;

// A recovery file keeps the unsaved state of a skin so that a designer that dies loses little. Its
// lines: "pinletsdrapier-recovery 1", the skin path (empty for an untitled skin), the PNG path, the time
// it was written (ISO 8601, UTC, to the millisecond) and the byte count of the skin text, each ended by
// a line feed; then the skin text as the skin-file writer writes it. A backslash, a line feed and a
// carriage return in a path are written as "\\", "\n" and "\r". The byte count tells a complete file
// from one cut short.
struct RecoveryRecord {
    QString skinPath;
    QString pngPath;
    QDateTime written;
    QByteArray skinBytes;

    bool operator==(const RecoveryRecord&) const = default;
};

enum class RecoveryReadStatus {
    Ok,
    Unreadable,  // not a file, or it cannot be opened or read
    NotRecovery, // the first line is not the recovery file's
    Damaged,     // cut short, or a line that does not read as what it should be
};

struct RecoveryReading {
    RecoveryReadStatus status = RecoveryReadStatus::Unreadable;
    RecoveryRecord record; // complete only when status is Ok
};

// A record of the document as Save would write it to skinPath with the PNG path, stamped with the time.
RecoveryRecord MakeRecoveryRecord(const SkinDocument& document, const QString& skinPath,
                                  const QString& pngPath, const QDateTime& now);

QByteArray RecoveryFileBytes(const RecoveryRecord& record);
RecoveryReading ParseRecoveryFile(const QByteArray& bytes);
RecoveryReading ReadRecoveryFile(const QString& path);

// Writes whole or not at all, so a failed write leaves any earlier recovery file as it was.
bool WriteRecoveryFile(const QString& path, const RecoveryRecord& record);

// The skin text of the record, for the skin-file reader.
QString RecoveredSkinText(const RecoveryRecord& record);

// Whether the state was kept after the skin file was last changed, or the skin is untitled, or its file
// is no longer there. A state older than its file still holds work (a designer that kept its changes
// when the file changed under it, or another designer that saved the same skin).
bool IsNewerThanSkinFile(const RecoveryRecord& record);

// Whether the record holds nothing that its skin file on disk does not: that file, loaded as the
// designer loads it now, writes exactly the record's skin text, and the PNG path it gives is the
// record's. Only such a recovery file may go without asking; false for an untitled skin.
bool HoldsNothingNew(const RecoveryRecord& record);
