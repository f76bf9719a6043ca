#pragma once

#include <QString>
#include <climits>
#include <functional>

class QDialog;
class QHBoxLayout;
class QLineEdit;
class QWidget;

// Number fields of dialogs, read and written the way every dialog of the program does.

// Reads a number from the field; when it does not parse, or lies outside [min, max], tells
// the user, puts the focus on the field and returns false.
bool ReadNumber(QLineEdit* field, double& value, double min = -1e300, double max = 1e300);
bool ReadInteger(QLineEdit* field, int& value, int min = INT_MIN, int max = INT_MAX);
// A number for an edit field: at most `decimals` places, without trailing zeros.
QString NumberText(double value, int decimals = 6);
// A right-aligned edit field for numbers.
QLineEdit* NewNumberField(QWidget* parent, const QString& text = QString());
// The buttons under a report: "Copy to clipboard" on the left, copying `report()`, and the
// default button on the right, with `closeText`, accepting the dialog.
QHBoxLayout* NewReportButtons(QDialog* dialog, const QString& closeText,
                              std::function<QString()> report);
