#include "document/RecoveryFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>
#include <QSysInfo>

namespace {

const QString kLockEnding = QStringLiteral(".lock");
constexpr int kNameAttempts = 8;

// The recovery files the slots of this process hold. A lock file that names this process but is not
// one of these was left by an earlier designer that had the same process number (after a restart of
// the machine's or a container's process numbering), which the lock's own test takes for alive.
QSet<QString>& HeldHere() {
    static QSet<QString> held;
    return held;
}

std::unique_ptr<QLockFile> NewLock(const QString& recoveryPath) {
    auto lock = std::make_unique<QLockFile>(recoveryPath + kLockEnding);
    // Held for a whole session: only a dead owner makes a lock stale, never its age.
    lock->setStaleLockTime(0);
    return lock;
}

bool IsLeftByThisProcessNumber(QLockFile& lock) {
    qint64 pid = 0;
    QString host;
    QString application;
    return lock.getLockInfo(&pid, &host, &application) && pid == QCoreApplication::applicationPid() &&
           (host.isEmpty() || host == QSysInfo::machineHostName());
}

// The lock of a recovery file nobody holds, taken; null when a running designer holds it.
std::unique_ptr<QLockFile> ClaimLock(const QString& recoveryPath) {
    if (HeldHere().contains(recoveryPath))
        return nullptr;
    std::unique_ptr<QLockFile> lock = NewLock(recoveryPath);
    if (lock->tryLock(0))
        return lock;
    if (lock->error() == QLockFile::LockFailedError && IsLeftByThisProcessNumber(*lock) &&
        lock->removeStaleLockFile() && lock->tryLock(0))
        return lock;
    return nullptr;
}

bool IsThere(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

QString DefaultRecoveryFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/recovery");
}

RecoverySlot::RecoverySlot(QString folder) : m_folder(std::move(folder)) {}

RecoverySlot::~RecoverySlot() {
    Close();
}

bool RecoverySlot::Open() {
    if (IsOpen())
        return true;
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return false;
    const QDir folder(m_folder);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QString name = QStringLiteral("drapier-%1-%2.recovery")
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
        const QString path = folder.filePath(name);
        if (IsThere(path))
            continue;
        std::unique_ptr<QLockFile> lock = NewLock(path);
        if (lock->tryLock(0)) {
            m_path = path;
            m_lock = std::move(lock);
            HeldHere().insert(m_path);
            return true;
        }
        // A folder that refuses the lock file refuses the recovery file too.
        if (lock->error() != QLockFile::LockFailedError)
            return false;
    }
    return false;
}

void RecoverySlot::Close() {
    if (!IsOpen())
        return;
    Remove();
    HeldHere().remove(m_path);
    m_lock.reset();
    m_path.clear();
}

bool RecoverySlot::Write(const RecoveryRecord& record) {
    return IsOpen() && WriteRecoveryFile(m_path, record);
}

bool RecoverySlot::Remove() {
    if (!IsOpen())
        return true;
    QFile::remove(m_path);
    return !IsThere(m_path);
}

StaleRecovery::StaleRecovery(QString path, std::unique_ptr<QLockFile> lock)
    : m_path(std::move(path)), m_lock(std::move(lock)) {}

StaleRecovery::~StaleRecovery() = default;
StaleRecovery::StaleRecovery(StaleRecovery&&) noexcept = default;
StaleRecovery& StaleRecovery::operator=(StaleRecovery&&) noexcept = default;

const RecoveryReading& StaleRecovery::Reading() {
    if (!m_reading)
        m_reading = std::make_unique<RecoveryReading>(ReadRecoveryFile(m_path));
    return *m_reading;
}

bool StaleRecovery::Remove() {
    QFile::remove(m_path);
    const bool gone = !IsThere(m_path);
    // Releasing the lock deletes the lock file.
    m_lock.reset();
    return gone;
}

std::vector<StaleRecovery> ClaimStaleRecoveries(const QString& folder) {
    std::vector<StaleRecovery> stale;
    if (folder.isEmpty())
        return stale;
    const QDir dir(folder);
    const QFileInfoList found =
        dir.entryInfoList({QStringLiteral("*.recovery"), QStringLiteral("*.recovery") + kLockEnding},
                          QDir::Files | QDir::System | QDir::Hidden, QDir::Time | QDir::Reversed);
    for (const QFileInfo& info : found) {
        const QString path = info.filePath();
        if (path.endsWith(kLockEnding)) {
            const QString recoveryPath = path.chopped(kLockEnding.size());
            // Taking and at once releasing the lock of a dead designer deletes it.
            if (!IsThere(recoveryPath))
                ClaimLock(recoveryPath);
            continue;
        }
        if (std::unique_ptr<QLockFile> lock = ClaimLock(path))
            stale.emplace_back(path, std::move(lock));
    }
    return stale;
}
