#pragma once

#include "document/DocumentSnapshot.h"

#include <QObject>
#include <QUndoCommand>
#include <functional>
#include <optional>

class QUndoStack;
struct SkinDocument;

// Puts a snapshot back into the window: the document, its PNG, the tree with the entry selected.
using SnapshotRestorer = std::function<void(const DocumentSnapshot& snapshot, int selectEntry)>;

// One change of the skin: the document before and after it, and the entry to select after undoing and
// after redoing. The change has been made when the step is pushed, so its first redo does nothing.
class DocumentStep : public QUndoCommand {
public:
    // A step with a run id of -1 stands alone; consecutive steps of one run id merge into one.
    DocumentStep(const QString& what, DocumentSnapshot before, int selectBefore, DocumentSnapshot after,
                 int selectAfter, SnapshotRestorer restore, int runId = -1);

    void undo() override;
    void redo() override;
    int id() const override { return m_runId; }
    bool mergeWith(const QUndoCommand* other) override;

    const DocumentSnapshot& Before() const { return m_before; }
    const DocumentSnapshot& After() const { return m_after; }

private:
    DocumentSnapshot m_before;
    DocumentSnapshot m_after;
    int m_selectBefore;
    int m_selectAfter;
    SnapshotRestorer m_restore;
    int m_runId;
    bool m_done = true;
};

// The undo history of one document. An edit is bracketed by Begin and Commit: Begin remembers the
// document as it stands, Commit compares it with the document then and pushes one step when they differ.
// Brackets nest; only the outermost pair records. Snapshots share unchanged records with the last one
// taken, so a history of many steps on a large skin stays small.
class DocumentHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int kStepLimit = 200;

    DocumentHistory(const SkinDocument& document, const QString& pngPath, SnapshotRestorer restore,
                    QObject* parent = nullptr);
    ~DocumentHistory() override;

    QUndoStack* Stack() const { return m_stack; }

    void Begin(int selectedEntry);
    // True when a step was pushed; false when nothing changed or an outer bracket is still open.
    // A run key other than 0 makes the step part of a run (a burst of arrow-key nudges, say): steps of
    // one key committed one after the other merge into one undo step, until EndRun, a step of another
    // key or a step outside any run. A run never reaches back past the saved state.
    bool Commit(const QString& what, int selectEntry, int runKey = 0);
    void EndRun() { m_runKey = 0; }
    // Closes the bracket without a step (the change was taken back).
    void Abandon();
    bool InEdit() const { return m_depth > 0; }

    // Forgets every step; whether the document counts as changed is left as it was.
    void Clear();

    // The document as it stands, for a step recorded with PushReplacement.
    DocumentSnapshot Current() { return Snapshot(); }
    // After the document was replaced from its file: one step from `before` to the document as it stands,
    // which becomes the saved state, so that undoing it brings back what was replaced, marked changed.
    // Nothing when the two hold the same.
    void PushReplacement(const QString& what, DocumentSnapshot before, int selectBefore, int selectAfter);

private:
    DocumentSnapshot Snapshot();

    const SkinDocument& m_document;
    const QString& m_pngPath;
    SnapshotRestorer m_restore;
    QUndoStack* m_stack;
    int m_depth = 0;
    std::optional<DocumentSnapshot> m_before;
    int m_selectBefore = -1;
    int m_runKey = 0;                       // the key of the run under way, 0 for none
    int m_runSerial = 0;                    // the id of that run's steps
    int m_runIndex = -1;                    // the stack's index after the run's last step
    std::optional<DocumentSnapshot> m_last; // the latest snapshot, to share records with
};
