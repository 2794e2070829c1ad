#include "document/PlainSkinText.h"
#include "document/SkinDocument.h"
#include "document/SkinReader.h"
#include "document/SkinWriter.h"
#include "DocumentTestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

namespace {

// Reads the bytes as a plain skin file would be read; false when the file could not be read.
bool ReadBytes(const QByteArray& bytes, SkinDocument* document, QString* imageName = nullptr) {
    QTemporaryDir dir;
    const QString path = dir.filePath("skin.ini");
    if (!WriteBytes(path, bytes))
        return false;
    QString text;
    QString image;
    if (!ReadPlainSkinText(path, &text, &image))
        return false;
    ReadSkinText(*document, text);
    if (imageName)
        *imageName = image;
    return true;
}

} // namespace

TEST(SkinReaderMalformed, RandomBytesReadWithoutHarm) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(std::uniform_int_distribution<int>(0, 4000)(random), Qt::Uninitialized);
        for (char& b : bytes)
            b = static_cast<char>(random());
        if (round % 2)
            bytes.prepend("\xFF\xFE");
        // Sprinkle real lines among the noise so the sections and keys are exercised too.
        if (round % 3 == 0)
            bytes.insert(bytes.size() / 2, "\n[button]\nplace=tl&\nsize=x\nrolled=,,\n");
        SkinDocument d;
        ASSERT_TRUE(ReadBytes(bytes, &d)) << round;
        // Whatever was read can be written and read back.
        SkinDocument again;
        ReadSkinText(again, SkinFileText(SkinFileBytes(d, d.bitmap)));
        EXPECT_EQ(again.elements.size(), d.elements.size()) << round;
    }
}

TEST(SkinReaderMalformed, OddShapes) {
    SkinDocument d;
    QString image;

    // A huge single line, without and with a key in front.
    ASSERT_TRUE(ReadBytes(QByteArray(8 << 20, 'x'), &d));
    EXPECT_TRUE(d.elements.empty());
    const QString longName(3 << 20, u'n');
    ASSERT_TRUE(ReadBytes(Utf16Bytes("[text]\nname=" + longName + "\nbitmap=" + longName), &d, &image));
    ASSERT_EQ(d.elements.size(), 1u);
    EXPECT_EQ(d.elements[0].Name(), longName);
    EXPECT_EQ(image, longName);

    // NULs inside keys and values.
    ASSERT_TRUE(ReadBytes(QByteArray("[button]\nna\0me=a\nname=b\0c\ntop\0=1\n", 33), &d));
    ASSERT_EQ(d.elements.size(), 1u);
    EXPECT_EQ(d.elements[0].Name(), QString("b") + QChar(0) + "c");
    EXPECT_EQ(d.layout.top, 25);

    // A UTF-16 file with an odd number of bytes loses only the lone last byte.
    ASSERT_TRUE(ReadBytes(Utf16Bytes("[indicator]\ntype=alarm\n") + "\x41", &d));
    ASSERT_EQ(d.elements.size(), 1u);
    EXPECT_EQ(d.elements[0].As<IndicatorRecord>()->type, 5);

    // Numbers far past the 32-bit range saturate.
    ASSERT_TRUE(ReadBytes("top=99999999999999999999\nleft=-99999999999999999999\n", &d));
    EXPECT_EQ(d.layout.top, 2147483647);
    EXPECT_EQ(d.layout.left, -2147483647 - 1);
}

TEST(SkinReaderMalformed, ManyElementsAndOlderKeysStayLinear) {
    // Tens of thousands of elements, each followed by keys of older skins: a reader that walked the
    // whole list for every such key would take hours here.
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += QStringLiteral("[button]\nname=e%1\n\nrolled=e%1,x\nfocus=e0\n").arg(i);
    text += "normal=" + QString(1 << 19, u',') + "\n";
    SkinDocument d;
    ReadSkinText(d, text);
    ASSERT_EQ(d.elements.size(), 20000u);
    EXPECT_TRUE(d.elements.back().Common()->drawrolled);
    EXPECT_FALSE(d.elements.back().Common()->drawfocus);
    EXPECT_TRUE(d.elements.front().Common()->drawfocus);
    EXPECT_FALSE(d.elements.front().Common()->drawunrolled);
}
