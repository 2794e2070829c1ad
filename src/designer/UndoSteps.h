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
    DocumentStep(const QString& what, DocumentSnapshot before, int selectBefore, DocumentSnapshot after,
                 int selectAfter, SnapshotRestorer restore);

    void undo() override;
    void redo() override;

    const DocumentSnapshot& Before() const { return m_before; }
    const DocumentSnapshot& After() const { return m_after; }

private:
    DocumentSnapshot m_before;
    DocumentSnapshot m_after;
    int m_selectBefore;
    int m_selectAfter;
    SnapshotRestorer m_restore;
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
    bool Commit(const QString& what, int selectEntry);
    // Closes the bracket without a step (the change was taken back).
    void Abandon();
    bool InEdit() const { return m_depth > 0; }

    // Forgets every step; whether the document counts as changed is left as it was.
    void Clear();

private:
    DocumentSnapshot Snapshot();

    const SkinDocument& m_document;
    const QString& m_pngPath;
    SnapshotRestorer m_restore;
    QUndoStack* m_stack;
    int m_depth = 0;
    std::optional<DocumentSnapshot> m_before;
    int m_selectBefore = -1;
    std::optional<DocumentSnapshot> m_last; // the latest snapshot, to share records with
};
