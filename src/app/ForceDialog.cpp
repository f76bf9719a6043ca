#include "app/ForceDialog.h"

#include "biomech/Units.h"
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

// Torques follow the force unit: lbf*in, or N*m with newtons.
double TorqueToDisplay(double value, int forceUnit) {
    return forceUnit == kNewton ? MomentToNewtonMetres(value) : value;
}
double TorqueFromDisplay(double value, int forceUnit) {
    return forceUnit == kNewton ? MomentFromNewtonMetres(value) : value;
}

QLineEdit* UnitField(const char* label, QWidget* parent) {
    auto* field = new QLineEdit(QString::fromUtf8(label), parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setMaximumWidth(70);
    return field;
}

} // namespace

CForceDialog::CForceDialog(const QString& segmentName, const Vec3& location, const Vec3& force,
                           const Vec3& torque, int lengthUnit, int forceUnit, Use use,
                           bool atMassCentre, QWidget* parent)
    : QDialog(parent), lengthUnit(lengthUnit), forceUnit(forceUnit), useKind(use),
      location(location), force(force), torque(torque) {
    setWindowTitle("Segmental External Force And Location");

    auto* segment = new QHBoxLayout;
    segment->addWidget(new QLabel("Segment :", this));
    auto* name = new QLabel(segmentName, this);
    name->setObjectName("SegmentName");
    segment->addWidget(name);
    segment->addStretch();

    auto* grid = new QGridLayout;
    const char* axes[3] = {"X", "Y", "Z"};
    for (int i = 0; i < 3; ++i)
        grid->addWidget(new QLabel(axes[i], this), 0, i + 1, Qt::AlignHCenter);
    const char* rows[3] = {"Location :", "Magnitude ", "Torque :"};
    QLineEdit** fields[3] = {locationFields, forceFields, torqueFields};
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(new QLabel(rows[r], this), r + 1, 0);
        for (int i = 0; i < 3; ++i) {
            fields[r][i] = NewNumberField(this);
            grid->addWidget(fields[r][i], r + 1, i + 1);
        }
    }
    grid->addWidget(UnitField(LengthUnitLabel(lengthUnit), this), 1, 4);
    grid->addWidget(UnitField(ForceUnitLabel(forceUnit), this), 2, 4);
    grid->addWidget(UnitField(MomentUnitLabel(forceUnit), this), 3, 4);
    for (int i = 0; i < 3; ++i)
        locationFields[i]->setText(NumberText(ConvertLength(kInches, location[i], lengthUnit)));
    ShowForceAndTorque(force, torque);

    massCentreBox = new QCheckBox("Force at the segment's center of gravity", this);
    massCentreBox->setChecked(atMassCentre);
    const auto enableLocation = [this](bool atCentre) {
        for (QLineEdit* field : locationFields)
            field->setEnabled(!atCentre);
    };
    connect(massCentreBox, &QCheckBox::toggled, this, enableLocation);
    enableLocation(atMassCentre);

    balanceButton = new QPushButton("Auto balance Mannequin", this);
    balanceButton->setEnabled(false);
    connect(balanceButton, &QPushButton::clicked, this, &CForceDialog::AutoBalance);

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

    if (use == kFootPrediction) {
        for (QLineEdit** row : fields)
            for (int i = 0; i < 3; ++i)
                row[i]->setEnabled(false);
        massCentreBox->setEnabled(false);
    }
}

void CForceDialog::SetBalancer(Balancer b) {
    balancer = std::move(b);
    balanceButton->setEnabled(useKind == kEdit && balancer != nullptr);
}

void CForceDialog::ShowForceAndTorque(const Vec3& shownForce, const Vec3& shownTorque) {
    for (int i = 0; i < 3; ++i) {
        forceFields[i]->setText(NumberText(ConvertForce(kPoundForce, shownForce[i], forceUnit)));
        torqueFields[i]->setText(NumberText(TorqueToDisplay(shownTorque[i], forceUnit)));
    }
}

void CForceDialog::AutoBalance() {
    if (!balancer)
        return;
    Vec3 balancingForce, balancingTorque;
    balancer(balancingForce, balancingTorque);
    ShowForceAndTorque(balancingForce, balancingTorque);
}

void CForceDialog::accept() {
    Vec3 shown[3];
    QLineEdit** fields[3] = {locationFields, forceFields, torqueFields};
    for (int r = 0; r < 3; ++r)
        for (int i = 0; i < 3; ++i)
            if (!ReadNumber(fields[r][i], shown[r][i]))
                return;
    for (int i = 0; i < 3; ++i) {
        location[i] = ConvertLength(lengthUnit, shown[0][i], kInches);
        force[i] = ConvertForce(forceUnit, shown[1][i], kPoundForce);
        torque[i] = TorqueFromDisplay(shown[2][i], forceUnit);
    }
    atMassCentre = massCentreBox->isChecked();
    QDialog::accept();
}
