#include "designer/UndoSteps.h"

#include "document/SkinDocument.h"

#include <QUndoStack>

DocumentStep::DocumentStep(const QString& what, DocumentSnapshot before, int selectBefore,
                           DocumentSnapshot after, int selectAfter, SnapshotRestorer restore, int runId)
    : QUndoCommand(what), m_before(std::move(before)), m_after(std::move(after)),
      m_selectBefore(selectBefore), m_selectAfter(selectAfter), m_restore(std::move(restore)),
      m_runId(runId) {}

bool DocumentStep::mergeWith(const QUndoCommand* other) {
    // Only steps of the same run share an id; the later one's outcome becomes this step's.
    const auto* later = static_cast<const DocumentStep*>(other);
    // Named after what it came to: a click that a double click turned into a snap is "Snap to Piece".
    setText(later->text());
    m_after = later->m_after;
    m_selectAfter = later->m_selectAfter;
    return true;
}

void DocumentStep::undo() {
    m_restore(m_before, m_selectBefore);
    m_done = false;
}

void DocumentStep::redo() {
    if (m_done)
        return;
    m_restore(m_after, m_selectAfter);
    m_done = true;
}

DocumentHistory::DocumentHistory(const SkinDocument& document, const QString& pngPath,
                                 SnapshotRestorer restore, QObject* parent)
    : QObject(parent), m_document(document), m_pngPath(pngPath), m_stack(new QUndoStack(this)) {
    m_stack->setUndoLimit(kStepLimit);
    // What a step puts back is what the next snapshot shares its records with.
    m_restore = [this, restore = std::move(restore)](const DocumentSnapshot& snapshot, int selectEntry) {
        restore(snapshot, selectEntry);
        m_last = snapshot;
    };
}

DocumentHistory::~DocumentHistory() = default;

DocumentSnapshot DocumentHistory::Snapshot() {
    DocumentSnapshot snapshot = TakeSnapshot(m_document, m_pngPath, m_last ? &*m_last : nullptr);
    m_last = snapshot;
    return snapshot;
}

void DocumentHistory::Begin(int selectedEntry) {
    if (m_depth++ > 0)
        return;
    m_before = Snapshot();
    m_selectBefore = selectedEntry;
}

bool DocumentHistory::Commit(const QString& what, int selectEntry, int runKey) {
    if (m_depth == 0 || --m_depth > 0)
        return false;
    DocumentSnapshot before = std::move(*m_before);
    m_before.reset();
    DocumentSnapshot after = Snapshot();
    if (after.SameContent(before))
        return false;
    // A run goes on only while its steps follow one another on top of the stack.
    const bool goesOn = runKey != 0 && runKey == m_runKey && m_stack->index() == m_runIndex;
    if (runKey != 0 && !goesOn)
        ++m_runSerial;
    m_runKey = runKey;
    m_stack->push(new DocumentStep(what, std::move(before), m_selectBefore, std::move(after), selectEntry,
                                   m_restore, runKey != 0 ? m_runSerial : -1));
    m_runIndex = m_stack->index();
    return true;
}

void DocumentHistory::Abandon() {
    if (m_depth == 0 || --m_depth > 0)
        return;
    m_before.reset();
}

void DocumentHistory::Clear() {
    const bool changed = !m_stack->isClean();
    m_stack->clear();
    EndRun();
    if (changed)
        m_stack->resetClean();
    m_last.reset();
}

void DocumentHistory::PushReplacement(const QString& what, DocumentSnapshot before, int selectBefore,
                                      int selectAfter) {
    DocumentSnapshot after = Snapshot();
    if (m_depth > 0 || after.SameContent(before))
        return;
    EndRun();
    m_stack->push(
        new DocumentStep(what, std::move(before), selectBefore, std::move(after), selectAfter, m_restore));
    m_stack->setClean();
}
