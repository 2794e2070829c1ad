#include "catalogue/Thumbnail.h"
#include "catalogue/CatalogueFiles.h"
#include "document/SkinDocument.h"
#include "picture/ImageSurface.h"

#include <gtest/gtest.h>

TEST(Thumbnail, LayoutGrowsWithTheSkinsMinimumSize) {
    const struct {
        int minimumWidth, minimumHeight;
        ThumbnailLayout layout;
    } cases[] = {
        {0, 0, {280, 130, 300, 150}},
        {280, 130, {280, 130, 300, 150}}, // neither exceeds the note
        {306, 0, {306, 142, 327, 163}},   // each size cut to whole pixels
        {560, 0, {560, 260, 600, 300}},
        {100, 200, {430, 200, 461, 230}}, // only higher: scaled by 200 / 130
        {560, 400, {861, 400, 923, 461}}, // wider, then higher than 260: scaled by 400 / 260
        {-5, -5, {280, 130, 300, 150}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayOutThumbnail(c.minimumWidth, c.minimumHeight), c.layout)
            << c.minimumWidth << " " << c.minimumHeight;
}

TEST(Thumbnail, ShrinksToTheCellKeepingProportions) {
    const struct {
        int w, h;
        ThumbnailSize size;
    } cases[] = {
        {300, 150, {300, 150}}, {600, 300, {300, 150}}, {327, 163, {300, 149}},
        {923, 461, {300, 149}}, {300, 400, {112, 150}}, {700, 1400, {75, 150}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShrunkThumbnailSize(c.w, c.h), c.size) << c.w << "x" << c.h;
}

TEST(Thumbnail, NoteCentredOnTheBackdropAndShrunk) {
    // A skin without elements draws a plain white note: 560 x 260 centred on 600 x 300 puts it at
    // (20, 20); shrunk to half it lies at (10, 10) .. (290, 140) over the backdrop.
    SkinDocument document;
    document.layout.minimumwidth = 560;
    ImageSurface thumbnail;
    QString reason;
    ASSERT_TRUE(MakeThumbnail(document, thumbnail, &reason)) << reason.toStdString();
    ASSERT_EQ(thumbnail.Width(), 300);
    ASSERT_EQ(thumbnail.Height(), 150);
    const Colour white = MakeColour(255, 255, 255);
    for (const auto& [x, y] : {std::pair{12, 12}, {150, 75}, {287, 137}, {150, 12}})
        EXPECT_EQ(thumbnail.PixelColour(x, y), white) << x << "," << y;
    for (const auto& [x, y] : {std::pair{4, 4}, {295, 145}, {150, 4}, {4, 75}})
        EXPECT_NE(thumbnail.PixelColour(x, y), white) << x << "," << y;
}

TEST(Thumbnail, SettingsAreTheStartValuesWithTheThumbnailsOwn) {
    SkinDocument document;
    document.settings.skinname = QStringLiteral("Glass");
    const NoteSettings s = ThumbnailNoteSettings(document, LayOutThumbnail(306, 0));
    NoteSettings expected;
    expected.width = 306;
    expected.height = 142;
    expected.title = QStringLiteral("Glass");
    expected.notecolour = MakeColour(255, 255, 255);
    expected.focus = true;
    expected.created = QStringLiteral("<Created>");
    expected.source = QStringLiteral("<Sender>");
    EXPECT_EQ(s, expected);
}

TEST(Thumbnail, HugeMinimumSizeGivesNoThumbnail) {
    for (const auto& [w, h] : {std::pair{100000, 0}, {0, 50000}, {2000000000, 2000000000}}) {
        SkinDocument document;
        document.layout.minimumwidth = w;
        document.layout.minimumheight = h;
        ImageSurface thumbnail;
        QString reason;
        EXPECT_FALSE(MakeThumbnail(document, thumbnail, &reason)) << w << " " << h;
        EXPECT_TRUE(reason.contains(QStringLiteral("too large"))) << reason.toStdString();
    }
}

TEST(CatalogueFiles, NotesAndCatalogueEncodings) {
    EXPECT_EQ(NotesFileText(QStringLiteral("one^Mtwo^M^Mend^")), QStringLiteral("one\r\ntwo\r\n\r\nend^"));
    EXPECT_EQ(NotesFileBytes(QStringLiteral("Caf\u00e9 \u20ac^Mok")), QByteArray("Caf\xe9 \x80\r\nok"));
    // Characters the code page lacks become references; the rest stays as it is.
    EXPECT_EQ(NotesFileBytes(QStringLiteral("\u0142\u00e9 \U0001F600 x")),
              QByteArray("&#322;\xe9 &#128512; x"));
    EXPECT_EQ(NotesFileBytes(QString()), QByteArray());

    EXPECT_EQ(CatalogueFileBytes(QStringLiteral("a\u00e9\n")), QByteArray("a\0\xe9\0\n\0", 6));
    EXPECT_EQ(ThumbnailNameOf(QStringLiteral("Blue.QSK")), QStringLiteral("Blue.png"));
    EXPECT_EQ(NotesNameOf(QStringLiteral("a.b.qsk")), QStringLiteral("a.b.not"));
}
