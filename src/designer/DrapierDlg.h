#pragma once

#include "designer/RecentFiles.h"
#include "document/SkinDocument.h"
#include "picture/ImageSurface.h"
#include "render/NoteSettings.h"
#include "render/PreviewOptions.h"
#include "widgets/ResizingDialog.h"

#include <functional>
#include <map>

class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QSettings;
class QTreeWidgetItem;
class Canvas;
class CBitmapMenu;
class ColourSwatch;
class CTreeCtrlEx;
class FooButton;
class NoteSettingsBox;
class Prompter;
class PreviewView;
class QStateSheetDlg;
class SourceView;

// The designer's one window: the element tree, the note settings, the live preview and the source PNG,
// with the menus and file commands. It owns the one skin document, which is emptied and refilled but
// never replaced.
class CDrapierDlg : public CResizingDialog {
    Q_OBJECT
public:
    CDrapierDlg(Prompter& prompter, QSettings& store, QWidget* parent = nullptr);
    ~CDrapierDlg() override;

    // Loads the default skin and then, when the path is not empty, the skin it names; draws the preview.
    void StartUp(const QString& commandLinePath);

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
    // Opens one dropped skin file or package; false when the drop is not one.
    bool OpenDroppedFiles(const QStringList& paths);
    // Asks "Save changes?" when there are unsaved changes; false when the command must stop.
    bool SavePromptAllowsGoingOn();

    // What other parts of the designer use.
    SkinDocument& Document() { return m_document; }
    const SkinDocument& Document() const { return m_document; }
    void RedrawPreview();
    void MarkDirty();
    void MarkClean();
    bool IsDirty() const { return m_dirty; }
    void SwitchSkinMode(bool stackMode);
    bool IsStackSkin() const { return m_stackMode; }
    void LoadSourcePng(const QString& path);
    NoteSettings CurrentNoteSettings() const;
    PreviewOptions CurrentPreviewOptions() const;
    // The entry of the selected tree item, -1 when none is selected or it is a root.
    int SelectedEntry() const;
    void RebuildTree(int selectEntry = -1);
    void GreyTree();

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

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void reject() override;

private:
    QWidget* BuildTreeColumn();
    QWidget* BuildPreviewGroup();
    QWidget* BuildSourceGroup();
    void BuildMenus();
    void BuildCommands();
    void RebuildRecentMenu();
    void AddToRecentList(const QString& path);

    void LoadSkinFrom(const QString& path);
    bool WriteSkin(const QString& path);
    void AfterSkinLoaded();
    void UpdateTitle();
    void RebuildPreviewPicture();
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
    void StateSheetFollowDocument();

    Prompter& m_prompter;
    QSettings& m_store;

    SkinDocument m_document;
    ImageSurface m_sourceImage;
    QString m_pngPath;
    QString m_skinPath;
    RecentList m_recent;
    bool m_stackMode = false;
    bool m_dirty = false;
    bool m_treeReady = false;
    bool m_closing = false;
    std::map<int, std::function<void()>> m_commands;

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
    QGroupBox* m_sourceGroup = nullptr;
    SourceView* m_sourceView = nullptr;
    QPushButton* m_sourceZoom = nullptr;
    QPushButton* m_loadPngButton = nullptr;
    ColourSwatch* m_regionSwatch = nullptr;
    QStateSheetDlg* m_stateSheet = nullptr;
};
