#include "view/DialogFields.h"

#include "biomech/Units.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

void Refuse(QLineEdit* field, const QString& text) {
    QMessageBox::warning(field->window(), "Tavrona", text);
    field->setFocus();
    field->selectAll();
}

} // namespace

bool ReadNumber(QLineEdit* field, double& value, double min, double max) {
    bool ok = false;
    const double parsed = field->text().trimmed().toDouble(&ok);
    if (!ok) {
        Refuse(field, "Please enter a number.");
        return false;
    }
    if (parsed < min || parsed > max) {
        Refuse(field, QString("Please enter a number between %1 and %2.").arg(min).arg(max));
        return false;
    }
    value = parsed;
    return true;
}

bool ReadInteger(QLineEdit* field, int& value, int min, int max) {
    bool ok = false;
    const int parsed = field->text().trimmed().toInt(&ok);
    if (!ok) {
        Refuse(field, "Please enter an integer.");
        return false;
    }
    if (parsed < min || parsed > max) {
        Refuse(field, QString("Please enter an integer between %1 and %2.").arg(min).arg(max));
        return false;
    }
    value = parsed;
    return true;
}

QString NumberText(double value, int decimals) {
    return QString::fromStdString(FormatTrimmed(value, decimals));
}

QLineEdit* NewNumberField(QWidget* parent, const QString& text) {
    auto* field = new QLineEdit(text, parent);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(80);
    return field;
}

QHBoxLayout* NewReportButtons(QDialog* dialog, const QString& closeText,
                              std::function<QString()> report) {
    auto* copy = new QPushButton("Copy to clipboard", dialog);
    QObject::connect(copy, &QPushButton::clicked, dialog,
                     [report] { QApplication::clipboard()->setText(report()); });
    auto* close = new QPushButton(closeText, dialog);
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addStretch();
    buttons->addWidget(close);
    return buttons;
}
