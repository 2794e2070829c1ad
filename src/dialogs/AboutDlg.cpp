#include "dialogs/AboutDlg.h"

#include "widgets/HyperLink.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

QAboutDlg::QAboutDlg(const QIcon& icon, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Drapier"));

    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);

    auto* credits = new QVBoxLayout;
    credits->addWidget(new QLabel(QStringLiteral("Drapier, the Pinlets Skin Designer, version 4.31"), this));
    credits->addWidget(new QLabel(QStringLiteral("Copyright (C) Quarvel. All rights reserved."), this));
    auto* requirement = new QLabel(
        QStringLiteral(
            "Skins written with this version of Drapier require Pinlets v10.1a to ensure they work "
            "correctly."),
        this);
    requirement->setWordWrap(true);
    credits->addWidget(requirement);
    m_link = new CHyperLink(QStringLiteral("Visit the Quarvel web site"), this);
    m_link->SetLink(QUrl(QStringLiteral("https://quarvel.example/pinlets/")));
    credits->addWidget(m_link);

    auto* row = new QHBoxLayout;
    row->addWidget(picture);
    row->addLayout(credits, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    requirement->setMinimumWidth(320);
}
