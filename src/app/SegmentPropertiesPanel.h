#pragma once

#include "biomech/SegmentReadouts.h"

#include <QDialog>
#include <optional>
#include <vector>

class QPushButton;
class QTableWidget;

// The floating "  Segment Properties" panel: one segment's name, mass, position, rotation and,
// for figures with biomechanics, its mass centre, joint force and moment with their words and
// its moments of inertia. The main frame owns it while it is shown and refills it when the
// selection, the posture or the loads change; a change of units only reformats the values it
// holds.
class CSegmentPropertiesPanel : public QDialog {
    Q_OBJECT
public:
    explicit CSegmentPropertiesPanel(QWidget* parent = nullptr);

    // Shows a segment's readout in these units; no readout clears the panel.
    void ShowReadout(std::optional<SegmentReadout> readout, int lengthUnit, int forceUnit);
    // The same readout in other units.
    void ShowUnits(int lengthUnit, int forceUnit);
    const std::vector<SegmentPropertyRow>& Rows() const { return rows; }
    // "Copy to clipboard": the rows as tab-separated lines.
    void CopyToClipboard() const;

    QTableWidget* table;
    QPushButton* copyButton;

private:
    void ShowRows(std::vector<SegmentPropertyRow> newRows);

    std::optional<SegmentReadout> readout;
    std::vector<SegmentPropertyRow> rows;
};
