#include "document/StdioFileEx.h"
#include "DocumentTestSupport.h"
#include "document/PlainSkinText.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TextFiles : public ::testing::Test {
protected:
    QString Make(const QByteArray& bytes, const QString& name = "f.ini") {
        EXPECT_TRUE(WriteBytes(m_dir.filePath(name), bytes));
        return m_dir.filePath(name);
    }
    static QStringList Lines(const QString& path,
                             CStdioFileEx::CodePage codePage = CStdioFileEx::CodePage::Windows1252,
                             bool* utf16 = nullptr) {
        CStdioFileEx file(codePage);
        EXPECT_TRUE(file.Open(path, CStdioFileEx::Read));
        if (utf16)
            *utf16 = file.IsUtf16();
        const QStringList lines = ReadAll(file);
        // The same bytes held in memory read exactly as the file.
        CStdioFileEx bytes(codePage);
        bytes.OpenBytes(ReadBytes(path));
        EXPECT_EQ(bytes.IsUtf16(), file.IsUtf16());
        EXPECT_EQ(ReadAll(bytes), lines);
        return lines;
    }
    static QStringList ReadAll(CStdioFileEx& file) {
        QStringList lines;
        QString line;
        while (file.ReadString(line))
            lines << line;
        EXPECT_TRUE(line.isEmpty()) << "the read past the end gives an empty text";
        EXPECT_FALSE(file.ReadString(line));
        return lines;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(TextFiles, ReadsLinesOfEachEncoding) {
    const auto u16 = [](const QString& text) { return Utf16Bytes(text); };
    const QChar a41(0x0A41), a0a(0x0A0A), a00(0x0A00), x10a(0x010A);
    const struct {
        const char* label;
        QByteArray bytes;
        bool utf16;
        QStringList lines;
        CStdioFileEx::CodePage codePage = CStdioFileEx::CodePage::Windows1252;
    } cases[] = {
        {"utf-16 with its mark", u16("a=1\r\n\r\nb=€\nlast"), true, QStringList{"a=1", "", "b=€", "last"}},
        {"utf-16, LF at the end gives no extra line", u16("x\n"), true, QStringList{"x"}},
        {"utf-16 odd byte count drops the lone byte", u16("ab") + "c", true, QStringList{"ab"}},
        {"utf-16 unit with 0A in its high byte is no line end", u16(QString(a41) + "\n"), true,
         QStringList{QString(a41)}},
        {"utf-16 units 0A0A and 0A00 hold 0A bytes but end no line", u16(QString(a0a) + a00 + "x\n" + x10a),
         true, QStringList{QString(a0a) + a00 + "x", QString(x10a)}},
        {"only the mark", u16(""), true, QStringList{}},
        {"empty file", QByteArray(), false, QStringList{}},
        {"windows-1252", QByteArray("caf\xE9\r\n\x80 \x9F\n"), false, QStringList{"café", "€ Ÿ"}},
        {"a mark FE FF is not utf-16", QByteArray("\xFE\xFFx"), false, QStringList{"þÿx"}},
        {"utf-8 mark read as 8-bit text", QByteArray("\xEF\xBB\xBFname=x\n"), false,
         QStringList{"ï»¿name=x"}},
        {"utf-8 mark skipped with the utf-8 code page", QByteArray("\xEF\xBB\xBFname=\xC3\xA9\n"), false,
         QStringList{"name=é"}, CStdioFileEx::CodePage::Utf8},
        {"lone CR stays inside a line, only the last is removed", QByteArray("a\rb\r\r\n"), false,
         QStringList{"a\rb\r"}},
        {"NULs are characters", QByteArray("a\0b\n", 4), false, QStringList{QString("a") + QChar(0) + "b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        bool utf16 = false;
        EXPECT_EQ(Lines(Make(c.bytes), c.codePage, &utf16), c.lines);
        EXPECT_EQ(utf16, c.utf16);
    }
}

TEST_F(TextFiles, LongLinesAcrossReadPieces) {
    // Lines longer than any read piece, with line ends falling on the piece borders.
    QString text;
    QStringList expected;
    for (int length : {4095, 4096, 4097, 65535, 65536, 70000, 0, 1}) {
        QString line(length, QChar(u'a' + length % 26));
        expected << line;
        text += line + "\r\n";
    }
    EXPECT_EQ(Lines(Make(Utf16Bytes(text))), expected);
    EXPECT_EQ(Lines(Make(text.toLatin1(), "8bit.ini")), expected);
}

TEST_F(TextFiles, WritesTheMarkAtTheStartOnly) {
    const QString path = m_dir.filePath("w.ini");
    {
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path, CStdioFileEx::Write | CStdioFileEx::Create | CStdioFileEx::Utf16));
        EXPECT_TRUE(file.WriteString("a=€\n"));
        EXPECT_TRUE(file.WriteString("b\n"));
    }
    EXPECT_EQ(ReadBytes(path), Utf16Bytes("a=€\nb\n"));

    {
        CStdioFileEx file(CStdioFileEx::CodePage::Utf8);
        ASSERT_TRUE(file.Open(path, CStdioFileEx::Write | CStdioFileEx::Create));
        EXPECT_TRUE(file.WriteString("é\n"));
        EXPECT_TRUE(file.WriteString("x"));
    }
    EXPECT_EQ(ReadBytes(path), QByteArray("\xEF\xBB\xBF\xC3\xA9\nx"));

    {
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path, CStdioFileEx::Write | CStdioFileEx::Create));
        EXPECT_TRUE(file.WriteString("€é\n"));
    }
    EXPECT_EQ(ReadBytes(path), QByteArray("\x80\xE9\n"));

    CStdioFileEx missing;
    EXPECT_FALSE(missing.Open(m_dir.filePath("none/x.ini"), CStdioFileEx::Write | CStdioFileEx::Create));
    EXPECT_FALSE(missing.Open(m_dir.filePath("absent.ini"), CStdioFileEx::Read));
    QString line = "x";
    EXPECT_FALSE(missing.ReadString(line));
    EXPECT_TRUE(line.isEmpty());
}

TEST_F(TextFiles, PlainSkinTextEndsEveryLineAndFindsTheBitmap) {
    QString text;
    QString image = "unset";
    const QString utf16 =
        Make(Utf16Bytes("bitmap=a.png\r\n[button]\r\nBITMAP=b c.png \r\nbitmapx=d\r\nlast"));
    ASSERT_TRUE(ReadPlainSkinText(utf16, &text, &image));
    EXPECT_EQ(text, "bitmap=a.png\n[button]\nBITMAP=b c.png \nbitmapx=d\nlast\n");
    EXPECT_EQ(image, "b c.png ");
    QString fromBytes;
    QString imageFromBytes;
    ASSERT_TRUE(ReadPlainSkinBytes(ReadBytes(utf16), &fromBytes, &imageFromBytes));
    EXPECT_EQ(fromBytes, text);
    EXPECT_EQ(imageFromBytes, image);

    const QString ansi = Make("top=5\r\n  bitmap=indented.png\n", "ansi.ini");
    ASSERT_TRUE(ReadPlainSkinText(ansi, &text, &image));
    EXPECT_EQ(text, "top=5\n  bitmap=indented.png\n");
    EXPECT_TRUE(image.isEmpty()) << "only lines that start with the key count";

    EXPECT_FALSE(ReadPlainSkinText(m_dir.filePath("missing.ini"), &text, &image));
    EXPECT_FALSE(ReadPlainSkinText(m_dir.path(), &text, &image)) << "a folder cannot be read";
}
