#pragma once

#include <QString>
#include <array>

class QSettings;

constexpr int kRecentCount = 4;

// The recent skin files, entry 0 the newest; an empty text is an empty entry.
using RecentList = std::array<QString, kRecentCount>;

// Puts a path at the head of the list by the designer's rule; false when the list stayed as it was (the
// path was already the newest), so nothing needs saving.
bool AddToRecent(RecentList& list, const QString& path);

// The store keeps the values "mru1" to "mru4"; a missing value reads as an empty entry.
RecentList ReadRecentList(const QSettings& store);
void WriteRecentList(QSettings& store, const RecentList& list);
