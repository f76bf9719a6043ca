#pragma once

#include "anthro/AnthropometryDialogs.h"

#include <QDialog>

class CAnthropometry;
class QLabel;
class QLineEdit;
class QTableWidget;

// "Semi automatic Anthropometry Management": stature in the display length unit, weight in lb.
class CSemiAutomaticDialog : public QDialog {
    Q_OBJECT
public:
    CSemiAutomaticDialog(double stature, double weightPounds, int lengthUnit,
                         QWidget* parent = nullptr);
    double Stature() const { return stature; }
    double WeightPounds() const { return weight; }
    void accept() override;

    QLineEdit* heightField;
    QLineEdit* weightField;

private:
    double stature;
    double weight;
};

// "Manual anthropometry management": every main segment's width, length and depth in the
// display length unit; a segment button puts one segment into the three editable fields.
class CManualDialog : public QDialog {
    Q_OBJECT
public:
    CManualDialog(CAnthropometry& record, int lengthUnit, QWidget* parent = nullptr);

    // Selects main segment 0..15 as its button does.
    void SelectSegment(int index);
    int SelectedSegment() const { return selected; }
    // The three displayed dimensions of a segment (display unit), as the table shows them.
    QString CellText(int segment, int axis) const;
    QString HeightText() const;

    QLineEdit* fields[3];
    QLabel* segmentName;

private:
    // A field was left: the segment takes the three values of its row.
    void ApplyField(int axis);
    void ShowSegment(int index);
    void ShowStature();

    CAnthropometry& record;
    int lengthUnit;
    int selected = -1;
    QTableWidget* table;
    QLabel* height;
    QLabel* weight;
};

// "Anthropometry summary" of a figure, with "Copy to clipboard".
class CSummaryDialog : public QDialog {
    Q_OBJECT
public:
    CSummaryDialog(const CAnthropometry& record, QWidget* parent = nullptr);
    QString ReportText() const { return report; }

private:
    QString report;
};

// The size dialogs that a customisation opens, shown over the main window.
class CQtAnthropometryDialogs : public CAnthropometryDialogs {
public:
    explicit CQtAnthropometryDialogs(QWidget* owner) : owner(owner) {}
    bool EditStatureAndWeight(double& stature, double& weightPounds, int lengthUnit) override;
    bool EditSegmentDimensions(CAnthropometry& record, int lengthUnit) override;

private:
    QWidget* owner;
};
