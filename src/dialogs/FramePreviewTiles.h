#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <vector>

// Pictures side by side, each with its caption below, shrunk to fit its share of the width (never
// enlarged): the frame window's previews at their three sizes.
class FramePreviewTiles : public QWidget {
    Q_OBJECT
public:
    explicit FramePreviewTiles(QWidget* parent = nullptr);

    struct Tile {
        QImage picture;
        QString caption;
    };
    void SetTiles(std::vector<Tile> tiles);
    const std::vector<Tile>& Tiles() const { return m_tiles; }

    QSize sizeHint() const override { return {600, 180}; }
    QSize minimumSizeHint() const override { return {240, 90}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Tile> m_tiles;
};
