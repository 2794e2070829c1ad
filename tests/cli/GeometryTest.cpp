#include "CliExpect.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

const QString kSkin = QStringLiteral(DRAPIER_TEST_DATA "/geometry/geometry.ini");
const QString kStackSkin = QStringLiteral(DRAPIER_TEST_DATA "/geometry/stack.ini");

QJsonObject Geometry(const QStringList& args) {
    const CliResult r = RunCli(QStringList{"geometry"} + args);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    // The fixture's picture is not there; that is worth a warning and nothing more.
    const QString warning = QStringLiteral("drapier-cli: warning: picture not found: " DRAPIER_TEST_DATA
                                           "/geometry/geometry.png\n");
    EXPECT_TRUE(r.err.isEmpty() || r.err == warning) << r.err.toStdString();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.outBytes, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    return doc.object();
}

QJsonObject Parse(const char* json) {
    return QJsonDocument::fromJson(QByteArray(json)).object();
}

// The drawn flags of all elements in list order, 1 for drawn.
QString Drawn(const QJsonObject& geometry) {
    QString drawn;
    for (const QJsonValue& e : geometry["elements"].toArray())
        drawn += e.toObject()["drawn"].toBool() ? u'1' : u'0';
    return drawn;
}

} // namespace

// The fixture has groups, layouts and every placement mode; its second Layout element is in a disabled
// group, so the first is active.
TEST(GeometryCommand, StartValues) {
    const QJsonObject expected = Parse(R"({
        "activelayout": 4,
        "scrollbarrequired": false,
        "scrollrange": [286, 30, 300, 88],
        "thumb": [286, 44, 300, 88],
        "textarea": [8, 30, 286, 88],
        "elements": [
            {"index": 0, "kind": 7, "drawn": true, "rect": null},
            {"index": 1, "kind": 7, "drawn": false, "rect": null},
            {"index": 2, "kind": 7, "drawn": false, "rect": null},
            {"index": 3, "kind": 7, "drawn": true, "rect": null},
            {"index": 4, "kind": 8, "drawn": true, "rect": null},
            {"index": 5, "kind": 8, "drawn": false, "rect": null},
            {"index": 6, "kind": 2, "drawn": true, "rect": [0, 0, 300, 30]},
            {"index": 7, "kind": 3, "drawn": true, "rect": [286, 44, 300, 88]},
            {"index": 8, "kind": 1, "drawn": true, "rect": [289, 87, 299, 97]},
            {"index": 9, "kind": 4, "drawn": true, "rect": [30, 40, 169, 55]},
            {"index": 10, "kind": 5, "drawn": false, "rect": [281, 5, 289, 13]},
            {"index": 11, "kind": 6, "drawn": false, "rect": [10, 30, 286, 88]},
            {"index": 12, "kind": 1, "drawn": false, "rect": [0, 0, 5, 5]},
            {"index": 13, "kind": 3, "drawn": true, "rect": [152, 50, 156, 95]}
        ]
    })");
    ASSERT_FALSE(expected.isEmpty());
    const QJsonObject actual = Geometry({kSkin});
    EXPECT_EQ(actual, expected) << QJsonDocument(actual).toJson().toStdString();

    const CliResult r = RunCli({"geometry", kSkin});
    EXPECT_TRUE(r.out.startsWith("{\n  \"activelayout\": 4,\n  \"scrollbarrequired\": false,"))
        << r.out.toStdString();
}

TEST(GeometryCommand, RolledNote) {
    const QJsonObject g = Geometry({kSkin, "--set", "rolled=1"});
    // The rolled height is 28 and the top border 30: the text area is empty at the rolled height, and
    // the scroll range turns upside down on so short a note.
    EXPECT_EQ(g["textarea"], QJsonArray({8, 28, 286, 28}));
    EXPECT_EQ(g["scrollrange"], QJsonArray({286, 30, 300, 16}));
    EXPECT_EQ(g["thumb"], QJsonArray({286, 6, 300, 16}));
    EXPECT_EQ(Drawn(g), "10011010000000");
}

TEST(GeometryCommand, StateOptionsChangeTheAnswer) {
    struct Case {
        const char* name;
        QStringList sets;
        bool scrollbarRequired;
        const char* drawn;
    };
    const Case cases[] = {
        {"narrow note hides the big group", {"width=200"}, false, "00011010110001"},
        {"focus shows the tiles", {"focus=1"}, false, "10011011110101"},
        {"scroll bar box", {"scrollbar=1"}, true, "10011011110001"},
        {"scroll bar box, thumb covers the range",
         QStringList{"scrollbar=1", "scrolltop=0", "scrollbottom=100"}, false, "10011011110001"},
        {"scroll bar box past the layout's width limit", QStringList{"scrollbar=1", "width=401"}, false,
         "10011011110011"},
        {"dark note", {"notecolour=0,0,0"}, false, "10001011110001"},
        {"stack mode counts 3", {"stackmode=1"}, false, "10111011110001"},
        {"given source wins over stack mode", {"stackmode=1", "source=Ivo"}, false, "10011011110001"},
        {"source set to 3", {"source=3"}, false, "10111011110001"},
    };
    for (const Case& c : cases) {
        QStringList args{kSkin};
        for (const QString& set : c.sets)
            args << "--set" << set;
        const QJsonObject g = Geometry(args);
        EXPECT_EQ(g["scrollbarrequired"].toBool(), c.scrollbarRequired) << c.name;
        EXPECT_EQ(Drawn(g), c.drawn) << c.name;
    }
}

TEST(GeometryCommand, StackModeFollowsTheSkin) {
    const auto count3 = [](const QJsonObject& g) {
        return g["elements"].toArray().at(0).toObject().value("drawn");
    };
    EXPECT_EQ(count3(Geometry({kStackSkin})), QJsonValue(true));
    EXPECT_EQ(count3(Geometry({kStackSkin, "--set", "stackmode=0"})), QJsonValue(false));
    const QJsonObject g = Geometry({kStackSkin});
    EXPECT_EQ(g["activelayout"], QJsonValue(-1));
    // The default layout on the 300 by 100 note.
    EXPECT_EQ(g["scrollrange"], QJsonArray({290, 25, 300, 100}));
    EXPECT_EQ(g["thumb"], QJsonArray({290, 43, 300, 100}));
    EXPECT_EQ(g["textarea"], QJsonArray({10, 25, 290, 90}));
}

// The note's size and scroll position take any 32-bit integer, as the designer's boxes do.
TEST(GeometryCommand, SizeAndScrollAreFreeIntegers) {
    const QJsonObject g = Geometry({kStackSkin, "--set", "width=-50", "--set", "height=10000", "--set",
                                    "scrolltop=-5", "--set", "scrollbottom=120"});
    EXPECT_EQ(g["textarea"], QJsonArray({10, 25, -60, 9990}));
    EXPECT_EQ(g["scrollrange"], QJsonArray({-60, 25, -50, 10000}));
    // The range is 9975 high: the thumb runs from 5 % above it to 20 % below it.
    EXPECT_EQ(g["thumb"], QJsonArray({-60, 25 - 498, -50, 25 + 11970}));
    const QJsonObject huge =
        Geometry({kStackSkin, "--set", "width=2147483647", "--set", "height=-2147483648"});
    EXPECT_EQ(huge["textarea"].toArray().at(2), QJsonValue(2147483637));
}

TEST(GeometryCommand, Errors) {
    struct Case {
        QStringList args;
        int status;
        const char* mentions;
    };
    const Case cases[] = {
        {{kSkin, "--set", "bogus=1"}, 2, "bogus"},
        {{kSkin, "--set", "width=abc"}, 2, "width"},
        {{kSkin, "--set", "width=12x"}, 2, "width"},
        {{kSkin, "--set", "width= 12"}, 2, "width"},
        {{kSkin, "--set", "height="}, 2, "height"},
        {{kSkin, "--set", "height=2147483648"}, 2, "height"},
        {{kSkin, "--set", "scrollbottom=1e3"}, 2, "scrollbottom"},
        {{kSkin, "--set", "dpi="}, 2, "dpi"},
        {{kSkin, "--set", "rolled=yes"}, 2, "rolled"},
        {{kSkin, "--set", "stackmode=2"}, 2, "stackmode"},
        {{kSkin, "--set", "notecolour=1,2"}, 2, "notecolour"},
        {{kSkin, "--set", "pencolour=1,2,256"}, 2, "pencolour"},
        {{kSkin, "--set", "scrolltop"}, 2, "scrolltop"},
        {{kSkin, "--set"}, 2, "--set"},
        {{kSkin, "--frob"}, 2, "--frob"},
        {{}, 2, "SKIN"},
        {{kSkin, kSkin}, 2, "SKIN"},
        {{DRAPIER_TEST_DATA "/geometry/missing.ini"}, 1, "missing.ini"},
    };
    for (const Case& c : cases)
        ExpectCliError(QStringList{"geometry"} + c.args, c.status, QString::fromUtf8(c.mentions));
}
