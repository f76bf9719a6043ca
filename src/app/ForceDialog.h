#pragma once

#include "biomech/ForceFields.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

// "Segmental External Force And Location": the location, force and free torque of one load on
// a body segment, in the display units the fields carry. A predicted foot force is shown with
// every field disabled.
class CForceDialog : public QDialog {
    Q_OBJECT
public:
    // Refills force and torque of the fields it is given ("Auto balance Mannequin").
    using AutoBalance = std::function<void(ForceFields&)>;

    // `autoBalance` may be null; the button is enabled only with it and fields that allow it.
    CForceDialog(const ForceFields& fields, AutoBalance autoBalance, QWidget* parent = nullptr);

    // The fields as accepted.
    const ForceFields& Fields() const { return fields; }

    QLineEdit* locationFields[3];
    QLineEdit* forceFields[3];
    QLineEdit* torqueFields[3];
    QCheckBox* massCentreBox;
    QPushButton* balanceButton;

    void accept() override;

private:
    void ShowVector(QLineEdit* const* row, const Vec3& value);
    // Reads the nine fields into `read`; false (with the field refused) when one is not a
    // number.
    bool ReadFields(ForceFields& read);
    void Balance();

    ForceFields fields;
    AutoBalance autoBalance;
};
