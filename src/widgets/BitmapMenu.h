#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

// Which pictures a menu command shows: its normal picture and the one it shows while checked, as indices
// into the shared picture list, -1 for none. The row with command -1 gives the checked picture of
// commands that have none of their own.
struct MenuPictureRow {
    int command;
    int normal;
    int checked;
};

// Menus whose items carry pictures from one shared picture list. Items are QActions whose data() holds
// their command id; the pictures are set anew each time a menu drops down, so a checked item shows its
// checked picture.
class CBitmapMenu : public QObject {
    Q_OBJECT
public:
    explicit CBitmapMenu(QList<QIcon> pictures, std::vector<MenuPictureRow> rows, QObject* parent = nullptr);

    // Gives the items of the menu and its submenus their pictures now and whenever it drops down.
    void Attach(QMenu* menu);
    void Attach(QMenuBar* bar);

    // The picture an item shows in its current state; a null icon for none.
    QIcon PictureFor(int command, bool checked) const;
    void ApplyPictures(QMenu* menu) const;

private:
    const MenuPictureRow* RowOf(int command) const;
    QIcon Picture(int index) const;

    QList<QIcon> m_pictures;
    std::vector<MenuPictureRow> m_rows;
};

// The command id an action was given, 0 when it has none.
int CommandOf(const QAction* action);
// The action of the menu (or its submenus) carrying the command id; null when there is none.
QAction* FindCommand(const QMenu* menu, int command);
