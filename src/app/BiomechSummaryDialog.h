#pragma once

#include "app/BiomechReadouts.h"

#include <QDialog>

class QLineEdit;
class QTableWidget;

// "Summary of Joint Rotation, Force and Moment" of one figure: whether it is balanced, and the
// rotation, force and moment of each joint in the force unit of the settings.
class CBiomechSummaryDialog : public QDialog {
    Q_OBJECT
public:
    CBiomechSummaryDialog(bool balanced, std::vector<SummaryRow> rows, QWidget* parent = nullptr);
    // "Copy to clipboard": the 17 rows, six tab-separated cells each.
    QString ReportText() const;

    QLineEdit* balanceField;
    QTableWidget* table;

private:
    std::vector<SummaryRow> rows;
};
