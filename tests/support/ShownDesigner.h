#pragma once

#include "designer/DrapierDlg.h"
#include "gui/FakePrompter.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include <vector>

// A source picture whose pixels can be told apart where it matters: opaque green with a red, a blue
// and a yellow pixel side by side, so that a picture drawn shifted, scaled or smoothed shows it.
struct KnownPixel {
    QPoint at;
    QColor colour;
};

inline const std::vector<KnownPixel>& KnownPixels() {
    static const std::vector<KnownPixel> pixels = {
        {{5, 3}, QColor(230, 20, 20)}, {{6, 3}, QColor(20, 20, 230)}, {{5, 4}, QColor(240, 230, 10)},
        {{4, 3}, QColor(0, 160, 0)},   {{0, 0}, QColor(0, 160, 0)},   {{23, 15}, QColor(0, 160, 0)},
    };
    return pixels;
}

inline bool WriteKnownPicture(const QString& path) {
    QImage picture(24, 16, QImage::Format_RGB32);
    picture.fill(QColor(0, 160, 0));
    for (const KnownPixel& p : KnownPixels())
        picture.setPixelColor(p.at, p.colour);
    return picture.save(path, "PNG");
}

// The window's picture as the screen gets it, in device pixels.
inline QImage Shot(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The colours of the device pixels that show the logical point at of the widget whose shot this is: a
// 2 by 2 block at a device pixel ratio of 2, one pixel at 1.
inline std::vector<QColor> DevicePixelsAt(const QImage& shot, QPoint at) {
    const int ratio = qRound(shot.devicePixelRatio());
    std::vector<QColor> colours;
    for (int dy = 0; dy < ratio; ++dy) {
        for (int dx = 0; dx < ratio; ++dx)
            colours.push_back(shot.pixelColor(at.x() * ratio + dx, at.y() * ratio + dy));
    }
    return colours;
}

// The designer shown on screen with the known picture as its source PNG; its settings and files live in
// a folder of its own that goes with it.
struct ShownDesigner {
    QTemporaryDir dir;
    FakePrompter prompter;
    std::unique_ptr<QSettings> store;
    std::unique_ptr<CDrapierDlg> window;

    // False when the window could not be set up or shown.
    bool Open() {
        if (!dir.isValid() || !WriteKnownPicture(dir.filePath("known.png")))
            return false;
        store = std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
        window = std::make_unique<CDrapierDlg>(prompter, *store);
        window->StartUp(QString());
        window->LoadSourcePng(dir.filePath("known.png"));
        window->resize(1100, 700);
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
};
