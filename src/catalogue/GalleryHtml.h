#pragma once

#include "catalogue/GalleryCard.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The generator mark every page Drapier writes carries; a page without it is someone else's.
QString GalleryGeneratorMark();

// One card of the gallery as HTML: a thumbnail when the picture decoded and the card knows the
// thumbnail's size, the skin's name, author (a link only for an http or https URL), notes, features,
// the package's size and date, and its download link. A package whose skin could not be read shows its
// file name and "could not be read". Every text from the package is escaped.
QString GalleryCardHtml(const GalleryCard& card);

// The whole page, UTF-8: one self-contained HTML5 file with its style and script inline and nothing
// fetched from elsewhere, the cards in the order given.
QByteArray GalleryPageHtml(const QList<GalleryCard>& cards);
