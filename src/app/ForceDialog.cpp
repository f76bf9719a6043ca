#include "app/ForceDialog.h"

#include "view/DialogFields.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* UnitField(const std::string& label, QWidget* parent) {
    auto* field = new QLineEdit(QString::fromStdString(label), parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setMaximumWidth(70);
    return field;
}

} // namespace

CForceDialog::CForceDialog(const ForceFields& shown, AutoBalance balance, QWidget* parent)
    : QDialog(parent), fields(shown), autoBalance(std::move(balance)) {
    setWindowTitle("Segmental External Force And Location");

    auto* segment = new QHBoxLayout;
    segment->addWidget(new QLabel("Segment :", this));
    auto* name = new QLabel(QString::fromStdString(fields.segmentName), this);
    name->setObjectName("SegmentName");
    segment->addWidget(name);
    segment->addStretch();

    auto* grid = new QGridLayout;
    const char* axes[3] = {"X", "Y", "Z"};
    for (int i = 0; i < 3; ++i)
        grid->addWidget(new QLabel(axes[i], this), 0, i + 1, Qt::AlignHCenter);
    const char* rows[3] = {"Location :", "Magnitude ", "Torque :"};
    QLineEdit** rowFields[3] = {locationFields, forceFields, torqueFields};
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(new QLabel(rows[r], this), r + 1, 0);
        for (int i = 0; i < 3; ++i) {
            rowFields[r][i] = NewNumberField(this);
            grid->addWidget(rowFields[r][i], r + 1, i + 1);
        }
    }
    grid->addWidget(UnitField(fields.lengthLabel, this), 1, 4);
    grid->addWidget(UnitField(fields.forceLabel, this), 2, 4);
    grid->addWidget(UnitField(fields.momentLabel, this), 3, 4);
    ShowVector(locationFields, fields.location);
    ShowVector(forceFields, fields.force);
    ShowVector(torqueFields, fields.torque);

    massCentreBox = new QCheckBox("Force at the segment's center of gravity", this);
    massCentreBox->setChecked(fields.atMassCentre);
    const auto enableLocation = [this](bool atCentre) {
        for (QLineEdit* field : locationFields)
            field->setEnabled(!atCentre && !fields.readOnly);
    };
    connect(massCentreBox, &QCheckBox::toggled, this, enableLocation);
    enableLocation(fields.atMassCentre);

    balanceButton = new QPushButton("Auto balance Mannequin", this);
    balanceButton->setEnabled(fields.canAutoBalance && !fields.readOnly && autoBalance);
    connect(balanceButton, &QPushButton::clicked, this, &CForceDialog::Balance);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(balanceButton);
    bottom->addStretch();
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(segment);
    layout->addLayout(grid);
    layout->addWidget(massCentreBox);
    layout->addLayout(bottom);

    if (fields.readOnly) {
        for (QLineEdit** row : rowFields)
            for (int i = 0; i < 3; ++i)
                row[i]->setEnabled(false);
        massCentreBox->setEnabled(false);
    }
}

void CForceDialog::ShowVector(QLineEdit* const* row, const Vec3& value) {
    for (int i = 0; i < 3; ++i)
        row[i]->setText(NumberText(value[i]));
}

bool CForceDialog::ReadFields(ForceFields& read) {
    QLineEdit** rowFields[3] = {locationFields, forceFields, torqueFields};
    Vec3* values[3] = {&read.location, &read.force, &read.torque};
    for (int r = 0; r < 3; ++r)
        for (int i = 0; i < 3; ++i)
            if (!ReadNumber(rowFields[r][i], (*values[r])[i]))
                return false;
    read.atMassCentre = massCentreBox->isChecked();
    return true;
}

void CForceDialog::Balance() {
    // The balancing load keeps the location now in the fields.
    ForceFields current = fields;
    if (!ReadFields(current))
        return;
    autoBalance(current);
    ShowVector(forceFields, current.force);
    ShowVector(torqueFields, current.torque);
}

void CForceDialog::accept() {
    ForceFields read = fields;
    if (!ReadFields(read))
        return;
    fields = read;
    QDialog::accept();
}
