#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

// The designer's own pictures, drawn when first asked for.

// The shared strip of 18 pictures of the element tree and the menus. The ones with a meaning:
namespace Picture {
constexpr int Group = 0;
constexpr int CheckMark = 2;
constexpr int Elements = 3;
constexpr int HStrip = 5;
constexpr int VStrip = 6;
constexpr int Text = 7;
constexpr int Indicator = 8;
constexpr int ActionButton = 9;
constexpr int Layout = 10;
constexpr int PlainBitmap = 11;
constexpr int TileArea = 12;
constexpr int Count = 18;
} // namespace Picture

const QList<QIcon>& PictureStrip();

// Button pictures, on white, which the buttons leave out.
enum class ButtonPicture { New, Copy, Delete, MoveUp, MoveDown };
QImage ButtonPictureImage(ButtonPicture which);

// The program's icon: a note with a brush.
QIcon ApplicationIcon();
