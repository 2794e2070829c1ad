#include "CliExpect.h"
#include "document/CheckMessages.h"

#include "document/SkinDocument.h"
#include "document/SkinWriter.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

// An example skin by its folder and file name without ".ini" ("stack/paperpile").
QString Example(const char* path) {
    return QStringLiteral(DRAPIER_EXAMPLES "/%1.ini").arg(QLatin1StringView(path));
}

class CheckLintCli : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // A named skin with quiet borders, changed as a test needs, beside a 32 by 16 picture with a drawn
    // strip along its bottom row; false for no picture file at all.
    QString Skin(const QString& name, const std::function<void(SkinDocument&)>& change = {},
                 bool picture = true) {
        SkinDocument d;
        d.settings.skinname = "Test";
        d.layout.left = d.layout.right = d.layout.bottom = 3;
        if (change)
            change(d);
        const QString path = dir.filePath(name + ".ini");
        QString error;
        EXPECT_TRUE(WriteSkinFile(d, path, name + ".png", &error)) << error.toStdString();
        if (picture) {
            QImage image(32, 16, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            for (int x = 0; x < 32; ++x)
                image.setPixelColor(x, 15, QColor(200, 100, 0));
            EXPECT_TRUE(image.save(dir.filePath(name + ".png")));
        }
        return path;
    }

    QTemporaryDir dir;
};

SkinElement Button(const QString& name, SourcePoint source, int size = 8) {
    SkinElement e = SkinElement::Make(ElementKind::Button);
    e.SetName(name);
    e.Common()->drawunrolled = true;
    e.As<ButtonRecord>()->source = source;
    e.As<ButtonRecord>()->size = {size, size};
    return e;
}

// A skin with one finding of each kind. The reader lowers group values but not names, so the member
// of a group named with capitals names no group once read.
void Faulty(SkinDocument& d) {
    d.Append(Button("Close", {28, 0}));
    SkinElement strip = SkinElement::Make(ElementKind::HStrip);
    strip.SetName("Edge");
    strip.group = "Hover";
    d.Append(strip);
    SkinElement group = SkinElement::Make(ElementKind::Group);
    group.SetName("Hover");
    d.Append(group);
    d.Append(Button("Close", {0, 0}));
}

const QString kFaultyLint =
    "LINT: Button 'Close' (element 0): source 28,0 with size 8x8 runs outside the 32x16 picture\n"
    "LINT: HStrip 'Edge' (element 1): source 0,0 has an empty size 0x0\n"
    "LINT: HStrip 'Edge' (element 1) names group 'hover', which does not exist; group 'Hover' "
    "differs only in letter case\n"
    "LINT: HStrip 'Edge' (element 1) is drawn in none of the 9 states tried\n"
    "LINT: Group 'Hover' (element 2) is named by no element\n"
    "LINT: Button 'Close' (element 3) has the same name as element 0\n"
    "LINT: Picture area 0,8 to 32,16 has visible pixels that no source rectangle covers\n";

} // namespace

TEST_F(CheckLintCli, CheckReportsAndExitStatus) {
    const QString clean = Skin("clean");
    const QString unnamed = Skin("unnamed", [](SkinDocument& d) {
        d.settings.skinname.clear();
        d.layout.left = d.layout.right = 50;
        SkinElement narrow = SkinElement::Make(ElementKind::Group);
        narrow.SetName("narrow");
        narrow.As<GroupRecord>()->rules = {{"Width", "is less than", "200"}};
        d.Append(narrow);
        SkinElement layout = SkinElement::Make(ElementKind::Layout);
        layout.group = "narrow";
        layout.As<SkinLayout>()->left = layout.As<SkinLayout>()->right = layout.As<SkinLayout>()->bottom = 3;
        layout.As<SkinLayout>()->minimumwidth = 99;
        d.Append(layout);
    });
    struct Case {
        QStringList args;
        int status;
        QString out;
    };
    const QString rolledTall =
        Skin("rolled", [](SkinDocument& d) { d.layout.rolledheight = d.layout.top + 1; });
    const QString magenta =
        Skin("magenta", [](SkinDocument& d) { d.settings.region = MakeColour(255, 0, 255); });
    const Case cases[] = {
        {{clean}, 0, "No errors found\n"},
        {{rolledTall}, 1, E1},
        {{unnamed}, 1, E2 + E4},
        {{unnamed, "--set", "stackmode=1"}, 1, E2},
        {{"--set", "width=150", unnamed}, 1, E2 + W12},
        {{magenta}, 1, W7},
        // --fail-on changes only the exit status: warnings alone pass when errors are asked for.
        {{magenta, "--fail-on", "errors"}, 0, W7},
        {{"--fail-on", "warnings", magenta}, 1, W7},
        {{rolledTall, "--fail-on", "errors"}, 1, E1},
        {{"--set", "width=150", unnamed, "--fail-on", "errors"}, 1, E2 + W12},
        {{Example("plain/plain")}, 0, "No errors found\n"},
        {{Example("rich/rich")}, 0, "No errors found\n"},
        {{Example("stack/paperpile")}, 0, "No errors found\n"},
        // The stack skin's element rules find nothing to warn of in the example.
        {{Example("stack/paperpile"), "--set", "stackmode=0"}, 0, "No errors found\n"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunCli(QStringList{"check"} + c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString() << r.err.toStdString();
        EXPECT_EQ(r.out, c.out) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    }
}

TEST_F(CheckLintCli, UsageErrorsAndHelp) {
    const QString clean = Skin("clean");
    struct Case {
        QStringList args;
        int status;
    };
    const Case cases[] = {
        {{"check"}, 2},
        {{"check", clean, clean}, 2},
        {{"check", clean, "--json"}, 2},
        {{"check", clean, "--set", "stackmode=2"}, 2},
        {{"check", clean, "--set"}, 2},
        {{"check", clean, "--fail-on"}, 2},
        {{"check", clean, "--fail-on", "notes"}, 2},
        {{"check", clean, "--fail-on", "errors", "--fail-on", "errors"}, 2},
        {{"check", dir.filePath("absent.ini")}, 1},
        {{"check", clean, "--inner", "x.ini"}, 1},
        {{"lint"}, 2},
        {{"lint", clean, "--set", "width=1"}, 2},
        {{"lint", clean, "--json", "--json"}, 2},
        {{"lint", dir.filePath("absent.qsk")}, 1},
        {{"lint", dir.filePath("notes.txt")}, 1},
    };
    for (const Case& c : cases)
        ExpectCliError(c.args, c.status);
    for (const char* command : {"check", "lint"}) {
        const CliResult r = RunCli({command, "--help"});
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("Usage: drapier-cli %1 SKIN").arg(command)))
            << r.out.toStdString();
        EXPECT_TRUE(r.out.contains("Exit status: 0"));
    }
    EXPECT_TRUE(RunCli({"check", "--help"}).out.contains("Keys: width, height,"));
}

TEST_F(CheckLintCli, LintText) {
    const QString faulty = Skin("faulty", Faulty);
    const CliResult r = RunCli({"lint", faulty});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kFaultyLint);
    EXPECT_TRUE(r.err.isEmpty());

    for (const char* example : {"plain/plain", "rich/rich", "stack/paperpile"}) {
        const CliResult e = RunCli({"lint", Example(example)});
        EXPECT_EQ(e.status, 0) << example;
        EXPECT_EQ(e.out, "") << example;
        EXPECT_EQ(e.err, "") << example;
    }
}

TEST_F(CheckLintCli, LintJson) {
    const CliResult r = RunCli({"lint", Skin("faulty", Faulty), "--json"});
    EXPECT_EQ(r.status, 1);
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(r.outBytes, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    ASSERT_TRUE(json.isArray());
    const QJsonArray list = json.array();
    ASSERT_EQ(list.size(), 7);
    const char* kinds[] = {"source-outside", "source-empty",   "unknown-group", "never-drawn",
                           "unused-group",   "duplicate-name", "uncovered-area"};
    const int elements[] = {0, 1, 1, 1, 2, 3, -1};
    const QStringList lines = kFaultyLint.split('\n', Qt::SkipEmptyParts);
    for (int i = 0; i < 7; ++i) {
        const QJsonObject o = list[i].toObject();
        EXPECT_EQ(QStringList(o.keys()), (QStringList{"element", "finding", "message", "name", "rect"})) << i;
        EXPECT_EQ(o["finding"].toString(), kinds[i]);
        EXPECT_EQ(o["message"].toString(), lines[i].mid(6));
        if (elements[i] < 0) {
            EXPECT_TRUE(o["element"].isNull());
            EXPECT_TRUE(o["name"].isNull());
        } else {
            EXPECT_EQ(o["element"].toInt(-1), elements[i]);
            EXPECT_TRUE(o["name"].isString());
        }
    }
    EXPECT_EQ(list[0]["name"].toString(), "Close");
    EXPECT_EQ(list[0]["rect"].toArray(), (QJsonArray{28, 0, 36, 8}));
    EXPECT_EQ(list[6]["rect"].toArray(), (QJsonArray{0, 8, 32, 16}));
    for (int i = 1; i < 6; ++i)
        EXPECT_TRUE(list[i]["rect"].isNull()) << i;

    const CliResult clean = RunCli({"lint", Example("plain/plain"), "--json"});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(QJsonDocument::fromJson(clean.outBytes).array(), QJsonArray());
}

TEST_F(CheckLintCli, WithoutItsPictureASkinChecksAndLints) {
    const QString skin = Skin("bare", Faulty, false);
    const CliResult lint = RunCli({"lint", skin});
    EXPECT_EQ(lint.status, 1);
    // One line says why the picture is missing, one what the lint leaves out because of it.
    EXPECT_TRUE(lint.err.startsWith("drapier-cli: warning: picture not found: ")) << lint.err.toStdString();
    EXPECT_TRUE(lint.err.contains("drapier-cli: warning: '" + skin + "' has no picture;"));
    EXPECT_EQ(lint.err.count('\n'), 2);
    EXPECT_FALSE(lint.out.contains("outside"));
    EXPECT_FALSE(lint.out.contains("Picture area"));
    EXPECT_TRUE(lint.out.contains("LINT: Button 'Close' (element 3) has the same name as element 0\n"));

    const CliResult clean = RunCli({"lint", Skin("empty", {}, false), "--json"});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out.trimmed(), "[\n]");
    EXPECT_TRUE(clean.err.startsWith("drapier-cli: warning: "));

    const CliResult check = RunCli({"check", skin});
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, "No errors found\n");
}
