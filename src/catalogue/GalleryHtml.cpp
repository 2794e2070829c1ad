#include "catalogue/GalleryHtml.h"

#include "catalogue/CatalogueFiles.h"
#include "catalogue/GalleryText.h"

#include <QCryptographicHash>
#include <QFile>

// The resource file sits in a static library; its registration has to be asked for by name.
static void InitGalleryResources() {
    Q_INIT_RESOURCE(gallery);
}

namespace {

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

QString Escaped(const QString& text) {
    return HtmlEscaped(GalleryText(text));
}

QString ShownName(const GalleryCard& card) {
    const QString name = GalleryText(card.skinName).trimmed();
    return card.skinRead && !name.isEmpty() ? name : GalleryText(card.fileName);
}

QString AuthorHtml(const GalleryCard& card) {
    const QString author = GalleryText(card.authorName).trimmed();
    const QString url = GalleryText(card.authorUrl).trimmed();
    QString html;
    if (IsLinkableUrl(url)) {
        html = QStringLiteral("<a href=\"") + HtmlEscaped(url) +
               QStringLiteral("\" rel=\"nofollow noreferrer\">") +
               HtmlEscaped(author.isEmpty() ? url : author) + QStringLiteral("</a>");
    } else {
        html = HtmlEscaped(author);
        if (!url.isEmpty())
            html += (author.isEmpty() ? QString() : QStringLiteral(" · ")) + HtmlEscaped(url);
    }
    if (html.isEmpty())
        return {};
    return QStringLiteral("<p class=\"author\" dir=\"auto\">by ") + html + QStringLiteral("</p>\n");
}

QString BadgesHtml(const GalleryCard& card) {
    const std::pair<bool, const char*> badges[] = {
        {card.reactsToFocus, "Reacts to focus"},
        {card.ownScrollBar, "Own scroll bar"},
        {card.stackSkin, "Stack skin"},
        {card.drawsRolled, "Drawn rolled up"},
    };
    QString html;
    for (const auto& [set, text] : badges) {
        if (set)
            html += QStringLiteral("<li>") + QLatin1String(text) + QStringLiteral("</li>");
    }
    return html.isEmpty() ? QString()
                          : QStringLiteral("<ul class=\"badges\">") + html + QStringLiteral("</ul>\n");
}

QString MetaHtml(const GalleryCard& card) {
    QStringList parts;
    const QString size = PackageSizeText(card.stamp.size);
    if (!size.isEmpty())
        parts << size;
    const QString date = UtcDateText(card.stamp.modified);
    if (!date.isEmpty())
        parts << QStringLiteral("<time datetime=\"%1\">%1</time>").arg(date);
    return parts.isEmpty() ? QString()
                           : QStringLiteral("<p class=\"meta\">") + parts.join(QStringLiteral(" · ")) +
                                 QStringLiteral("</p>\n");
}

QString PictureHtml(const GalleryCard& card, const QString& name) {
    if (!card.skinRead || !card.pictureDecoded || card.thumbnailWidth <= 0 || card.thumbnailHeight <= 0)
        return QStringLiteral("<div class=\"noshot\" aria-hidden=\"true\"></div>\n");
    return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\" loading=\"lazy\" alt=\"%4\">\n")
        .arg(FileNameLink(ThumbnailNameOf(card.fileName)))
        .arg(card.thumbnailWidth)
        .arg(card.thumbnailHeight)
        .arg(HtmlEscaped(name));
}

} // namespace

QString GalleryGeneratorMark() {
    return QStringLiteral("<meta name=\"generator\" content=\"Drapier");
}

QString GalleryCardHtml(const GalleryCard& card) {
    const QString name = ShownName(card);
    QString html = QStringLiteral("<li class=\"card\" data-time=\"%1\" data-size=\"%2\">\n")
                       .arg(card.stamp.modified)
                       .arg(card.stamp.size);
    html += PictureHtml(card, name);
    html +=
        QStringLiteral("<h2 class=\"name\" dir=\"auto\">") + HtmlEscaped(name) + QStringLiteral("</h2>\n");
    if (card.skinRead) {
        html += AuthorHtml(card);
        const QString notes = GalleryNotesText(card.notes).trimmed();
        if (!notes.isEmpty())
            html += QStringLiteral("<p class=\"notes\" dir=\"auto\">") + HtmlEscaped(notes) +
                    QStringLiteral("</p>\n");
        html += BadgesHtml(card);
    } else {
        html += QStringLiteral("<p class=\"unread\">could not be read</p>\n");
    }
    html += MetaHtml(card);
    html += QStringLiteral("<a class=\"download\" href=\"%1\" download>Download <bdi>%2</bdi></a>\n</li>\n")
                .arg(FileNameLink(card.fileName), Escaped(card.fileName));
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
    for (const GalleryCard& card : cards)
        html += GalleryCardHtml(card);
    html += QStringLiteral("</ul>\n<p id=\"none\" hidden>No skin matches the search.</p>\n</main>\n"
                           "<footer>Written by Drapier " DRAPIER_VERSION ".</footer>\n<script>");
    html += QString::fromUtf8(assets.script);
    html += QStringLiteral("</script>\n</body>\n</html>\n");
    return html.toUtf8();
}
