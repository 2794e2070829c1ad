#include "CliExpect.h"
#include "render/StateSheet.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kRich = QStringLiteral(DRAPIER_EXAMPLES "/rich/rich.ini");
const QString kStack = QStringLiteral(DRAPIER_EXAMPLES "/stack/paperpile.ini");

QImage RunForPicture(const QStringList& args, const QString& out) {
    QFile::remove(out);
    const CliResult r = RunCli(args + QStringList{"-o", out});
    EXPECT_EQ(r.status, 0) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

// Every cell of the sheet is what render --area draws for its state and size.
void ExpectCellsAsRendered(const QString& skin, const QStringList& sheetArgs, const QStringList& rowSets,
                           const std::vector<SheetSize>& sizes, const QStringList& extra = {}) {
    QTemporaryDir dir;
    const QImage sheet =
        RunForPicture(QStringList{"sheet", skin} + sheetArgs + extra, dir.filePath("sheet.png"));
    const StateSheetGrid grid(static_cast<int>(rowSets.size()), sizes);
    ASSERT_EQ(sheet.size(), QSize(static_cast<int>(grid.Width()), static_cast<int>(grid.Height())));
    for (int r = 0; r < rowSets.size(); ++r) {
        for (int c = 0; c < static_cast<int>(sizes.size()); ++c) {
            const SheetSize size = sizes[static_cast<size_t>(c)];
            QStringList args{"render", skin,
                             "--area", QStringLiteral("%1x%2").arg(size.width + 20).arg(size.height + 20),
                             "--set",  QStringLiteral("width=%1").arg(size.width),
                             "--set",  QStringLiteral("height=%1").arg(size.height)};
            // The row's own value last: the last value of a key counts.
            args += extra;
            if (!rowSets[r].isEmpty())
                args << "--set" << rowSets[r];
            const QImage cell = RunForPicture(args, dir.filePath("cell.png"));
            const CanvasRect at = grid.Cell(r, c);
            EXPECT_EQ(sheet.copy(at.left, at.top, at.Width(), at.Height()), cell)
                << rowSets[r].toStdString() << " at " << size.width << "x" << size.height;
        }
    }
}

} // namespace

TEST(SheetCli, DefaultRowsAndColumns) {
    const CliResult states = RunCli({"sheet", kRich, "--states", "help"});
    ASSERT_EQ(states.status, 0) << states.err.toStdString();
    EXPECT_EQ(states.out, "base\nrolled\nfocus\nontop\nlocked\nalarm\nuser1\nscrollbar\n");
    // The Ribbon's minimum size, 300 by 100 and 600 by 200; eight rows.
    QTemporaryDir dir;
    const QImage sheet = RunForPicture({"sheet", kRich}, dir.filePath("rich.png"));
    const StateSheetGrid grid(8, {{100, 50}, {300, 100}, {600, 200}});
    EXPECT_EQ(sheet.size(), QSize(static_cast<int>(grid.Width()), static_cast<int>(grid.Height())));
    EXPECT_EQ(sheet.size(), QSize(1188, 1858));
}

TEST(SheetCli, CellsEqualRender) {
    ExpectCellsAsRendered(kRich, {"--states", "base,rolled,ALARM,scrollbar", "--sizes", "120x60,300x100"},
                          {"", "rolled=1", "alarm=1", "scrollbar=1"}, {{120, 60}, {300, 100}});
    // --set changes the base, and a row turns its box over from there.
    ExpectCellsAsRendered(kRich, {"--states", "base,focus", "--sizes", "250x90"}, {"", "focus=0"},
                          {{250, 90}}, {"--set", "focus=1", "--set", "notecolour=200,230,255"});
    // A stack skin is drawn in its own mode, as render draws it.
    ExpectCellsAsRendered(kStack, {"--states", "base,instack"}, {"", "instack=1"},
                          {{100, 50}, {300, 100}, {600, 200}});
}

TEST(SheetCli, UsageErrorsAndFailures) {
    QTemporaryDir dir;
    const QString out = dir.filePath("x.png");
    const struct {
        QStringList args;
        int status;
        const char* reason;
    } cases[] = {
        {{"sheet", kRich, "-o", out, "--states", "base,nosuch"}, 2, "unknown state 'nosuch'"},
        {{"sheet", kRich, "-o", out, "--states", "width"}, 2, "unknown state 'width'"},
        {{"sheet", kRich, "-o", out, "--states", ""}, 2, "unknown state ''"},
        {{"sheet", kRich, "-o", out, "--states", "help,base"}, 2, "unknown state 'help'"},
        {{"sheet", kRich, "-o", out, "--sizes", "0x50"}, 2, "--sizes"},
        {{"sheet", kRich, "-o", out, "--sizes", "300x100,10000x5"}, 2, "--sizes"},
        {{"sheet", kRich, "-o", out, "--sizes", "300x100,"}, 2, "--sizes"},
        {{"sheet", kRich, "-o", out, "--sizes", "300 by 100"}, 2, "--sizes"},
        {{"sheet", kRich}, 2, "needs -o"},
        {{"sheet", "-o", out}, 2, "needs a SKIN"},
        {{"sheet", kRich, "-o", out, "--set", "nosuchkey=1"}, 2, "unknown key"},
        {{"sheet", kRich, "-o", out, "--area", "30x30"}, 2, "unknown option"},
        {{"sheet", dir.filePath("missing.ini"), "-o", out}, 1, "missing.ini"},
        {{"sheet", kRich, "-o", out, "--sizes", "9999x9999,9999x9999"}, 1, "cannot be made"},
        {{"sheet", kRich, "-o", dir.filePath("no/such/folder/x.png")}, 1, "cannot write"},
    };
    for (const auto& c : cases)
        ExpectCliError(c.args, c.status, QString::fromUtf8(c.reason));
    EXPECT_FALSE(QFile::exists(out));
}
