#include "designer/WidgetMap.h"

#include "picture/SafeFileWrite.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTextEdit>
#include <QTreeView>
#include <QWidget>

namespace {

// At most this many rows of one view: a long list shows no more on a screen.
constexpr int kMostRows = 200;

QString Field(QString text) {
    text.replace(u'\t', u' ');
    text.replace(u'\n', u' ');
    text.replace(u'\r', u' ');
    return text;
}

QString Rect(const QRect& r) {
    return QStringLiteral("%1\t%2\t%3\t%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString Kind(const QWidget* w) {
    if (qobject_cast<const QCheckBox*>(w))
        return QStringLiteral("check");
    if (qobject_cast<const QRadioButton*>(w))
        return QStringLiteral("radio");
    if (qobject_cast<const QAbstractButton*>(w))
        return QStringLiteral("button");
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
        qobject_cast<const QPlainTextEdit*>(w))
        return QStringLiteral("edit");
    if (qobject_cast<const QAbstractSpinBox*>(w))
        return QStringLiteral("spin");
    if (qobject_cast<const QComboBox*>(w))
        return QStringLiteral("combo");
    if (qobject_cast<const QAbstractItemView*>(w))
        return QStringLiteral("view");
    if (qobject_cast<const QAbstractSlider*>(w))
        return QStringLiteral("slider");
    if (qobject_cast<const QTabBar*>(w))
        return QStringLiteral("tab");
    return QStringLiteral("other");
}

QString TextOf(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (const auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    if (const auto* c = qobject_cast<const QComboBox*>(w))
        return c->currentText();
    return {};
}

// A widget is listed when a person could point at it: it has a name, or it takes input. Line edits
// inside spin and combo boxes are part of those.
bool Listed(const QWidget* w) {
    if (!w->isVisible() || qobject_cast<const QMenu*>(w))
        return false;
    if (qobject_cast<const QLineEdit*>(w) && (qobject_cast<const QAbstractSpinBox*>(w->parentWidget()) ||
                                              qobject_cast<const QComboBox*>(w->parentWidget())))
        return false;
    return !w->objectName().isEmpty() || Kind(w) != QLatin1String("other");
}

QRect OnScreen(const QWidget* w, const QRect& local) {
    return QRect(w->mapToGlobal(local.topLeft()), local.size());
}

void AddRows(QStringList& lines, int window, const QAbstractItemView* view) {
    const QWidget* viewport = view->viewport();
    const QRect visible = viewport->rect();
    int rows = 0;
    const auto* tree = qobject_cast<const QTreeView*>(view);
    for (QModelIndex index = view->indexAt(QPoint(1, 1)); index.isValid() && rows < kMostRows; ++rows) {
        const QRect r = view->visualRect(index);
        if (!r.intersects(visible))
            break;
        lines << QStringLiteral("item\t%1\t%2\t%3\t%4")
                     .arg(window)
                     .arg(view->objectName(), Rect(OnScreen(viewport, r.intersected(visible))),
                          Field(index.data().toString()));
        index = tree ? tree->indexBelow(index) : index.sibling(index.row() + 1, index.column());
    }
}

void AddActions(QStringList& lines, int window, QWidget* w) {
    const auto add = [&](QAction* action, const QRect& r) {
        if (action->isSeparator() || !action->isVisible() || r.isEmpty())
            return;
        lines << QStringLiteral("action\t%1\t%2\t%3\t%4")
                     .arg(window)
                     .arg(Rect(OnScreen(w, r)))
                     .arg(action->isEnabled() ? 1 : 0)
                     .arg(Field(action->text()));
    };
    if (auto* menu = qobject_cast<QMenu*>(w)) {
        for (QAction* action : menu->actions())
            add(action, menu->actionGeometry(action));
    } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
        for (QAction* action : bar->actions())
            add(action, bar->actionGeometry(action));
    }
}

} // namespace

QString WidgetMapText(long long tick) {
    QStringList lines{QStringLiteral("tick\t%1").arg(tick)};
    int index = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        lines << QStringLiteral("window\t%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8")
                     .arg(index)
                     .arg(static_cast<qulonglong>(window->winId()))
                     .arg(QString::fromLatin1(window->metaObject()->className()), window->objectName(),
                          Rect(window->frameGeometry()))
                     .arg(window->isModal() ? 1 : 0)
                     .arg(window->isActiveWindow() ? 1 : 0)
                     .arg(Field(window->windowTitle()));
        AddActions(lines, index, window);
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->window() != window)
                continue;
            if (qobject_cast<QMenuBar*>(w) && w->isVisible())
                AddActions(lines, index, w);
            if (!Listed(w))
                continue;
            lines << QStringLiteral("widget\t%1\t%2\t%3\t%4\t%5\t%6\t%7")
                         .arg(index)
                         .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                              Rect(OnScreen(w, w->rect())))
                         .arg(w->isEnabled() ? 1 : 0)
                         .arg(Kind(w), Field(TextOf(w)));
            if (const auto* view = qobject_cast<const QAbstractItemView*>(w))
                AddRows(lines, index, view);
        }
        ++index;
    }
    return lines.join(u'\n') + u'\n';
}

WidgetMapWriter::WidgetMapWriter(const QString& path, QObject* parent) : QObject(parent), m_path(path) {
    connect(&m_timer, &QTimer::timeout, this, &WidgetMapWriter::Write);
    m_timer.start(250);
}

void WidgetMapWriter::Write() {
    WriteFileSafely(m_path, WidgetMapText(++m_tick).toUtf8());
}

void StartWidgetMapFromEnvironment(QObject* parent) {
    const QString path = qEnvironmentVariable("DRAPIER_WIDGET_MAP");
    if (!path.isEmpty())
        new WidgetMapWriter(path, parent);
}
