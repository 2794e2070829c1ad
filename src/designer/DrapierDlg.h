#pragma once

#include "designer/RecentFiles.h"
#include "designer/SkinFileWatcher.h"
#include "document/RecoveryFile.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "picture/Canvas.h"
#include "picture/ImageSurface.h"
#include "render/NoteSettings.h"
#include "render/PreviewOptions.h"
#include "widgets/ResizingDialog.h"

#include <array>
#include <functional>
#include <map>
#include <optional>

class QAction;
class QCheckBox;
class QGroupBox;
class QMenu;
class QMenuBar;
class QPushButton;
class QSettings;
class QStatusBar;
class QTimer;
class QTreeWidgetItem;
class QUndoStack;
struct CatalogueResult;
class CBitmapMenu;
class ColourSwatch;
class CTreeCtrlEx;
class DocumentHistory;
struct DocumentSnapshot;
struct CanvasRect;
struct NoteState;
class FooButton;
class QMagnifierDlg;
class NoteSettingsBox;
class Prompter;
class PreviewView;
class QLintDlg;
class QStateSheetDlg;
class PickingController;
class RecoveryKeeper;
class SheetCanvas;
class SourceGroup;

// The designer's one window: the element tree, the note settings, the live preview and the source PNG,
// with the menus and file commands. It owns the one skin document, which is emptied and refilled but
// never replaced.
class CDrapierDlg : public CResizingDialog {
    Q_OBJECT
public:
    CDrapierDlg(Prompter& prompter, QSettings& store, QWidget* parent = nullptr);
    ~CDrapierDlg() override;

    // Loads the default skin, then the skin the path names (its load begun ahead: begun); draws the preview.
    void StartUp(const QString& commandLinePath, SkinLoadAhead&& begun = SkinLoadAhead());

    // Runs a menu command; a command with no handler does nothing.
    void RunCommand(int command);
    bool HasCommand(int command) const { return m_commands.count(command) > 0; }
    // Commands of other parts of the designer plug in here.
    void SetCommandHandler(int command, std::function<void()> handler);
    // Sets the states of a menu's items as it drops down.
    void PrepareMenu(QMenu* menu);
    QMenuBar* MenuBar() const { return m_menuBar; }
    QMenu* ElementMenu() const { return m_elementMenu; }

    // File commands. Those that answer say whether they ended as the user asked (a save that was made,
    // a command that was not stopped).
    void FileNew();
    void FileOpen();
    void FileReopen();
    void FileRecent(int index);
    bool FileSave();
    bool FileSaveAs();
    void FileExport();
    // Browses a folder of skins (DrapierDlgBrowse.cpp).
    void FileBrowse();
    // Opens one dropped skin file or package; false when the drop is not one.
    bool OpenDroppedFiles(const QStringList& paths);
    // Asks "Save changes?" when there are unsaved changes; false when the command must stop.
    bool SavePromptAllowsGoingOn();

    // What other parts of the designer use.
    SkinDocument& Document() { return m_document; }
    const SkinDocument& Document() const { return m_document; }
    // The skin changed: the preview and the greyed tree are drawn again, and the lint and state sheet
    // windows told.
    void RedrawPreview();
    // Only what the preview shows of the skin changed (the note settings, the highlights, the selection,
    // the preview's size): the preview and the greyed tree, not the windows that follow the skin.
    void RedrawPreviewOnly();
    // Only the preview picture and its magnifier, or only a part of the picture: the steps of a drag on
    // the preview.
    void RebuildPreviewPicture();
    void RebuildPreviewPart(const CanvasRect& part);
    // The state the preview is drawn in, its origin where the note sits in the preview.
    NoteState PreviewNoteState() const;
    // A change that no undo step records: marked changed, and no state in the undo history counts as
    // the saved one any more. Edits of the skin go through BeginEdit and CommitEdit instead.
    void MarkDirty();
    // The document as it stands is the saved one: the history's clean state.
    void MarkClean();
    bool IsDirty() const { return m_dirty; }
    void SwitchSkinMode(bool stackMode);
    bool IsStackSkin() const { return m_stackMode; }
    void LoadSourcePng(const QString& path);
    // The picture of a skin just loaded from skinPath, and its PNG path.
    void LoadSkinPicture(const QString& skinPath);
    NoteSettings CurrentNoteSettings() const;
    PreviewOptions CurrentPreviewOptions() const;
    // The entry of the selected tree item, -1 when none is selected or it is a root.
    int SelectedEntry() const;
    void RebuildTree(int selectEntry = -1);
    // Sets the label and picture of the entry's item from the entry (a live edit of its name or a
    // button's action).
    void RefreshTreeItem(int entry);
    void GreyTree();

    // The two magnifiers, shown and hidden by the "Zoom" buttons (DrapierDlgMagnifiers.cpp).
    QMagnifierDlg* SourceMagnifier() const { return m_sourceMagnifier; }
    QMagnifierDlg* PreviewMagnifier() const { return m_previewMagnifier; }
    bool IsSourceMagnifierShown() const;
    bool IsPreviewMagnifierShown() const;
    // After a new PNG is chosen: fits the source magnifier to it.
    void RefreshSourceMagnifier();
    // Skin check and sprite-sheet lint (DrapierDlgCheck.cpp).
    void CheckForErrors();
    void ShowLintWindow();
    QLintDlg* LintWindow() const { return m_lintDlg; }
    // Editing the elements (the tree's commands, picking, undo).
    // Opens the dialog of an entry (-1: the "Default Layout" root), applies its changes live and redraws;
    // true on OK, false on Cancel, after which it has put the entry back as it was. For a group it leaves
    // the name typed in the group's record; the window then applies the group naming rule. The window
    // starts with its own dialogs (DrapierDlgDialogs.cpp); an empty editor opens nothing.
    using EntryEditor = std::function<bool(int entry)>;
    void SetEntryEditor(EntryEditor editor);
    // Double-click: the entry's dialog through the editor, recorded as one undo step on OK.
    void EditEntry(int entry);
    void CreateElement(ElementKind kind);
    void CopySelected();
    void DeleteSelected();
    void MoveSelected(bool up);
    void SetSelectedGroup(const QString& group);
    void SelectEntry(int entry);
    // The source view and magnifier follow the present selection; newPicture: the source picture was
    // replaced.
    void RefreshSourceView(bool newPicture = false);

    // Undo. Every change of what the skin file holds is bracketed: BeginEdit() before it, CommitEdit()
    // after, which records one step named what (shown as "&Undo <what>") when the document or the PNG
    // path changed, marks the document changed and selects selectEntry after redo (undo selects what was
    // selected at BeginEdit). Brackets nest: only the outermost records. AbandonEdit() closes a bracket
    // without a step. CommitEdit() answers whether a step was recorded; steps of one run key other than 0
    // committed one after the other merge into one (DocumentHistory::Commit).
    void BeginEdit();
    bool CommitEdit(const QString& what, int selectEntry, int runKey = 0);
    void AbandonEdit();
    QUndoStack* UndoStack() const;
    // Forgets every step; the document stays marked as it was (changed or not).
    void ClearUndo();

    const QString& SkinPath() const { return m_skinPath; }
    const QString& PngPath() const { return m_pngPath; }
    const RecentList& Recent() const { return m_recent; }
    const Canvas& PreviewBuffer() const;
    const ImageSurface& SourceImage() const { return m_sourceImage; }
    CTreeCtrlEx* Tree() const { return m_tree; }
    QTreeWidgetItem* DefaultLayoutItem() const { return m_defaultLayoutItem; }
    QTreeWidgetItem* ElementsItem() const { return m_elementsItem; }

    // View "State Sheet…": shows the state sheet window, made on first use; null until then.
    void ShowStateSheet();
    QStateSheetDlg* StateSheet() const { return m_stateSheet; }

    // The status line at the bottom of the window: one message, kept until the next.
    void ShowStatus(const QString& text);
    QString StatusText() const;

    // Crash recovery (DrapierDlgRecovery.cpp): offers what designers that died left in the folder, then
    // keeps this one's unsaved state there. Nothing is kept before this is called.
    void StartRecovery(const QString& folder);
    RecoveryKeeper* Recovery() const;
    // The watch on the skin file and its PNG (DrapierDlgLiveReload.cpp).
    SkinFileWatcher* FileWatcher() const { return m_fileWatcher; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void reject() override;

private:
    void BuildEditing();
    void BuildDialogs();
    bool EditInDialog(int entry);
    void EditSkinProperties();
    // Sets the picture of the entry's item (its label changes only when a dialog closes with OK); the
    // item, null when the entry has none.
    QTreeWidgetItem* RefreshTreePicture(int entry);
    void AddUndoItems(QMenu* edit);
    void UpdateUndoItems();
    void RunUndo(bool undo);
    void RestoreSnapshot(const DocumentSnapshot& snapshot, int selectEntry);
    void ReloadSourcePicture(const QString& path);
    void EditTreeItem(QTreeWidgetItem* item);
    QTreeWidgetItem* TreeItemOf(int entry) const;
    void ShowGroupMenu(const QPoint& position);
    void SwitchSkinModeCommand(bool stackMode);

    QWidget* BuildTreeColumn();
    QWidget* BuildPreviewGroup();
    void BuildMenus();
    void BuildCommands();
    void BuildCheckCommands();
    void LintDocumentChanged();
    void RebuildRecentMenu();
    void AddToRecentList(const QString& path);

    void LoadSkinFrom(const QString& path);
    bool WriteSkin(const QString& path);
    void AfterSkinLoaded();
    void UpdateTitle();
    void UpdateRegionSwatch();

    void PickStickyColour();
    void PickPenColour();
    void PickRegionColour();
    void ClearRegionColour();
    void PickStackDefaultColour();
    void ChooseSourcePng();
    void ShowHelp();
    void ShowAbout();
    void CheckFocusUse();
    void BuildMagnifiers();
    void ToggleMagnifier(QMagnifierDlg* magnifier);
    void RepaintPreviewMagnifier();
    void ShowBrowsedSkin(const QString& path);
    void ShowCatalogueTexts(const CatalogueResult& result);
    void StateSheetFollowDocument();

    QWidget* BuildStatusLine();
    void BuildLiveReload();
    // Watches the skin file and the PNG of the document: afresh (what they hold now was just loaded), or
    // only when they are not the files watched.
    void WatchDocumentFiles(bool afresh);
    void OwnFileWritten(const QString& path);
    void FileChangedOnDisk(SkinFileWatcher::File file, SkinFileWatcher::Change change);
    void TakePendingFileChanges();
    bool IsMidEdit() const;
    void PictureChangedOnDisk(SkinFileWatcher::Change change);
    void SkinChangedOnDisk(SkinFileWatcher::Change change);
    void ReloadSkinFromDisk();
    std::optional<RecoveryRecord> UnsavedState() const;
    void OfferStaleRecoveries(const QString& folder);
    void LoadRecovered(const RecoveryRecord& record);

    Prompter& m_prompter;
    QSettings& m_store;

    SkinDocument m_document;
    ImageSurface m_sourceImage;
    QString m_pngPath;
    QString m_skinPath;
    RecentList m_recent;
    bool m_stackMode = false;
    bool m_dirty = false;
    bool m_treeReady = false; // false while the tree is rebuilt or the first skin loads: no preview drawn
    bool m_closing = false;
    std::map<int, std::function<void()>> m_commands;
    QString m_browseFolder;
    // Where the next element, layout, group or browse dialog opens from this window's top-left: where the
    // last one was closed, with OK or Cancel.
    QPoint m_dialogOffset{100, 100};
    EntryEditor m_entryEditor;
    DocumentHistory* m_history = nullptr;   // a child object
    PickingController* m_picking = nullptr; // a child object
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;

    QMenuBar* m_menuBar = nullptr;
    QMenu* m_recentMenu = nullptr;
    QMenu* m_elementMenu = nullptr;
    CBitmapMenu* m_bitmapMenu = nullptr;
    CTreeCtrlEx* m_tree = nullptr;
    QTreeWidgetItem* m_defaultLayoutItem = nullptr;
    QTreeWidgetItem* m_elementsItem = nullptr;
    FooButton* m_newButton = nullptr;
    FooButton* m_copyButton = nullptr;
    FooButton* m_deleteButton = nullptr;
    FooButton* m_moveUpButton = nullptr;
    FooButton* m_moveDownButton = nullptr;
    NoteSettingsBox* m_noteBox = nullptr;
    QGroupBox* m_previewGroup = nullptr;
    PreviewView* m_preview = nullptr;
    QCheckBox* m_highlightAreas = nullptr;
    QCheckBox* m_highlightSelected = nullptr;
    QPushButton* m_previewZoom = nullptr;
    SourceGroup* m_sourceGroup = nullptr;
    SheetCanvas* m_sourceView = nullptr;
    ColourSwatch* m_regionSwatch = nullptr;
    QMagnifierDlg* m_sourceMagnifier = nullptr;
    QMagnifierDlg* m_previewMagnifier = nullptr;
    QLintDlg* m_lintDlg = nullptr;
    QStateSheetDlg* m_stateSheet = nullptr;
    QStatusBar* m_statusLine = nullptr;
    SkinFileWatcher* m_fileWatcher = nullptr;
    QTimer* m_fileChangeRetry = nullptr;
    // Changes of the skin file (0) and the PNG (1) that came in the middle of an edit.
    std::array<std::optional<SkinFileWatcher::Change>, 2> m_pendingFileChanges;
    RecoveryKeeper* m_recovery = nullptr; // a child object, once recovery is started
};
