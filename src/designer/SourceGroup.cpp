#include "designer/SourceGroup.h"

#include "widgets/ColourSwatch.h"
#include "widgets/SheetCanvas.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* MakeButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    // Enter in the main window must never press a button.
    button->setAutoDefault(false);
    return button;
}

} // namespace

SourceGroup::SourceGroup(QWidget* parent) : QGroupBox(QStringLiteral(" Source PNG"), parent) {
    setObjectName(QStringLiteral("sourceGroup"));
    m_canvas = new SheetCanvas(this);
    m_canvas->setObjectName(QStringLiteral("sourceView"));
    // Its height is the splitter's to give; a larger window goes to the preview.
    m_canvas->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_regionSwatch = new ColourSwatch(this);
    m_regionSwatch->setObjectName(QStringLiteral("regionSwatch"));
    m_pickRegion = MakeButton(QStringLiteral("Pick"), "pickRegion", this);
    m_clearRegion = MakeButton(QStringLiteral("Clear"), "clearRegion", this);
    m_showPieces = new QCheckBox(QStringLiteral("Show pieces"), this);
    m_showPieces->setObjectName(QStringLiteral("showPieces"));
    m_zoom = MakeButton(QStringLiteral("Zoom"), "sourceZoom", this);
    m_loadPng = MakeButton(QStringLiteral("..."), "loadPng", this);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Region:"), this));
    row->addWidget(m_regionSwatch);
    row->addWidget(m_pickRegion);
    row->addWidget(m_clearRegion);
    row->addStretch(1);
    row->addWidget(m_showPieces);
    row->addWidget(m_zoom);
    row->addWidget(m_loadPng);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_canvas, 1);
    layout->addLayout(row);
}
