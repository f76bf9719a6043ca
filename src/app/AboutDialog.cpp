#include "app/AboutDialog.h"

#include "app/StaticLink.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About Tavrona");
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(":/icons/tavrona.svg").pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* version = new QLabel(kVersionText, this);
    auto* copyright = new QLabel("Copyright \u00A9 Quillon Works Inc.", this);
    link = new CStaticLink(kWebAddress, kWebAddress, this);
    link->setObjectName("AboutLink");

    auto* close = new QPushButton("Close", this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(copyright);
    texts->addWidget(link);
    texts->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(close);
    buttons->addStretch();
    auto* row = new QHBoxLayout(this);
    row->addWidget(icon);
    row->addSpacing(12);
    row->addLayout(texts, 1);
    row->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(420, 130)));
}
