#include "dialogs/CatalogueProgressDlg.h"

#include "catalogue/CatalogueWriter.h"

#include <QCoreApplication>

CatalogueProgressDlg::CatalogueProgressDlg(int total, bool pageStep, QWidget* parent)
    : QProgressDialog(parent) {
    setObjectName(QStringLiteral("catalogueProgress"));
    setWindowTitle(QStringLiteral("Write DB/pngs"));
    setLabelText(QStringLiteral("Starting..."));
    setCancelButtonText(QStringLiteral("Cancel"));
    setRange(0, total + (pageStep ? 1 : 0));
    setValue(0);
    // Modal over the browser and the main window, so nothing there can be pressed meanwhile.
    setWindowModality(Qt::WindowModal);
    setMinimumDuration(0);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumWidth(360);
}

bool CatalogueProgressDlg::Report(const CatalogueProgress& progress) {
    setLabelText(QStringLiteral("%1 of %2: %3").arg(progress.done).arg(progress.total).arg(progress.name));
    setValue(progress.done);
    emit Reported(progress.done, maximum());
    return KeepAnswering();
}

void CatalogueProgressDlg::ReportPageStarted() {
    setLabelText(QStringLiteral("Writing the gallery page (index.html)..."));
    // The page takes a moment for thousands of packages; the label shows before it starts.
    QCoreApplication::processEvents();
}

void CatalogueProgressDlg::ReportPageDone() {
    setValue(maximum());
    emit Reported(maximum(), maximum());
}

bool CatalogueProgressDlg::KeepAnswering() {
    QCoreApplication::processEvents();
    return !wasCanceled();
}
