#include "render/TextLayoutCache.h"

#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QPaintDevice>
#include <mutex>

namespace {

constexpr qsizetype kMaxLines = 4096;
constexpr qsizetype kMaxCharacters = qsizetype(1) << 20;

struct LineKey {
    QString font;
    int width = 0;
    QString line;
    bool operator==(const LineKey&) const = default;
};

size_t qHash(const LineKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.font, key.width, key.line);
}

struct Cache {
    std::mutex mutex;
    QHash<LineKey, LaidOutLine> lines;
    qsizetype characters = 0;
    std::once_flag watching;

    void ClearLocked() {
        lines.clear();
        characters = 0;
    }
};

Cache& TheCache() {
    static Cache cache;
    return cache;
}

// Fonts added to or taken from the application change what a family name gives.
void WatchFonts(Cache& cache) {
    std::call_once(cache.watching, [] {
        if (qGuiApp)
            QObject::connect(
                qGuiApp, &QGuiApplication::fontDatabaseChanged, qGuiApp, [] { ClearTextLayoutCache(); },
                Qt::DirectConnection);
    });
}

} // namespace

QString FontMetricsKey(const QFont& font, const QPaintDevice& device) {
    // The key names the font's requested attributes, but not its hinting.
    return font.key() + u'/' + QString::number(font.hintingPreference()) + u'@' +
           QString::number(device.logicalDpiX()) + u'x' + QString::number(device.logicalDpiY());
}

LaidOutLine CachedTextLine(const QString& fontKey, int width, const QString& line,
                           const std::function<LaidOutLine()>& layOut) {
    Cache& cache = TheCache();
    WatchFonts(cache);
    LineKey key{fontKey, width, line};
    {
        std::lock_guard lock(cache.mutex);
        const auto found = cache.lines.constFind(key);
        if (found != cache.lines.cend())
            return *found;
    }
    LaidOutLine laidOut = layOut();
    const qsizetype size = key.font.size() + key.line.size() + laidOut.text.size();
    if (size > kMaxCharacters / 16)
        return laidOut; // a line this long would push out the many short ones
    std::lock_guard lock(cache.mutex);
    if (cache.lines.size() >= kMaxLines || cache.characters + size > kMaxCharacters)
        cache.ClearLocked();
    if (!cache.lines.contains(key)) {
        cache.lines.insert(std::move(key), laidOut);
        cache.characters += size;
    }
    return laidOut;
}

void ClearTextLayoutCache() {
    Cache& cache = TheCache();
    std::lock_guard lock(cache.mutex);
    cache.ClearLocked();
}

std::size_t TextLayoutCacheSize() {
    Cache& cache = TheCache();
    std::lock_guard lock(cache.mutex);
    return static_cast<std::size_t>(cache.lines.size());
}
