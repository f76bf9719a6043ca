#include "app/GravityAndUnitsDialogs.h"

#include "biomech/Units.h"
#include "view/DialogFields.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

// The units dialog lists its choices in this order.
constexpr const char* kUnitChoices[5] = {"Inches", "Feet", "Millimeters", "Centimeters", "Meters"};
constexpr int kUnitChoiceCodes[5] = {kInches, kFeet, kMillimetres, kCentimetres, kMetres};

} // namespace

CGravityDialog::CGravityDialog(const Vec3& gravity, QWidget* parent)
    : QDialog(parent), gravity(gravity) {
    setWindowTitle("Set Gravity");
    auto* box = new QGroupBox("G = ", this);
    auto* grid = new QGridLayout(box);
    const char* axes[3] = {"X :", "Y :", "Z :"};
    for (int i = 0; i < 3; ++i) {
        fields[i] = NewNumberField(this, NumberText(gravity[i]));
        grid->addWidget(new QLabel(axes[i], this), i, 0);
        grid->addWidget(fields[i], i, 1);
        grid->addWidget(new QLabel("[m/s^2]", this), i, 2);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(OkCancel(this));
}

void CGravityDialog::accept() {
    Vec3 g;
    for (int i = 0; i < 3; ++i)
        if (!ReadNumber(fields[i], g[i]))
            return;
    gravity = g;
    QDialog::accept();
}

CSetUnitsDialog::CSetUnitsDialog(int preset, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Set Units");
    auto* box = new QGroupBox("Unit:", this);
    auto* column = new QVBoxLayout(box);
    group = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto* button = new QRadioButton(kUnitChoices[i], box);
        group->addButton(button, i);
        column->addWidget(button);
    }
    if (preset >= 0 && preset < 5)
        group->button(preset)->setChecked(true);
    auto* buttons = OkCancel(this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(Choice() >= 0);
    connect(group, &QButtonGroup::idToggled, this, [this, ok] { ok->setEnabled(Choice() >= 0); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);
}

int CSetUnitsDialog::Choice() const {
    return group->checkedId();
}

int CSetUnitsDialog::LengthUnitCode() const {
    const int choice = Choice();
    return choice >= 0 && choice < 5 ? kUnitChoiceCodes[choice] : -1;
}
