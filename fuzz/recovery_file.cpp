// Arbitrary bytes as a recovery file: the reader refuses them, or the document they recover is written
// as a recovery file B that reads back as the same record and, recovered again, writes B exactly.
#include "FuzzTarget.h"
#include "document/RecoveryFile.h"
#include "document/SkinDocument.h"
#include "document/SkinReader.h"

#include <QByteArray>

namespace {

// What the designer's recovery does with a record: the document read from its skin text, written again
// as the recovery file of that document.
QByteArray RecoveredFileBytes(const RecoveryRecord& record) {
    SkinDocument document;
    ReadSkinText(document, RecoveredSkinText(record));
    return RecoveryFileBytes(MakeRecoveryRecord(document, record.skinPath, record.pngPath, record.written));
}

} // namespace

DRAPIER_FUZZ_TARGET(recovery_file) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RecoveryReading reading = ParseRecoveryFile(bytes);
    if (reading.status != RecoveryReadStatus::Ok) {
        FUZZ_REQUIRE(reading.record == RecoveryRecord());
        return 0;
    }
    const QByteArray written = RecoveredFileBytes(reading.record);
    const RecoveryReading again = ParseRecoveryFile(written);
    FUZZ_REQUIRE(again.status == RecoveryReadStatus::Ok);
    FUZZ_REQUIRE(again.record.skinPath == reading.record.skinPath);
    FUZZ_REQUIRE(again.record.pngPath == reading.record.pngPath);
    FUZZ_REQUIRE(again.record.written == reading.record.written);
    FUZZ_REQUIRE(RecoveryFileBytes(again.record) == written);
    FUZZ_REQUIRE(RecoveredFileBytes(again.record) == written);
    return 0;
}
