#pragma once

#include <QDialog>
#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;

// What the lifting dialog shows and reads, in its own units (in, lb, degrees, lifts per
// minute, hours), single precision as the dialog keeps them.
struct NioshFields {
    float weight = 0;
    float hOrigin = 0, hDestination = 0;
    float vOrigin = 0, vDestination = 0;
    float aOrigin = 0, aDestination = 0;
    float frequency = 0;
    float duration = 0;
    int coupling = 0; // 0 Good, 1 Fair, 2 Poor
    float rwlOrigin = 0, rwlDestination = 0;
};

// "NIOSH Revised Lifting Equation ": the measured hand locations of the initial and final
// postures, the task's frequency, duration and coupling, and the recommended weight limits at
// origin and destination with the lifting index of the load. "Recompute" reads the fields and
// asks `compute` for the limits (it may also correct the fields, e.g. H below 10 in);
// "Copy to clipboard" puts `report` of the values on the clipboard.
class CNioshDialog : public QDialog {
    Q_OBJECT
public:
    using Compute = std::function<void(NioshFields&)>;
    using Report = std::function<std::string(const NioshFields&)>;

    CNioshDialog(const NioshFields& measured, Compute compute, Report report,
                 QWidget* parent = nullptr);

    const NioshFields& Values() const { return values; }
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

    NioshFields values;
    Compute compute;
    Report report;
};
