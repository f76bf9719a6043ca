#include "view/CoordinateDialogs.h"

#include "biomech/Units.h"
#include "view/DialogFields.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

CPointDialog::CPointDialog(QWidget* parent, int lengthUnit)
    : QDialog(parent),
      unit(lengthUnit >= kInches && lengthUnit <= kMillimetres ? lengthUnit : kInches) {
    setWindowTitle("Enter the point coordinates");
    auto* form = new QFormLayout;
    const char* labels[3] = {"X", "Y", "Z"};
    const QString named =
        unit == kInches ? QString() : QString(" (%1)").arg(kLengthUnitNames[unit]);
    for (int i = 0; i < 3; ++i) {
        fields[i] = NewNumberField(this, "0");
        form->addRow(labels[i] + named + " :", fields[i]);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
}

void CPointDialog::accept() {
    Vec3 p;
    for (int i = 0; i < 3; ++i) {
        if (!ReadNumber(fields[i], p[i]))
            return;
        // The values are kept in single precision, in inches.
        p[i] = static_cast<float>(ConvertLength(unit, p[i], kInches));
    }
    point = p;
    QDialog::accept();
}

CScaleDialog::CScaleDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Set the scale factor");
    field = NewNumberField(this, "1");
    auto* form = new QFormLayout;
    form->addRow("Scale factor : ", field);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
}

void CScaleDialog::accept() {
    double value = 1.0;
    if (!ReadNumber(field, value))
        return;
    factor = static_cast<float>(value);
    QDialog::accept();
}

CUserViewDialog::CUserViewDialog(const Vec3& viewFrom, const Vec3& viewUp, QWidget* parent)
    : QDialog(parent), from(viewFrom), up(viewUp) {
    setWindowTitle("User View");
    auto* layout = new QVBoxLayout(this);
    const char* titles[2] = {"View From", " View Up"};
    const Vec3* vectors[2] = {&from, &up};
    const char* axes[3] = {"X :", "Y :", "Z :"};
    auto* row = new QHBoxLayout;
    for (int g = 0; g < 2; ++g) {
        auto* box = new QGroupBox(titles[g], this);
        auto* form = new QFormLayout(box);
        for (int i = 0; i < 3; ++i) {
            fields[g * 3 + i] = NewNumberField(this, QString::asprintf("%.1lf", (*vectors[g])[i]));
            form->addRow(axes[i], fields[g * 3 + i]);
        }
        row->addWidget(box);
    }
    layout->addLayout(row);
    layout->addWidget(OkCancel(this));
}

void CUserViewDialog::accept() {
    Vec3 f, u;
    for (int i = 0; i < 3; ++i) {
        if (!ReadNumber(fields[i], f[i]) || !ReadNumber(fields[3 + i], u[i]))
            return;
    }
    // A zero vector gives no direction: the camera would have nothing to look along.
    if (LengthSquared(f) == 0.0 || LengthSquared(u) == 0.0 || LengthSquared(Cross(f, u)) == 0.0) {
        QMessageBox::warning(this, "User View",
                             "The view directions must not be zero or parallel.");
        return;
    }
    from = f;
    up = u;
    QDialog::accept();
}
