#pragma once

#include "document/SkinElement.h"
#include "document/SkinLayout.h"
#include "document/SkinSettings.h"

#include <QString>
#include <memory>
#include <vector>

struct SkinDocument;

// What the skin file holds, as one value an undo history can keep: the document without its pictures,
// plus the path of its PNG (the bitmap line is written from it). Records are immutable and shared: a
// snapshot taken with an earlier one reuses every record that did not change, and the whole list when
// none did, so a long history of a large skin costs little more than the records that changed.
struct DocumentSnapshot {
    using Records = std::vector<std::shared_ptr<const SkinElement>>;

    QString displayname;
    QString bitmap;
    bool pngsource = true;
    SkinSettings settings;
    SkinLayout layout;
    std::shared_ptr<const Records> elements = std::make_shared<const Records>();
    QString pngPath;

    bool SameContent(const DocumentSnapshot& other) const;
};

// The document and PNG path as they stand. A button's pointer-over flag is the preview's, not the skin's:
// snapshots hold it cleared and comparisons ignore it.
DocumentSnapshot TakeSnapshot(const SkinDocument& document, const QString& pngPath,
                              const DocumentSnapshot* shareWith = nullptr);

// Puts the snapshot's skin back into the document; the pictures are left as they are.
void RestoreSnapshot(const DocumentSnapshot& snapshot, SkinDocument& document);

// The records of all the snapshots together, each shared record counted once: what a history of them
// keeps alive.
size_t DistinctRecordCount(const std::vector<const DocumentSnapshot*>& snapshots);
