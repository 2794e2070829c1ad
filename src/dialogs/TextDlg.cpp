#include "dialogs/TextDlg.h"

#include "dialogs/ColourPick.h"
#include "dialogs/DialogControls.h"
#include "dialogs/FontFamilies.h"
#include "dialogs/PlacementPair.h"
#include "document/ElementRecords.h"
#include "widgets/IntegerBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct Placeholder {
    const char* label;
    const char* text;
    bool inStack; // a stack has no such text of its own
};

// In screen order.
constexpr Placeholder kPlaceholders[] = {
    {"Source                        %SOURCE%", "%SOURCE%", true},
    {"Title                             %TITLE%", "%TITLE%", false},
    {"Creation date/time    %CREATION%", "%CREATION%", false},
    {"Alarm date/time         %ALARM%", "%ALARM%", false},
    {"Modified date/time   %MODIFIED%", "%MODIFIED%", false},
    {"User string                 %USERSTRING1%", "%USERSTRING1%", false},
    {"Stack Name                %STACKNAME%", "%STACKNAME%", true},
    {"Last Send                   %LASTSEND%", "%LASTSEND%", false},
};
constexpr int kSource = 0;

// The order in which live apply looks for the checked radio: Title, Source, Alarm, Creation, Modified,
// User string, Stack Name, Last Send.
constexpr int kReadingOrder[] = {1, 0, 3, 2, 4, 5, 6, 7};

} // namespace

QItemTextDlg::QItemTextDlg(EditContext& context, TextRecord& text, QWidget* parent)
    : QElementDlg(context, text, QStringLiteral("Text"), parent), m_record(text) {
    auto* columns = new QHBoxLayout;
    MainLayout()->addLayout(columns);
    BuildText(columns);
    auto* right = new QVBoxLayout;
    columns->addLayout(right);
    BuildFont(right);
    BuildRange(right);

    ShowText(text.text);
    ShowInEditableList(m_font, text.font);
    m_points->SetValue(text.point);
    m_antialias->setCurrentIndex(text.antialias >= 0 && text.antialias <= 2 ? text.antialias : -1);
    m_bold->setChecked(text.bold);
    m_italic->setChecked(text.italic);
    m_underline->setChecked(text.underline);
    for (int i = 0; i < 3; ++i) {
        m_alignment[i]->setChecked(text.alignment == i);
        m_case[i]->setChecked(text.setcase == i);
    }
    m_colour->SetColour(text.col);
    m_transparent->setChecked(text.transparent);
    ShowPlacements(text);
    m_height->SetValue(text.extent.height);
    FinishDialog();
}

SkinElement::Record QItemTextDlg::CurrentRecord() const {
    return m_record;
}

void QItemTextDlg::ShowPlacements(const SkinElement::Record& record) {
    const TextRecord& text = std::get<TextRecord>(record);
    m_left->Show(text.place.x);
    m_top->Show(text.place.y);
    m_right->Show(text.extent.right);
}

void QItemTextDlg::BuildText(QBoxLayout* into) {
    auto* group = new QGroupBox(QStringLiteral("Text:"), this);
    into->addWidget(group);
    auto* column = new QVBoxLayout(group);
    for (int i = 0; i < int(m_placeholders.size()); ++i) {
        m_placeholders[i] = new QRadioButton(QString::fromLatin1(kPlaceholders[i].label), group);
        column->addWidget(m_placeholders[i]);
        Watch(m_placeholders[i], &QRadioButton::clicked);
    }
    auto* customRow = new QHBoxLayout;
    m_custom = new QRadioButton(QStringLiteral("Custom:"), group);
    m_customText = new QLineEdit(group);
    m_customText->setAccessibleName(QStringLiteral("Custom:"));
    customRow->addWidget(m_custom);
    customRow->addWidget(m_customText, 1);
    column->addLayout(customRow);
    column->addStretch();
    Watch(m_custom, &QRadioButton::clicked);
    Watch(m_customText, &QLineEdit::textChanged);

    if (StackMode()) {
        // In a stack "%SOURCE%" is the number of notes in it.
        m_placeholders[kSource]->setText(QStringLiteral("Stack count                %SOURCE%"));
        for (int i = 0; i < int(m_placeholders.size()); ++i)
            m_placeholders[i]->setEnabled(kPlaceholders[i].inStack);
    }
}

void QItemTextDlg::BuildFont(QBoxLayout* into) {
    auto* group = new QGroupBox(QStringLiteral(" Font "), this);
    into->addWidget(group);
    auto* grid = new QGridLayout(group);

    auto* nameText = new QLabel(QStringLiteral("Name:"), group);
    m_font = NewEditableList(group, InstalledFontFamilies(), QStringLiteral("Font Name:"));
    nameText->setBuddy(m_font);
    grid->addWidget(nameText, 0, 0);
    grid->addWidget(m_font, 0, 1, 1, 3);

    m_points = AddNumberRow(grid, 1, 0, QStringLiteral("Points:"), 1, 256);
    auto* aaText = new QLabel(QStringLiteral("AA:"), group);
    m_antialias = new QComboBox(group);
    m_antialias->addItems(
        {QStringLiteral("Non AntiAlias"), QStringLiteral("Default"), QStringLiteral("AntiAlias")});
    m_antialias->setAccessibleName(QStringLiteral("AA:"));
    aaText->setBuddy(m_antialias);
    grid->addWidget(aaText, 1, 2);
    grid->addWidget(m_antialias, 1, 3);

    auto* styleRow = new QHBoxLayout;
    m_bold = new QCheckBox(QStringLiteral("Bold"), group);
    m_italic = new QCheckBox(QStringLiteral("Italic"), group);
    m_underline = new QCheckBox(QStringLiteral("Underlined"), group);
    for (QCheckBox* box : {m_bold, m_italic, m_underline}) {
        styleRow->addWidget(box);
        Watch(box, &QCheckBox::clicked);
    }
    styleRow->addStretch();
    grid->addLayout(styleRow, 2, 0, 1, 4);

    // Alignment and case are two sets of radios in one group box.
    const auto addRadios = [&](std::array<QRadioButton*, 3>& radios, const QStringList& texts, int row) {
        auto* line = new QHBoxLayout;
        auto* set = new QButtonGroup(group);
        for (int i = 0; i < 3; ++i) {
            radios[i] = new QRadioButton(texts[i], group);
            set->addButton(radios[i]);
            line->addWidget(radios[i]);
            Watch(radios[i], &QRadioButton::clicked);
        }
        line->addStretch();
        grid->addLayout(line, row, 0, 1, 4);
    };
    addRadios(m_alignment, {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")}, 3);
    addRadios(m_case, {QStringLiteral("Normal"), QStringLiteral("lower"), QStringLiteral("UPPER")}, 4);

    auto* colourText = new QLabel(QStringLiteral("Colour:"), group);
    m_colour = new ColourPick(Prompt(), QStringLiteral("Colour:"), group);
    grid->addWidget(colourText, 5, 0);
    grid->addWidget(m_colour, 5, 1, 1, 3);
    m_transparent = new QCheckBox(QStringLiteral("Transparent text background"), group);
    grid->addWidget(m_transparent, 6, 0, 1, 4);

    Watch(m_font, &QComboBox::currentIndexChanged);
    Watch(m_font, &QComboBox::editTextChanged);
    WatchNumber(m_points);
    Watch(m_antialias, &QComboBox::currentIndexChanged);
    Watch(m_colour, &ColourPick::Picked);
    Watch(m_transparent, &QCheckBox::clicked);
}

void QItemTextDlg::BuildRange(QBoxLayout* into) {
    auto* group = new QGroupBox(QStringLiteral(" Range "), this);
    into->addWidget(group);
    auto* grid = new QGridLayout(group);
    AddPixelOffsetHeading(grid, 0, 0);
    m_left = new PlacementPair(group, QStringLiteral("Left:"), false, true);
    m_top = new PlacementPair(group, QStringLiteral("Top:"), false, true);
    m_right = new PlacementPair(group, QStringLiteral("Right:"), false, true);
    int row = 1;
    for (PlacementPair* pair : {m_left, m_top, m_right}) {
        pair->AddToGrid(grid, row++, 0);
        WatchPair(pair);
    }
    m_height = AddNumberRow(grid, row, 0, QStringLiteral("Height:"), 0, 9999);
    WatchNumber(m_height);
    AddPlacementAids(ElementKind::Text, {m_left, m_top, m_right}, grid, 0, 0);
    grid->setColumnStretch(5, 1);
}

void QItemTextDlg::ShowText(const QString& text) {
    for (int i = 0; i < int(m_placeholders.size()); ++i) {
        // A placeholder a stack does not offer stays editable as custom text, so that touching another
        // control does not wipe it.
        if (text == QLatin1String(kPlaceholders[i].text) && m_placeholders[i]->isEnabled()) {
            m_placeholders[i]->setChecked(true);
            return;
        }
    }
    m_custom->setChecked(true);
    m_customText->setText(text);
}

QString QItemTextDlg::ReadText() const {
    for (const int i : kReadingOrder) {
        if (m_placeholders[i]->isChecked())
            return QString::fromLatin1(kPlaceholders[i].text);
    }
    return m_customText->text();
}

void QItemTextDlg::ApplyKind() {
    m_record.text = ReadText();
    m_record.font = m_font->currentText();
    m_record.point = m_points->Value();
    if (m_antialias->currentIndex() >= 0)
        m_record.antialias = m_antialias->currentIndex();
    m_record.bold = m_bold->isChecked();
    m_record.italic = m_italic->isChecked();
    m_record.underline = m_underline->isChecked();
    for (int i = 0; i < 3; ++i) {
        if (m_alignment[i]->isChecked())
            m_record.alignment = i;
        if (m_case[i]->isChecked())
            m_record.setcase = i;
    }
    m_record.col = m_colour->GetColour();
    m_record.transparent = m_transparent->isChecked();
    m_record.place = {m_left->Read(), m_top->Read()};
    m_record.extent = {m_right->Read(), m_height->Value()};
}
