#pragma once

#include "document/RecoveryFolder.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

// Keeps the unsaved state of the designer's document in a recovery file of its own: every period while
// there is something unsaved, and soon after each undo step but never more often than the step gap. A
// state that was already written is not written again. When nothing is unsaved any more the file goes.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kPeriod = 30000;
    static constexpr int kStepGap = 1000;

    // What to keep now; nothing when the document has no unsaved changes.
    using StateSource = std::function<std::optional<RecoveryRecord>()>;

    RecoveryKeeper(const QString& folder, StateSource source, QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    // Takes a recovery file of its own in the folder; false when that cannot be done, and then nothing
    // is kept (RecoveryOff is told once).
    bool Open();
    bool IsOn() const { return m_slot.IsOpen(); }
    QString Folder() const { return m_slot.Folder(); }
    // The file written; empty while recovery is off.
    QString FilePath() const { return m_slot.FilePath(); }

    // An undo step was taken or the document was otherwise changed: the state is written once the step
    // gap since the last write has passed.
    void StepTaken();
    // Writes the state now (when there is one to write); false when it should have been written and
    // was not.
    bool WriteNow();
    // Nothing is unsaved any more: the file goes, and so do the adopted files.
    void Discard();

    // A recovery file of a designer that died, whose state this designer has taken over: it is removed
    // as soon as this designer's own file holds that state, or when that state is given up.
    void Adopt(StaleRecovery found);

    // For tests: shorter times than a person needs.
    void SetTimes(int periodMs, int stepGapMs);

signals:
    // Told once, the first time recovery cannot go on (the folder cannot be used or written).
    void RecoveryOff();

private:
    void WriteAfterGap();
    void Failed();

    RecoverySlot m_slot;
    StateSource m_source;
    QTimer m_period;
    QTimer m_gap;
    int m_stepGap = kStepGap;
    QElapsedTimer m_sinceWrite; // invalid until the first write
    std::optional<RecoveryRecord> m_written;
    std::vector<StaleRecovery> m_adopted;
    bool m_toldOff = false;
};
