#include "dialogs/AuthorDlg.h"

#include "dialogs/ColourPick.h"
#include "dialogs/DialogControls.h"
#include "dialogs/FontFamilies.h"
#include "document/LeadingNumber.h"
#include "document/StyleString.h"
#include "render/FontFamilyNames.h"
#include "widgets/IntegerBox.h"
#include "widgets/Prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A hint under a control, in the second column of its grid.
void AddHint(QGridLayout* grid, int row, const QString& text) {
    auto* hint = new QLabel(text, grid->parentWidget());
    hint->setWordWrap(true);
    QFont small = hint->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    hint->setFont(small);
    hint->setForegroundRole(QPalette::PlaceholderText);
    grid->addWidget(hint, row, 1, 1, 2);
}

ColourPick* AddColourRow(QGridLayout* grid, int row, Prompter& prompter, const QString& label) {
    QWidget* parent = grid->parentWidget();
    auto* text = new QLabel(label, parent);
    auto* pick = new ColourPick(prompter, label, parent);
    grid->addWidget(text, row, 0);
    grid->addWidget(pick, row, 1, 1, 2);
    return pick;
}

// Notes keep CR LF line breaks; the box shows plain ones.
QString NotesForBox(const QString& notes) {
    QString text = notes;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString NotesFromBox(const QString& text) {
    QString notes = text;
    notes.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return notes;
}

const QStringList kTooltipShows = {QStringLiteral("nothing"),
                                   QStringLiteral("creation time"),
                                   QStringLiteral("network source"),
                                   QStringLiteral("modified time"),
                                   QStringLiteral("alarm time"),
                                   QStringLiteral("user string 1"),
                                   QStringLiteral("attach window title"),
                                   QStringLiteral("attach window class"),
                                   QStringLiteral("title")};

} // namespace

QAuthorDlg::QAuthorDlg(Prompter& prompter, const SkinSettings& settings, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_settings(settings) {
    setWindowTitle(QStringLiteral("Skin info and settings"));
    auto* main = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    main->addLayout(columns);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    BuildInfo(left);
    BuildTooltip(left);
    left->addStretch();
    BuildStyle(right);
    BuildStackFile(right);
    BuildBorder(right);
    BuildOther(right);
    right->addStretch();

    auto* buttons = new QHBoxLayout;
    main->addLayout(buttons);
    AddOkCancelButtons(this, buttons);
    Show();
}

void QAuthorDlg::BuildInfo(QBoxLayout* into) {
    QGridLayout* grid = AddGroupBox(this, QStringLiteral(" Skin Designer Info "), into);
    m_skinName = AddTextRow(grid, 0, 0, QStringLiteral("Skin Name:"));
    m_authorName = AddTextRow(grid, 1, 0, QStringLiteral("Your Name:"));
    AddHint(grid, 2, QStringLiteral("Displayed on the skins download web page, and in Pinlets"));
    m_email = AddTextRow(grid, 3, 0, QStringLiteral("Email:"));
    AddHint(grid, 4, QStringLiteral("Clickable within Pinlets, but will not be put on any web page"));
    m_url = AddTextRow(grid, 5, 0, QStringLiteral("URL:"));
    AddHint(grid, 6, QStringLiteral("Clickable in Pinlets, and also linked from the skin web page"));
    QWidget* group = grid->parentWidget();
    auto* notesText = new QLabel(QStringLiteral("Notes:"), group);
    m_notes = new QPlainTextEdit(group);
    m_notes->setAccessibleName(QStringLiteral("Notes:"));
    // Tab moves on, as everywhere else in the dialog.
    m_notes->setTabChangesFocus(true);
    m_notes->setMinimumHeight(80);
    notesText->setBuddy(m_notes);
    grid->addWidget(notesText, 7, 0, Qt::AlignTop);
    grid->addWidget(m_notes, 7, 1);
    AddHint(grid, 8, QStringLiteral("Displayed on the skin download web page, and in Pinlets"));
}

void QAuthorDlg::BuildTooltip(QBoxLayout* into) {
    QGridLayout* grid = AddGroupBox(this, QStringLiteral(" Tooltip "), into);
    QWidget* group = grid->parentWidget();
    auto* fontText = new QLabel(QStringLiteral("Font name:"), group);
    m_tooltipFont = NewEditableList(group, InstalledFontFamilies(), QStringLiteral("Font name:"));
    fontText->setBuddy(m_tooltipFont);
    grid->addWidget(fontText, 0, 0);
    grid->addWidget(m_tooltipFont, 0, 1, 1, 2);
    m_fontSize = AddNumberRow(grid, 1, 0, QStringLiteral("Font size:"), -1, 9999);
    auto* sizeHint = new QLabel(QStringLiteral("(set to -1 to leave as the default value)"), group);
    grid->addWidget(sizeHint, 1, 2);
    m_integers.Require(m_fontSize);
    auto* showsText = new QLabel(QStringLiteral("Tooltip shows:"), group);
    m_tooltipShows = new QComboBox(group);
    m_tooltipShows->addItems(kTooltipShows);
    m_tooltipShows->setAccessibleName(QStringLiteral("Tooltip shows:"));
    showsText->setBuddy(m_tooltipShows);
    grid->addWidget(showsText, 2, 0);
    grid->addWidget(m_tooltipShows, 2, 1, 1, 2);
    grid->setColumnStretch(2, 1);
}

void QAuthorDlg::BuildStyle(QBoxLayout* into) {
    QGridLayout* grid = AddGroupBox(this, QStringLiteral(" Default style "), into);
    QWidget* group = grid->parentWidget();
    auto* styleText = new QLabel(QStringLiteral("Style:"), group);
    m_styleButton = NewButton(group, QString(), QStringLiteral("Style:"));
    m_clear = NewButton(group, QStringLiteral("Clear"));
    grid->addWidget(styleText, 0, 0);
    grid->addWidget(m_styleButton, 0, 1);
    grid->addWidget(m_clear, 0, 2);
    m_noteColour = AddColourRow(grid, 1, m_prompter, QStringLiteral("Note colour:"));
    m_fontColour = AddColourRow(grid, 2, m_prompter, QStringLiteral("Font:"));
    grid->setColumnStretch(1, 1);

    connect(m_styleButton, &QPushButton::clicked, this, &QAuthorDlg::ChooseStyleFont);
    connect(m_clear, &QPushButton::clicked, this, [this] { SetStyle(QString()); });
    connect(m_noteColour, &ColourPick::Picked, this,
            [this](Colour colour) { SetStyle(StyleWithNoteColour(m_settings.defaultstyle, colour)); });
    connect(m_fontColour, &ColourPick::Picked, this, [this](Colour colour) {
        StyleFields fields = DecodeStyle(m_settings.defaultstyle);
        fields.fontColour = colour;
        SetStyle(EncodeStyle(fields));
    });
}

void QAuthorDlg::BuildStackFile(QBoxLayout* into) {
    QGridLayout* grid = AddGroupBox(this, QStringLiteral("Stack skin filename "), into);
    QWidget* group = grid->parentWidget();
    auto* label = new QLabel(QStringLiteral("Enter filename of stack skin:"), group);
    m_stackFile = new QLineEdit(group);
    m_stackFile->setAccessibleName(label->text());
    label->setBuddy(m_stackFile);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_stackFile, 1, 0);
    for (const QString& note :
         {QStringLiteral("Note: this must be in the same directory as the pinlets skin file, and should not "
                         "include a path, e.g. 'mystack.ini"),
          QStringLiteral("It will be included when exporting this skin to an QSK file")}) {
        auto* text = new QLabel(note, group);
        text->setWordWrap(true);
        grid->addWidget(text, grid->rowCount(), 0);
    }
}

void QAuthorDlg::BuildBorder(QBoxLayout* into) {
    QGridLayout* grid = AddGroupBox(this, QStringLiteral(" Selected Border "), into);
    m_borderWidth = AddTextRow(grid, 0, 0, QStringLiteral("Border width:"));
    m_dash1 = AddTextRow(grid, 1, 0, QStringLiteral("Dash 1 width:"));
    m_dash2 = AddTextRow(grid, 2, 0, QStringLiteral("Dash 2 width:"));
    m_dashColour1 = AddColourRow(grid, 3, m_prompter, QStringLiteral("Dash 1 colour:"));
    m_dashColour2 = AddColourRow(grid, 4, m_prompter, QStringLiteral("Dash 2 colour:"));
    auto* note = new QLabel(QStringLiteral("The widths are scaled at runtime by note DPI settings"),
                            grid->parentWidget());
    note->setWordWrap(true);
    grid->addWidget(note, 5, 0, 1, 3);
}

void QAuthorDlg::BuildOther(QBoxLayout* into) {
    QGridLayout* grid = AddGroupBox(this, QStringLiteral(" Other "), into);
    m_rtf = new QCheckBox(QStringLiteral("Skin draws on RTF background"), grid->parentWidget());
    grid->addWidget(m_rtf, 0, 0);
}

void QAuthorDlg::Show() {
    m_skinName->setText(m_settings.skinname);
    m_authorName->setText(m_settings.authorname);
    m_email->setText(m_settings.authoremail);
    m_url->setText(m_settings.authorurl);
    m_shownNotes = NotesForBox(m_settings.notes);
    m_notes->setPlainText(m_shownNotes);
    ShowInEditableList(m_tooltipFont, m_settings.tooltipfontname);
    m_fontSize->SetValue(m_settings.tooltipfontsize);
    const bool listed = m_settings.titletooltip >= 0 && m_settings.titletooltip < kTooltipShows.size();
    m_tooltipShows->setCurrentIndex(listed ? m_settings.titletooltip : -1);
    ShowStyle();
    m_stackFile->setText(m_settings.stackfilename);
    m_borderWidth->setText(QString::number(m_settings.selectedborderwidth));
    m_dash1->setText(QString::number(m_settings.selectedborderdashlength1));
    m_dash2->setText(QString::number(m_settings.selectedborderdashlength2));
    m_dashColour1->SetColour(m_settings.selectedborderdashcolour1);
    m_dashColour2->SetColour(m_settings.selectedborderdashcolour2);
    m_rtf->setChecked(m_settings.drawonrtfbg);
}

void QAuthorDlg::ShowStyle() {
    m_styleButton->setText(StyleButtonText(m_settings.defaultstyle));
    const StyleFields fields = DecodeStyle(m_settings.defaultstyle);
    m_noteColour->SetColour(fields.noteColour);
    m_fontColour->SetColour(fields.fontColour);
}

void QAuthorDlg::SetStyle(const QString& style) {
    m_settings.defaultstyle = style;
    ShowStyle();
}

void QAuthorDlg::ChooseStyleFont() {
    const StyleFields fields = DecodeStyle(m_settings.defaultstyle);
    const StyleFont shown = StyleFontOf(fields);
    QFont initial = font();
    if (!shown.family.isEmpty())
        initial.setFamily(shown.family);
    if (shown.pointSize > 0)
        initial.setPointSizeF(shown.pointSize);
    initial.setWeight(static_cast<QFont::Weight>(shown.weight));
    initial.setItalic(shown.italic);
    initial.setUnderline(shown.underline);
    initial.setStrikeOut(shown.strikeOut);
    const std::optional<QFont> chosen = m_prompter.ChooseFont(this, initial);
    if (!chosen)
        return;
    StyleFont font;
    font.family = FamilyWithoutFoundry(chosen->family());
    font.pointSize = chosen->pointSizeF() > 0 ? chosen->pointSizeF() : initial.pointSizeF();
    font.weight = chosen->weight();
    font.italic = chosen->italic();
    font.underline = chosen->underline();
    font.strikeOut = chosen->strikeOut();
    SetStyle(EncodeStyle(WithStyleFont(fields, font)));
}

void QAuthorDlg::accept() {
    if (!m_integers.Pass(this, m_prompter))
        return;
    m_settings.drawonrtfbg = m_rtf->isChecked();
    m_settings.selectedborderwidth = LeadingNumber(m_borderWidth->text());
    m_settings.selectedborderdashlength1 = LeadingNumber(m_dash1->text());
    m_settings.selectedborderdashlength2 = LeadingNumber(m_dash2->text());
    if (m_tooltipShows->currentIndex() >= 0)
        m_settings.titletooltip = m_tooltipShows->currentIndex();
    m_settings.skinname = m_skinName->text();
    m_settings.authorname = m_authorName->text();
    m_settings.authoremail = m_email->text();
    m_settings.authorurl = m_url->text();
    // Unchanged notes keep their line breaks exactly as they came.
    if (m_notes->toPlainText() != m_shownNotes)
        m_settings.notes = NotesFromBox(m_notes->toPlainText());
    m_settings.tooltipfontname = m_tooltipFont->currentText();
    m_settings.tooltipfontsize = m_fontSize->Value();
    m_settings.stackfilename = m_stackFile->text();
    m_settings.selectedborderdashcolour1 = m_dashColour1->GetColour();
    m_settings.selectedborderdashcolour2 = m_dashColour2->GetColour();
    QDialog::accept();
}
