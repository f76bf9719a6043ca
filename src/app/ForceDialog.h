#pragma once

#include "core/Vec3.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

// "Segmental External Force And Location": the location, force and free torque of one load on
// a body segment. The values go in and come out in model units (in, lbf, lbf*in); the fields
// show them in the display units of the preferences.
class CForceDialog : public QDialog {
    Q_OBJECT
public:
    // What the dialog is for: a new load, an existing one, or a predicted foot force (shown
    // read-only).
    enum Use { kAdd, kEdit, kFootPrediction };
    // Force and torque (model units) that would balance the figure in place of this load.
    using Balancer = std::function<void(Vec3& force, Vec3& torque)>;

    // `atMassCentre` presets "Force at the segment's center of gravity" (a new load starts
    // there; an existing one shows where it is).
    CForceDialog(const QString& segmentName, const Vec3& location, const Vec3& force,
                 const Vec3& torque, int lengthUnit, int forceUnit, Use use, bool atMassCentre,
                 QWidget* parent = nullptr);
    // Lets "Auto balance Mannequin" fill force and torque (editing only).
    void SetBalancer(Balancer balancer);

    // The accepted values in model units.
    Vec3 Location() const { return location; }
    Vec3 Force() const { return force; }
    Vec3 Torque() const { return torque; }
    bool AtMassCentre() const { return atMassCentre; }

    QLineEdit* locationFields[3];
    QLineEdit* forceFields[3];
    QLineEdit* torqueFields[3];
    QCheckBox* massCentreBox;
    QPushButton* balanceButton;

    void accept() override;

private:
    void ShowForceAndTorque(const Vec3& shownForce, const Vec3& shownTorque);
    void AutoBalance();

    int lengthUnit;
    int forceUnit;
    Use useKind;
    Balancer balancer;
    Vec3 location, force, torque;
    bool atMassCentre = true;
};
