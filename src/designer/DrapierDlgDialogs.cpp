// The main window's side of the editing dialogs: what an element, layout or group dialog is given
// (the stack mode, the shared dialog offset, the redraw after each live change) and the skin
// information dialog of the Edit menu.
#include "designer/DrapierDlg.h"

#include "designer/CommandIds.h"
#include "designer/PickingController.h"
#include "dialogs/EntryEditing.h"
#include "document/NoteState.h"

void CDrapierDlg::BuildDialogs() {
    SetEntryEditor([this](int entry) { return EditInDialog(entry); });
    SetCommandHandler(Command::SkinProperties, [this] { EditSkinProperties(); });
}

bool CDrapierDlg::EditInDialog(int entry) {
    EditContext context(m_prompter);
    context.stackMode = m_stackMode;
    context.offset = m_dialogOffset;
    context.noteFrame = [this] { return NoteFrameOf(m_document, PreviewNoteState()); };
    // The preview, the greyed tree and the source highlight follow every change; so does a button's
    // picture in the tree, which Cancel puts back with the rest.
    context.redraw = [this, entry] {
        RedrawPreview();
        RefreshSourceView();
        if (entry >= 0)
            RefreshTreePicture(entry);
    };
    // The group's name depends on every other element; EditEntry names it once the dialog has closed,
    // from what was typed.
    context.nameGroup = [this](int group, const QString& typedName) {
        m_document.elements[static_cast<size_t>(group)].SetName(typedName);
    };
    context.pickSource = [this](QWidget* parent, const CanvasRect& current) {
        return m_picking->PickInDialog(parent, current);
    };
    const bool ok = ::EditEntry(this, m_document, entry, context);
    m_dialogOffset = context.offset;
    return ok;
}

void CDrapierDlg::EditSkinProperties() {
    // A stack skin has no skin information of its own.
    EditContext context(m_prompter);
    context.stackMode = m_stackMode;
    const std::optional<SkinSettings> edited = EditSkinInfo(this, m_document.settings, context);
    if (!edited)
        return;
    BeginEdit();
    m_document.settings = *edited;
    RedrawPreview();
    CommitEdit(QStringLiteral("Note Skin Properties"), SelectedEntry());
}
