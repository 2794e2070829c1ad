#pragma once

#include "picture/Colour.h"

#include <QFrame>

// A framed box filled with a colour; with no colour it stays empty, crossed from its top-left to its
// bottom-right corner.
class ColourSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    void SetColour(Colour colour);
    Colour GetColour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Colour m_colour = kNoColour;
};

// A Colour word as a Qt colour.
QColor ToQColor(Colour colour);
