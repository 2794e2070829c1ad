#pragma once

#include "picture/Colour.h"

#include <QWidget>

class ColourSwatch;
class Prompter;
class QPushButton;

// A colour swatch with its "Pick" button: the colour chooser opens on the colour shown, and a colour
// chosen there is shown and reported; a cancelled chooser changes nothing.
class ColourPick : public QWidget {
    Q_OBJECT
public:
    // name tells the swatch apart from the other "Pick" buttons for assistive tools.
    ColourPick(Prompter& prompter, const QString& name, QWidget* parent);

    void SetColour(Colour colour);
    Colour GetColour() const;
    ColourSwatch* Swatch() const { return m_swatch; }
    QPushButton* PickButton() const { return m_pick; }

signals:
    void Picked(Colour colour);

private:
    void Pick();

    Prompter& m_prompter;
    ColourSwatch* m_swatch;
    QPushButton* m_pick;
};
