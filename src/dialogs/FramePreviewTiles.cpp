#include "dialogs/FramePreviewTiles.h"

#include <QPainter>
#include <algorithm>

FramePreviewTiles::FramePreviewTiles(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void FramePreviewTiles::SetTiles(std::vector<Tile> tiles) {
    m_tiles = std::move(tiles);
    update();
}

void FramePreviewTiles::paintEvent(QPaintEvent*) {
    if (m_tiles.empty())
        return;
    QPainter painter(this);
    const int gap = 8;
    const int captionHeight = fontMetrics().height() + 2;
    const int count = static_cast<int>(m_tiles.size());
    const int cellWidth = std::max(1, (width() - gap * (count - 1)) / count);
    const int cellHeight = std::max(1, height() - captionHeight);
    for (int i = 0; i < count; ++i) {
        const Tile& tile = m_tiles[static_cast<size_t>(i)];
        const int left = i * (cellWidth + gap);
        QSize size = tile.picture.size();
        if (size.width() > cellWidth || size.height() > cellHeight)
            size.scale(cellWidth, cellHeight, Qt::KeepAspectRatio);
        const QRect target(left + (cellWidth - size.width()) / 2, 0, size.width(), size.height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform, size != tile.picture.size());
        painter.drawImage(target, tile.picture);
        painter.drawText(QRect(left, target.bottom() + 1, cellWidth, captionHeight),
                         Qt::AlignHCenter | Qt::AlignTop, tile.caption);
    }
}
