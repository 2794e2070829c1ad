#include "dialogs/EntryEditing.h"

#include "dialogs/AuthorDlg.h"
#include "dialogs/ButtonDlg.h"
#include "dialogs/DialogPlacement.h"
#include "dialogs/GroupDlg.h"
#include "dialogs/IndicatorDlg.h"
#include "dialogs/SettingsDlg.h"
#include "dialogs/StripDlg.h"
#include "dialogs/TextDlg.h"
#include "dialogs/TileAreaDlg.h"
#include "document/SkinDocument.h"

#include <memory>

namespace {

std::unique_ptr<QItemDlg> DialogFor(SkinElement::Record& record, EditContext& context, QWidget* parent) {
    return std::visit(
        [&](auto& r) -> std::unique_ptr<QItemDlg> {
            using R = std::decay_t<decltype(r)>;
            if constexpr (std::is_same_v<R, ButtonRecord>)
                return std::make_unique<QItemButtonDlg>(context, r, parent);
            else if constexpr (std::is_same_v<R, HStripRecord>)
                return std::make_unique<QItemHStripDlg>(context, r, parent);
            else if constexpr (std::is_same_v<R, VStripRecord>)
                return std::make_unique<QItemVStripDlg>(context, r, parent);
            else if constexpr (std::is_same_v<R, TextRecord>)
                return std::make_unique<QItemTextDlg>(context, r, parent);
            else if constexpr (std::is_same_v<R, IndicatorRecord>)
                return std::make_unique<QItemIndicatorDlg>(context, r, parent);
            else if constexpr (std::is_same_v<R, TileAreaRecord>)
                return std::make_unique<QItemTileAreaDlg>(context, r, parent);
            else if constexpr (std::is_same_v<R, GroupRecord>)
                return std::make_unique<QGroupDlg>(context, r, parent);
            else if constexpr (std::is_same_v<R, SkinLayout>)
                return std::make_unique<QSettingsDlg>(context, r, false, parent);
            else
                return nullptr;
        },
        record);
}

// Runs the dialog at the remembered offset and remembers where it was left, whatever the result.
bool RunAtOffset(QDialog& dialog, QWidget* parent, EditContext& context) {
    dialog.adjustSize();
    PlaceDialog(&dialog, parent, context.offset);
    const bool ok = dialog.exec() == QDialog::Accepted;
    QPoint offset;
    if (DialogOffset(&dialog, parent, &offset))
        context.offset = offset;
    return ok;
}

// Cancel puts back every field, including what live apply changed.
template <class T> bool EditWithBackup(T& record, QItemDlg& dialog, QWidget* parent, EditContext& context) {
    const T backup = record;
    const bool ok = RunAtOffset(dialog, parent, context);
    if (!ok)
        record = backup;
    return ok;
}

// Nothing when the entry has no dialog; whether it closed with OK otherwise.
std::optional<bool> EditElement(QWidget* parent, SkinDocument& document, int entry, EditContext& context) {
    if (entry < 0 || entry >= int(document.elements.size()))
        return std::nullopt;
    SkinElement& element = document.elements[entry];
    const std::unique_ptr<QItemDlg> dialog = DialogFor(element.record, context, parent);
    if (!dialog)
        return std::nullopt;
    const bool ok = EditWithBackup(element, *dialog, parent, context);
    if (ok && element.Kind() == ElementKind::Group && context.nameGroup)
        context.nameGroup(entry, static_cast<const QGroupDlg&>(*dialog).TypedName());
    return ok;
}

} // namespace

bool EditEntry(QWidget* parent, SkinDocument& document, int entry, EditContext& context) {
    std::optional<bool> ok;
    if (entry == -1) {
        QSettingsDlg dialog(context, document.layout, true, parent);
        ok = EditWithBackup(document.layout, dialog, parent, context);
    } else {
        ok = EditElement(parent, document, entry, context);
    }
    if (!ok)
        return false;
    // The preview follows the record as it was kept or put back.
    if (context.redraw)
        context.redraw();
    return *ok;
}

std::optional<SkinSettings> EditSkinInfo(QWidget* parent, const SkinSettings& settings,
                                         EditContext& context) {
    if (context.stackMode)
        return std::nullopt;
    QAuthorDlg dialog(context.prompter, settings, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Settings();
}
