// The main window's crash recovery: its unsaved state kept in a recovery file, and at start the offer of
// what designers that died left behind.
#include "designer/DrapierDlg.h"

#include "designer/RecoveryKeeper.h"
#include "designer/RecoveryOffer.h"
#include "designer/SkinPaths.h"
#include "document/SkinLoader.h"
#include "document/SkinReader.h"
#include "package/FilePaths.h"
#include "widgets/Prompter.h"

#include <QDateTime>
#include <QDir>
#include <QUndoStack>

void CDrapierDlg::StartRecovery(const QString& folder) {
    if (m_recovery)
        return;
    m_recovery = new RecoveryKeeper(
        folder, [this] { return UnsavedState(); }, this);
    connect(m_recovery, &RecoveryKeeper::RecoveryOff, this, [this, folder] {
        ShowStatus(QStringLiteral("Recovery is off: unsaved changes cannot be kept in ") +
                   QDir::toNativeSeparators(folder));
    });
    QUndoStack* stack = UndoStack();
    connect(stack, &QUndoStack::indexChanged, m_recovery, &RecoveryKeeper::StepTaken);
    connect(stack, &QUndoStack::cleanChanged, m_recovery, [this](bool clean) {
        if (clean)
            m_recovery->Discard();
        else
            m_recovery->StepTaken();
    });
    // Its own file first, so that a document recovered below is kept again before the file it came
    // from goes.
    m_recovery->Open();
    OfferStaleRecoveries(folder);
}

std::optional<RecoveryRecord> CDrapierDlg::UnsavedState() const {
    if (!m_dirty)
        return std::nullopt;
    return MakeRecoveryRecord(m_document, m_skinPath, m_pngPath, QDateTime::currentDateTimeUtc());
}

void CDrapierDlg::OfferStaleRecoveries(const QString& folder) {
    std::vector<StaleRecovery> found = ClaimStaleRecoveries(folder);
    for (StaleRecovery& stale : found) {
        if (!stale.CanBeLoaded()) {
            const QString question = QStringLiteral("Unsaved changes were kept in ") +
                                     QDir::toNativeSeparators(stale.FilePath()) +
                                     QStringLiteral(", but that file is damaged and cannot be loaded.\n\n"
                                                    "Delete it?");
            if (m_prompter.AskYesNo(this, question, false))
                stale.Remove();
            continue;
        }
        // The skin file holds all of it: nothing would be lost.
        if (!stale.IsWorthOffering()) {
            stale.Remove();
            continue;
        }
        const RecoveryRecord record = stale.Reading().record;
        if (!m_prompter.AskYesNo(this, RecoveryQuestion(record), true)) {
            stale.Remove();
            continue;
        }
        // A document recovered before this one is ended like any other; the files not yet offered
        // wait for the next start.
        if (!SavePromptAllowsGoingOn())
            break;
        LoadRecovered(record);
        m_recovery->Adopt(std::move(stale));
    }
}

void CDrapierDlg::LoadRecovered(const RecoveryRecord& record) {
    m_document.ClearElements();
    RebuildTree();
    LoadDefaultSkin(m_document);
    // A package's picture is inside it; the skin text read next replaces all the rest.
    if (IsPackagePath(record.skinPath))
        LoadSkin(m_document, record.skinPath, QString());
    ReadSkinText(m_document, RecoveredSkinText(record));
    ReloadSourcePicture(record.pngPath);
    m_skinPath = record.skinPath;
    AfterSkinLoaded();
    // Unsaved still: Save writes it where the skin was.
    MarkDirty();
    ShowStatus(QStringLiteral("Recovered unsaved changes to ") + RecoveredSkinName(record.skinPath));
}

RecoveryKeeper* CDrapierDlg::Recovery() const {
    return m_recovery;
}
