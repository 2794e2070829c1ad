#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// For scripts that drive the designer through its real windows (scripts/soak): every visible window,
// the widgets in it a person could point at, the visible rows of its item views and the entries of its
// menus, with their rectangles on the screen. Object names and classes tell the script what each is.
// The first line counts the maps made, so a reader can tell a designer whose event loop stopped.
//
// One line per thing, fields separated by tabs:
//   tick    N
//   window  INDEX  X11-ID  CLASS  OBJECT-NAME  X  Y  W  H  MODAL  ACTIVE  TITLE
//   widget  WINDOW  CLASS  OBJECT-NAME  X  Y  W  H  ENABLED  KIND  TEXT
//   item    WINDOW  VIEW-OBJECT-NAME  X  Y  W  H  TEXT
//   action  WINDOW  X  Y  W  H  ENABLED  TEXT
// KIND is one of button, check, radio, edit, spin, combo, view, slider, tab, other.
QString WidgetMapText(long long tick);

// Writes the map to a file a few times a second while the application runs.
class WidgetMapWriter : public QObject {
public:
    WidgetMapWriter(const QString& path, QObject* parent);

private:
    void Write();

    QString m_path;
    QTimer m_timer;
    long long m_tick = 0;
};

// Starts a writer when the environment variable DRAPIER_WIDGET_MAP names a file; nothing otherwise.
void StartWidgetMapFromEnvironment(QObject* parent);
