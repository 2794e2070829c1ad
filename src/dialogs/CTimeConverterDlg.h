#pragma once

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QTimeEdit;

// "CTime conversion": a stored note time (seconds since 1970, UTC) in one box and the same moment as
// local date and time in two pickers; editing either side updates the other. It has no result.
class QCTimeConverterDlg : public QDialog {
    Q_OBJECT
public:
    explicit QCTimeConverterDlg(QWidget* parent = nullptr);

    QLineEdit* NumberBox() const { return m_number; }
    QDateEdit* DatePicker() const { return m_date; }
    QTimeEdit* TimePicker() const { return m_time; }

private:
    void NumberChanged(const QString& text);
    void PickersChanged();

    QLineEdit* m_number;
    QDateEdit* m_date;
    QTimeEdit* m_time;
};
