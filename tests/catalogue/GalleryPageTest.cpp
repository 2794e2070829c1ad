#include "catalogue/GalleryPage.h"
#include "CatalogueTestSupport.h"
#include "catalogue/CatalogueFiles.h"
#include "catalogue/CatalogueWriter.h"
#include "catalogue/GalleryHtml.h"
#include "catalogue/GalleryText.h"
#include "picture/PngHeader.h"
#include "support/FileSizeLimit.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace {

GalleryCard FullCard() {
    GalleryCard card;
    card.fileName = QStringLiteral("paper.qsk");
    card.skinRead = card.pictureDecoded = true;
    card.skinName = QStringLiteral("Paper");
    card.authorName = QStringLiteral("Ann Author");
    card.authorUrl = QStringLiteral("https://ann.example.org/");
    card.notes = QStringLiteral("First line^Msecond line");
    card.stamp = {1700000000, 24 * 1024 + 512};
    card.reactsToFocus = card.ownScrollBar = card.stackSkin = card.drawsRolled = true;
    card.thumbnailWidth = 300;
    card.thumbnailHeight = 140;
    return card;
}

// The texts of one kind of element on a page, in page order.
QStringList Texts(const QString& html, const QString& pattern) {
    QStringList texts;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(html);
    while (it.hasNext())
        texts << it.next().captured(1);
    return texts;
}

QString PageOf(const QList<GalleryCard>& cards) {
    return QString::fromUtf8(GalleryPageHtml(cards));
}

} // namespace

TEST(GalleryText, EscapesAndCleansEveryTextFromAPackage) {
    struct Case {
        QString in;
        QString shown;
    };
    const Case cases[] = {
        {"<img src=x onerror=alert(1)>", "&lt;img src=x onerror=alert(1)&gt;"},
        {"Tom & \"Jerry\" 'n' co", "Tom &amp; &quot;Jerry&quot; &#39;n&#39; co"},
        {"&amp;", "&amp;amp;"},
        {QStringLiteral("a\x01"
                        "b\x1b"
                        "c\x7f"
                        "d") +
             QChar(0x85) + "e",
         "abcde"},
        {"tab\tand\r\nlines\rend\n", "tab\tand\nlines\nend\n"},
        {QString::fromUtf8("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d \xf0\x9f\x93\x9d"),
         QString::fromUtf8(
             "\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d \xf0\x9f\x93\x9d")}, // right to left, beyond the BMP
        {QString(QChar(0xD800)) + "x" + QChar(0xDC00),
         QString(QChar::ReplacementCharacter) + "x" + QChar(QChar::ReplacementCharacter)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HtmlEscaped(GalleryText(c.in)), c.shown) << c.in.toStdString();
    EXPECT_EQ(GalleryNotesText("one^Mtwo^M^Mthree\x02"), "one\ntwo\n\nthree");
}

TEST(GalleryText, LinksFileNamesSizesAndDates) {
    const std::pair<const char*, bool> urls[] = {
        {"http://example.org", true},
        {"HTTPS://example.org/a?b=c", true},
        {"Http://x", true},
        {"javascript:alert(1)", false},
        {"www.example.org", false},
        {"ftp://example.org", false},
        {"mailto:a@example.org", false},
        {"http:/example.org", false},
        {" http://x", false},
        {"", false},
    };
    for (const auto& [url, linked] : urls)
        EXPECT_EQ(IsLinkableUrl(QString::fromUtf8(url)), linked) << url;

    const std::pair<QString, QString> links[] = {
        {"plain.qsk", "plain.qsk"},
        {"my skin #2 (100%).qsk", "my%20skin%20%232%20%28100%25%29.qsk"},
        {"javascript:x?.qsk", "javascript%3Ax%3F.qsk"},
        {QString::fromUtf8("caf\xc3\xa9.qsk"), "caf%C3%A9.qsk"},
        {"a/b\"c<.qsk", "a%2Fb%22c%3C.qsk"},
    };
    for (const auto& [name, link] : links)
        EXPECT_EQ(FileNameLink(name), link) << name.toStdString();

    EXPECT_EQ(PackageSizeText(-1), "");
    EXPECT_EQ(PackageSizeText(1), "1 byte");
    EXPECT_EQ(PackageSizeText(1023), "1023 bytes");
    EXPECT_EQ(PackageSizeText(1536), "1.5 KB");
    EXPECT_EQ(PackageSizeText(3 * 1024 * 1024), "3.0 MB");
    EXPECT_EQ(UtcDateText(-1), "");
    EXPECT_EQ(UtcDateText(0), "1970-01-01");
    EXPECT_EQ(UtcDateText(1700000000), "2023-11-14"); // 22:13 UTC, whatever the local zone
    EXPECT_EQ(UtcDateText(951868799), "2000-02-29");
    EXPECT_EQ(UtcDateText(std::numeric_limits<long long>::max()), ""); // beyond any calendar
}

TEST(GalleryCardHtml, ShowsEachFieldAndLinksOnlyHttp) {
    const QString full = GalleryCardHtml(FullCard());
    for (
        const char* part : {
            R"(<li class="card" data-time="1700000000" data-size="25088">)",
            R"(<img src="paper.png" width="300" height="140" loading="lazy" alt="Paper">)",
            R"(<h2 class="name" dir="auto">Paper</h2>)",
            R"(<p class="author" dir="auto">by <a href="https://ann.example.org/" rel="nofollow noreferrer">Ann Author</a></p>)",
            "<p class=\"notes\" dir=\"auto\">First line\nsecond line</p>",
            "<li>Reacts to focus</li><li>Own scroll bar</li><li>Stack skin</li><li>Drawn rolled up</li>",
            R"(<p class="meta">24.5 KB · <time datetime="2023-11-14">2023-11-14</time></p>)",
            R"(<a class="download" href="paper.qsk" download>Download <bdi>paper.qsk</bdi></a>)",
        })
        EXPECT_TRUE(full.contains(QString::fromUtf8(part))) << part << "\n" << full.toStdString();

    struct Case {
        const char* what;
        std::function<void(GalleryCard&)> change;
        QStringList present;
        QStringList absent;
    };
    const Case cases[] = {
        {"a URL that is no web address is text",
         [](GalleryCard& c) { c.authorUrl = "javascript:alert(1)"; },
         {"<p class=\"author\" dir=\"auto\">by Ann Author · javascript:alert(1)</p>"},
         {"href=\"javascript"}},
        {"a web address without an author name is its own link text",
         [](GalleryCard& c) { c.authorName.clear(); },
         {"by <a href=\"https://ann.example.org/\" rel=\"nofollow noreferrer\">https://ann.example.org/</a>"},
         {}},
        {"no author and no URL: no author line",
         [](GalleryCard& c) { c.authorName.clear(), c.authorUrl.clear(); },
         {},
         {"class=\"author\""}},
        {"a hostile URL stays inside its attribute",
         [](GalleryCard& c) { c.authorUrl = "http://x\" onclick=\"alert(1)"; },
         {"href=\"http://x&quot; onclick=&quot;alert(1)\""},
         {"onclick=\"alert"}},
        {"a picture that did not decode: texts, no picture",
         [](GalleryCard& c) { c.pictureDecoded = false; },
         {"<div class=\"noshot\" aria-hidden=\"true\"></div>", "Ann Author", "First line"},
         {"<img"}},
        {"no thumbnail size known: no picture",
         [](GalleryCard& c) { c.thumbnailWidth = c.thumbnailHeight = 0; },
         {"class=\"noshot\""},
         {"<img"}},
        {"no features: no badges",
         [](GalleryCard& c) { c.reactsToFocus = c.ownScrollBar = c.stackSkin = c.drawsRolled = false; },
         {},
         {"badges"}},
        {"an empty skin name shows the file name",
         [](GalleryCard& c) { c.skinName = "  "; },
         {"<h2 class=\"name\" dir=\"auto\">paper.qsk</h2>", "alt=\"paper.qsk\""},
         {}},
        {"a package that could not be read",
         [](GalleryCard& c) {
             c = GalleryCardOf("bad #1.qsk", {5, 7}, nullptr, false);
         },
         {"<h2 class=\"name\" dir=\"auto\">bad #1.qsk</h2>", "<p class=\"unread\">could not be read</p>",
          "href=\"bad%20%231.qsk\" download>Download <bdi>bad #1.qsk</bdi>", "7 bytes"},
         {"<img", "class=\"author\"", "class=\"notes\""}},
        {"an unknown stamp shows no size or date",
         [](GalleryCard& c) { c.stamp = {}; },
         {"data-time=\"-1\" data-size=\"-1\""},
         {"class=\"meta\""}},
    };
    for (const Case& c : cases) {
        GalleryCard card = FullCard();
        c.change(card);
        const QString html = GalleryCardHtml(card);
        for (const QString& part : c.present)
            EXPECT_TRUE(html.contains(part)) << c.what << ": " << part.toStdString() << "\n"
                                             << html.toStdString();
        for (const QString& part : c.absent)
            EXPECT_FALSE(html.contains(part)) << c.what << ": " << part.toStdString();
    }
}

TEST(GalleryPageHtml, SelfContainedPageAndTheEmptyFolder) {
    const QString empty = PageOf({});
    EXPECT_TRUE(empty.startsWith("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">"));
    EXPECT_TRUE(empty.contains("<meta name=\"generator\" content=\"Drapier 4.31\">"));
    EXPECT_TRUE(empty.contains("There are no skin packages in this folder."));
    EXPECT_FALSE(empty.contains("id=\"search\""));
    EXPECT_TRUE(IsDrapierGalleryPage(GalleryPageHtml({}).left(4096)));

    GalleryCard hostile = FullCard();
    hostile.skinName = "<script>document.title='owned'</script>";
    const QString page = PageOf({FullCard(), hostile, GalleryCardOf("x.qsk", {}, nullptr, false)});
    EXPECT_EQ(Texts(page, R"(<h2 class="name" dir="auto">(.*?)</h2>)"),
              QStringList({"Paper", "&lt;script&gt;document.title=&#39;owned&#39;&lt;/script&gt;", "x.qsk"}));
    EXPECT_EQ(page.count("<script>"), 1); // the page's own
    for (const char* part :
         {"<label for=\"search\">Search</label>", "<label for=\"sort\">Sort by</label>",
          "<option value=\"newest\">Newest</option>", "<p id=\"count\" role=\"status\">3 skins</p>"})
        EXPECT_TRUE(page.contains(QLatin1String(part))) << part;
    // Nothing is fetched from elsewhere: no links to styles or scripts, no imports, no addresses but the
    // author's link.
    for (const char* part : {"<link", "@import", "url(", "src=\"http", "<iframe", "//fonts"})
        EXPECT_FALSE(page.contains(QLatin1String(part))) << part;
    EXPECT_EQ(page.count("https://"), 2); // the two author links
    // The style and the script are allowed by their hashes, and they are really inline.
    EXPECT_TRUE(page.contains(QRegularExpression("script-src 'sha256-[A-Za-z0-9+/]{43}='")));
    EXPECT_GT(page.indexOf("</style>") - page.indexOf("<style>"), 1000);
    EXPECT_GT(page.indexOf("</script>") - page.indexOf("<script>"), 1000);
}

TEST(GalleryPageHtml, ThousandsOfCardsKeepTheirOrder) {
    // Enough cards to be made on several threads.
    QList<GalleryCard> cards;
    QStringList names;
    for (int i = 0; i < 3001; ++i) {
        GalleryCard card = FullCard();
        card.skinName = QStringLiteral("Skin %1").arg(i);
        card.fileName = QStringLiteral("skin %1.qsk").arg(i);
        cards << card;
        names << card.skinName;
    }
    const QString page = PageOf(cards);
    EXPECT_EQ(Texts(page, R"(<h2 class="name" dir="auto">(.*?)</h2>)"), names);
    EXPECT_EQ(page.count("<li class=\"card\""), 3001);
    EXPECT_TRUE(page.contains(
        "href=\"skin%203000.qsk\" download>Download <bdi>skin 3000.qsk</bdi></a>\n</li>\n</ul>"));
}

TEST(PngHeader, ReadsTheSizeWithoutDecoding) {
    const QByteArray png = PngBytes(37, 11);
    int width = 0, height = 0;
    EXPECT_TRUE(ReadPngSize(png.left(kPngHeaderBytes), &width, &height));
    EXPECT_EQ(width, 37);
    EXPECT_EQ(height, 11);
    QByteArray zeroWide = png;
    zeroWide[16] = zeroWide[17] = zeroWide[18] = zeroWide[19] = 0;
    QByteArray notIhdr = png;
    notIhdr[12] = 'X';
    for (const QByteArray& bad :
         {QByteArray(), png.left(kPngHeaderBytes - 1), QByteArray(24, 'x'), zeroWide, notIhdr}) {
        EXPECT_FALSE(ReadPngSize(bad, &width, &height));
        EXPECT_EQ(width, 0);
        EXPECT_EQ(height, 0);
    }
}
