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

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Origin", this), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel("Destination", this), 0, 2, Qt::AlignHCenter);
    int row = 1;
    const auto pair = [&](const char* label, QLineEdit** fields, bool result) {
        grid->addWidget(new QLabel(label, this), row, 0);
        for (int i = 0; i < 2; ++i) {
            fields[i] = result ? ResultField(this) : NewNumberField(this);
            grid->addWidget(fields[i], row, i + 1);
        }
        ++row;
    };
    const auto single = [&](const char* label) {
        grid->addWidget(new QLabel(label, this), row, 0);
        QLineEdit* field = NewNumberField(this);
        grid->addWidget(field, row, 1);
        ++row;
        return field;
    };
    weightField = single("Weight (Lb) : ");
    pair("Horizontal Distance (in) :", hFields, false);
    pair("Vertical Distance (in) :", vFields, false);
    pair("Angle of asymmetry :", aFields, false);
    frequencyField = single("Frequency (Lifts/mn) :");
    durationField = single("Duration (hours) :");

    auto* coupling = new QGroupBox("Hand to object coupling :", this);
    auto* couplingRow = new QHBoxLayout(coupling);
    couplingGroup = new QButtonGroup(this);
    const char* couplings[3] = {"Good", "Fair", "Poor"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(couplings[i], coupling);
        couplingGroup->addButton(button, i);
        couplingRow->addWidget(button);
    }

    auto* results = new QGridLayout;
    results->addWidget(new QLabel("Origin", this), 0, 1, Qt::AlignHCenter);
    results->addWidget(new QLabel("Destination", this), 0, 2, Qt::AlignHCenter);
    row = 1;
    std::swap(grid, results);
    pair("Recommended weight limits (Lb) :", rwlFields, true);
    pair("Lifting index (weight / limit) :", liftingIndexFields, true);
    std::swap(grid, results);
    auto* limits = new QGroupBox(this);
    limits->setLayout(results);

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
