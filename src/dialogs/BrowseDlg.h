#pragma once

#include "widgets/ResizingDialog.h"

#include <QString>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class Prompter;
struct CatalogueResult;

// "Browse skins": the skin files and packages of one folder. Selecting one asks the owner to show it;
// "&Write DB/pngs" (or Ctrl+Q) writes the folder's catalogue of packages, with a progress window, and
// with "Also write a gallery page (index.html)" checked the folder's gallery page as its last step.
class QBrowseDlg : public CResizingDialog {
    Q_OBJECT
public:
    QBrowseDlg(const QString& folder, Prompter& prompter, QWidget* parent = nullptr);

    const QString& Folder() const { return m_folder; }
    QListWidget* List() const { return m_list; }
    // Lists the folder anew; nothing is selected afterwards.
    void Refresh();
    // Writes the catalogue of the listed packages.
    void WriteCatalogue();
    // Packages the writer works on at once; 0 (the start value) is one per core.
    void SetJobs(int jobs) { m_jobs = jobs; }

signals:
    // The full path of the entry just selected.
    void EntrySelected(const QString& path);
    // During a catalogue run, after every package.
    void CatalogueProgressed(int done, int total);
    // After a catalogue run, cancelled or not.
    void CatalogueRunEnded(const CatalogueResult& result);

protected:
    void done(int result) override;

private:
    void ShowSelected();
    void ReportRun(const CatalogueResult& result);

    QString m_folder;
    Prompter& m_prompter;
    QLabel* m_folderLabel = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_refresh = nullptr;
    QPushButton* m_write = nullptr;
    QCheckBox* m_writePage = nullptr;
    int m_jobs = 0;
    bool m_writing = false;
};
