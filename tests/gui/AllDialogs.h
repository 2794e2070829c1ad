#pragma once

#include "FakePrompter.h"
#include "dialogs/AuthorDlg.h"
#include "dialogs/ButtonDlg.h"
#include "dialogs/EditContext.h"
#include "dialogs/GroupDlg.h"
#include "dialogs/IndicatorDlg.h"
#include "dialogs/PickActionDlg.h"
#include "dialogs/SettingsDlg.h"
#include "dialogs/StripDlg.h"
#include "dialogs/TextDlg.h"
#include "dialogs/TileAreaDlg.h"
#include "document/SkinDocument.h"

#include <QDialog>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

template <class R> R& FirstRecord(SkinDocument& document) {
    for (SkinElement& element : document.elements) {
        if (R* record = element.As<R>())
            return *record;
    }
    throw std::runtime_error("no such element in the skin");
}

// The ten editing dialogs on the first element of each kind of the document, by a short name.
inline std::vector<std::pair<QString, std::unique_ptr<QDialog>>> AllDialogs(SkinDocument& document,
                                                                            EditContext& context) {
    std::vector<std::pair<QString, std::unique_ptr<QDialog>>> dialogs;
    const auto add = [&](const char* name, QDialog* dialog) { dialogs.emplace_back(name, dialog); };
    add("hstrip", new QItemHStripDlg(context, FirstRecord<HStripRecord>(document), nullptr));
    add("vstrip", new QItemVStripDlg(context, FirstRecord<VStripRecord>(document), nullptr));
    add("button", new QItemButtonDlg(context, FirstRecord<ButtonRecord>(document), nullptr));
    add("indicator", new QItemIndicatorDlg(context, FirstRecord<IndicatorRecord>(document), nullptr));
    add("text", new QItemTextDlg(context, FirstRecord<TextRecord>(document), nullptr));
    add("tilearea", new QItemTileAreaDlg(context, FirstRecord<TileAreaRecord>(document), nullptr));
    add("layout", new QSettingsDlg(context, document.layout, true, nullptr));
    add("group", new QGroupDlg(context, FirstRecord<GroupRecord>(document), nullptr));
    add("pickaction", new QPickActionDlg(FirstRecord<ButtonRecord>(document).action, nullptr));
    add("skininfo", new QAuthorDlg(context.prompter, document.settings, nullptr));
    return dialogs;
}
