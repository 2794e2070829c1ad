#include "render/StateSheet.h"

#include "document/GroupRules.h"
#include "document/SkinDocument.h"
#include "picture/ClampToInt.h"
#include "picture/InputLimits.h"
#include "render/NoteSettingKeys.h"
#include "render/RenderPreview.h"
#include "render/SampleNoteState.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <set>

namespace {

const QString kBase = QStringLiteral("base");
// Always rows: every note rolls up and gains and loses the focus.
const char* const kAlwaysShown[] = {"rolled", "focus"};

constexpr int kOuter = 8;
constexpr int kGap = 8;
constexpr int kLabelWidth = 88;
constexpr int kHeaderHeight = 18;
constexpr int kLabelPixels = 12;
constexpr Colour kSheetColour = MakeColour(236, 236, 236);
const QColor kLabelColour(32, 32, 32);

// What a skin's draw tests read from the note state: the codes of conditions and indicators, and the
// flag fields its group rules test.
struct FlagReaders {
    std::set<int> codes;
    QStringList ruleFields;

    explicit FlagReaders(const SkinDocument& document) {
        for (const SkinElement& entry : document.elements) {
            if (const DrawableCommon* common = entry.Common(); common && common->conditionset)
                codes.insert(common->condition);
            if (const IndicatorRecord* indicator = entry.As<IndicatorRecord>())
                codes.insert(indicator->type);
            if (const GroupRecord* group = entry.As<GroupRecord>()) {
                for (const GroupRule& rule : group->rules) {
                    RuleFieldType type;
                    if (RuleFieldTypeOf(rule.field, &type) && type == RuleFieldType::Flag)
                        ruleFields << rule.field;
                }
            }
        }
    }

    bool SeeADifference(const NoteState& a, const NoteState& b) const {
        for (int code : codes) {
            if (FlagOfCode(a, code) != FlagOfCode(b, code))
                return true;
        }
        for (const QString& field : ruleFields) {
            const GroupRule isSet{field, QStringLiteral("is"), QStringLiteral("true")};
            if (EvaluateRule(isSet, a) != EvaluateRule(isSet, b))
                return true;
        }
        return false;
    }
};

bool IsAlwaysShown(const char* name) {
    return std::any_of(std::begin(kAlwaysShown), std::end(kAlwaysShown),
                       [name](const char* shown) { return qstrcmp(shown, name) == 0; });
}

int KeptToRange(int side) {
    return std::clamp(side, 1, kNoteSideLimit);
}

void DrawLabel(QPainter& painter, const CanvasRect& rect, const QString& text, Qt::Alignment alignment) {
    const QRect box(rect.left, rect.top, rect.Width(), rect.Height());
    painter.drawText(box, alignment, painter.fontMetrics().elidedText(text, Qt::ElideRight, box.width()));
}

void DrawLabels(Canvas& sheet, const StateSheetGrid& grid, const std::vector<SheetRow>& rows,
                const std::vector<SheetSize>& sizes) {
    QImage view = sheet.ImageView();
    QPainter painter(&view);
    QFont font = painter.font();
    font.setPixelSize(kLabelPixels);
    painter.setFont(font);
    painter.setPen(kLabelColour);
    for (size_t r = 0; r < rows.size(); ++r)
        DrawLabel(painter, grid.RowLabel(static_cast<int>(r)), rows[r].name, Qt::AlignLeft | Qt::AlignTop);
    for (size_t c = 0; c < sizes.size(); ++c)
        DrawLabel(painter, grid.ColumnLabel(static_cast<int>(c)), SheetSizeLabel(sizes[c]),
                  Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace

QStringList StateSheetStates(const SkinDocument& document, const NoteSettings& base) {
    QStringList names{kBase};
    for (const char* name : kAlwaysShown)
        names << QLatin1StringView(name);
    const FlagReaders readers(document);
    const NoteState before = SampleNoteState(base, document);
    for (const NoteSettingKey& key : NoteSettingKeys()) {
        if (key.form != NoteSettingForm::Flag || IsAlwaysShown(key.name))
            continue;
        NoteSettings turned = base;
        turned.*key.flag = !(base.*key.flag);
        if (readers.SeeADifference(before, SampleNoteState(turned, document)))
            names << QLatin1StringView(key.name);
    }
    return names;
}

std::optional<SheetRow> StateSheetRow(QStringView name, const NoteSettings& base) {
    if (name.compare(kBase, Qt::CaseInsensitive) == 0)
        return SheetRow{kBase, base};
    const NoteSettingKey* key = FindNoteSettingKey(name);
    if (!key || key->form != NoteSettingForm::Flag)
        return std::nullopt;
    SheetRow row{QLatin1StringView(key->name), base};
    row.settings.*key->flag = !(base.*key->flag);
    return row;
}

QStringList StateSheetNames() {
    QStringList names{kBase};
    for (const NoteSettingKey& key : NoteSettingKeys()) {
        if (key.form == NoteSettingForm::Flag)
            names << QLatin1StringView(key.name);
    }
    return names;
}

std::vector<SheetSize> DefaultStateSheetSizes(const SkinDocument& document, const NoteSettings& base) {
    const SkinLayout& layout = document.ActiveLayout(SampleNoteState(base, document));
    return {{KeptToRange(layout.minimumwidth), KeptToRange(layout.minimumheight)}, {300, 100}, {600, 200}};
}

QString SheetSizeLabel(const SheetSize& size) {
    return QStringLiteral("%1 \u00d7 %2").arg(size.width).arg(size.height);
}

StateSheetGrid::StateSheetGrid(int rowCount, std::vector<SheetSize> sizes)
    : m_rowCount(std::max(rowCount, 0)), m_sizes(std::move(sizes)) {
    long long left = kOuter + kLabelWidth + kGap;
    for (const SheetSize& size : m_sizes) {
        m_columnLeft.push_back(left);
        left += static_cast<long long>(size.width) + kSheetAreaMargin + kGap;
        m_rowHeight = std::max(m_rowHeight, static_cast<long long>(size.height) + kSheetAreaMargin);
    }
    m_width = left - kGap + kOuter;
    m_height = kOuter + kHeaderHeight + static_cast<long long>(m_rowCount) * (m_rowHeight + kGap) + kOuter;
}

CanvasRect StateSheetGrid::Cell(int row, int column) const {
    const SheetSize& size = m_sizes[static_cast<size_t>(column)];
    const long long left = m_columnLeft[static_cast<size_t>(column)];
    const long long top = kOuter + kHeaderHeight + kGap + row * (m_rowHeight + kGap);
    return {ClampToInt(left), ClampToInt(top), ClampToInt(left + size.width + kSheetAreaMargin),
            ClampToInt(top + size.height + kSheetAreaMargin)};
}

CanvasRect StateSheetGrid::RowLabel(int row) const {
    const long long top = kOuter + kHeaderHeight + kGap + row * (m_rowHeight + kGap);
    return {kOuter, ClampToInt(top), kOuter + kLabelWidth, ClampToInt(top + m_rowHeight)};
}

CanvasRect StateSheetGrid::ColumnLabel(int column) const {
    const SheetSize& size = m_sizes[static_cast<size_t>(column)];
    const long long left = m_columnLeft[static_cast<size_t>(column)];
    return {ClampToInt(left), kOuter, ClampToInt(left + size.width + kSheetAreaMargin),
            kOuter + kHeaderHeight};
}

bool DrawStateSheet(const SkinDocument& document, const std::vector<SheetRow>& rows,
                    const std::vector<SheetSize>& sizes, Canvas& sheet) {
    sheet.Clear();
    if (rows.empty() || sizes.empty())
        return false;
    for (const SheetSize& size : sizes) {
        if (size.width < 1 || size.height < 1 || size.width > INT_MAX - kSheetAreaMargin ||
            size.height > INT_MAX - kSheetAreaMargin)
            return false;
    }
    const StateSheetGrid grid(static_cast<int>(rows.size()), sizes);
    if (grid.Width() > INT_MAX || grid.Height() > INT_MAX ||
        !sheet.Create(static_cast<int>(grid.Width()), static_cast<int>(grid.Height()), kSheetColour))
        return false;

    // Column by column, so that each size's background is drawn once.
    Canvas background;
    Canvas cell;
    for (size_t c = 0; c < sizes.size(); ++c) {
        const int areaWidth = sizes[c].width + kSheetAreaMargin;
        const int areaHeight = sizes[c].height + kSheetAreaMargin;
        if (!background.Create(areaWidth, areaHeight) || !cell.Create(areaWidth, areaHeight)) {
            sheet.Clear();
            return false;
        }
        DrawPreviewBackground(background);
        for (size_t r = 0; r < rows.size(); ++r) {
            NoteSettings settings = rows[r].settings;
            settings.width = sizes[c].width;
            settings.height = sizes[c].height;
            PreviewOptions options;
            options.stackmode = settings.stackmode;
            RenderPreviewOver(document, settings, options, background, cell);
            const CanvasRect at = grid.Cell(static_cast<int>(r), static_cast<int>(c));
            sheet.Copy(at.left, at.top, areaWidth, areaHeight, cell, 0, 0);
        }
    }
    DrawLabels(sheet, grid, rows, sizes);
    return true;
}
