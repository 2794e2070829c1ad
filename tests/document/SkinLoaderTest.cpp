#include "document/SkinLoader.h"
#include "DocumentTestSupport.h"
#include "document/SkinDocument.h"
#include "package/FileDigest.h"
#include "package/ZipReader.h"
#include "package/ZipWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A 4 by 2 PNG with alpha: the first pixel half clear.
QByteArray SmallPng() {
    ImageSurface s;
    s.Create(4, 2, 24, kImagePng);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            s.SetPixelColour(x, y, MakeColour(10 * x, 20 * y, 200));
    s.SetAlpha(0, 0, 128);
    QByteArray png;
    s.EncodePng(png);
    return png;
}

// A 3 by 1 BMP: red, green, magenta.
QByteArray SmallBmp() {
    QImage image(3, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(2, 0, qRgb(255, 0, 255));
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bmp;
}

using Entries = std::vector<std::pair<QString, QByteArray>>;

// A package of the given entries, written by our writer from files in dir.
bool MakePackage(const QTemporaryDir& dir, const QString& name, const Entries& entries) {
    ZipWriter writer;
    if (writer.Create(dir.filePath(name)) != ZipResult::Ok)
        return false;
    for (const auto& [entry, bytes] : entries) {
        const QString source = dir.filePath("src-" + QString::number(qHash(entry)));
        if (!WriteBytes(source, bytes) || writer.AddFile(entry, source) != ZipResult::Ok)
            return false;
    }
    return writer.Close() == ZipResult::Ok;
}

const char* kButtonSkin = "skinname=Blue\n\n[button]\nname=close\n";

// A document with something in it, to see what a load keeps.
SkinDocument Filled() {
    SkinDocument doc;
    LoadSkin(doc, "", "");
    doc.settings.skinname = "before";
    doc.Append(SkinElement::Make(ElementKind::Button));
    return doc;
}

} // namespace

TEST(SkinLoader, DefaultSkin) {
    SkinDocument doc;
    doc.settings.skinname = "old";
    doc.Append(SkinElement::Make(ElementKind::Button));
    doc.pngsource = false;
    ASSERT_TRUE(LoadSkin(doc, "", ""));
    EXPECT_EQ(doc.displayname, " (skin in qsk: )");
    EXPECT_TRUE(doc.elements.empty());
    EXPECT_EQ(doc.settings, SkinSettings{});
    ASSERT_TRUE(doc.image.IsValid());
    EXPECT_EQ(doc.image.Width(), 80);
    EXPECT_EQ(doc.image.Height(), 40);
    EXPECT_TRUE(doc.image.HasAlpha());
    EXPECT_TRUE(doc.pngsource);
    EXPECT_FALSE(doc.keyed.IsValid());
}

TEST(SkinLoader, PlainSkinFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("blue.png"), SmallPng()));
    ASSERT_TRUE(WriteBytes(dir.filePath("bad.png"), "not a picture"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("pics"));
    ASSERT_TRUE(WriteBytes(dir.filePath("pics/blue.png"), SmallPng()));
    const struct {
        const char* what;
        QByteArray bytes;
        bool result;
        bool picture; // a 4 by 2 picture was loaded
        QString skinname;
    } cases[] = {
        {"UTF-16 with its mark", Utf16Bytes("skinname=Blue\r\nbitmap=blue.png\r\n"), true, true, "Blue"},
        {"8-bit text", "skinname=Bl\xe9u\r\nBITMAP=blue.png", true, true, QString::fromUtf8("Bl\xc3\xa9u")},
        {"no picture named", "skinname=Blue\n", true, false, "Blue"},
        {"last Bitmap= line counts", "bitmap=gone.png\nbitmap=blue.png\nskinname=Blue", true, true, "Blue"},
        {"picture in a subfolder", "skinname=Blue\nbitmap=pics\\blue.png\n", true, true, "Blue"},
        {"picture missing: text read, failure", "skinname=Blue\nbitmap=gone.png\n", false, false, "Blue"},
        {"picture undecodable: success", "skinname=Blue\nbitmap=bad.png\n", true, false, "Blue"},
        // The mark's bytes become characters of the first line, so its key is not recognised.
        {"UTF-8 mark read as 8-bit", "\xEF\xBB\xBFskinname=Blue\nbitmap=blue.png\n", true, true, ""},
        // Every line read from a file ends with LF, the last one too.
        {"last line without LF", "bitmap=blue.png\nskinname=Blue", true, true, "Blue"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath("skin.ini");
        ASSERT_TRUE(WriteBytes(path, c.bytes));
        SkinDocument doc;
        EXPECT_EQ(LoadSkin(doc, path, ""), c.result);
        EXPECT_EQ(doc.displayname, path + " (skin in qsk: )");
        EXPECT_EQ(doc.settings.skinname, c.skinname);
        EXPECT_EQ(doc.image.IsValid(), c.picture);
        if (c.picture) {
            EXPECT_EQ(doc.image.Width(), 4);
            EXPECT_EQ(doc.image.Alpha(0, 0), 128);
            EXPECT_TRUE(doc.pngsource);
        }
        // Begun ahead and finished later, the load gives the same.
        SkinLoadAhead ahead(path, true);
        SkinDocument early;
        EXPECT_EQ(ahead.Finish(early, path, true), c.result);
        EXPECT_EQ(early.displayname, doc.displayname);
        EXPECT_EQ(early.settings.skinname, c.skinname);
        EXPECT_EQ(early.image.IsValid(), c.picture);
        EXPECT_EQ(early.picturePath, doc.picturePath);
        EXPECT_EQ(early.pictureDigest.isEmpty(), !c.picture);
        EXPECT_TRUE(early.image.Data() == doc.image.Data());
    }
}

TEST(SkinLoader, LoadBegunAheadIsWhatTheFilesHeldThen) {
    QTemporaryDir dir;
    const QString skin = dir.filePath("a.ini");
    ASSERT_TRUE(WriteBytes(skin, "skinname=First\nbitmap=a.png\n"));
    ASSERT_TRUE(WriteBytes(dir.filePath("a.png"), SmallPng()));
    const struct {
        const char* what;
        QString finished; // the path Finish is given
        bool digest;      // the digest choice Finish is given
        QString skinname;
    } cases[] = {
        {"the path begun with", skin, true, "First"},
        {"another path loads afresh", dir.filePath("b.ini"), true, "Second"},
        {"another digest choice loads afresh", skin, false, "Second"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteBytes(skin, "skinname=First\nbitmap=a.png\n"));
        SkinLoadAhead ahead(skin, true);
        // Changed after the load began: only a load from scratch sees it.
        ASSERT_TRUE(WriteBytes(skin, "skinname=Second\nbitmap=a.png\n"));
        ASSERT_TRUE(WriteBytes(dir.filePath("b.ini"), "skinname=Second\nbitmap=a.png\n"));
        SkinDocument doc;
        ASSERT_TRUE(ahead.Finish(doc, c.finished, c.digest));
        EXPECT_EQ(doc.settings.skinname, c.skinname);
        EXPECT_EQ(doc.image.Width(), 4);
        EXPECT_EQ(doc.pictureDigest.isEmpty(), !c.digest);
        // Finished once: a second Finish loads afresh.
        ASSERT_TRUE(ahead.Finish(doc, skin, true));
        EXPECT_EQ(doc.settings.skinname, "Second");
    }
    // A package, or nothing named, is loaded when finished.
    ASSERT_TRUE(
        MakePackage(dir, "p.qsk", {{"skin.ini", "skinname=Packed\nbitmap=a.png\n"}, {"a.png", SmallPng()}}));
    SkinLoadAhead packed(dir.filePath("p.qsk"), true);
    SkinDocument doc;
    ASSERT_TRUE(packed.Finish(doc, dir.filePath("p.qsk"), true));
    EXPECT_EQ(doc.settings.skinname, "Packed");
    SkinLoadAhead none;
    ASSERT_TRUE(none.Finish(doc, QString(), true));
    EXPECT_EQ(doc.image.Width(), 80);
}

TEST(SkinLoader, KeyedPictureTakesTheSkinsTransparentColour) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("old.bmp"), SmallBmp()));
    ASSERT_TRUE(WriteBytes(dir.filePath("old.ini"), "bitmap=old.bmp\ntransparent=255,0,255\n"));
    SkinDocument doc = Filled();
    ASSERT_TRUE(LoadSkin(doc, dir.filePath("old.ini"), ""));
    EXPECT_FALSE(doc.pngsource);
    EXPECT_FALSE(doc.image.IsValid());
    ASSERT_TRUE(doc.keyed.IsValid());
    EXPECT_EQ(doc.keyed.Width(), 3);
    EXPECT_FALSE(doc.keyed.IsKey(0, 0));
    EXPECT_FALSE(doc.keyed.IsKey(1, 0));
    EXPECT_TRUE(doc.keyed.IsKey(2, 0));

    // Without a transparent colour nothing is keyed.
    ASSERT_TRUE(WriteBytes(dir.filePath("old.ini"), "bitmap=old.bmp\n"));
    ASSERT_TRUE(LoadSkin(doc, dir.filePath("old.ini"), ""));
    EXPECT_FALSE(doc.keyed.IsKey(2, 0));

    // A PNG skin afterwards drops the keyed picture.
    ASSERT_TRUE(WriteBytes(dir.filePath("blue.png"), SmallPng()));
    ASSERT_TRUE(WriteBytes(dir.filePath("blue.ini"), "bitmap=blue.png\n"));
    ASSERT_TRUE(LoadSkin(doc, dir.filePath("blue.ini"), ""));
    EXPECT_TRUE(doc.pngsource);
    EXPECT_FALSE(doc.keyed.IsValid());
}

TEST(SkinLoader, FailuresThatLeaveTheDocumentAlone) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("skin.txt"), "skinname=Blue\n"));
    ASSERT_TRUE(WriteBytes(dir.filePath("junk.qsk"), "not a package at all"));
    ASSERT_TRUE(
        MakePackage(dir, "stackonly.qsk", {{"stack.ini", "skinname=Stack\n"}, {"s.png", SmallPng()}}));
    ASSERT_TRUE(MakePackage(dir, "nopicture.qsk", {{"blue.ini", "skinname=Blue\n"}, {"readme.txt", "x"}}));
    ASSERT_TRUE(MakePackage(dir, "noinner.qsk", {{"blue.ini", "skinname=Blue\n"}, {"blue.png", SmallPng()}}));
    // A package whose picture entry is damaged: its CRC no longer matches.
    ASSERT_TRUE(MakePackage(dir, "damaged.qsk", {{"blue.ini", "skinname=Blue\n"}, {"blue.png", SmallPng()}}));
    {
        QFile f(dir.filePath("damaged.qsk"));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        QByteArray bytes = f.readAll();
        const qsizetype at = bytes.indexOf("blue.png") + 8 + 17 + 5; // inside the picture's data
        bytes[at] = char(bytes[at] ^ 0xFF);
        f.seek(0);
        f.write(bytes);
    }
    const struct {
        const char* what;
        QString path;
        QString inner;
    } cases[] = {
        {"other ending", dir.filePath("skin.txt"), ""},
        {"missing skin file", dir.filePath("gone.ini"), ""},
        {"missing package", dir.filePath("gone.qsk"), ""},
        {"not a package", dir.filePath("junk.qsk"), ""},
        {"stack skin alone is no skin", dir.filePath("stackonly.qsk"), ""},
        {"package without a picture", dir.filePath("nopicture.qsk"), ""},
        {"inner name not in the package", dir.filePath("noinner.qsk"), "other.ini"},
        {"damaged picture entry", dir.filePath("damaged.qsk"), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SkinDocument doc = Filled();
        EXPECT_FALSE(LoadSkin(doc, c.path, c.inner));
        EXPECT_EQ(doc.settings.skinname, "before");
        EXPECT_EQ(doc.elements.size(), 1u);
        EXPECT_EQ(doc.image.Width(), 80);
        EXPECT_EQ(doc.displayname, c.path + " (skin in qsk: " + c.inner + ")");
    }
}

TEST(SkinLoader, Packages) {
    QTemporaryDir dir;
    const QByteArray png = SmallPng();
    const struct {
        const char* what;
        QString inner;
        QString skinname;
        int elements;
        bool pngsource;
        Entries entries;
    } cases[] = {
        {"UTF-16 skin text", "", "Blue", 1, true,
         Entries{{"blue.ini", Utf16Bytes(QString(kButtonSkin) + "\n")}, {"blue.png", png}}},
        {"8-bit skin text", "", QString::fromUtf8("Bl\xc3\xa9u"), 0, true,
         Entries{{"blue.ini", "skinname=Bl\xe9u\n"}, {"blue.png", png}}},
        // The packaged text is not read line by line, so a last line without LF is lost.
        {"last line without LF lost", "", "", 0, true,
         Entries{{"blue.ini", "skinname=Blue"}, {"blue.png", png}}},
        {"UTF-8 mark read as 8-bit", "", "", 0, true,
         Entries{{"blue.ini", "\xEF\xBB\xBFskinname=Blue\nversion=3\n"}, {"blue.png", png}}},
        {"stack.ini beside another skin", "", "Blue", 0, true,
         Entries{{"stack.ini", "skinname=Stack\n"}, {"blue.ini", "skinname=Blue\n"}, {"b.png", png}}},
        {"stack.ini by inner name", "stack.ini", "Stack", 0, true,
         Entries{{"blue.ini", "skinname=Blue\n"}, {"b.png", png}, {"stack.ini", "skinname=Stack\n"}}},
        {"inner name in another case", "STACK.ini", "Stack", 0, true,
         Entries{{"blue.ini", "skinname=Blue\n"}, {"b.png", png}, {"Stack.INI", "skinname=Stack\n"}}},
        {"upper-case endings", "", "Blue", 0, true,
         Entries{{"BLUE.INI", "skinname=Blue\n"}, {"BLUE.PNG", png}}},
        {"bitmap key is not used", "", "Blue", 0, true,
         Entries{{"blue.ini", "skinname=Blue\nbitmap=other.png\n"}, {"x.png", png}}},
        {"PNG preferred to BMP", "", "Blue", 0, true,
         Entries{{"a.ini", "skinname=Blue\n"}, {"a.bmp", SmallBmp()}, {"a.png", png}}},
        {"BMP only", "", "Old", 0, false,
         Entries{{"a.ini", "skinname=Old\ntransparent=255,0,255\n"}, {"a.bmp", SmallBmp()}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(MakePackage(dir, "p.qsk", c.entries));
        SkinDocument doc = Filled();
        ASSERT_TRUE(LoadSkin(doc, dir.filePath("p.qsk"), c.inner));
        EXPECT_EQ(doc.settings.skinname, c.skinname);
        EXPECT_EQ(int(doc.elements.size()), c.elements);
        EXPECT_EQ(doc.pngsource, c.pngsource);
        if (c.pngsource) {
            EXPECT_EQ(doc.image.Width(), 4);
            EXPECT_FALSE(doc.keyed.IsValid());
        } else {
            EXPECT_FALSE(doc.image.IsValid());
            ASSERT_EQ(doc.keyed.Width(), 3);
            EXPECT_TRUE(doc.keyed.IsKey(2, 0));
        }
    }
}

TEST(SkinLoader, PackagedTextDecoding) {
    EXPECT_EQ(PackagedSkinText(QByteArray("\xFF\xFE\x61\0b\0c", 7)), "ab"); // an odd byte is no character
    EXPECT_EQ(PackagedSkinText(QByteArray("\xFF\xFE", 2)), "");
    EXPECT_EQ(PackagedSkinText(QByteArray("\xFE\xFF\x61", 3)), QString::fromUtf8("\xc3\xbe\xc3\xbf\x61"));
    EXPECT_EQ(PackagedSkinText(QByteArray("x\0y", 3)), QString("x") + QChar(0) + "y");
    EXPECT_EQ(PackagedSkinText("\x80\x9f"), QString::fromUtf8("\xe2\x82\xac\xc5\xb8"));
}

TEST(SkinLoader, ExamplesRoundTripThroughPackages) {
    QTemporaryDir dir;
    for (const char* name : {"plain", "rich"}) {
        SCOPED_TRACE(name);
        const QString ini = QStringLiteral(DRAPIER_EXAMPLES "/%1/%1.ini").arg(name);
        if (!QFile::exists(ini))
            GTEST_SKIP() << "no example " << name;
        SkinDocument fromFile;
        ASSERT_TRUE(LoadSkin(fromFile, ini, ""));
        ZipWriter writer;
        ASSERT_EQ(writer.Create(dir.filePath("e.qsk")), ZipResult::Ok);
        ASSERT_EQ(writer.AddFile(QString(name) + ".ini", ini), ZipResult::Ok);
        ASSERT_EQ(
            writer.AddFile(QString(name) + ".png", QStringLiteral(DRAPIER_EXAMPLES "/%1/%1.png").arg(name)),
            ZipResult::Ok);
        ASSERT_EQ(writer.Close(), ZipResult::Ok);
        SkinDocument fromPackage;
        ASSERT_TRUE(LoadSkin(fromPackage, dir.filePath("e.qsk"), ""));
        EXPECT_EQ(fromPackage.settings, fromFile.settings);
        EXPECT_EQ(fromPackage.elements.size(), fromFile.elements.size());
        EXPECT_EQ(fromPackage.image.Width(), fromFile.image.Width());
        EXPECT_EQ(fromPackage.image.Height(), fromFile.image.Height());
    }
}

// The source view takes the picture the skin's load decoded when it names that very file, shared and not
// decoded again; any other file, or a picture that did not come from one, is decoded anew.
TEST(SkinLoader, SourcePictureIsTheOneTheLoadDecoded) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("a.png"), SmallPng()));
    ASSERT_TRUE(WriteBytes(dir.filePath("b.png"), SmallPng()));
    ASSERT_TRUE(WriteBytes(dir.filePath("a.ini"), "skinname=A\nbitmap=a.png\n"));
    ASSERT_TRUE(MakePackage(dir, "a.qsk", {{"skin.ini", "bitmap=a.png\n"}, {"a.png", SmallPng()}}));
    const QString a = dir.filePath("a.png");
    const struct {
        const char* what;
        QString skin;
        QString picture;
        bool shared;
    } cases[] = {
        {"the skin's own picture", dir.filePath("a.ini"), a, true},
        {"another file", dir.filePath("a.ini"), dir.filePath("b.png"), false},
        {"a package's picture", dir.filePath("a.qsk"), a, false},
        {"the built-in picture", QString(), a, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SkinDocument doc;
        ASSERT_TRUE(LoadSkin(doc, c.skin, QString()));
        ImageSurface shown;
        ASSERT_TRUE(LoadSourcePicture(doc, c.picture, shown));
        EXPECT_EQ(shown.SharesPixelsWith(doc.image), true); // the document draws what the view shows
        EXPECT_EQ(shown.Width(), 4);
        EXPECT_EQ(doc.picturePath, c.picture);
        SkinDocument fresh;
        ASSERT_TRUE(LoadSkin(fresh, c.skin, QString()));
        const ImageSurface loaded = fresh.image;
        ImageSurface again;
        ASSERT_TRUE(LoadSourcePicture(fresh, c.picture, again));
        EXPECT_EQ(again.SharesPixelsWith(loaded), c.shared);
    }
    SkinDocument doc;
    ASSERT_TRUE(LoadSkin(doc, dir.filePath("a.ini"), QString()));
    ImageSurface shown;
    EXPECT_FALSE(LoadSourcePicture(doc, dir.filePath("missing.png"), shown));
    EXPECT_FALSE(shown.IsValid());
    EXPECT_EQ(doc.picturePath, a); // the document keeps its picture
    EXPECT_TRUE(doc.image.IsValid());
    EXPECT_TRUE(doc.pictureDigest.isEmpty()); // not asked for

    // Asked for, the digest of the file the sheet was decoded from comes with it; a package has none.
    ASSERT_TRUE(LoadSkin(doc, dir.filePath("a.ini"), QString(), true));
    EXPECT_EQ(doc.pictureDigest, FileDigest(a));
    EXPECT_FALSE(doc.pictureDigest.isEmpty());
    ASSERT_TRUE(LoadSkin(doc, dir.filePath("a.qsk"), QString(), true));
    EXPECT_TRUE(doc.pictureDigest.isEmpty());
}
