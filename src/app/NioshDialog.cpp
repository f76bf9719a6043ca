#include "app/NioshDialog.h"

#include "biomech/Units.h"
#include "view/DialogFields.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

QLineEdit* ResultField(QWidget* parent) {
    QLineEdit* field = NewNumberField(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

QString Number(double value) {
    return std::isfinite(value) ? QString::fromStdString(FormatTrimmed(value, 4)) : "--";
}

bool ReadFloat(QLineEdit* field, float& value, double min = -1e30, double max = 1e30) {
    double read = 0;
    if (!ReadNumber(field, read, min, max))
        return false;
    value = static_cast<float>(read);
    return true;
}

} // namespace

CNioshDialog::CNioshDialog(const NioshInputs& measured, Compute computeLimits, QWidget* parent)
    : QDialog(parent), inputs(measured), compute(std::move(computeLimits)) {
    setWindowTitle("NIOSH Revised Lifting Equation ");

    // Values of the task, then those of each end of the lift under "Origin" and "Destination".
    auto* grid = new QGridLayout;
    int row = 0;
    const auto single = [&](const char* label) {
        grid->addWidget(new QLabel(label, this), row, 0);
        QLineEdit* field = NewNumberField(this);
        grid->addWidget(field, row++, 1);
        return field;
    };
    const auto header = [&](QGridLayout* layout) {
        layout->addWidget(new QLabel("Origin", this), row, 1, Qt::AlignHCenter);
        layout->addWidget(new QLabel("Destination", this), row++, 2, Qt::AlignHCenter);
    };
    const auto pair = [&](QGridLayout* layout, const char* label, QLineEdit** fields, bool result) {
        layout->addWidget(new QLabel(label, this), row, 0);
        for (int i = 0; i < 2; ++i) {
            fields[i] = result ? ResultField(this) : NewNumberField(this);
            layout->addWidget(fields[i], row, i + 1);
        }
        ++row;
    };
    weightField = single("Weight (Lb) : ");
    frequencyField = single("Frequency (Lifts/mn) :");
    durationField = single("Duration (hours) :");
    header(grid);
    pair(grid, "Horizontal Distance (in) :", hFields, false);
    pair(grid, "Vertical Distance (in) :", vFields, false);
    pair(grid, "Angle of asymmetry :", aFields, false);

    auto* coupling = new QGroupBox("Hand to object coupling :", this);
    auto* couplingRow = new QHBoxLayout(coupling);
    couplingGroup = new QButtonGroup(this);
    const char* couplings[3] = {"Good", "Fair", "Poor"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(couplings[i], coupling);
        couplingGroup->addButton(button, i);
        couplingRow->addWidget(button);
    }

    auto* limits = new QGroupBox(this);
    auto* results = new QGridLayout(limits);
    row = 0;
    header(results);
    pair(results, "Recommended weight limits (Lb) :", rwlFields, true);
    pair(results, "Lifting index (weight / limit) :", liftingIndexFields, true);

    auto* recompute = new QPushButton("Recompute", this);
    connect(recompute, &QPushButton::clicked, this, &CNioshDialog::Recompute);
    auto* copy = new QPushButton("Copy to clipboard", this);
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(ReportText()); });
    auto* close = new QPushButton("Close", this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(recompute);
    buttons->addWidget(copy);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(coupling);
    layout->addWidget(limits);
    layout->addLayout(buttons);

    if (compute)
        result = compute(inputs);
    ShowValues();
}

void CNioshDialog::ShowValues() {
    weightField->setText(Number(inputs.weight));
    const float* pairs[3][2] = {{&inputs.hOrigin, &inputs.hDestination},
                                {&inputs.vOrigin, &inputs.vDestination},
                                {&inputs.asymmetryOrigin, &inputs.asymmetryDestination}};
    QLineEdit** fields[3] = {hFields, vFields, aFields};
    for (int r = 0; r < 3; ++r)
        for (int i = 0; i < 2; ++i)
            fields[r][i]->setText(Number(*pairs[r][i]));
    frequencyField->setText(Number(inputs.frequency));
    durationField->setText(Number(inputs.duration));
    if (QAbstractButton* button = couplingGroup->button(inputs.coupling))
        button->setChecked(true);
    const NioshEnd* ends[2] = {&result.origin, &result.destination};
    for (int i = 0; i < 2; ++i) {
        rwlFields[i]->setText(Number(ends[i]->rwl));
        liftingIndexFields[i]->setText(QString::fromStdString(FormatLiftingIndex(*ends[i])));
    }
}

void CNioshDialog::ReadFields() {
    // The order in which the fields are checked; a refused field stops the reading and the
    // fields after it keep their previous values.
    if (!ReadFloat(aFields[1], inputs.asymmetryDestination) ||
        !ReadFloat(aFields[0], inputs.asymmetryOrigin) ||
        !ReadFloat(durationField, inputs.duration, 0, kNioshMaximumDuration) ||
        !ReadFloat(frequencyField, inputs.frequency) ||
        !ReadFloat(hFields[1], inputs.hDestination) || !ReadFloat(hFields[0], inputs.hOrigin) ||
        !ReadFloat(weightField, inputs.weight) || !ReadFloat(vFields[1], inputs.vDestination) ||
        !ReadFloat(vFields[0], inputs.vOrigin))
        return;
    inputs.coupling = std::max(0, couplingGroup->checkedId());
}

void CNioshDialog::Recompute() {
    ReadFields();
    if (compute)
        result = compute(inputs);
    ShowValues();
}

QString CNioshDialog::ReportText() const {
    return QString::fromStdString(NioshReportText(inputs, result));
}
