#pragma once

#include "picture/Canvas.h"
#include "render/NoteSettings.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

class Prompter;
class QLabel;
class QPushButton;
class QScrollArea;
struct SkinDocument;

// The state sheet window: the skin's preview in every state it reacts to and at three note sizes, kept
// in step with the document as it is edited. It only reads the document it is given; the main window
// says when that document changed.
class QStateSheetDlg : public QDialog {
    Q_OBJECT
public:
    // baseSettings gives the note settings of the sheet's "base" row each time the sheet is drawn.
    QStateSheetDlg(const SkinDocument& document, std::function<NoteSettings()> baseSettings,
                   Prompter& prompter, QWidget* parent = nullptr);

    // The document changed: the sheet is drawn again once control returns to the event loop, at most
    // every kRedrawInterval ms; while the window is hidden, only when it is shown again.
    void DocumentChanged();
    // Draws the sheet at once; the first drawing also sizes the window to the sheet, so call this before
    // the window is first shown.
    void DrawNow();
    // The file name "Export PNG…" proposes, asked for at each export.
    void SetExportName(std::function<QString()> name) { m_exportName = std::move(name); }

    // Asks for a file and writes the whole sheet to it as a PNG; false when cancelled or not written.
    bool ExportPng();

    const Canvas& Sheet() const { return m_sheet; }
    QPushButton* ExportButton() const { return m_export; }

    static constexpr int kRedrawInterval = 100;

signals:
    // The sheet was drawn again.
    void Redrawn();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FitToSheet();

    const SkinDocument& m_document;
    std::function<NoteSettings()> m_baseSettings;
    Prompter& m_prompter;
    std::function<QString()> m_exportName;
    Canvas m_sheet;
    bool m_stale = true;
    bool m_sized = false;
    QTimer m_timer;
    QElapsedTimer m_sinceRedraw;
    QScrollArea* m_scroll = nullptr;
    QLabel* m_picture = nullptr;
    QLabel* m_failure = nullptr;
    QPushButton* m_export = nullptr;
};
