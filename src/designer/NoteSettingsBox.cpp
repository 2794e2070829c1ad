#include "designer/NoteSettingsBox.h"

#include "document/LeadingNumber.h"
#include "widgets/ColourSwatch.h"
#include "widgets/IntegerBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPushButton* MakePickButton(QWidget* parent, const char* name) {
    auto* button = new QPushButton(QStringLiteral("Pick"), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch(1);
    return row;
}

} // namespace

NoteSettingsBox::NoteSettingsBox(QWidget* parent) : QGroupBox(QStringLiteral(" Note settings "), parent) {
    setObjectName(QStringLiteral("noteSettings"));

    m_created = new QLineEdit(this);
    m_created->setObjectName(QStringLiteral("created"));
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("title"));
    m_source = new QLineEdit(this);
    m_source->setObjectName(QStringLiteral("source"));
    m_sourceLabel = new QLabel(QStringLiteral("Source:"), this);
    m_sourceLabel->setObjectName(QStringLiteral("sourceLabel"));

    auto* texts = new QFormLayout;
    texts->addRow(new QLabel(QStringLiteral("Created/\nModified:"), this), m_created);
    texts->addRow(new QLabel(QStringLiteral("Title:"), this), m_title);
    texts->addRow(m_sourceLabel, m_source);

    m_ontop = AddCheck(QStringLiteral("On Top"), "ontop");
    m_rolled = AddCheck(QStringLiteral("Rolled"), "rolled");
    m_locked = AddCheck(QStringLiteral("Locked contents"), "locked");
    m_alarm = AddCheck(QStringLiteral("Alarm"), "alarm");
    m_focus = AddCheck(QStringLiteral("Has Focus"), "focus");
    m_attached = AddCheck(QStringLiteral("Attached"), "attached");
    m_stand = AddCheck(QStringLiteral("Stand"), "stand");
    m_solo = AddCheck(QStringLiteral("Solo"), "solo");
    m_user1 = AddCheck(QStringLiteral("User 1"), "user1");
    m_user2 = AddCheck(QStringLiteral("User 2"), "user2");
    m_user3 = AddCheck(QStringLiteral("User 3"), "user3");
    m_transmit = AddCheck(QStringLiteral("Transmit OK"), "transmit");
    m_email = AddCheck(QStringLiteral("Email OK"), "email");
    m_sync = AddCheck(QStringLiteral("Sync"), "sync");
    m_image = AddCheck(QStringLiteral("Image"), "image");

    auto* flags = new QGridLayout;
    const QList<QCheckBox*> flagBoxes = {m_ontop,    m_rolled,   m_locked, m_alarm, m_focus,
                                         m_attached, m_stand,    m_solo,   m_user1, m_user2,
                                         m_user3,    m_transmit, m_email,  m_sync,  m_image};
    for (int i = 0; i < flagBoxes.size(); ++i)
        flags->addWidget(flagBoxes[i], i / 3, i % 3);

    // Every size typed on the way to the one meant would otherwise be drawn in turn: typed sizes are
    // reported once the events already queued (the rest of a burst of keys) are handled.
    m_sizeTyped = new QTimer(this);
    m_sizeTyped->setSingleShot(true);
    m_sizeTyped->setInterval(0);
    connect(m_sizeTyped, &QTimer::timeout, this, &NoteSettingsBox::Changed);
    m_width = AddNumber(9999, "width", true);
    m_height = AddNumber(9999, "height", true);
    m_sticky = new ColourSwatch(this);
    m_sticky->setObjectName(QStringLiteral("stickySwatch"));
    m_pickSticky = MakePickButton(this, "pickSticky");
    m_instack = AddCheck(QStringLiteral("In a Stack"), "instack");
    m_stackname = new QLineEdit(this);
    m_stackname->setObjectName(QStringLiteral("stackname"));
    m_bulk = AddCheck(QStringLiteral("Bulk Selected"), "bulk");
    m_pen = new ColourSwatch(this);
    m_pen->setObjectName(QStringLiteral("penSwatch"));
    m_pickPen = MakePickButton(this, "pickPen");
    m_dpi = new QComboBox(this);
    m_dpi->setObjectName(QStringLiteral("dpi"));
    m_dpi->addItems(
        {QStringLiteral("96"), QStringLiteral("120"), QStringLiteral("144"), QStringLiteral("192")});
    m_scrollbar = AddCheck(QStringLiteral("Scrollbar"), "scrollbar");
    m_moreabove = AddCheck(QStringLiteral("More Above"), "moreabove");
    m_morebelow = AddCheck(QStringLiteral("More Below"), "morebelow");
    m_scrolltop = AddNumber(100, "scrolltop");
    m_scrollbottom = AddNumber(100, "scrollbottom");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(texts);
    layout->addLayout(flags);
    layout->addLayout(Row({new QLabel(QStringLiteral("Width:"), this), m_width,
                           new QLabel(QStringLiteral("Height:"), this), m_height}));
    layout->addLayout(Row({new QLabel(QStringLiteral("Sticky colour:"), this), m_sticky, m_pickSticky}));
    layout->addLayout(Row({m_instack, new QLabel(QStringLiteral("Stack Name:"), this), m_stackname}));
    layout->addLayout(Row({m_bulk}));
    layout->addLayout(Row({new QLabel(QStringLiteral("Pen colour:"), this), m_pen, m_pickPen,
                           new QLabel(QStringLiteral("DPI:"), this), m_dpi}));
    layout->addLayout(Row({m_scrollbar, m_moreabove, m_morebelow}));
    layout->addLayout(Row({new QLabel(QStringLiteral("Scroll Top:"), this), m_scrolltop,
                           new QLabel(QStringLiteral("Scroll Bottom:"), this), m_scrollbottom}));
    layout->addStretch(1);

    for (QLineEdit* edit : {m_created, m_title, m_source, m_stackname})
        connect(edit, &QLineEdit::textChanged, this, [this] { Announce(); });
    connect(m_dpi, &QComboBox::currentIndexChanged, this, [this] { Announce(); });
    connect(m_pickSticky, &QPushButton::clicked, this, &NoteSettingsBox::PickStickyRequested);
    connect(m_pickPen, &QPushButton::clicked, this, &NoteSettingsBox::PickPenRequested);

    SetSettings(NoteSettings());
}

QCheckBox* NoteSettingsBox::AddCheck(const QString& text, const char* name) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QLatin1String(name));
    connect(box, &QCheckBox::toggled, this, [this] { Announce(); });
    return box;
}

IntegerBox* NoteSettingsBox::AddNumber(int arrowMaximum, const char* name, bool typedLater) {
    auto* box = new IntegerBox(this);
    box->setObjectName(QLatin1String(name));
    box->SetArrowRange(0, arrowMaximum);
    connect(box, &IntegerBox::Changed, this, [this, box, typedLater] {
        if (m_quiet)
            return;
        if (typedLater && box->ChangeIsTyped()) {
            m_sizeTyped->start();
            return;
        }
        Announce();
    });
    return box;
}

void NoteSettingsBox::Announce() {
    if (m_quiet)
        return;
    // Reported now with every value as it is, a typed size still waiting included.
    m_sizeTyped->stop();
    emit Changed();
}

NoteSettings NoteSettingsBox::Settings() const {
    NoteSettings s;
    s.width = m_width->Value();
    s.height = m_height->Value();
    s.ontop = m_ontop->isChecked();
    s.rolled = m_rolled->isChecked();
    s.locked = m_locked->isChecked();
    s.alarm = m_alarm->isChecked();
    s.focus = m_focus->isChecked();
    s.attached = m_attached->isChecked();
    s.stand = m_stand->isChecked();
    s.solo = m_solo->isChecked();
    s.user1 = m_user1->isChecked();
    s.user2 = m_user2->isChecked();
    s.user3 = m_user3->isChecked();
    s.transmit = m_transmit->isChecked();
    s.email = m_email->isChecked();
    s.sync = m_sync->isChecked();
    s.image = m_image->isChecked();
    s.instack = m_instack->isChecked();
    s.bulk = m_bulk->isChecked();
    s.scrollbar = m_scrollbar->isChecked();
    s.moreabove = m_moreabove->isChecked();
    s.morebelow = m_morebelow->isChecked();
    s.title = m_title->text();
    s.source = m_source->text();
    s.created = m_created->text();
    s.stackname = m_stackname->text();
    s.scrolltop = m_scrolltop->Value();
    s.scrollbottom = m_scrollbottom->Value();
    const QString dpi = m_dpi->currentText();
    s.dpi = dpi.isEmpty() ? 96 : LeadingNumber(dpi);
    s.notecolour = m_sticky->GetColour();
    s.pencolour = m_pen->GetColour();
    s.stackmode = m_stackMode;
    return s;
}

void NoteSettingsBox::SetSettings(const NoteSettings& s) {
    m_quiet = true;
    m_width->SetValue(s.width);
    m_height->SetValue(s.height);
    m_ontop->setChecked(s.ontop);
    m_rolled->setChecked(s.rolled);
    m_locked->setChecked(s.locked);
    m_alarm->setChecked(s.alarm);
    m_focus->setChecked(s.focus);
    m_attached->setChecked(s.attached);
    m_stand->setChecked(s.stand);
    m_solo->setChecked(s.solo);
    m_user1->setChecked(s.user1);
    m_user2->setChecked(s.user2);
    m_user3->setChecked(s.user3);
    m_transmit->setChecked(s.transmit);
    m_email->setChecked(s.email);
    m_sync->setChecked(s.sync);
    m_image->setChecked(s.image);
    m_instack->setChecked(s.instack);
    m_bulk->setChecked(s.bulk);
    m_scrollbar->setChecked(s.scrollbar);
    m_moreabove->setChecked(s.moreabove);
    m_morebelow->setChecked(s.morebelow);
    m_title->setText(s.title);
    m_source->setText(s.source);
    m_created->setText(s.created);
    m_stackname->setText(s.stackname);
    m_scrolltop->SetValue(s.scrolltop);
    m_scrollbottom->SetValue(s.scrollbottom);
    const int dpiIndex = m_dpi->findText(QString::number(s.dpi));
    m_dpi->setCurrentIndex(dpiIndex >= 0 ? dpiIndex : 0);
    m_sticky->SetColour(s.notecolour);
    m_pen->SetColour(s.pencolour);
    m_quiet = false;
}

Colour NoteSettingsBox::StickyColour() const {
    return m_sticky->GetColour();
}
Colour NoteSettingsBox::PenColour() const {
    return m_pen->GetColour();
}

void NoteSettingsBox::SetStickyColour(Colour colour) {
    m_sticky->SetColour(colour);
}
void NoteSettingsBox::SetPenColour(Colour colour) {
    m_pen->SetColour(colour);
}

bool NoteSettingsBox::IsRolled() const {
    return m_rolled->isChecked();
}

void NoteSettingsBox::ApplyMode(bool stackMode) {
    m_stackMode = stackMode;
    m_quiet = true;
    const bool sticky = !stackMode;
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_created,   m_title,     m_transmit,  m_email,   m_locked,    m_rolled,      m_attached,
             m_moreabove, m_morebelow, m_scrollbar, m_image,   m_user1,     m_user2,       m_user3,
             m_sync,      m_stand,     m_solo,      m_pickPen, m_scrolltop, m_scrollbottom})
        control->setEnabled(sticky);
    m_source->setText(DefaultNoteSource(stackMode));
    m_sourceLabel->setText(stackMode ? QStringLiteral("Count:") : QStringLiteral("Source:"));
    m_instack->setText(stackMode ? QStringLiteral("Stacked up") : QStringLiteral("In a Stack"));
    setTitle(stackMode ? QStringLiteral(" Stack settings ") : QStringLiteral(" Note settings "));
    m_quiet = false;
}
