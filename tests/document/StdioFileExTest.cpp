#include "document/StdioFileEx.h"
#include "document/PlainSkinText.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TextFiles : public ::testing::Test {
protected:
    QString Make(const QByteArray& bytes, const QString& name = "f.ini") {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    static QByteArray Contents(const QString& path) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    static QStringList Lines(const QString& path,
                             CStdioFileEx::CodePage codePage = CStdioFileEx::CodePage::Windows1252,
                             bool* utf16 = nullptr) {
        CStdioFileEx file(codePage);
        EXPECT_TRUE(file.Open(path, CStdioFileEx::Read));
        if (utf16)
            *utf16 = file.IsUtf16();
        QStringList lines;
        QString line;
        while (file.ReadString(line))
            lines << line;
        EXPECT_TRUE(line.isEmpty()) << "the read past the end gives an empty text";
        EXPECT_FALSE(file.ReadString(line));
        return lines;
    }
    static QByteArray Utf16(const QString& text) {
        QByteArray bytes;
        for (QChar c : text) {
            bytes += static_cast<char>(c.unicode() & 0xFF);
            bytes += static_cast<char>(c.unicode() >> 8);
        }
        return bytes;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(TextFiles, ReadsLinesOfEachEncoding) {
    const QByteArray mark("\xFF\xFE", 2);
    const struct {
        const char* label;
        QByteArray bytes;
        CStdioFileEx::CodePage codePage;
        bool utf16;
        QStringList lines;
    } cases[] = {
        {"utf-16 with its mark",
         mark + Utf16("a=1\r\n\r\nb=€\nlast"),
         CStdioFileEx::CodePage::Windows1252,
         true,
         {"a=1", "", "b=€", "last"}},
        {"utf-16, LF at the end gives no extra line",
         mark + Utf16("x\n"),
         CStdioFileEx::CodePage::Windows1252,
         true,
         {"x"}},
        {"utf-16 odd byte count drops the lone byte",
         mark + Utf16("ab") + "c",
         CStdioFileEx::CodePage::Windows1252,
         true,
         {"ab"}},
        {"utf-16 unit with 0A in its high byte is no line end",
         mark + Utf16(QString(QChar(0x0A41)) + "\n"),
         CStdioFileEx::CodePage::Windows1252,
         true,
         {QString(QChar(0x0A41))}},
        {"utf-16 units 0A0A and 0A00 hold 0A bytes but end no line",
         mark + Utf16(QString(QChar(0x0A0A)) + QChar(0x0A00) + "x\n" + QChar(0x010A)),
         CStdioFileEx::CodePage::Windows1252,
         true,
         {QString(QChar(0x0A0A)) + QChar(0x0A00) + "x", QString(QChar(0x010A))}},
        {"only the mark", mark, CStdioFileEx::CodePage::Windows1252, true, {}},
        {"empty file", QByteArray(), CStdioFileEx::CodePage::Windows1252, false, {}},
        {"windows-1252",
         QByteArray("caf\xE9\r\n\x80 \x9F\n"),
         CStdioFileEx::CodePage::Windows1252,
         false,
         {"café", "€ Ÿ"}},
        {"a mark FE FF is not utf-16",
         QByteArray("\xFE\xFFx"),
         CStdioFileEx::CodePage::Windows1252,
         false,
         {"þÿx"}},
        {"utf-8 mark read as 8-bit text",
         QByteArray("\xEF\xBB\xBFname=x\n"),
         CStdioFileEx::CodePage::Windows1252,
         false,
         {"ï»¿name=x"}},
        {"utf-8 mark skipped with the utf-8 code page",
         QByteArray("\xEF\xBB\xBFname=\xC3\xA9\n"),
         CStdioFileEx::CodePage::Utf8,
         false,
         {"name=é"}},
        {"lone CR stays inside a line, only the last is removed",
         QByteArray("a\rb\r\r\n"),
         CStdioFileEx::CodePage::Windows1252,
         false,
         {"a\rb\r"}},
        {"NULs are characters",
         QByteArray("a\0b\n", 4),
         CStdioFileEx::CodePage::Windows1252,
         false,
         {QString("a") + QChar(0) + "b"}},
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
    EXPECT_EQ(Lines(Make(QByteArray("\xFF\xFE", 2) + Utf16(text))), expected);
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
    EXPECT_EQ(Contents(path), QByteArray("\xFF\xFE", 2) + Utf16("a=€\nb\n"));

    {
        CStdioFileEx file(CStdioFileEx::CodePage::Utf8);
        ASSERT_TRUE(file.Open(path, CStdioFileEx::Write | CStdioFileEx::Create));
        EXPECT_TRUE(file.WriteString("é\n"));
        EXPECT_TRUE(file.WriteString("x"));
    }
    EXPECT_EQ(Contents(path), QByteArray("\xEF\xBB\xBF\xC3\xA9\nx"));

    {
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path, CStdioFileEx::Write | CStdioFileEx::Create));
        EXPECT_TRUE(file.WriteString("€é\n"));
    }
    EXPECT_EQ(Contents(path), QByteArray("\x80\xE9\n"));

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
    const QString utf16 = Make(QByteArray("\xFF\xFE", 2) +
                               Utf16("bitmap=a.png\r\n[button]\r\nBITMAP=b c.png \r\nbitmapx=d\r\nlast"));
    ASSERT_TRUE(ReadPlainSkinText(utf16, &text, &image));
    EXPECT_EQ(text, "bitmap=a.png\n[button]\nBITMAP=b c.png \nbitmapx=d\nlast\n");
    EXPECT_EQ(image, "b c.png ");

    const QString ansi = Make("top=5\r\n  bitmap=indented.png\n", "ansi.ini");
    ASSERT_TRUE(ReadPlainSkinText(ansi, &text, &image));
    EXPECT_EQ(text, "top=5\n  bitmap=indented.png\n");
    EXPECT_TRUE(image.isEmpty()) << "only lines that start with the key count";

    EXPECT_FALSE(ReadPlainSkinText(m_dir.filePath("missing.ini"), &text, &image));
    EXPECT_FALSE(ReadPlainSkinText(m_dir.path(), &text, &image)) << "a folder cannot be read";
}
