#pragma once

#include <QProgressDialog>

struct CatalogueProgress;

// The window shown while the catalogue is written: the package just done, how far the run is, and a
// Cancel button. It keeps the program's windows answering between the writer's reports. With the
// gallery page, the page is one more step after the packages.
class CatalogueProgressDlg : public QProgressDialog {
    Q_OBJECT
public:
    CatalogueProgressDlg(int total, bool pageStep, QWidget* parent);

    // Shows the report and lets the windows catch up; false once Cancel was pressed.
    bool Report(const CatalogueProgress& progress);
    // Lets the windows catch up while a package takes long; false once Cancel was pressed.
    bool KeepAnswering();
    // The page is being written; then it is done, the last step.
    void ReportPageStarted();
    void ReportPageDone();

signals:
    // Each report, before Cancel is looked at: the steps done and all steps.
    void Reported(int done, int total);
};
