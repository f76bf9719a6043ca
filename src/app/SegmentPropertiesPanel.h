#pragma once

#include "app/BiomechReadouts.h"

#include <QDialog>
#include <vector>

class QPushButton;
class QTableWidget;

// The floating "  Segment Properties" panel: one segment's name, mass, position, rotation and,
// for figures with biomechanics, its mass centre, joint force and moment with their words and
// its moments of inertia. The main frame owns it while it is shown and refills it when the
// selection, the posture, the loads or the units change.
class CSegmentPropertiesPanel : public QDialog {
    Q_OBJECT
public:
    explicit CSegmentPropertiesPanel(QWidget* parent = nullptr);

    // Shows these rows (an empty list clears the panel).
    void ShowRows(std::vector<PropertyRow> rows);
    const std::vector<PropertyRow>& Rows() const { return rows; }
    // "Copy to clipboard": the rows as tab-separated lines.
    void CopyToClipboard() const;

    QTableWidget* table;
    QPushButton* copyButton;

private:
    std::vector<PropertyRow> rows;
};
