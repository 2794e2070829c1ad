#include "render/TextLayoutCache.h"

#include <QFile>
#include <QFontDatabase>
#include <gtest/gtest.h>

namespace {

// Looks the line up, saying whether it had to be laid out.
bool LaidOutNow(const QString& font, int width, const QString& line) {
    bool called = false;
    const LaidOutLine got = CachedTextLine(font, width, line, [&] {
        called = true;
        return LaidOutLine{line + QString::number(width), width};
    });
    EXPECT_EQ(got.text, line + QString::number(width));
    return called;
}

} // namespace

// A line is laid out again whenever anything it depends on differs from every line kept.
TEST(TextLayoutCache, KeepsALineForItsFontWidthAndText) {
    ClearTextLayoutCache();
    const struct {
        const char* font;
        int width;
        const char* line;
        bool laidOut;
    } lookups[] = {
        {"Sans,8", 100, "Title", true},  {"Sans,8", 100, "Title", false}, {"Sans,8", 99, "Title", true},
        {"Sans,9", 100, "Title", true},  {"Sans,8", 100, "Titles", true}, {"Sans,8", 100, "title", true},
        {"Sans,8", 100, "Title", false}, {"Sans,9", 100, "Title", false}, {"Sans,8", 100, "", true},
    };
    for (const auto& l : lookups)
        EXPECT_EQ(LaidOutNow(QString::fromUtf8(l.font), l.width, QString::fromUtf8(l.line)), l.laidOut)
            << l.font << " " << l.width << " " << l.line;
}

// Bounded: a stream of new lines never grows it past its limit, and the lines come out right throughout.
TEST(TextLayoutCache, StaysBounded) {
    ClearTextLayoutCache();
    for (int i = 0; i < 10000; ++i)
        LaidOutNow(QStringLiteral("Sans,8"), 50, QString::number(i));
    EXPECT_LE(TextLayoutCacheSize(), 4096u);
    EXPECT_GT(TextLayoutCacheSize(), 0u);
    LaidOutNow(QStringLiteral("Sans,8"), 50, QString(70000, u'x')); // too long to keep
    EXPECT_TRUE(LaidOutNow(QStringLiteral("Sans,8"), 50, QString(70000, u'x')));
}

// A font added to the application may change what a family name gives: what was kept is forgotten.
TEST(TextLayoutCache, ForgetsWhenTheApplicationsFontsChange) {
    const QString file = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    if (!QFile::exists(file))
        GTEST_SKIP() << "no font file to add at " << file.toStdString();
    ClearTextLayoutCache();
    LaidOutNow(QStringLiteral("Sans,8"), 50, QStringLiteral("kept"));
    ASSERT_EQ(TextLayoutCacheSize(), 1u);
    const int id = QFontDatabase::addApplicationFont(file);
    ASSERT_GE(id, 0);
    EXPECT_EQ(TextLayoutCacheSize(), 0u);
    LaidOutNow(QStringLiteral("Sans,8"), 50, QStringLiteral("kept"));
    QFontDatabase::removeApplicationFont(id);
    EXPECT_EQ(TextLayoutCacheSize(), 0u);
}
