#pragma once

#include "biomech/Niosh.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QLineEdit;

// "NIOSH Revised Lifting Equation ": the measured hand locations of the initial and final
// postures, the task's weight, frequency, duration and coupling, and the recommended weight
// limits at origin and destination with the lifting index of the load. "Recompute" reads the
// fields back and computes; "Copy to clipboard" copies the report.
class CNioshDialog : public QDialog {
    Q_OBJECT
public:
    using Compute = std::function<NioshResult(NioshInputs&)>;

    // Computes and shows the limits of `measured` at once.
    CNioshDialog(const NioshInputs& measured, Compute compute, QWidget* parent = nullptr);

    const NioshInputs& Inputs() const { return inputs; }
    const NioshResult& Result() const { return result; }
    // Reads the fields (stopping at the first that is refused), computes and shows the result.
    void Recompute();
    QString ReportText() const;

    QLineEdit* weightField;
    QLineEdit* hFields[2]; // origin, destination
    QLineEdit* vFields[2];
    QLineEdit* aFields[2];
    QLineEdit* frequencyField;
    QLineEdit* durationField;
    QButtonGroup* couplingGroup;
    QLineEdit* rwlFields[2];
    QLineEdit* liftingIndexFields[2];

private:
    void ReadFields();
    void ShowValues();

    NioshInputs inputs;
    NioshResult result;
    Compute compute;
};
