#pragma once

#include "dialogs/DialogControls.h"

#include <utility>
#include <vector>

class PlacementPair;
class QGridLayout;
class QGroupBox;
class QItemDlg;

// The two groups that button and indicator dialogs share: the pictures in the source and where the
// element goes on the note.

// One labelled row of source boxes per entry, then the hidden alpha source.
QGroupBox* NewSourceGroup(QWidget* parent, const QString& title,
                          const std::vector<std::pair<QString, SourceBoxes*>>& rows,
                          const SourcePoint& alpha);

struct PlaceControls {
    PlacementPair* left = nullptr;
    PlacementPair* top = nullptr;
    IntegerBox* width = nullptr;
    IntegerBox* height = nullptr;
    QGridLayout* grid = nullptr; // row 0 holds only the offset heading

    void Show(const PlacePair& place, const BoxSize& size) const;
    PlacePair Place() const;
    BoxSize Size() const;
};

// "Left:" and "Top:" placement pairs with pixel offsets, then "Width:" and "Height:".
QGroupBox* NewPlaceGroup(QWidget* parent, const QString& title, bool sixModes, PlaceControls* controls);
