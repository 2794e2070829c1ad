#include "designer/RecentFiles.h"

#include <QSettings>

namespace {

QString ValueName(int index) {
    return QStringLiteral("mru%1").arg(index + 1);
}

// Values were read into a buffer of 260 units with its terminator; a longer one was never taken.
constexpr int kLongestValue = 259;

bool SamePath(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Entries 0 .. last-1 move down by one; entry 0 is then free.
void ShiftDown(RecentList& list, int last) {
    for (int i = last; i > 0; --i)
        list[i] = list[i - 1];
}

} // namespace

bool AddToRecent(RecentList& list, const QString& path) {
    if (SamePath(list[0], path))
        return false;
    for (int i = 1; i < kRecentCount; ++i) {
        if (SamePath(list[i], path)) {
            ShiftDown(list, i);
            list[0] = path;
            return true;
        }
    }
    for (QString& entry : list) {
        if (entry.isEmpty()) {
            entry = path;
            return true;
        }
    }
    ShiftDown(list, kRecentCount - 1);
    list[0] = path;
    return true;
}

RecentList ReadRecentList(const QSettings& store) {
    RecentList list;
    for (int i = 0; i < kRecentCount; ++i) {
        const QString value = store.value(ValueName(i)).toString();
        if (value.size() <= kLongestValue)
            list[i] = value;
    }
    return list;
}

void WriteRecentList(QSettings& store, const RecentList& list) {
    for (int i = 0; i < kRecentCount; ++i)
        store.setValue(ValueName(i), list[i]);
    store.sync();
}
