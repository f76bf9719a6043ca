#pragma once

#include "core/Vec3.h"

#include <QDialog>

class QLineEdit;

// "Enter the point coordinates": X, Y and Z in model units (inches), 0 each time it opens.
class CPointDialog : public QDialog {
    Q_OBJECT
public:
    // The fields are in `lengthUnit` (a display unit code); Point() is in inches.
    explicit CPointDialog(QWidget* parent = nullptr, int lengthUnit = 0);
    Vec3 Point() const { return point; }
    QLineEdit* Field(int axis) const { return fields[axis]; }
    void accept() override;

private:
    QLineEdit* fields[3];
    int unit;
    Vec3 point;
};

// "Set the scale factor": one factor, 1.0 when it opens.
class CScaleDialog : public QDialog {
    Q_OBJECT
public:
    explicit CScaleDialog(QWidget* parent = nullptr);
    double Factor() const { return factor; }
    QLineEdit* Field() const { return field; }
    void accept() override;

private:
    QLineEdit* field;
    double factor = 1.0;
};

// "User View": the "View From" and " View Up" vectors of the user view.
class CUserViewDialog : public QDialog {
    Q_OBJECT
public:
    CUserViewDialog(const Vec3& viewFrom, const Vec3& viewUp, QWidget* parent = nullptr);
    Vec3 ViewFrom() const { return from; }
    Vec3 ViewUp() const { return up; }
    QLineEdit* Field(int index) const { return fields[index]; }
    void accept() override;

private:
    QLineEdit* fields[6];
    Vec3 from, up;
};
