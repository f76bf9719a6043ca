#include "app/BiomechSummaryDialog.h"

#include "view/DialogFields.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

CBiomechSummaryDialog::CBiomechSummaryDialog(BiomechSummary shown, QWidget* parent)
    : QDialog(parent), summary(std::move(shown)) {
    const auto& rows = summary.rows;
    setWindowTitle("Summary of Joint Rotation, Force and Moment");

    auto* balance = new QHBoxLayout;
    balance->addWidget(new QLabel(kSummaryBalanceLabel, this));
    balanceField = new QLineEdit(QString::fromStdString(summary.balanceText), this);
    balanceField->setReadOnly(true);
    balanceField->setMaximumWidth(110);
    balance->addWidget(balanceField);
    balance->addStretch();

    // The header and unit rows are rows of the list itself, as the clipboard copies them.
    table = new QTableWidget(static_cast<int>(rows.size()), 6, this);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < 6; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(rows[r][c]));
            if (r < 2) {
                QFont bold = item->font();
                bold.setBold(r == 0);
                item->setFont(bold);
            }
            if (c > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    // The list's column widths, widened where the font needs more room ("Right shoulder").
    table->resizeColumnsToContents();
    int width = 4;
    for (int c = 0; c < 6; ++c) {
        table->setColumnWidth(c, std::max(table->columnWidth(c) + 8, kSummaryColumnWidths[c]));
        width += table->columnWidth(c);
    }
    table->setMinimumSize(width, (table->fontMetrics().height() + 4) * 17 + 4);

    auto* buttons = NewReportButtons(this, "OK", [this] { return ReportText(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(balance);
    layout->addWidget(table);
    layout->addLayout(buttons);
}

QString CBiomechSummaryDialog::ReportText() const {
    return QString::fromStdString(BiomechSummaryText(summary));
}
