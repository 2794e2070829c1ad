#include "catalogue/GalleryCard.h"

#include "catalogue/DocumentationLink.h"
#include "document/FocusUse.h"
#include "document/SkinDocument.h"

GalleryCard GalleryCardOf(const QString& fileName, const PackageFileStamp& stamp, const SkinDocument* skin,
                          bool pictureDecoded) {
    GalleryCard card;
    card.fileName = fileName;
    card.stamp = stamp;
    if (!skin)
        return card;
    const SkinSettings& settings = skin->settings;
    card.skinRead = true;
    card.pictureDecoded = pictureDecoded;
    card.skinName = settings.skinname;
    card.authorName = settings.authorname;
    // The page links what works today, as the catalogue line does.
    card.authorUrl = CorrectDocumentationLinks(settings.authorurl);
    card.notes = settings.notes;
    card.reactsToFocus = SkinUsesFocus(*skin);
    card.ownScrollBar = skin->UsesOwnScrollBar();
    card.stackSkin = !settings.stackfilename.isEmpty();
    card.drawsRolled = AnyElementDrawnRolled(*skin);
    return card;
}
