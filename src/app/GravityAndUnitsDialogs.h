#pragma once

#include "core/Vec3.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;

// "Set Gravity": the gravity vector G in m/s^2 used by the next load computation.
class CGravityDialog : public QDialog {
    Q_OBJECT
public:
    explicit CGravityDialog(const Vec3& gravity, QWidget* parent = nullptr);
    Vec3 Gravity() const { return gravity; }

    QLineEdit* fields[3];

    void accept() override;

private:
    Vec3 gravity;
};

// "Set Units": the length unit of a file being exchanged. The choices are listed as "Inches",
// "Feet", "Millimeters", "Centimeters", "Meters"; Choice() is the index in that order (not the
// display unit code), -1 before one is chosen. OK waits for a choice.
class CSetUnitsDialog : public QDialog {
    Q_OBJECT
public:
    explicit CSetUnitsDialog(int preset = -1, QWidget* parent = nullptr);
    int Choice() const;
    // The chosen unit as a length unit code (LengthUnit), -1 before one is chosen.
    int LengthUnitCode() const;

private:
    QButtonGroup* group;
};
