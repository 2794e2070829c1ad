#pragma once

#include <QByteArray>
#include <QString>

class Canvas;

// Decodes a BMP, GIF or ICO picture (KeyedPictureFormatOf) with Qt's reader of that format alone into
// an opaque canvas, composed over black where it has alpha. Fails with the reason, leaving the canvas
// as it may be, for other formats, unreadable pictures and ones of kPictureByteLimit bytes or more at
// 24 bits per pixel.
//
// It is the only picture code that needs Qt's GUI library. drapier-cli links its own definition of this
// function, which loads that library on first use, so that commands meeting only PNG pictures start
// without it.
bool ReadWithPictureLoader(const QByteArray& bytes, Canvas& picture, QString& error);
