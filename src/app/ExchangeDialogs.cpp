#include "app/ExchangeDialogs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CUnitsDialog::CUnitsDialog(QWidget* parent) : QDialog(parent), units(new QButtonGroup(this)) {
    setWindowTitle("Set Units");
    auto* group = new QGroupBox("Unit:");
    auto* column = new QVBoxLayout(group);
    int code = 0;
    for (const char* name : {"Inches", "Feet", "Millimeters", "Centimeters", "Meters"}) {
        auto* button = new QRadioButton(name);
        units->addButton(button, code++);
        column->addWidget(button);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(units, &QButtonGroup::idClicked, ok, [ok] { ok->setEnabled(true); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

int CUnitsDialog::UnitCode() const {
    return units->checkedId();
}

void CUnitsDialog::SetUnitCode(int code) {
    if (QAbstractButton* button = units->button(code))
        button->click();
}

CExchangeProgressDialog::CExchangeProgressDialog(const QString& title, QWidget* parent)
    : dialog(std::make_unique<QProgressDialog>(QString(), "Cancel", 0, 100, parent)) {
    dialog->setWindowTitle(title);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setMinimumDuration(0);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setValue(0);
    sinceEvents.start();
}

CExchangeProgressDialog::~CExchangeProgressDialog() = default;

void CExchangeProgressDialog::SetPhase(const std::string& caption) {
    dialog->setLabelText(QString::fromStdString(caption));
    QApplication::processEvents();
}

bool CExchangeProgressDialog::Update(int percent) {
    if (sinceEvents.elapsed() >= 50 || percent >= 100) {
        dialog->setValue(percent);
        QApplication::processEvents();
        sinceEvents.restart();
    }
    return dialog->wasCanceled();
}
