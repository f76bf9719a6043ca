#pragma once

#include "biomech/SegmentReadouts.h"

#include <QDialog>

class QLineEdit;
class QTableWidget;

// "Summary of Joint Rotation, Force and Moment" of one figure: whether it is balanced, and the
// rotation, force and moment of each joint in the force unit of the settings.
class CBiomechSummaryDialog : public QDialog {
    Q_OBJECT
public:
    explicit CBiomechSummaryDialog(BiomechSummary summary, QWidget* parent = nullptr);
    // "Copy to clipboard": the 17 rows, six tab-separated cells each.
    QString ReportText() const;

    QLineEdit* balanceField;
    QTableWidget* table;

private:
    BiomechSummary summary;
};
