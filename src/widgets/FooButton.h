#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>

class QMenu;

// A push button showing a picture beside its text. The drop-down kind also shows a drop-down mark and
// pops up its attached menu below itself.
class FooButton : public QPushButton {
    Q_OBJECT
public:
    enum class Type { Push, DropDown };

    explicit FooButton(const QString& text, QWidget* parent = nullptr);

    void SetType(Type type);
    Type GetType() const { return m_type; }
    // Pixels of the transparent colour are left out of the picture.
    void SetPicture(const QImage& picture, QColor transparent);
    void SetAlignment(Qt::Alignment alignment);

    void AttachMenu(QMenu* menu) { m_menu = menu; }
    QMenu* AttachedMenu() const { return m_menu; }
    // Where the attached menu's top-left corner goes, in global coordinates: the button's bottom-left.
    QPoint MenuPosition() const;
    // Pops up the attached menu and returns the command id of the chosen item, 0 when none was chosen.
    int ShowAttachedMenu();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Type m_type = Type::Push;
    QMenu* m_menu = nullptr;
};

// The picture with every pixel of the colour made transparent.
QImage WithTransparentColour(const QImage& picture, QColor transparent);
