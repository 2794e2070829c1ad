#include "EditingFixture.h"
#include "designer/CommandIds.h"
#include "dialogs/CTimeConverterDlg.h"
#include "document/StoredTime.h"
#include "support/TestZones.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Run in each test zone: the pickers follow local time, on both sides of UTC.
TEST(ZonedTimeConverter, BothDirectionsWithoutFeedback) {
    QCTimeConverterDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "CTime conversion");
    QLineEdit* number = dialog.NumberBox();
    QDateEdit* date = dialog.DatePicker();
    QTimeEdit* time = dialog.TimePicker();
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_EQ(labels, (QStringList{"CTime:", "Date:", "Time:"}));

    QSignalSpy dateChanges(date, &QDateEdit::dateChanged);
    QSignalSpy timeChanges(time, &QTimeEdit::timeChanged);
    QSignalSpy numberChanges(number, &QLineEdit::textChanged);

    // Number to pickers: typed digit by digit, the box keeps exactly what was typed (30 seconds
    // included) and the pickers follow without raising their own notifications.
    number->clear();
    QTest::keyClicks(number, "1234567890");
    EXPECT_EQ(number->text(), "1234567890");
    const QDateTime moment = StoredTimeToLocal(1234567890);
    EXPECT_EQ(date->date(), moment.date());
    EXPECT_EQ(time->time(), moment.time());
    EXPECT_EQ(time->time().second(), 30);
    EXPECT_EQ(dateChanges.count(), 0);
    EXPECT_EQ(timeChanges.count(), 0);

    // Text that is no number shows the moment 0 (31 December 1969 west of UTC).
    number->setText("later");
    EXPECT_EQ(QDateTime(date->date(), time->time()), StoredTimeToLocal(0));
    if (const TestZone* zone = CurrentTestZone()) {
        EXPECT_EQ(QDateTime(date->date(), time->time()).toString("yyyy-MM-dd HH:mm:ss"), zone->zeroText);
    }

    // Pickers to number: whole minutes, written once, and the pickers are not set back.
    number->setText("1234567890");
    numberChanges.clear();
    const QDate nextDay = moment.date().addDays(1);
    date->setDate(nextDay);
    const StoredTimeResult expected =
        StoredTimeFromLocal(nextDay, moment.time().hour(), moment.time().minute());
    ASSERT_TRUE(expected.Ok());
    EXPECT_EQ(number->text(), QString::number(expected.value));
    EXPECT_EQ(expected.value % 60, 0);
    EXPECT_EQ(numberChanges.count(), 0);
    EXPECT_EQ(time->time(), moment.time());
    EXPECT_EQ(date->date(), nextDay);

    time->setTime(QTime(6, 5, 0));
    EXPECT_EQ(number->text(), QString::number(StoredTimeFromLocal(nextDay, 6, 5).value));

    // A date before 1900 or past what a stored time holds leaves the box as it was.
    const QString before = number->text();
    date->setDate(QDate(1899, 6, 1));
    EXPECT_EQ(number->text(), before);
    date->setDate(QDate(2100, 6, 1));
    EXPECT_EQ(number->text(), before);
}

using TimeConverterWindow = EditingWindow;

TEST_F(TimeConverterWindow, OpensFromTheEditMenu) {
    ASSERT_TRUE(window->HasCommand(Command::TimeConverter));

    QString title;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* converter = qobject_cast<QCTimeConverterDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(converter, nullptr);
        title = converter->windowTitle();
        modal = converter->isModal();
        // It opens on the present moment.
        const qint64 shown = converter->NumberBox()->text().toLongLong();
        EXPECT_LE(std::abs(shown - QDateTime::currentSecsSinceEpoch()), 60);
        converter->accept();
    });
    window->RunCommand(Command::TimeConverter);
    EXPECT_EQ(title, "CTime conversion");
    EXPECT_TRUE(modal);
}

TEST(TimeConverter, PickersShowFullYearsAndSeconds) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    {
        QCTimeConverterDlg dialog;
        EXPECT_EQ(dialog.DatePicker()->displayFormat(), "M/d/yyyy");
        EXPECT_EQ(dialog.TimePicker()->displayFormat(), "h:mm:ss AP");
    }
    QLocale::setDefault(before);
}

} // namespace
