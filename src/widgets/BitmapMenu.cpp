#include "widgets/BitmapMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

CBitmapMenu::CBitmapMenu(QList<QIcon> pictures, std::vector<MenuPictureRow> rows, QObject* parent)
    : QObject(parent), m_pictures(std::move(pictures)), m_rows(std::move(rows)) {}

void CBitmapMenu::Attach(QMenu* menu) {
    ApplyPictures(menu);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { ApplyPictures(menu); });
    for (QAction* action : menu->actions()) {
        if (action->menu())
            Attach(action->menu());
    }
}

void CBitmapMenu::Attach(QMenuBar* bar) {
    for (QAction* action : bar->actions()) {
        if (action->menu())
            Attach(action->menu());
    }
}

const MenuPictureRow* CBitmapMenu::RowOf(int command) const {
    for (const MenuPictureRow& row : m_rows) {
        if (row.command == command)
            return &row;
    }
    return nullptr;
}

QIcon CBitmapMenu::Picture(int index) const {
    return index >= 0 && index < m_pictures.size() ? m_pictures[index] : QIcon();
}

QIcon CBitmapMenu::PictureFor(int command, bool checked) const {
    const MenuPictureRow* row = RowOf(command);
    if (!checked)
        return row ? Picture(row->normal) : QIcon();
    if (row && row->checked >= 0)
        return Picture(row->checked);
    const MenuPictureRow* fallback = RowOf(-1);
    return fallback ? Picture(fallback->checked) : QIcon();
}

void CBitmapMenu::ApplyPictures(QMenu* menu) const {
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || action->menu())
            continue;
        action->setIcon(PictureFor(CommandOf(action), action->isChecked()));
        // The picture itself shows the check, so the style need not draw a second mark beside it.
        action->setIconVisibleInMenu(true);
    }
}

int CommandOf(const QAction* action) {
    return action ? action->data().toInt() : 0;
}

QAction* FindCommand(const QMenu* menu, int command) {
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            if (QAction* found = FindCommand(action->menu(), command))
                return found;
        } else if (!action->isSeparator() && CommandOf(action) == command) {
            return action;
        }
    }
    return nullptr;
}
