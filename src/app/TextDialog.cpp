#include "app/TextDialog.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CTextDialog::CTextDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Text");
    field = new QLineEdit(this);
    field->setMinimumWidth(280);
    auto* font = new QPushButton("Font...", this);
    font->setAutoDefault(false);
    connect(font, &QPushButton::clicked, this, &CTextDialog::ChooseFont);
    auto* row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(font);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Type the text to create :", this));
    layout->addLayout(row);
    layout->addWidget(buttons);
}

std::string CTextDialog::Text() const {
    return field->text().toStdString();
}

void CTextDialog::ChooseFont() {
    bool ok = false;
    QFont initial(QString::fromStdString(fontName));
    initial.setPointSizeF(size / 10.0 > 1.0 ? size / 10.0 : 10.0);
    const QFont chosen = QFontDialog::getFont(&ok, initial, this, "Font");
    if (!ok)
        return;
    fontName = chosen.family().toStdString();
    size = static_cast<int>(chosen.pointSizeF() * 10.0 + 0.5);
}
