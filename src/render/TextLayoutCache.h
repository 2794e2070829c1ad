#pragma once

#include <QString>
#include <cstddef>
#include <functional>

class QFont;
class QPaintDevice;

// One line of a text box as it is drawn, before it is placed: its text (tabs expanded, cut with an
// ellipsis when too wide) and the width of that.
struct LaidOutLine {
    QString text;
    int width = 0;
};

// The identity of a font's metrics on a device: all that sets the advances of its glyphs there.
QString FontMetricsKey(const QFont& font, const QPaintDevice& device);

// The line as layOut lays it out in the font the key names, cut at width: from the lines laid out before,
// or laid out now and kept. Unchanged texts (every text but the one being typed) are then not measured
// again on each rebuild of the preview. The lines kept are bounded in number and in characters, and
// forgotten when the fonts the system has change. Safe on any thread.
LaidOutLine CachedTextLine(const QString& fontKey, int width, const QString& line,
                           const std::function<LaidOutLine()>& layOut);

// Forgets every line kept.
void ClearTextLayoutCache();
// How many lines are kept.
std::size_t TextLayoutCacheSize();
