#include "dialogs/CTimeConverterDlg.h"

#include "document/StoredTime.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <limits>

namespace {

// The locale's short time with seconds, so a stored time that is not a whole minute shows as it is.
QString TimeFormatWithSeconds(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(u's'))
        format.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
    return format;
}

// The locale's short date with the year in full: the moments here span 1901 to 2038, which two digits
// of year cannot tell apart.
QString DateFormatWithFullYear(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

} // namespace

QCTimeConverterDlg::QCTimeConverterDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("CTime conversion"));
    const QLocale locale;

    m_number = new QLineEdit(this);
    m_number->setObjectName(QStringLiteral("ctime"));
    m_date = new QDateEdit(this);
    m_date->setObjectName(QStringLiteral("date"));
    m_date->setDisplayFormat(DateFormatWithFullYear(locale));
    m_date->setCalendarPopup(true);
    m_time = new QTimeEdit(this);
    m_time->setObjectName(QStringLiteral("time"));
    m_time->setDisplayFormat(TimeFormatWithSeconds(locale));

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("CTime:"), m_number);
    fields->addRow(QStringLiteral("Date:"), m_date);
    fields->addRow(QStringLiteral("Time:"), m_time);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Opens on the present moment, or on 0 once the present is past what a stored time holds.
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    m_number->setText(QString::number(now <= std::numeric_limits<qint32>::max() ? now : 0));
    NumberChanged(m_number->text());
    connect(m_number, &QLineEdit::textChanged, this, &QCTimeConverterDlg::NumberChanged);
    connect(m_date, &QDateEdit::dateChanged, this, &QCTimeConverterDlg::PickersChanged);
    connect(m_time, &QTimeEdit::timeChanged, this, &QCTimeConverterDlg::PickersChanged);
}

void QCTimeConverterDlg::NumberChanged(const QString& text) {
    const QDateTime local = StoredTimeToLocal(StoredTimeFromText(text));
    // Setting the pickers must not write the box back: that would round a number that is no whole
    // minute while it is being typed.
    const QSignalBlocker blockDate(m_date);
    const QSignalBlocker blockTime(m_time);
    m_date->setDate(local.date());
    m_time->setTime(local.time());
}

void QCTimeConverterDlg::PickersChanged() {
    const QTime time = m_time->time();
    const StoredTimeResult result = StoredTimeFromLocal(m_date->date(), time.hour(), time.minute());
    // A local time no stored time stands for leaves the box as it was.
    if (!result.Ok())
        return;
    const QSignalBlocker blockNumber(m_number);
    m_number->setText(QString::number(result.value));
}
