#include "dialogs/PictureGroups.h"

#include "dialogs/PlacementPair.h"
#include "widgets/IntegerBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

QGroupBox* NewSourceGroup(QWidget* parent, const QString& title,
                          const std::vector<std::pair<QString, SourceBoxes*>>& rows,
                          const SourcePoint& alpha) {
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const auto& [text, boxes] : rows) {
        auto* line = new QHBoxLayout;
        grid->addWidget(new QLabel(text, group), row, 0);
        *boxes = AddSourceBoxes(line, group, QStringLiteral("x:"), text, true);
        line->addStretch();
        grid->addLayout(line, row++, 1);
    }
    auto* hidden = new QVBoxLayout;
    AddHiddenAlphaSource(hidden, group, QStringLiteral("Source of alpha blend definition:"), alpha);
    grid->addLayout(hidden, row, 0, 1, 2);
    return group;
}

void PlaceControls::Show(const PlacePair& place, const BoxSize& size) const {
    left->Show(place.x);
    top->Show(place.y);
    width->SetValue(size.w);
    height->SetValue(size.h);
}

PlacePair PlaceControls::Place() const {
    return {left->Read(), top->Read()};
}

BoxSize PlaceControls::Size() const {
    return {width->Value(), height->Value()};
}

QGroupBox* NewPlaceGroup(QWidget* parent, const QString& title, bool sixModes, PlaceControls* controls) {
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    controls->grid = grid;
    AddPixelOffsetHeading(grid, 0, 0);
    controls->left = new PlacementPair(group, QStringLiteral("Left:"), sixModes, true);
    controls->top = new PlacementPair(group, QStringLiteral("Top:"), sixModes, true);
    controls->left->AddToGrid(grid, 1, 0);
    controls->top->AddToGrid(grid, 2, 0);
    controls->width = AddNumberRow(grid, 3, 0, QStringLiteral("Width:"), 0, 9999);
    controls->height = AddNumberRow(grid, 4, 0, QStringLiteral("Height:"), 0, 9999);
    grid->setColumnStretch(5, 1);
    return group;
}
