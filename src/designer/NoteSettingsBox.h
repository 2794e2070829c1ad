#pragma once

#include "render/NoteSettings.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ColourSwatch;
class IntegerBox;

// The " Note settings " box: a form over the simulated note the preview shows. Every change is
// announced with Changed(), sizes typed in a burst once for the burst; the pickers ask through the
// PickSticky/PickPen signals.
class NoteSettingsBox : public QGroupBox {
    Q_OBJECT
public:
    explicit NoteSettingsBox(QWidget* parent = nullptr);

    // The controls' values; colours are those of the swatches.
    NoteSettings Settings() const;
    // Puts the values into the controls without announcing each change.
    void SetSettings(const NoteSettings& settings);

    Colour StickyColour() const;
    Colour PenColour() const;
    void SetStickyColour(Colour colour);
    void SetPenColour(Colour colour);

    // Sticky skin mode or stack skin mode: labels, the "Source:" text and which controls apply.
    void ApplyMode(bool stackMode);
    bool IsStackMode() const { return m_stackMode; }

    // The check box whose state rolls the note, for the tree's new elements.
    bool IsRolled() const;

signals:
    void Changed();
    void PickStickyRequested();
    void PickPenRequested();

private:
    QCheckBox* AddCheck(const QString& text, const char* name);
    IntegerBox* AddNumber(int arrowMaximum, const char* name, bool typedLater = false);
    void Announce();

    bool m_stackMode = false;
    bool m_quiet = false;
    QTimer* m_sizeTyped = nullptr;

    QLineEdit* m_created;
    QLineEdit* m_title;
    QLineEdit* m_source;
    QLabel* m_sourceLabel;
    QCheckBox* m_ontop;
    QCheckBox* m_rolled;
    QCheckBox* m_locked;
    QCheckBox* m_alarm;
    QCheckBox* m_focus;
    QCheckBox* m_attached;
    QCheckBox* m_stand;
    QCheckBox* m_solo;
    QCheckBox* m_user1;
    QCheckBox* m_user2;
    QCheckBox* m_user3;
    QCheckBox* m_transmit;
    QCheckBox* m_email;
    QCheckBox* m_sync;
    QCheckBox* m_image;
    IntegerBox* m_width;
    IntegerBox* m_height;
    ColourSwatch* m_sticky;
    QPushButton* m_pickSticky;
    QCheckBox* m_instack;
    QLineEdit* m_stackname;
    QCheckBox* m_bulk;
    ColourSwatch* m_pen;
    QPushButton* m_pickPen;
    QComboBox* m_dpi;
    QCheckBox* m_scrollbar;
    QCheckBox* m_moreabove;
    QCheckBox* m_morebelow;
    IntegerBox* m_scrolltop;
    IntegerBox* m_scrollbottom;
};
