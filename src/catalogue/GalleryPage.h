#pragma once

#include "catalogue/GalleryCard.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct CatalogueResult;

// The gallery page a catalogue run may write beside "_db.db".
inline const QString kGalleryPageName = QStringLiteral("index.html");

// Whether the start of a file shows a page Drapier wrote (its generator mark near the top).
bool IsDrapierGalleryPage(const QByteArray& head);

struct GalleryPageResult {
    bool written = false;
    QString path;
    QString message; // why it was not written, as the user is shown it
};

// Writes the folder's index.html for the cards, in their order. A card whose picture decoded but whose
// thumbnail's size it does not carry gets it from the thumbnail's PNG header, when that file is there;
// otherwise the card has no picture. An index.html that is not Drapier's own is never replaced.
GalleryPageResult WriteGalleryPage(const QString& folder, QList<GalleryCard> cards);

// The page as a run's last step: written from the run's cards unless the run was cancelled; its failure
// joins the run's messages. False when the page was wanted and not written.
bool AddGalleryPage(const QString& folder, CatalogueResult& result);
