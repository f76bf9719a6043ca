#include "app/SegmentPropertiesPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

CSegmentPropertiesPanel::CSegmentPropertiesPanel(QWidget* parent) : QDialog(parent) {
    setWindowTitle("  Segment Properties");
    setObjectName("SegmentPropertiesPanel");
    setModal(false);
    table = new QTableWidget(0, 4, this);
    table->setHorizontalHeaderLabels({"Value name", "Value", "Unit", "Word"});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->setColumnWidth(0, 150);
    table->setColumnWidth(1, 80);
    table->setColumnWidth(2, 70);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setMinimumSize(460, 520);

    copyButton = new QPushButton("Copy to clipboard", this);
    connect(copyButton, &QPushButton::clicked, this, &CSegmentPropertiesPanel::CopyToClipboard);
    // Esc closes the panel as its hidden Cancel button did.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copyButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addLayout(buttons);
}

void CSegmentPropertiesPanel::ShowReadout(std::optional<SegmentReadout> newReadout, int lengthUnit,
                                          int forceUnit) {
    readout = std::move(newReadout);
    ShowUnits(lengthUnit, forceUnit);
}

void CSegmentPropertiesPanel::ShowUnits(int lengthUnit, int forceUnit) {
    ShowRows(readout ? FormatSegmentProperties(*readout, lengthUnit, forceUnit)
                     : std::vector<SegmentPropertyRow>());
}

void CSegmentPropertiesPanel::ShowRows(std::vector<SegmentPropertyRow> newRows) {
    // Refreshes come with every redraw; the table is rebuilt only when a text changed.
    const auto same = [](const SegmentPropertyRow& a, const SegmentPropertyRow& b) {
        return a.name == b.name && a.value == b.value && a.unit == b.unit && a.word == b.word;
    };
    if (newRows.size() == rows.size() &&
        std::equal(rows.begin(), rows.end(), newRows.begin(), same))
        return;
    rows = std::move(newRows);
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const SegmentPropertyRow& row = rows[r];
        const std::string* cells[4] = {&row.name, &row.value, &row.unit, &row.word};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(*cells[c]));
            if (c == 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
}

void CSegmentPropertiesPanel::CopyToClipboard() const {
    QApplication::clipboard()->setText(QString::fromStdString(SegmentPropertiesText(rows)));
}
