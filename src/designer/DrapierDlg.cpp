#include "designer/DrapierDlg.h"

#include "designer/CommandIds.h"
#include "designer/ElementMenu.h"
#include "designer/FrameFromPicture.h"
#include "designer/NoteSettingsBox.h"
#include "designer/Pictures.h"
#include "designer/PreviewView.h"
#include "designer/SourceGroup.h"
#include "designer/WindowTitle.h"
#include "dialogs/LintDlg.h"
#include "dialogs/MagnifierDlg.h"
#include "dialogs/StateSheetDlg.h"
#include "document/FocusUse.h"
#include "widgets/BitmapMenu.h"
#include "widgets/FooButton.h"
#include "widgets/Prompter.h"
#include "widgets/TreeCtrlEx.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

QPushButton* MakeButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    // Enter in the main window must never press a button.
    button->setAutoDefault(false);
    return button;
}

FooButton* MakePictureButton(const QString& text, const char* name, ButtonPicture picture, QWidget* parent) {
    auto* button = new FooButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->SetPicture(ButtonPictureImage(picture), Qt::white);
    return button;
}

} // namespace

CDrapierDlg::CDrapierDlg(Prompter& prompter, QSettings& store, QWidget* parent)
    : CResizingDialog(parent), m_prompter(prompter), m_store(store) {
    setObjectName(QStringLiteral("drapier"));
    setWindowTitle(QStringLiteral("Pinlets Skin Designer"));
    setWindowIcon(ApplicationIcon());
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    setAcceptDrops(true);

    m_noteBox = new NoteSettingsBox(this);
    // The boundary between the preview and the source picture can be dragged; a resize of the window
    // goes to the preview, the source group keeping its height.
    auto* right = new QSplitter(Qt::Vertical, this);
    right->setObjectName(QStringLiteral("rightSplitter"));
    right->setChildrenCollapsible(false);
    right->addWidget(BuildPreviewGroup());
    right->addWidget(m_sourceGroup = new SourceGroup(this));
    right->setStretchFactor(0, 1);
    m_sourceView = m_sourceGroup->Canvas();
    m_regionSwatch = m_sourceGroup->RegionSwatch();
    connect(m_sourceGroup->LoadPng(), &QPushButton::clicked, this, &CDrapierDlg::ChooseSourcePng);
    connect(m_sourceGroup->PickRegion(), &QPushButton::clicked, this, &CDrapierDlg::PickRegionColour);
    connect(m_sourceGroup->ClearRegion(), &QPushButton::clicked, this, &CDrapierDlg::ClearRegionColour);
    auto* middle = new QVBoxLayout;
    middle->addWidget(m_noteBox);
    middle->addStretch(1);
    // Only the preview and source column takes what the window grows by.
    m_noteBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildTreeColumn());
    columns->addLayout(middle);
    columns->addWidget(right, 1);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(columns, 1);
    whole->addWidget(BuildStatusLine());

    BuildCommands();
    BuildMagnifiers();
    BuildEditing();
    BuildDialogs();
    BuildLiveReload();
    BuildMenus();
    InstallFrameFromPicture(*this);
    whole->setMenuBar(m_menuBar);

    m_recent = ReadRecentList(m_store);
    RebuildRecentMenu();

    // Grows in both directions; the size it opens at is the smallest.
    InitResizing();
    ShowSizeGrip(false);

    m_noteBox->SetSettings(NoteSettings());
    connect(m_noteBox, &NoteSettingsBox::Changed, this, &CDrapierDlg::RedrawPreviewOnly);
    connect(m_noteBox, &NoteSettingsBox::PickStickyRequested, this, &CDrapierDlg::PickStickyColour);
    connect(m_noteBox, &NoteSettingsBox::PickPenRequested, this, &CDrapierDlg::PickPenColour);
    connect(m_preview, &PreviewView::Resized, this, [this] {
        if (m_treeReady)
            RedrawPreviewOnly();
    });

    auto shortcut = [this](QKeySequence keys, std::function<void()> run) {
        auto* key = new QShortcut(keys, this);
        connect(key, &QShortcut::activated, this, std::move(run));
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_B), [this] { RunCommand(Command::FileBrowse); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { RunCommand(Command::FileOpen); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { RunCommand(Command::FileSave); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { CheckFocusUse(); });

    m_dirty = false;
    UpdateTitle();
}

CDrapierDlg::~CDrapierDlg() {
    // The children are taken down after this; what they signal on the way must not reach the window.
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
    // The windows of their own that read the document go before the document does.
    delete m_stateSheet;
    delete m_lintDlg;
    delete m_sourceMagnifier;
    delete m_previewMagnifier;
}

QWidget* CDrapierDlg::BuildTreeColumn() {
    auto* column = new QWidget(this);
    m_newButton = MakePictureButton(QStringLiteral("New"), "newElement", ButtonPicture::New, column);
    m_newButton->SetType(FooButton::Type::DropDown);
    m_copyButton = MakePictureButton(QStringLiteral("Copy"), "copyElement", ButtonPicture::Copy, column);
    m_deleteButton =
        MakePictureButton(QStringLiteral("Delete"), "deleteElement", ButtonPicture::Delete, column);
    m_moveUpButton = MakePictureButton(QStringLiteral("Move Up"), "moveUp", ButtonPicture::MoveUp, column);
    m_moveDownButton =
        MakePictureButton(QStringLiteral("Move Down"), "moveDown", ButtonPicture::MoveDown, column);

    m_tree = new CTreeCtrlEx(column);
    m_tree->setObjectName(QStringLiteral("elementTree"));
    m_tree->setIconSize(QSize(16, 16));
    m_tree->setMinimumSize(240, 420);
    m_defaultLayoutItem = new QTreeWidgetItem(m_tree, {QStringLiteral("Default Layout")});
    m_defaultLayoutItem->setIcon(0, PictureStrip()[Picture::Layout]);
    m_elementsItem = new QTreeWidgetItem(m_tree, {QStringLiteral("Elements")});
    m_elementsItem->setIcon(0, PictureStrip()[Picture::Elements]);
    m_elementsItem->setExpanded(true);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] {
        if (m_treeReady)
            RedrawPreviewOnly();
    });

    auto* top = new QHBoxLayout;
    top->addWidget(m_newButton);
    top->addWidget(m_copyButton);
    top->addWidget(m_deleteButton);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_moveUpButton);
    bottom->addWidget(m_moveDownButton);
    column->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_tree, 1);
    layout->addLayout(bottom);
    return column;
}

QWidget* CDrapierDlg::BuildPreviewGroup() {
    m_previewGroup = new QGroupBox(QStringLiteral(" Preview "), this);
    m_previewGroup->setObjectName(QStringLiteral("previewGroup"));
    m_preview = new PreviewView(m_previewGroup);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_highlightAreas = new QCheckBox(QStringLiteral("Title/Text/Scroll Areas"), m_previewGroup);
    m_highlightAreas->setObjectName(QStringLiteral("highlightAreas"));
    m_highlightSelected = new QCheckBox(QStringLiteral("Selected Element"), m_previewGroup);
    m_highlightSelected->setObjectName(QStringLiteral("highlightSelected"));
    m_previewZoom = MakeButton(QStringLiteral("Zoom"), "previewZoom", m_previewGroup);
    connect(m_highlightAreas, &QCheckBox::toggled, this, &CDrapierDlg::RedrawPreviewOnly);
    connect(m_highlightSelected, &QCheckBox::toggled, this, &CDrapierDlg::RedrawPreviewOnly);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Highlight"), m_previewGroup));
    row->addWidget(m_highlightAreas);
    row->addWidget(m_highlightSelected);
    row->addStretch(1);
    row->addWidget(m_previewZoom);
    auto* layout = new QVBoxLayout(m_previewGroup);
    layout->addWidget(m_preview, 1);
    layout->addLayout(row);
    return m_previewGroup;
}

QWidget* CDrapierDlg::BuildStatusLine() {
    m_statusLine = new QStatusBar(this);
    m_statusLine->setObjectName(QStringLiteral("statusLine"));
    // The window has a size grip of its own.
    m_statusLine->setSizeGripEnabled(false);
    return m_statusLine;
}

void CDrapierDlg::ShowStatus(const QString& text) {
    m_statusLine->showMessage(text);
}

QString CDrapierDlg::StatusText() const {
    return m_statusLine->currentMessage();
}

void CDrapierDlg::SetCommandHandler(int command, std::function<void()> handler) {
    m_commands[command] = std::move(handler);
}

void CDrapierDlg::RunCommand(int command) {
    const auto found = m_commands.find(command);
    if (found != m_commands.end())
        found->second();
}

void CDrapierDlg::BuildCommands() {
    SetCommandHandler(Command::FileNew, [this] { FileNew(); });
    SetCommandHandler(Command::FileOpen, [this] { FileOpen(); });
    SetCommandHandler(Command::FileReopen, [this] { FileReopen(); });
    SetCommandHandler(Command::FileSave, [this] { FileSave(); });
    SetCommandHandler(Command::FileSaveAs, [this] { FileSaveAs(); });
    SetCommandHandler(Command::FileExport, [this] { FileExport(); });
    SetCommandHandler(Command::FileBrowse, [this] { FileBrowse(); });
    SetCommandHandler(Command::FileExit, [this] { close(); });
    for (int i = 0; i < kRecentCount; ++i)
        SetCommandHandler(Command::Recent1 + i, [this, i] { FileRecent(i); });
    SetCommandHandler(Command::StackDefaultColour, [this] { PickStackDefaultColour(); });
    SetCommandHandler(Command::StateSheet, [this] { ShowStateSheet(); });
    SetCommandHandler(Command::Help, [this] { ShowHelp(); });
    SetCommandHandler(Command::About, [this] { ShowAbout(); });
    BuildCheckCommands();
}

void CDrapierDlg::BuildMenus() {
    m_menuBar = new QMenuBar(this);
    auto add = [this](QMenu* menu, const QString& text, int command) {
        QAction* action = menu->addAction(text);
        action->setData(command);
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
        return action;
    };

    QMenu* file = m_menuBar->addMenu(QStringLiteral("&File"));
    add(file, QStringLiteral("New"), Command::FileNew);
    add(file, QStringLiteral("&Open...\tCtrl-O"), Command::FileOpen);
    add(file, QStringLiteral("&Reopen"), Command::FileReopen);
    file->addSeparator();
    add(file, QStringLiteral("&Browse\tCtrl-B"), Command::FileBrowse);
    file->addSeparator();
    add(file, QStringLiteral("&Save\tCtrl-S"), Command::FileSave);
    add(file, QStringLiteral("Save &As..."), Command::FileSaveAs);
    file->addSeparator();
    add(file, QStringLiteral("Export to qs&k"), Command::FileExport);
    add(file, QStringLiteral("Check for E&rrors"), Command::FileCheck);
    add(file, QStringLiteral("Check Sprite Sheet\u2026"), Command::FileLint);
    file->addSeparator();
    m_recentMenu = file->addMenu(QStringLiteral("Recent"));
    file->addSeparator();
    add(file, QStringLiteral("E&xit"), Command::FileExit);

    QMenu* view = m_menuBar->addMenu(QStringLiteral("&View"));
    add(view, QStringLiteral("Sticky skin mode"), Command::StickyMode)->setCheckable(true);
    add(view, QStringLiteral("Stack skin mode"), Command::StackMode)->setCheckable(true);
    view->addSeparator();
    add(view, QStringLiteral("State Sheet\u2026"), Command::StateSheet);

    QMenu* edit = m_menuBar->addMenu(QStringLiteral("&Edit"));
    AddUndoItems(edit);
    add(edit, QStringLiteral("Note Skin Properties"), Command::SkinProperties);
    add(edit, QStringLiteral("Stack Skin Default Colour"), Command::StackDefaultColour);
    add(edit, QStringLiteral("CTime converter"), Command::TimeConverter);

    QMenu* help = m_menuBar->addMenu(QStringLiteral("&Help"));
    add(help, QStringLiteral("&Help"), Command::Help);
    add(help, QStringLiteral("About"), Command::About);

    m_elementMenu = new QMenu(this);
    std::vector<MenuPictureRow> pictures = {{-1, -1, Picture::CheckMark}};
    for (const ElementMenuRow& row : ElementMenuRows()) {
        add(m_elementMenu, QString::fromLatin1(row.text), row.command);
        pictures.push_back({row.command, row.picture, -1});
    }
    m_newButton->AttachMenu(m_elementMenu);

    // The states first, so that the pictures follow the checks just set.
    for (QMenu* menu : {file, view, edit, help, m_recentMenu})
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { PrepareMenu(menu); });
    m_bitmapMenu = new CBitmapMenu(PictureStrip(), std::move(pictures), this);
    m_bitmapMenu->Attach(m_menuBar);
    m_bitmapMenu->Attach(m_elementMenu);
}

void CDrapierDlg::PrepareMenu(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || action->menu())
            continue;
        const int command = CommandOf(action);
        action->setEnabled(HasCommand(command));
        action->setChecked(false);
        if (command == Command::StickyMode)
            action->setChecked(!m_stackMode);
        else if (command == Command::StackMode)
            action->setChecked(m_stackMode);
        else if (command == Command::SkinProperties && m_stackMode)
            action->setEnabled(false);
        else if (command == Command::StackDefaultColour && !m_stackMode)
            action->setEnabled(false);
        else if (command == Command::EditUndo || command == Command::EditRedo)
            UpdateUndoItems();
    }
}

void CDrapierDlg::RebuildRecentMenu() {
    m_recentMenu->clear();
    for (int i = 0; i < kRecentCount; ++i) {
        if (m_recent[i].isEmpty())
            continue;
        const int command = Command::Recent1 + i;
        QString text = m_recent[i];
        QAction* action = m_recentMenu->addAction(text.replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setData(command);
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    }
}

void CDrapierDlg::AddToRecentList(const QString& path) {
    if (!AddToRecent(m_recent, path))
        return;
    RebuildRecentMenu();
    WriteRecentList(m_store, m_recent);
}
