// The main window's file commands: new, open, reopen, recent files, save, save as, export, drops, and
// the start-up load.
#include "designer/DrapierDlg.h"

#include "designer/ExportChecks.h"
#include "designer/NoteSettingsBox.h"
#include "designer/SkinPaths.h"
#include "document/SkinLoader.h"
#include "document/SkinWriter.h"
#include "document/StyleString.h"
#include "package/FilePaths.h"
#include "package/SkinPackageExport.h"
#include "render/PlaceholderText.h"
#include "widgets/Prompter.h"
#include "widgets/SaveTarget.h"

#include <QDateTime>
#include <QLocale>

namespace {

const QString kSkinFilter = QStringLiteral("ini files (*.ini)|*.ini|All files (*.*)|*.*||");
const QString kPackageFilter = QStringLiteral("qsk files (*.qsk)|*.qsk|All files (*.*)|*.*||");
const QString kPngFilter = QStringLiteral("PNG files (*.png)|*.png|All files (*.*)|*.*||");
const QString kLoadFailed =
    QStringLiteral("An error occurred loading the skin\n\nAre you sure the skin has a valid bitmap?");

constexpr int kBlankWidth = 150;
constexpr int kBlankHeight = 75;

// What the source view shows when a picture cannot be loaded: one bit per pixel, and a new picture's
// palette is black throughout.
void MakeBlankPicture(ImageSurface& picture) {
    picture.Create(kBlankWidth, kBlankHeight, 1, kImagePng);
}

} // namespace

void CDrapierDlg::StartUp(const QString& commandLinePath, SkinLoadAhead&& begun) {
    m_treeReady = false;
    RebuildTree();
    LoadDefaultSkin(m_document);
    m_skinPath.clear();
    UpdateTitle();

    NoteSettings start;
    start.created = SampleDateText(QDateTime::currentDateTime(), QLocale());
    m_noteBox->SetSettings(start);

    // A skin named on the command line that does not load leaves the default skin, untitled.
    if (!commandLinePath.isEmpty() && begun.Finish(m_document, commandLinePath, true)) {
        LoadSkinPicture(commandLinePath);
        m_skinPath = commandLinePath;
        AfterSkinLoaded();
    }
    m_treeReady = true;
    RedrawPreview();
}

void CDrapierDlg::AfterSkinLoaded() {
    if (!m_document.settings.defaultstyle.isEmpty())
        m_noteBox->SetStickyColour(StyleNoteColour(m_document.settings.defaultstyle));
    UpdateRegionSwatch();
    RebuildTree();
    ClearUndo();
    MarkClean();
    WatchDocumentFiles(true);
    const int mode = m_document.settings.mode;
    if (mode == 0 || mode == 1)
        SwitchSkinMode(mode == 1);
    else
        RedrawPreview();
}

void CDrapierDlg::LoadSkinPicture(const QString& skinPath) {
    const QString png = SiblingPath(skinPath, m_document.bitmap);
    if (!IsPackagePath(skinPath))
        return LoadSourcePng(png);
    // A file of the picture's name beside a package may be the catalogue's thumbnail of it: the package's
    // own picture is shown and drawn, and the path stays the folder's file, for "..." and Export.
    m_pngPath = png;
    m_sourceImage = SourcePictureOf(m_document);
    RefreshSourceView();
}

void CDrapierDlg::LoadSourcePng(const QString& path) {
    m_pngPath = path;
    // One picture, shared with the document; the skin's own load decoded it already where it could.
    if (LoadSourcePicture(m_document, path, m_sourceImage)) {
        RefreshSourceView(true);
        RedrawPreview();
    } else {
        MakeBlankPicture(m_sourceImage);
        RefreshSourceView(true);
    }
    WatchDocumentFiles(false);
}

void CDrapierDlg::ReloadSourcePicture(const QString& path) {
    if (!path.isEmpty()) {
        LoadSourcePng(path);
        return;
    }
    // No PNG was ever chosen: the skin drew from the built-in picture and the view showed nothing.
    SkinDocument builtIn;
    LoadDefaultSkin(builtIn);
    m_document.image = std::move(builtIn.image);
    m_document.picturePath.clear();
    m_pngPath.clear();
    m_sourceImage.Clear();
    RefreshSourceView(true);
    RedrawPreview();
    WatchDocumentFiles(false);
}

void CDrapierDlg::ChooseSourcePng() {
    const QString path = m_prompter.ChooseFileToOpen(this, kPngFilter, m_pngPath);
    if (path.isEmpty())
        return;
    BeginEdit();
    LoadSourcePng(path);
    RefreshSourceMagnifier();
    CommitEdit(QStringLiteral("Load PNG"), SelectedEntry());
}

void CDrapierDlg::LoadSkinFrom(const QString& path) {
    m_document.ClearElements();
    RebuildTree();
    if (!LoadSkin(m_document, path, QString(), true))
        m_prompter.Inform(this, kLoadFailed);
    LoadSkinPicture(path);
    m_skinPath = path;
    AfterSkinLoaded();
}

bool CDrapierDlg::SavePromptAllowsGoingOn() {
    if (!m_dirty)
        return true;
    switch (m_prompter.AskYesNoCancel(this, QStringLiteral("Save changes?"))) {
    case Prompter::Answer::Yes:
        // Going on after a save that did not happen would throw the changes away.
        return FileSave();
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Cancel:
        break;
    }
    return false;
}

void CDrapierDlg::FileNew() {
    if (!SavePromptAllowsGoingOn())
        return;
    LoadDefaultSkin(m_document);
    m_skinPath.clear();
    AfterSkinLoaded();
}

void CDrapierDlg::FileOpen() {
    if (!SavePromptAllowsGoingOn())
        return;
    const QString path = m_prompter.ChooseFileToOpen(this, kSkinFilter, QString());
    if (path.isEmpty())
        return;
    LoadSkinFrom(path);
    AddToRecentList(path);
}

void CDrapierDlg::FileReopen() {
    if (!SavePromptAllowsGoingOn())
        return;
    if (!m_skinPath.isEmpty())
        LoadSkinFrom(m_skinPath);
}

void CDrapierDlg::FileRecent(int index) {
    if (index < 0 || index >= kRecentCount || m_recent[index].isEmpty())
        return;
    if (!SavePromptAllowsGoingOn())
        return;
    const QString path = m_recent[index];
    LoadSkinFrom(path);
    AddToRecentList(path);
}

bool CDrapierDlg::WriteSkin(const QString& path) {
    QString error;
    if (WriteSkinFile(m_document, path, m_pngPath, &error)) {
        OwnFileWritten(path);
        return true;
    }
    m_prompter.Inform(this, error);
    return false;
}

bool CDrapierDlg::FileSave() {
    // Saving over a package would replace it with a plain skin file.
    if (m_skinPath.isEmpty() || IsPackagePath(m_skinPath))
        return FileSaveAs();
    if (!WriteSkin(m_skinPath))
        return false;
    MarkClean();
    return true;
}

bool CDrapierDlg::FileSaveAs() {
    const QString path = ChooseSaveTarget(m_prompter, this, kSkinFilter, SaveAsFolder(m_skinPath, m_pngPath),
                                          QStringLiteral(".ini"));
    if (path.isEmpty() || !WriteSkin(path))
        return false;
    m_skinPath = path;
    MarkClean();
    WatchDocumentFiles(false);
    AddToRecentList(path);
    return true;
}

void CDrapierDlg::FileExport() {
    const QString refusal = ExportRefusal(m_skinPath, m_pngPath);
    if (!refusal.isEmpty()) {
        m_prompter.Inform(this, refusal);
        return;
    }
    if (m_dirty) {
        // Packing the file on disk after a failed save would leave the changes out unnoticed.
        if (!m_prompter.AskOkCancel(this, kExportSaveFirst) || !FileSave())
            return;
    }
    const QString path =
        ChooseSaveTarget(m_prompter, this, kPackageFilter,
                         LocalFolder(m_skinPath) + ProposedPackageName(m_skinPath), QStringLiteral(".qsk"));
    if (path.isEmpty())
        return;
    SkinPackageSources sources;
    sources.skinPath = m_skinPath;
    sources.pngPath = m_pngPath;
    if (!m_document.settings.stackfilename.isEmpty())
        sources.stackPath = SiblingPath(m_skinPath, m_document.settings.stackfilename);
    QString reason;
    if (!ExportSkinPackage(path, sources, &reason))
        m_prompter.Inform(this, QStringLiteral("Error saving ") + path + QStringLiteral(": ") + reason);
    else
        OwnFileWritten(path);
}

bool CDrapierDlg::OpenDroppedFiles(const QStringList& paths) {
    if (paths.size() != 1 || !IsDroppableSkin(paths.front()))
        return false;
    if (!SavePromptAllowsGoingOn())
        return true;
    const QString path = paths.front();
    LoadDefaultSkin(m_document);
    RebuildTree();
    LoadSkinFrom(path);
    AddToRecentList(path);
    return true;
}
