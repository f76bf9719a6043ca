#include "app/SizeDialogs.h"

#include "anthro/Anthropometry.h"
#include "anthro/AnthropometrySummary.h"
#include "biomech/Units.h"
#include "human/SegmentTable.h"
#include "view/DialogFields.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr double kMaxDimension = 1e11;

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

// Rows of the manual table: (label, left or only segment, right segment or -1).
struct ManualRow {
    const char* label;
    int left;
    int right;
};
const ManualRow kManualRows[] = {
    {"Head", kHead, -1},
    {"Neck", kNeck, -1},
    {"Chest", kChest, -1},
    {"Abdomen", kAbdomen, -1},
    {"Upper arm", kLeftArm, kRightArm},
    {"Lower arm", kLeftForearm, kRightForearm},
    {"Hand", kLeftPalm, kRightPalm},
    {"Thigh", kLeftLeg, kRightLeg},
    {"Lower leg", kLeftLowerLeg, kRightLowerLeg},
    {"Foot", kLeftFoot, kRightFoot},
};

// Table cell of a segment's dimension: row, first column of its side.
bool CellOf(int segment, int& row, int& column) {
    for (int r = 0; r < 10; ++r) {
        if (kManualRows[r].left == segment || kManualRows[r].right == segment) {
            row = r;
            column = kManualRows[r].right == segment ? 3 : 0;
            return true;
        }
    }
    return false;
}

QString DisplayLength(double cm, int lengthUnit) {
    return QString::fromStdString(FormatTrimmed(ConvertLength(kCentimetres, cm, lengthUnit), 2));
}

} // namespace

// --- Semi automatic ---------------------------------------------------------------------------

CSemiAutomaticDialog::CSemiAutomaticDialog(double stature, double weightPounds, int lengthUnit,
                                           QWidget* parent)
    : QDialog(parent), stature(stature), weight(weightPounds) {
    setWindowTitle("Semi automatic Anthropometry Management");
    heightField = NewNumberField(this, NumberText(stature, 2));
    weightField = NewNumberField(this, NumberText(weightPounds, 2));
    auto* form = new QGridLayout;
    form->addWidget(new QLabel("Height", this), 0, 0);
    form->addWidget(heightField, 0, 1);
    form->addWidget(new QLabel(LengthUnitLabel(lengthUnit), this), 0, 2);
    form->addWidget(new QLabel("Weight :", this), 1, 0);
    form->addWidget(weightField, 1, 1);
    form->addWidget(new QLabel("Lb", this), 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
}

void CSemiAutomaticDialog::accept() {
    // The scaling divides by the stature: both values must be positive.
    double h = 0.0, w = 0.0;
    if (!ReadNumber(heightField, h, 1e-6, kMaxDimension) ||
        !ReadNumber(weightField, w, 1e-6, kMaxDimension))
        return;
    stature = h;
    weight = w;
    QDialog::accept();
}

// --- Manual -----------------------------------------------------------------------------------

CManualDialog::CManualDialog(CAnthropometry& record, int lengthUnit, QWidget* parent)
    : QDialog(parent), record(record), lengthUnit(lengthUnit) {
    setWindowTitle("Manual anthropometry management");
    const QString unit = LengthUnitLabel(lengthUnit);
    table = new QTableWidget(10, 6, this);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    QStringList headers;
    for (const char* side : {"LEFT", "RIGHT"})
        for (const char* axis : {"Width (x)", "Length (y)", "Depth (z)"})
            headers << QString("%1\n%2 %3").arg(side, axis, unit);
    table->setHorizontalHeaderLabels(headers);
    QStringList rows;
    for (const ManualRow& row : kManualRows)
        rows << row.label;
    table->setVerticalHeaderLabels(rows);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(24);
    table->setMinimumSize(660, table->horizontalHeader()->sizeHint().height() + 10 * 24 + 4);
    for (int i = 0; i < kMainSegmentCount; ++i)
        ShowSegment(i);

    auto* buttons = new QGridLayout;
    for (int i = 0; i < kMainSegmentCount; ++i) {
        auto* button = new QPushButton(SegmentInfoOf(i).name, this);
        button->setObjectName(QString("Segment%1").arg(600 + i));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { SelectSegment(i); });
        buttons->addWidget(button, i / 8, i % 8);
    }

    segmentName = new QLabel("--", this);
    auto* edit = new QGridLayout;
    edit->addWidget(segmentName, 0, 0);
    const char* axes[3] = {"Width (x)", "Length (y)", "Depth (z)"};
    for (int a = 0; a < 3; ++a) {
        fields[a] = NewNumberField(this);
        fields[a]->setEnabled(false);
        edit->addWidget(new QLabel(QString("%1 %2").arg(axes[a], unit), this), 0, 1 + 2 * a);
        edit->addWidget(fields[a], 0, 2 + 2 * a);
        connect(fields[a], &QLineEdit::editingFinished, this, [this, a] { ApplyField(a); });
    }

    height = new QLabel(this);
    weight = new QLabel(NumberText(record.weight * kPoundsPerKilogram, 2) + " Lb", this);
    ShowStature();
    auto* totals = new QFormLayout;
    totals->addRow("Height", height);
    totals->addRow("Weight", weight);

    auto* note = new QLabel("Note : Entering custom values for bodyparts dimensions may lead to "
                            "non representative mannequins. Use this panel for illustrative "
                            "purposes only.",
                            this);
    note->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addLayout(buttons);
    layout->addLayout(edit);
    layout->addLayout(totals);
    layout->addWidget(note);
    layout->addWidget(OkCancel(this));
}

void CManualDialog::ShowSegment(int index) {
    int row = 0, column = 0;
    if (!CellOf(index, row, column))
        return;
    const Vec3 size = record.GetSegmentDimensions(index);
    for (int a = 0; a < 3; ++a) {
        auto* item = new QTableWidgetItem(DisplayLength(size[a], lengthUnit));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column + a, item);
    }
}

void CManualDialog::ShowStature() {
    height->setText(DisplayLength(record.stature, lengthUnit) + " " + LengthUnitLabel(lengthUnit));
}

QString CManualDialog::CellText(int segment, int axis) const {
    int row = 0, column = 0;
    if (!CellOf(segment, row, column) || !table->item(row, column + axis))
        return {};
    return table->item(row, column + axis)->text();
}

QString CManualDialog::HeightText() const {
    return height->text();
}

void CManualDialog::SelectSegment(int index) {
    if (index < 0 || index >= kMainSegmentCount)
        return;
    selected = index;
    segmentName->setText(SegmentInfoOf(index).name);
    for (int a = 0; a < 3; ++a) {
        fields[a]->setEnabled(true);
        fields[a]->setText(CellText(index, a));
    }
    fields[1]->setFocus();
}

void CManualDialog::ApplyField(int axis) {
    if (selected < 0)
        return;
    double value = 0.0;
    if (!ReadNumber(fields[axis], value, 0.0, kMaxDimension))
        return;
    // The edited value replaces one of the segment's exact dimensions; the other two are not
    // read back from their rounded texts.
    const Vec3 exact = record.GetSegmentDimensions(selected);
    double values[3];
    for (int a = 0; a < 3; ++a)
        values[a] = a == axis ? value : ConvertLength(kCentimetres, exact[a], lengthUnit);
    if (QString(NumberText(value, 2)) == CellText(selected, axis))
        return;
    record.SetSegmentDimensions(selected, values[0], values[1], values[2], lengthUnit);
    ShowSegment(selected);
    if (axis == 1 && IsStatureChainSegment(selected)) {
        record.ComputeStature();
        ShowStature();
    }
}

// --- Summary ----------------------------------------------------------------------------------

CSummaryDialog::CSummaryDialog(const CAnthropometry& record, QWidget* parent)
    : QDialog(parent), report(QString::fromStdString(AnthropometrySummaryText(record))) {
    setWindowTitle("Anthropometry summary");
    auto* facts = new QFormLayout;
    facts->addRow("Gender:", new QLabel(SummaryGender(record), this));
    facts->addRow("Percentile:", new QLabel(SizeRowLabel(record.sizeRow), this));
    facts->addRow("Height (in):", new QLabel(NumberText(SummaryHeightInches(record), 2), this));
    facts->addRow("Weight (lb):", new QLabel(NumberText(SummaryWeightPounds(record), 2), this));
    facts->addRow("Country:", new QLabel(PopulationDisplayName(record.population), this));
    facts->addRow("Type:", new QLabel(AgeLabel(record.population), this));

    auto* table = new QTableWidget(kSummaryRowCount, 3, this);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setHorizontalHeaderLabels({"Width (x)", "Length (y)", "Depth (z)"});
    QStringList rows;
    for (int r = 0; r < kSummaryRowCount; ++r) {
        rows << SummaryRowAt(r).label;
        for (int a = 0; a < 3; ++a) {
            auto* item = new QTableWidgetItem(NumberText(SummaryDimensionInches(record, r, a), 2));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, a, item);
        }
    }
    table->setVerticalHeaderLabels(rows);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setMinimumSize(380, 330);
    auto* dimensions = new QGroupBox("Dimensions (in)", this);
    auto* dimLayout = new QVBoxLayout(dimensions);
    dimLayout->addWidget(table);

    auto* buttons = NewReportButtons(this, "Close", [this] { return report; });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(facts);
    layout->addWidget(dimensions);
    layout->addLayout(buttons);
}

// --- The dialogs of a customisation -----------------------------------------------------------

bool CQtAnthropometryDialogs::EditStatureAndWeight(double& stature, double& weightPounds,
                                                   int lengthUnit) {
    CSemiAutomaticDialog dialog(stature, weightPounds, lengthUnit, owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    stature = dialog.Stature();
    weightPounds = dialog.WeightPounds();
    return true;
}

bool CQtAnthropometryDialogs::EditSegmentDimensions(CAnthropometry& record, int lengthUnit) {
    CManualDialog dialog(record, lengthUnit, owner);
    return dialog.exec() == QDialog::Accepted;
}
