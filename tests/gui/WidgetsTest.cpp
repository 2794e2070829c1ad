#include "widgets/BitmapMenu.h"
#include "widgets/FooButton.h"
#include "widgets/HyperLink.h"
#include "widgets/IntegerBox.h"
#include "widgets/NudgeKeys.h"
#include "widgets/ResizingDialog.h"
#include "widgets/TreeCtrlEx.h"

#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

QIcon SolidIcon(QColor colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

QRgb IconPixel(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage().pixel(8, 8);
}

TEST(BitmapMenu, ItemsTakeTheirRowsPicturesAndCheckedOnesTheCheckMark) {
    const QList<QIcon> strip = {SolidIcon(Qt::red), SolidIcon(Qt::green), SolidIcon(Qt::blue)};
    CBitmapMenu pictures(strip, {{10, 0, -1}, {11, 1, 0}, {-1, -1, 2}});
    QMenu menu;
    QAction* plain = menu.addAction("plain");
    plain->setData(10);
    QAction* own = menu.addAction("own checked picture");
    own->setData(11);
    own->setCheckable(true);
    QAction* other = menu.addAction("no row");
    other->setData(12);
    other->setCheckable(true);
    menu.addSeparator();

    pictures.Attach(&menu);
    EXPECT_EQ(IconPixel(plain->icon()), QColor(Qt::red).rgb());
    EXPECT_EQ(IconPixel(own->icon()), QColor(Qt::green).rgb());
    EXPECT_TRUE(other->icon().isNull());

    own->setChecked(true);
    other->setChecked(true);
    pictures.ApplyPictures(&menu);
    EXPECT_EQ(IconPixel(own->icon()), QColor(Qt::red).rgb());
    EXPECT_EQ(IconPixel(other->icon()), QColor(Qt::blue).rgb());
    EXPECT_EQ(FindCommand(&menu, 12), other);
    EXPECT_EQ(FindCommand(&menu, 99), nullptr);
}

TEST(FooButton, TransparentColourAndMenuPlace) {
    QImage picture(4, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 255, 255));
    picture.setPixel(1, 0, qRgb(254, 255, 255));
    picture.setPixel(2, 0, qRgb(0, 0, 0));
    picture.setPixel(3, 0, qRgb(255, 255, 255));
    const QImage keyed = WithTransparentColour(picture, Qt::white);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(1, 0)), 255);
    EXPECT_EQ(qAlpha(keyed.pixel(2, 0)), 255);
    EXPECT_EQ(qAlpha(keyed.pixel(3, 0)), 0);

    QWidget window;
    auto* button = new FooButton("New", &window);
    button->setGeometry(20, 30, 80, 24);
    window.show();
    EXPECT_EQ(button->MenuPosition(), button->mapToGlobal(QPoint(0, 24)));
    EXPECT_EQ(button->ShowAttachedMenu(), 0); // nothing attached
    EXPECT_FALSE(button->autoDefault());
}

TEST(HyperLink, ColoursFollowVisitAndHover) {
    CHyperLink link("site");
    link.SetLink(QUrl("https://quarvel.example/"));
    EXPECT_EQ(link.toolTip(), "https://quarvel.example/");
    EXPECT_EQ(link.TextColour(), QColor(0, 0, 238));
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);

    QStringList errors;
    link.SetReporter([&](const QString& text) { errors << text; });
    link.SetOpener([](const QUrl&) { return ShellError::NoAssociation; });
    link.Open();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0],
              "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename "
              "extension.");
    EXPECT_FALSE(link.IsVisited());

    QUrl opened;
    link.SetOpener([&](const QUrl& url) {
        opened = url;
        return CHyperLink::kLinkOpened;
    });
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(opened, QUrl("https://quarvel.example/"));
    EXPECT_TRUE(link.IsVisited());
    EXPECT_EQ(link.TextColour(), QColor(85, 26, 139));
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(85, 26, 139));
    EXPECT_EQ(errors.size(), 1);
}

TEST(HyperLink, ErrorTexts) {
    const struct {
        int code;
        QString reason;
    } cases[] = {
        {ShellError::OutOfMemory, "The operating system is out\nof memory or resources."},
        {ShellError::PathNotFound, "The specified path was not found."},
        {ShellError::FileNotFound, "The specified file was not found."},
        {ShellError::AccessDenied, "The operating system denied\naccess to the specified file."},
        {ShellError::DdeTimeout,
         "The DDE transaction could not\nbe completed because the request timed out."},
        {ShellError::Share, "A sharing violation occurred. "},
        {1234, "Unknown Error (1234) occurred."},
    };
    for (const auto& test : cases)
        EXPECT_EQ(HyperlinkErrorText(test.code), "Unable to open hyperlink:\n\n" + test.reason) << test.code;
}

class SizedDialog : public CResizingDialog {
public:
    explicit SizedDialog(bool growWidth) {
        auto* layout = new QVBoxLayout(this);
        auto* body = new QWidget(this);
        body->setMinimumSize(200, 100);
        layout->addWidget(body);
        InitResizing();
        SetGrowth(growWidth, true);
    }
};

TEST(IntegerBox, TypingIsFreeAndTheArrowsKeepToTheirRange) {
    IntegerBox box;
    box.SetArrowRange(0, 100);
    int changes = 0;
    QObject::connect(&box, &IntegerBox::Changed, [&] { ++changes; });

    const struct {
        const char* text;
        int value;
        bool integer;
    } typed[] = {
        {"120", 120, true}, {"-40", -40, true}, {"", 0, false},
        {"abc", 0, false},  {"12x", 12, false}, {"99999999999", 2147483647, false},
    };
    for (const auto& t : typed) {
        box.findChild<QLineEdit*>()->clear();
        QTest::keyClicks(&box, t.text);
        EXPECT_EQ(box.text(), t.text);
        EXPECT_EQ(box.Value(), t.value) << t.text;
        EXPECT_EQ(box.HoldsInteger(), t.integer) << t.text;
    }
    EXPECT_GT(changes, 0);

    const struct {
        int start;
        int steps;
        int value;
    } arrows[] = {{50, 1, 51}, {100, 1, 100}, {0, -1, 0}, {120, 1, 100}, {-40, 1, 0}, {120, -1, 100}};
    for (const auto& a : arrows) {
        box.SetValue(a.start);
        box.stepBy(a.steps);
        EXPECT_EQ(box.Value(), a.value) << a.start << " " << a.steps;
    }
}

TEST(NudgeKeys, ArrowsMoveShiftTakesTenAltResizes) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::optional<Nudge> nudge;
    };
    const Qt::KeyboardModifiers none;
    const Case cases[] = {
        {Qt::Key_Left, none, Nudge{-1, 0, false}},
        {Qt::Key_Right, Qt::ShiftModifier, Nudge{10, 0, false}},
        {Qt::Key_Up, Qt::AltModifier, Nudge{0, -1, true}},
        {Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier, Nudge{0, 10, true}},
        {Qt::Key_Down, Qt::KeypadModifier, Nudge{0, 1, false}},
        {Qt::Key_Left, Qt::ControlModifier, std::nullopt},
        {Qt::Key_A, none, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const std::optional<Nudge> got = NudgeForKey(c.key, c.modifiers);
        ASSERT_EQ(got.has_value(), c.nudge.has_value());
        if (got) {
            EXPECT_EQ(got->dx, c.nudge->dx);
            EXPECT_EQ(got->dy, c.nudge->dy);
            EXPECT_EQ(got->resize, c.nudge->resize);
        }
    }
}

TEST(ResizingDialog, StartSizeIsSmallestAndGrowthFlagsHold) {
    SizedDialog dialog(false);
    const QSize start = dialog.SmallestSize();
    EXPECT_EQ(dialog.size(), start);
    dialog.show();
    dialog.resize(start.width() - 50, start.height() - 50);
    EXPECT_EQ(dialog.size(), start);
    dialog.resize(start.width() + 100, start.height() + 100);
    EXPECT_EQ(dialog.width(), start.width());
    EXPECT_EQ(dialog.height(), start.height() + 100);
}

TEST(TreeCtrlEx, ItemsKeepTheirOwnColourAndFont) {
    CTreeCtrlEx tree;
    auto* item = new QTreeWidgetItem(&tree, {"item"});
    EXPECT_EQ(tree.ItemColour(item), tree.palette().color(QPalette::Text));
    QFont bold = tree.font();
    bold.setBold(true);
    tree.SetItemColour(item, QColor(128, 128, 128), bold);
    EXPECT_EQ(tree.ItemColour(item), QColor(128, 128, 128));
    EXPECT_TRUE(item->font(0).bold());
    tree.SetItemColour(item, std::nullopt);
    EXPECT_EQ(tree.ItemColour(item), tree.palette().color(QPalette::Text));
    EXPECT_FALSE(item->font(0).bold());
}

} // namespace

#include "dialogs/AboutDlg.h"

#include <QLabel>

namespace {

TEST(AboutDlg, TitleCreditAndLink) {
    QAboutDlg about{QIcon()};
    EXPECT_EQ(about.windowTitle(), "About Drapier");
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(
        "Skins written with this version of Drapier require Pinlets v10.1a to ensure they work correctly."));
    ASSERT_NE(about.Link(), nullptr);
    EXPECT_FALSE(about.Link()->Link().isEmpty());
}

} // namespace
