#include "CliExpect.h"
#include "package/PackageTestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QString Skin(const char* name) {
    return QStringLiteral(DRAPIER_TEST_DATA "/skins/") + QString::fromLatin1(name);
}

QJsonObject Dump(const QString& path) {
    const CliResult r = RunCli({"dump", path});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(r.outBytes, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return json.object();
}

QJsonObject Place(int value, const char* mode, int offset) {
    return {{"value", value}, {"mode", mode}, {"offset", offset}};
}

} // namespace

TEST(DumpCommand, EveryKindOfTheSampleSkin) {
    const CliResult raw = RunCli({"dump", Skin("sample.ini")});
    ASSERT_EQ(raw.status, 0) << raw.err.toStdString();
    // The top-level keys come in their documented order.
    qsizetype at = 0;
    for (const char* key :
         {"displayname", "bitmap", "pngsource", "image", "settings", "layout", "elements"}) {
        const qsizetype next = raw.out.indexOf(QStringLiteral("\"%1\": ").arg(key));
        EXPECT_GT(next, at) << key;
        at = next;
    }

    const QJsonObject d = Dump(Skin("sample.ini"));
    EXPECT_TRUE(d["displayname"].toString().startsWith(Skin("sample.ini")));
    EXPECT_EQ(d["bitmap"].toString(), "sample.png");
    EXPECT_TRUE(d["pngsource"].toBool());
    EXPECT_EQ(d["image"].toObject(), (QJsonObject{{"width", 0}, {"height", 0}}));

    const QJsonObject s = d["settings"].toObject();
    EXPECT_EQ(s["skinname"].toString(), "Sample");
    EXPECT_EQ(s["notes"].toString(), "First line\r\nSecond line");
    EXPECT_EQ(s["transparent"].toInt(), 0xFF00FF);
    EXPECT_EQ(s["region"].toInt(), -1);
    EXPECT_EQ(s["selectedborderdashcolour1"].toInt(), 16777215);
    EXPECT_FALSE(s["drawonrtfbg"].toBool());
    EXPECT_EQ(s.size(), 20);

    const QJsonObject l = d["layout"].toObject();
    EXPECT_EQ(l["top"].toInt(), 30);
    EXPECT_TRUE(l["usescrollbar"].toBool());
    EXPECT_EQ(l["titlebar"].toArray(),
              (QJsonArray{Place(0, "sides", 0), Place(2, "middle", 0), Place(-1, "sides", 0), 22}));
    EXPECT_EQ(l.size(), 16);

    const QJsonArray e = d["elements"].toArray();
    ASSERT_EQ(e.size(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(e[i].toObject()["kind"].toInt(), i + 1);

    const QJsonObject button = e[0].toObject();
    EXPECT_EQ(button["group"].toString(), "wide");
    EXPECT_EQ(button["place"].toArray(), (QJsonArray{Place(-5, "tl", 2), Place(3, "sides", 0)}));
    EXPECT_EQ(button["size"].toArray(), (QJsonArray{9, 9}));
    EXPECT_EQ(button["action"].toInt(), 1);
    EXPECT_EQ(button["sourcerollover"].toArray(), (QJsonArray{20, 0}));
    EXPECT_TRUE(button["conditionset"].toBool());
    EXPECT_EQ(button["condition"].toInt(), 1);
    EXPECT_FALSE(button["conditionvalue"].toBool());
    EXPECT_EQ(button["drawwidthminimum"].toInt(), -1);

    const QJsonObject hstrip = e[1].toObject();
    EXPECT_EQ(hstrip["extent"].toArray(), (QJsonArray{Place(-1, "sides", 0), 25}));
    EXPECT_EQ(hstrip["startcol"].toInt(), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(hstrip["width"].toInt(), 40);

    const QJsonObject vstrip = e[2].toObject();
    EXPECT_EQ(vstrip["extent"].toArray(), (QJsonArray{8, Place(-10, "sc", 1)}));
    EXPECT_EQ(vstrip["place"].toArray()[0].toObject(), Place(0, "br", 0));
    EXPECT_EQ(vstrip["height"].toInt(), 20);

    const QJsonObject text = e[3].toObject();
    EXPECT_EQ(text["text"].toString(), "%TITLE% \"quoted\" \\ back");
    EXPECT_EQ(text["extent"].toArray(), (QJsonArray{Place(50, "percent", -2), 16}));
    EXPECT_TRUE(text["bold"].toBool());
    EXPECT_FALSE(text["italic"].toBool());
    EXPECT_TRUE(text["transparent"].toBool());
    EXPECT_EQ(text["antialias"].toInt(), 2);
    EXPECT_EQ(text["alignment"].toInt(), 1);
    EXPECT_EQ(text["setcase"].toInt(), 2);

    EXPECT_EQ(e[4].toObject()["type"].toInt(), 5);
    EXPECT_EQ(e[4].toObject()["sourceoff"].toArray(), (QJsonArray{40, 0}));
    EXPECT_EQ(e[5].toObject()["bottomright"].toArray(),
              (QJsonArray{Place(-9, "sides", 0), Place(-12, "sides", 0)}));
    EXPECT_EQ(e[5].toObject()["tiletype"].toInt(), 1);

    const QJsonObject group = e[6].toObject();
    EXPECT_EQ(group["name"].toString(), "wide");
    EXPECT_FALSE(group["match"].toBool());
    EXPECT_EQ(group["rules"].toArray(), (QJsonArray{QJsonArray{"Width", "is greater than", "300"},
                                                    QJsonArray{"Title", "contains", "a,b"}}));
    EXPECT_FALSE(group.contains("drawrolled"));

    const QJsonObject layout = e[7].toObject();
    EXPECT_EQ(layout["name"].toString(), "Narrow");
    EXPECT_EQ(layout["group"].toString(), "narrow");
    EXPECT_EQ(layout["scrollbardrawwidthminimum"].toInt(), 200);
    EXPECT_EQ(layout["scrollbar"].toArray()[3].toInt(), 6);
}

TEST(DumpCommand, EightBitSkinWithOlderKeys) {
    const QJsonObject d = Dump(Skin("ansi.ini"));
    EXPECT_EQ(d["settings"].toObject()["skinname"].toString(), "Café €");
    EXPECT_EQ(d["settings"].toObject()["mode"].toInt(), 1);
    EXPECT_TRUE(d["settings"].toObject()["drawonrtfbg"].toBool());
    EXPECT_EQ(d["bitmap"].toString(), "C:\\skins\\ansi.bmp");
    const QJsonArray e = d["elements"].toArray();
    ASSERT_EQ(e.size(), 2);
    EXPECT_EQ(e[0].toObject()["text"].toString(), "naïve");
    EXPECT_TRUE(e[0].toObject()["drawrolled"].toBool());
    EXPECT_TRUE(e[0].toObject()["drawfocus"].toBool());
    EXPECT_TRUE(e[1].toObject()["drawrolled"].toBool());
    EXPECT_FALSE(e[1].toObject()["drawfocus"].toBool());
}

TEST(ConvertCommand, WritesUtf16ThatDumpsTheSame) {
    QTemporaryDir dir;
    for (const char* name : {"ansi.ini", "sample.ini"}) {
        SCOPED_TRACE(name);
        const QString out = dir.filePath(QString::fromLatin1(name));
        const CliResult r = RunCli({"convert", Skin(name), "-o", out});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        const QByteArray bytes = ReadBytes(out);
        EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
        EXPECT_FALSE(bytes.contains(QByteArray("\r\0", 2)));

        QJsonObject before = Dump(Skin(name));
        QJsonObject after = Dump(out);
        before.remove("displayname");
        after.remove("displayname");
        // The file keeps only the image's file name and always says version 12.
        QJsonObject settings = before["settings"].toObject();
        settings["version"] = 12;
        before["settings"] = settings;
        const QString bitmap = before["bitmap"].toString();
        before["bitmap"] = bitmap.mid(bitmap.lastIndexOf(u'\\') + 1);
        EXPECT_EQ(after, before);
    }
    const QByteArray bytes = ReadBytes(dir.filePath("ansi.ini"));
    EXPECT_TRUE(QString(reinterpret_cast<const QChar*>(bytes.constData() + 2), bytes.size() / 2 - 1)
                    .startsWith("skinname=Café €\nversion=12\n"));
}

TEST(ConvertCommand, UsageAndFailures) {
    QTemporaryDir dir;
    // Without a picture to miss, a failed save is the one line on standard error.
    ASSERT_TRUE(WriteBytes(dir.filePath("bare.ini"), "skinname=Bare\r\n"));
    const struct {
        QStringList args;
        int status;
        const char* reasonStart;
    } cases[] = {
        {{"dump"}, 2, "drapier-cli: dump needs a SKIN"},
        {{"dump", Skin("sample.ini"), "--frob"}, 2, "drapier-cli: dump: unknown option"},
        {{"dump", Skin("sample.ini"), Skin("ansi.ini")}, 2, "drapier-cli: dump takes one SKIN"},
        {{"dump", Skin("missing.ini")}, 1, "drapier-cli: "},
        {{"dump", Skin("sample.txt")}, 1, "drapier-cli: "},
        {{"convert", Skin("sample.ini")}, 2, "drapier-cli: convert needs IN and -o OUT"},
        {{"convert", Skin("sample.ini"), "-o"}, 2, "drapier-cli: -o needs a file name"},
        {{"convert", Skin("missing.ini"), "-o", dir.filePath("x.ini")}, 1, "drapier-cli: "},
        {{"convert", dir.filePath("bare.ini"), "-o", dir.filePath("no/such/x.ini")},
         1,
         "drapier-cli: Error saving "},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(ExpectCliError(c.args, c.status).err.startsWith(QString::fromUtf8(c.reasonStart)));
    EXPECT_FALSE(QFile::exists(dir.filePath("x.ini")));
}

TEST(DumpCommand, PicturesThatAreNoFilesAreMissingNotWaitedFor) {
    QTemporaryDir dir;
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe.png")).constData(), 0600), 0);
    ASSERT_TRUE(WriteBytes(dir.filePath("pipe.ini"), "skinname=Pipe\r\nbitmap=pipe.png\r\n"));
    ASSERT_TRUE(WriteBytes(dir.filePath("zero.ini"),
                           "skinname=Zero\r\nbitmap=" + QByteArray("../").repeated(40) + "dev/zero\r\n"));
    for (const char* name : {"pipe.ini", "zero.ini"}) {
        SCOPED_TRACE(name);
        const CliResult r = RunCli({"dump", dir.filePath(name)}, 20000);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QJsonObject d = QJsonDocument::fromJson(r.outBytes).object();
        EXPECT_FALSE(d["settings"].toObject()["skinname"].toString().isEmpty());
        EXPECT_EQ(d["image"].toObject(), (QJsonObject{{"width", 0}, {"height", 0}}));
    }
}

// A skin whose picture is missing is still read and worked on, with one warning naming the picture;
// pack cannot do without it and fails as before.
TEST(SkinCommands, MissingPictureIsWarnedAbout) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("lost.ini"), "skinname=Lost\r\nBitmap=pics\\gone.png\r\n"));
    const QString ini = dir.filePath("lost.ini");
    const QString warning =
        "drapier-cli: warning: picture not found: " + dir.filePath("pics/gone.png") + "\n";
    const QStringList commands[] = {
        {"dump", ini},
        {"convert", ini, "-o", dir.filePath("out.ini")},
        {"geometry", ini},
        {"render", ini, "-o", dir.filePath("out.png")},
    };
    for (const QStringList& args : commands) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, warning);
    }
    EXPECT_TRUE(QFile::exists(dir.filePath("out.ini")));
    EXPECT_TRUE(QFile::exists(dir.filePath("out.png")));

    const CliResult pack = RunCli({"pack", ini, "-o", dir.filePath("out.qsk")});
    EXPECT_EQ(pack.status, 1);
    EXPECT_TRUE(pack.err.startsWith("drapier-cli: Error saving ")) << pack.err.toStdString();
    EXPECT_EQ(pack.err.count('\n'), 1);

    // A folder where the picture should be is no picture either.
    ASSERT_TRUE(QDir(dir.path()).mkpath("pics/gone.png"));
    const CliResult folder = RunCli({"dump", ini});
    EXPECT_EQ(folder.status, 0);
    EXPECT_EQ(folder.err,
              "drapier-cli: warning: picture is not a plain file: " + dir.filePath("pics/gone.png") + "\n");
}
