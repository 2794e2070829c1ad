#include "catalogue/GalleryHtml.h"

#include "catalogue/CatalogueFiles.h"
#include "catalogue/GalleryText.h"
#include "catalogue/ParallelStretches.h"

#include <QCryptographicHash>
#include <QFile>

// The resource file sits in a static library; its registration has to be asked for by name.
static void InitGalleryResources() {
    Q_INIT_RESOURCE(gallery);
}

using namespace Qt::StringLiterals;

namespace {

// About what a card takes, so the page's text grows in few steps.
constexpr qsizetype kCardCharacters = 800;
// Fewer cards than this are not worth a thread of their own.
constexpr qsizetype kCardsPerThread = 256;

// The style and the script as the page holds them, with the hashes its content policy allows them by,
// so nothing else (least of all an attribute smuggled in by a package) could run or style the page.
struct PageAssets {
    QByteArray style;
    QByteArray script;
    QByteArray styleHash;
    QByteArray scriptHash;
};

QByteArray ResourceBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray PolicyHash(const QByteArray& bytes) {
    return "'sha256-" + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toBase64() + "'";
}

const PageAssets& Assets() {
    static const PageAssets assets = [] {
        InitGalleryResources();
        PageAssets a;
        a.style = ResourceBytes(QStringLiteral(":/gallery/gallery.css"));
        a.script = ResourceBytes(QStringLiteral(":/gallery/gallery.js"));
        a.styleHash = PolicyHash(a.style);
        a.scriptHash = PolicyHash(a.script);
        return a;
    }();
    return assets;
}

QString ShownName(const GalleryCard& card) {
    const QString name = GalleryText(card.skinName).trimmed();
    return card.skinRead && !name.isEmpty() ? name : GalleryText(card.fileName);
}

// The cards are appended to one text: a page of thousands is written in a blink.
void Put(QString& out, QLatin1StringView text) {
    out += text;
}

void PutEscaped(QString& out, const QString& text) {
    AppendHtmlEscaped(out, text);
}

void PutNumber(QString& out, long long n) {
    out += QString::number(n);
}

void PutAuthor(QString& out, const GalleryCard& card) {
    const QString author = GalleryText(card.authorName).trimmed();
    const QString url = GalleryText(card.authorUrl).trimmed();
    if (author.isEmpty() && url.isEmpty())
        return;
    Put(out, "<p class=\"author\" dir=\"auto\">by "_L1);
    if (IsLinkableUrl(url)) {
        Put(out, "<a href=\""_L1);
        PutEscaped(out, url);
        Put(out, "\" rel=\"nofollow noreferrer\">"_L1);
        PutEscaped(out, author.isEmpty() ? url : author);
        Put(out, "</a>"_L1);
    } else {
        PutEscaped(out, author);
        if (!author.isEmpty() && !url.isEmpty())
            out += QStringLiteral(" · ");
        PutEscaped(out, url);
    }
    Put(out, "</p>\n"_L1);
}

void PutBadges(QString& out, const GalleryCard& card) {
    const std::pair<bool, QLatin1StringView> badges[] = {
        {card.reactsToFocus, "Reacts to focus"_L1},
        {card.ownScrollBar, "Own scroll bar"_L1},
        {card.stackSkin, "Stack skin"_L1},
        {card.drawsRolled, "Drawn rolled up"_L1},
    };
    bool any = false;
    for (const auto& [set, text] : badges) {
        if (!set)
            continue;
        if (!any)
            Put(out, "<ul class=\"badges\">"_L1);
        any = true;
        Put(out, "<li>"_L1);
        Put(out, text);
        Put(out, "</li>"_L1);
    }
    if (any)
        Put(out, "</ul>\n"_L1);
}

void PutMeta(QString& out, const GalleryCard& card) {
    const QString size = PackageSizeText(card.stamp.size);
    const QString date = UtcDateText(card.stamp.modified);
    if (size.isEmpty() && date.isEmpty())
        return;
    Put(out, "<p class=\"meta\">"_L1);
    out += size;
    if (!size.isEmpty() && !date.isEmpty())
        out += QStringLiteral(" · ");
    if (!date.isEmpty()) {
        Put(out, "<time datetime=\""_L1);
        out += date;
        Put(out, "\">"_L1);
        out += date;
        Put(out, "</time>"_L1);
    }
    Put(out, "</p>\n"_L1);
}

void PutPicture(QString& out, const GalleryCard& card, const QString& name) {
    if (!card.skinRead || !card.pictureDecoded || card.thumbnailWidth <= 0 || card.thumbnailHeight <= 0) {
        Put(out, "<div class=\"noshot\" aria-hidden=\"true\"></div>\n"_L1);
        return;
    }
    Put(out, "<img src=\""_L1);
    AppendFileNameLink(out, ThumbnailNameOf(card.fileName));
    Put(out, "\" width=\""_L1);
    PutNumber(out, card.thumbnailWidth);
    Put(out, "\" height=\""_L1);
    PutNumber(out, card.thumbnailHeight);
    Put(out, "\" loading=\"lazy\" alt=\""_L1);
    PutEscaped(out, name);
    Put(out, "\">\n"_L1);
}

void PutCard(QString& out, const GalleryCard& card) {
    const QString name = ShownName(card);
    Put(out, "<li class=\"card\" data-time=\""_L1);
    PutNumber(out, card.stamp.modified);
    Put(out, "\" data-size=\""_L1);
    PutNumber(out, card.stamp.size);
    Put(out, "\">\n"_L1);
    PutPicture(out, card, name);
    Put(out, "<h2 class=\"name\" dir=\"auto\">"_L1);
    PutEscaped(out, name);
    Put(out, "</h2>\n"_L1);
    if (card.skinRead) {
        PutAuthor(out, card);
        const QString notes = GalleryNotesText(card.notes).trimmed();
        if (!notes.isEmpty()) {
            Put(out, "<p class=\"notes\" dir=\"auto\">"_L1);
            PutEscaped(out, notes);
            Put(out, "</p>\n"_L1);
        }
        PutBadges(out, card);
    } else {
        Put(out, "<p class=\"unread\">could not be read</p>\n"_L1);
    }
    PutMeta(out, card);
    Put(out, "<a class=\"download\" href=\""_L1);
    AppendFileNameLink(out, card.fileName);
    Put(out, "\" download>Download <bdi>"_L1);
    PutEscaped(out, GalleryText(card.fileName));
    Put(out, "</bdi></a>\n</li>\n"_L1);
}

} // namespace

QString GalleryGeneratorMark() {
    return QStringLiteral("<meta name=\"generator\" content=\"Drapier");
}

QString GalleryCardHtml(const GalleryCard& card) {
    QString html;
    PutCard(html, card);
    return html;
}

QByteArray GalleryPageHtml(const QList<GalleryCard>& cards) {
    const PageAssets& assets = Assets();
    const QString count =
        cards.size() == 1 ? QStringLiteral("1 skin") : QStringLiteral("%1 skins").arg(cards.size());
    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    html += GalleryGeneratorMark() + QStringLiteral(" " DRAPIER_VERSION "\">\n");
    html += QStringLiteral(
                "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                "img-src 'self'; style-src %1; script-src %2; base-uri 'none'; form-action 'none'\">\n")
                .arg(QString::fromLatin1(assets.styleHash), QString::fromLatin1(assets.scriptHash));
    html += QStringLiteral("<title>Pinlets skins</title>\n<style>");
    html += QString::fromUtf8(assets.style);
    html += QStringLiteral("</style>\n</head>\n<body>\n<header>\n<h1>Pinlets skins</h1>\n");
    if (!cards.isEmpty()) {
        html += QStringLiteral("<div class=\"tools\">\n"
                               "<div class=\"field\"><label for=\"search\">Search</label>"
                               "<input type=\"search\" id=\"search\" placeholder=\"Name, author or notes\" "
                               "autocomplete=\"off\" spellcheck=\"false\"></div>\n"
                               "<div class=\"field\"><label for=\"sort\">Sort by</label><select id=\"sort\">"
                               "<option value=\"name\">Name</option><option value=\"newest\">Newest</option>"
                               "<option value=\"largest\">Largest</option></select></div>\n"
                               "<p id=\"count\" role=\"status\">%1</p>\n</div>\n")
                    .arg(count);
    }
    html += QStringLiteral("</header>\n<main>\n");
    if (cards.isEmpty())
        html += QStringLiteral("<p class=\"empty\">There are no skin packages in this folder.</p>\n");
    html += QStringLiteral("<ul id=\"cards\">\n");
    // Thousands of cards are made on a few threads, each a stretch of the list, joined in order.
    const std::vector<QString> parts =
        InParallelStretches(cards.size(), kCardsPerThread, [&cards](qsizetype begin, qsizetype end) {
            QString part;
            part.reserve((end - begin) * kCardCharacters);
            for (qsizetype i = begin; i < end; ++i)
                PutCard(part, cards[i]);
            return part;
        });
    qsizetype length = html.size();
    for (const QString& part : parts)
        length += part.size();
    html.reserve(length + assets.script.size() + 256);
    for (const QString& part : parts)
        html += part;
    html += QStringLiteral("</ul>\n<p id=\"none\" hidden>No skin matches the search.</p>\n</main>\n"
                           "<footer>Written by Drapier " DRAPIER_VERSION ".</footer>\n<script>");
    html += QString::fromUtf8(assets.script);
    html += QStringLiteral("</script>\n</body>\n</html>\n");
    return html.toUtf8();
}
