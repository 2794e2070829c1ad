#include "CliExpect.h"

#include "document/SkinDocument.h"
#include "document/SkinWriter.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PiecesCli : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // A skin over a 64 by 40 sheet whose background is `background` (transparent or a colour), with
    // three pieces; the sheet is written in the format its file name ends in.
    QString Skin(const QString& sheetName, QColor background,
                 const std::function<void(SkinDocument&)>& change) {
        SkinDocument d;
        d.settings.skinname = "Pieces";
        change(d);
        const QString path = dir.filePath(sheetName.section('.', 0, 0) + ".ini");
        QString error;
        EXPECT_TRUE(WriteSkinFile(d, path, sheetName, &error)) << error.toStdString();
        QImage sheet(64, 40, QImage::Format_ARGB32);
        sheet.fill(background);
        QPainter painter(&sheet);
        painter.fillRect(QRect(40, 2, 20, 10), QColor(10, 200, 30)); // the first by its top
        painter.fillRect(QRect(2, 4, 8, 8), QColor(10, 20, 200));
        painter.fillRect(QRect(10, 12, 4, 4), QColor(10, 20, 200));  // touches the one above at a corner
        painter.fillRect(QRect(0, 30, 64, 10), QColor(200, 20, 10)); // along the bottom edge
        painter.end();
        // Opaque backgrounds make a picture without alpha.
        if (background.alpha() == 255)
            sheet = sheet.convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(sheet.save(dir.filePath(sheetName)));
        return path;
    }

    QTemporaryDir dir;
};

void AddButton(SkinDocument& d, const QString& name, SourcePoint source, SourcePoint rollover, BoxSize size) {
    SkinElement e = SkinElement::Make(ElementKind::Button);
    e.SetName(name);
    e.As<ButtonRecord>()->source = source;
    e.As<ButtonRecord>()->sourcerollover = rollover;
    e.As<ButtonRecord>()->size = size;
    d.Append(std::move(e));
}

} // namespace

TEST_F(PiecesCli, EveryPieceInReadingOrderWithTheElementsUsingIt) {
    const QString skin = Skin("sheet.png", Qt::transparent, [](SkinDocument& d) {
        AddButton(d, "Close", {40, 2}, {0, 30}, {20, 10}); // its rollover meets the bottom piece
        AddButton(d, "Grip", {12, 14}, {-1, -1}, {2, 2});
        AddButton(d, "Off", {100, 100}, {-1, -1}, {4, 4}); // off the sheet
    });
    const CliResult text = RunCli({"pieces", skin});
    EXPECT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_EQ(text.out, "40,2 20x10: Close\n"
                        "2,4 12x12: Grip\n"
                        "0,30 64x10: Close\n");
    EXPECT_TRUE(text.err.isEmpty());

    const CliResult json = RunCli({"pieces", skin, "--json"});
    EXPECT_EQ(json.status, 0);
    const QJsonArray list = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_EQ(list.size(), 3);
    const QJsonObject second = list[1].toObject();
    EXPECT_EQ(second["x"].toInt(), 2);
    EXPECT_EQ(second["y"].toInt(), 4);
    EXPECT_EQ(second["width"].toInt(), 12);
    EXPECT_EQ(second["height"].toInt(), 12);
    EXPECT_EQ(second["elements"].toArray(), QJsonArray{"Grip"});
    EXPECT_EQ(list[2].toObject()["elements"].toArray(), QJsonArray{"Close"});
}

TEST_F(PiecesCli, KeyedAndRegionColouredSheetsAndSheetsWithoutPieces) {
    // A BMP keyed by the skin's transparent colour, and a PNG without alpha on the region colour: the
    // same pieces as on a transparent sheet.
    const QColor magenta(254, 0, 254);
    const QString keyed =
        Skin("keyed.bmp", magenta, [](SkinDocument& d) { d.settings.transparent = MakeColour(254, 0, 254); });
    const QString region =
        Skin("region.png", magenta, [](SkinDocument& d) { d.settings.region = MakeColour(254, 0, 254); });
    for (const QString& skin : {keyed, region}) {
        const CliResult r = RunCli({"pieces", skin});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, "40,2 20x10:\n2,4 12x12:\n0,30 64x10:\n") << skin.toStdString();
    }
    // Without any key an opaque sheet is one piece.
    const QString opaque = Skin("opaque.bmp", magenta, [](SkinDocument&) {});
    EXPECT_EQ(RunCli({"pieces", opaque}).out, "0,0 64x40:\n");

    // Nothing drawn: no line, an empty list.
    SkinDocument empty;
    const QString blank = dir.filePath("blank.ini");
    ASSERT_TRUE(WriteSkinFile(empty, blank, "blank.png", nullptr));
    QImage clear(16, 16, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    ASSERT_TRUE(clear.save(dir.filePath("blank.png")));
    const CliResult none = RunCli({"pieces", blank});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(QJsonDocument::fromJson(RunCli({"pieces", blank, "--json"}).out.toUtf8()).array().size(), 0);

    // No picture, no skin, no argument.
    QFile::remove(dir.filePath("blank.png"));
    const CliResult missing = RunCli({"pieces", blank});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains("has no picture to find pieces in")) << missing.err.toStdString();
    ExpectCliError({"pieces", dir.filePath("missing.ini")}, 1);
    ExpectCliError({"pieces"}, 2);
    ExpectCliError({"pieces", blank, "--frame"}, 2);
}
