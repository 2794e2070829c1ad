#pragma once

#include "document/SkinElement.h"
#include "document/SkinLayout.h"
#include "document/SkinSettings.h"
#include "picture/ImageSurface.h"
#include "picture/KeyedPicture.h"

#include <QByteArray>
#include <QString>
#include <vector>

struct NoteState;

// The whole skin being edited: settings, default layout, source picture and the ordered element list.
// List order is file order and paint order.
struct SkinDocument {
    QString displayname;
    std::vector<SkinElement> elements;
    QString bitmap; // the source picture's file name, from the bitmap key
    ImageSurface image;
    KeyedPicture keyed;       // the source picture when it is not a PNG
    bool pngsource = true;    // the picture came from a PNG and is held with its alpha plane
    QString picturePath;      // the file the last load decoded the PNG picture from; empty for any other
    QByteArray pictureDigest; // that file's FileDigest when the load was asked for it, else empty
    SkinSettings settings;
    SkinLayout layout; // the default layout

    // Settings and default layout back to their defaults; the list and the picture stay.
    void ResetSettings();
    void ClearElements() { elements.clear(); }
    void Append(SkinElement entry) { elements.push_back(std::move(entry)); }

    // Index in the list of the last Layout element whose group passes for the state, or -1 when the
    // default layout is active.
    int ActiveLayoutIndex(const NoteState& state) const;
    const SkinLayout& ActiveLayout(const NoteState& state) const;

    // Index of the Group element that decides a group name: the last one so named (case counts), or -1.
    int GroupIndex(const QString& name) const;

    // The default layout or any Layout element draws its own scroll bar.
    bool UsesOwnScrollBar() const;
    bool DrawsOnTextBackground() const { return settings.drawonrtfbg; }
};
