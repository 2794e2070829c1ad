#pragma once

#include <QColor>
#include <QFont>
#include <QTreeWidget>
#include <optional>

// A tree whose items can each have their own text colour and font; an item without a colour of its own
// shows the normal text colour.
class CTreeCtrlEx : public QTreeWidget {
    Q_OBJECT
public:
    explicit CTreeCtrlEx(QWidget* parent = nullptr);

    void SetItemColour(QTreeWidgetItem* item, std::optional<QColor> colour,
                       std::optional<QFont> font = std::nullopt);
    // The colour the item's text is drawn in (ignoring selection).
    QColor ItemColour(const QTreeWidgetItem* item) const;
};
