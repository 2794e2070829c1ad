#pragma once

#include "document/RecoveryFile.h"

#include <QString>
#include <memory>
#include <vector>

class QLockFile;

// Where recovery files are kept: "recovery" in the per-user data folder.
QString DefaultRecoveryFolder();

// The recovery file of one running designer. Its name is its own: a lock file beside it ("<file>.lock")
// is held for as long as the slot is open, so no other designer writes it, and a recovery file whose
// lock nobody holds belongs to a designer that died. Closing the slot (or destroying it) removes the
// recovery file: only a designer that dies leaves one behind.
class RecoverySlot {
public:
    explicit RecoverySlot(QString folder);
    ~RecoverySlot();
    RecoverySlot(const RecoverySlot&) = delete;
    RecoverySlot& operator=(const RecoverySlot&) = delete;

    // Makes the folder when needed and takes a name of its own; false when the folder cannot be made or
    // written, and then recovery is off.
    bool Open();
    bool IsOpen() const { return m_lock != nullptr; }
    // Removes the recovery file and gives the name up.
    void Close();

    // Writes the record (whole or not at all); false when the slot is not open or the file could not be
    // written.
    bool Write(const RecoveryRecord& record);
    // Removes the recovery file, keeping the name for the next write; true when no file is left.
    bool Remove();

    QString Folder() const { return m_folder; }
    // The path the slot writes; empty while it is not open.
    QString FilePath() const { return m_path; }

private:
    QString m_folder;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// A recovery file left by a designer that no longer runs. Finding it takes its lock, so that two
// designers starting together never both offer it; letting it go releases the lock and leaves the file
// to be offered again.
class StaleRecovery {
public:
    StaleRecovery(QString path, std::unique_ptr<QLockFile> lock);
    ~StaleRecovery();
    StaleRecovery(StaleRecovery&&) noexcept;
    StaleRecovery& operator=(StaleRecovery&&) noexcept;

    QString FilePath() const { return m_path; }
    // Read when asked for.
    const RecoveryReading& Reading();
    // Complete and readable: it may be loaded. Otherwise it can only be removed.
    bool CanBeLoaded() { return Reading().status == RecoveryReadStatus::Ok; }
    // Loadable and holding something its skin file does not (HoldsNothingNew); a file that is not worth
    // offering may be removed without asking.
    bool IsWorthOffering() { return CanBeLoaded() && !HoldsNothingNew(Reading().record); }

    // Removes the file and its lock; true when the file is gone.
    bool Remove();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<RecoveryReading> m_reading;
};

// Every recovery file in the folder whose lock nobody holds, oldest first, each one claimed. Lock
// files whose recovery file is gone (a designer that died with nothing unsaved) are cleared away on the
// way.
std::vector<StaleRecovery> ClaimStaleRecoveries(const QString& folder);
