#include "render/TextDrawing.h"

#include "document/ElementRecords.h"
#include "document/NoteState.h"
#include "render/NoteWindow.h"
#include "render/PlaceholderText.h"
#include "render/TextLayoutCache.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <climits>

namespace {

QColor ToQColor(Colour c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// Tab stops every eight average character widths, as formatted text output has them; the tab becomes
// the spaces that reach the next stop, so measuring and cutting see the line as it is drawn.
QString ExpandTabs(const QString& line, const QFontMetrics& metrics) {
    if (!line.contains(u'\t'))
        return line;
    const int stop = std::max(1, 8 * metrics.averageCharWidth());
    const int space = std::max(1, metrics.horizontalAdvance(u' '));
    QString out;
    qsizetype segmentStart = 0;
    int x = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != u'\t')
            continue;
        const QString segment = line.mid(segmentStart, i - segmentStart);
        out += segment;
        x += metrics.horizontalAdvance(segment);
        if (i < line.size()) {
            const int next = (x / stop + 1) * stop;
            const int spaces = std::max(1, (next - x + space / 2) / space);
            out += QString(spaces, u' ');
            x += spaces * space;
        }
        segmentStart = i + 1;
    }
    return out;
}

QStringList SplitLines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(u'\r', u'\n');
    return unified.split(u'\n');
}

} // namespace

std::vector<TextBoxLine> LayOutTextBox(const QString& text, const QFontMetrics& metrics, const NoteRect& box,
                                       int alignment, int visibleBottom, const QString& fontKey) {
    std::vector<TextBoxLine> lines;
    const long long boxWidth = static_cast<long long>(box.right) - box.left;
    if (boxWidth <= 0 || box.bottom <= box.top)
        return lines;
    const int lineHeight = std::max(1, metrics.height());
    const int width = static_cast<int>(std::min<long long>(boxWidth, INT_MAX / 2));
    const long long bottom = std::min(box.bottom, visibleBottom);
    long long y = box.top;
    const QStringList texts = SplitLines(text);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        // The first line is always drawn (clipped); a later one only when it is wholly inside.
        if (y >= bottom || (i > 0 && y + lineHeight > box.bottom))
            break;
        const auto layOut = [&] {
            LaidOutLine laidOut;
            laidOut.text = ExpandTabs(texts[i], metrics);
            laidOut.width = metrics.horizontalAdvance(laidOut.text);
            if (laidOut.width > width) {
                laidOut.text = metrics.elidedText(laidOut.text, Qt::ElideRight, width);
                laidOut.width = metrics.horizontalAdvance(laidOut.text);
            }
            return laidOut;
        };
        LaidOutLine laidOut = fontKey.isEmpty() ? layOut() : CachedTextLine(fontKey, width, texts[i], layOut);
        TextBoxLine line;
        line.text = std::move(laidOut.text);
        line.width = laidOut.width;
        long long x = box.left;
        if (alignment == 1)
            x = box.left + (boxWidth - line.width) / 2;
        else if (alignment == 2)
            x = box.right - line.width;
        line.x = static_cast<int>(x);
        line.y = static_cast<int>(y);
        lines.push_back(std::move(line));
        y += lineHeight;
    }
    return lines;
}

void DrawTextElement(QImage& image, const TextRecord& text, const NoteRect& band, const NoteState& state) {
    DrawTextElement(image, text, band, state, NoteWindow::Whole(image.width(), image.height()));
}

void DrawTextElement(QImage& image, const TextRecord& text, const NoteRect& band, const NoteState& state,
                     const NoteWindow& window) {
    // Only the part of the band in the window can show anything.
    const CanvasRect& seen = window.visible;
    const int left = std::max(band.left, seen.left);
    const int top = std::max(band.top, seen.top);
    const int right = std::min(band.right, seen.right);
    const int bottom = std::min(band.bottom, seen.bottom);
    if (right <= left || bottom <= top)
        return;

    const QString shown = ApplySetCase(ExpandPlaceholders(text.text, state), text.setcase);
    const QFont font = MakeTextFont(FontDescriptionOf(text));
    QPainter painter(&image);
    if (!painter.isActive())
        return;
    const CanvasRect clip = window.Local(left, top, right, bottom);
    painter.setClipRect(QRect(clip.left, clip.top, clip.Width(), clip.Height()));
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const std::vector<TextBoxLine> lines = LayOutTextBox(shown, metrics, band, text.alignment, bottom,
                                                         FontMetricsKey(painter.font(), *painter.device()));
    painter.setPen(ToQColor(text.col));
    // Lines far from the clip are left out; the margin holds any ink a glyph draws beyond its box.
    const long long margin = 4LL * std::max(1, metrics.height());
    for (const TextBoxLine& line : lines) {
        if (line.x - margin >= right || line.x + static_cast<long long>(line.width) + margin <= left ||
            line.y - margin >= bottom || line.y + static_cast<long long>(metrics.height()) + margin <= top)
            continue;
        const int x = window.X(line.x);
        const int y = window.Y(line.y);
        if (!text.transparent)
            painter.fillRect(QRect(x, y, line.width, metrics.height()), ToQColor(state.notecolour));
        painter.drawText(QPoint(x, y + metrics.ascent()), line.text);
    }
}
