// The main window's side of browsing a folder of skins: the command, showing a browsed skin, and what a
// catalogue run leaves in the note settings.
#include "designer/DrapierDlg.h"

#include "catalogue/CatalogueWriter.h"
#include "designer/NoteSettingsBox.h"
#include "designer/SkinPaths.h"
#include "designer/WindowTitle.h"
#include "dialogs/BrowseDlg.h"
#include "dialogs/DialogPlacement.h"
#include "document/SkinLoader.h"
#include "document/StyleString.h"
#include "package/FilePaths.h"
#include "widgets/Prompter.h"

void CDrapierDlg::FileBrowse() {
    // Cancel, or a save that did not happen, stops here with the changes kept and still marked.
    if (!SavePromptAllowsGoingOn())
        return;
    const QString folder = m_prompter.ChooseFolder(this, BrowseStartFolder(m_browseFolder));
    if (folder.isEmpty())
        return;
    m_browseFolder = folder;

    // What the browser replaces in the window, to be put back when it closes.
    const QString skinPath = m_skinPath;
    const QString pngPath = m_pngPath;
    const ImageSurface sourceImage = m_sourceImage;
    const Colour sticky = m_noteBox->StickyColour();

    QBrowseDlg browser(folder, m_prompter, this);
    // The browser shares the element dialogs' place: it opens where the last of them was closed.
    PlaceDialog(&browser, this, m_dialogOffset);
    connect(&browser, &QBrowseDlg::EntrySelected, this, &CDrapierDlg::ShowBrowsedSkin);
    connect(&browser, &QBrowseDlg::CatalogueRunEnded, this, &CDrapierDlg::ShowCatalogueTexts);
    browser.exec();
    QPoint offset;
    if (DialogOffset(&browser, this, &offset))
        m_dialogOffset = offset;

    m_noteBox->SetStickyColour(sticky);
    // The skin that was current comes back from its file; what the browser showed is not a change, and
    // unsaved changes were given up at the prompt.
    MarkClean();
    if (skinPath.isEmpty()) {
        FileNew();
        m_pngPath = pngPath;
        m_sourceImage = sourceImage;
        RefreshSourceView(true);
        WatchDocumentFiles(false);
    } else {
        m_skinPath = skinPath;
        FileReopen();
    }
}

void CDrapierDlg::ShowBrowsedSkin(const QString& path) {
    // A skin that no longer loads leaves an empty document; the browser reports nothing.
    m_document.ClearElements();
    m_document.ResetSettings();
    m_document.bitmap.clear();
    m_document.image.Clear();
    m_document.keyed.Clear();
    RebuildTree();
    LoadSkin(m_document, path, QString());
    LoadSkinPicture(path);
    const QString& style = m_document.settings.defaultstyle;
    m_noteBox->SetStickyColour(style.isEmpty() ? NoteSettings().notecolour : StyleNoteColour(style));
    m_skinPath = path;
    AfterSkinLoaded();
    setWindowTitle(kProgramTitle + QStringLiteral(" - ") + LocalFileName(path));
}

void CDrapierDlg::ShowCatalogueTexts(const CatalogueResult& result) {
    NoteSettings settings = m_noteBox->Settings();
    settings.created = QStringLiteral("<Created>");
    settings.source = QStringLiteral("<Sender>");
    if (result.anyLoaded)
        settings.title = result.lastSkinName;
    m_noteBox->SetSettings(settings);
    RedrawPreviewOnly();
}
