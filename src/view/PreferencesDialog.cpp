#include "view/PreferencesDialog.h"

#include "biomech/Units.h"
#include "core/GlobalSettings.h"
#include "view/DialogFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

CPreferencesDialog::CPreferencesDialog(double zoomStep, const CGlobalSettings& settings,
                                       QWidget* parent)
    : QDialog(parent), zoomStep(zoomStep) {
    setWindowTitle("View Preferences");
    zoomField = NewNumberField(this, NumberText(zoomStep));
    referential = new QCheckBox("Show scene referential", this);
    referential->setChecked(settings.showSceneReferential != 0);
    colourScheme = new QComboBox(this);
    colourScheme->addItems({"Palette", "Natural"});
    colourScheme->setCurrentIndex(settings.colourScheme);
    colourScheme->setToolTip("Palette: each body segment in its palette colour, as files keep "
                             "it.\nNatural: skin and clothing tones under a soft light.");
    lengthUnit = new QComboBox(this);
    for (const char* name : kLengthUnitNames)
        lengthUnit->addItem(name);
    lengthUnit->setCurrentIndex(settings.lengthUnit);
    forceUnit = new QComboBox(this);
    for (const char* name : kForceUnitNames)
        forceUnit->addItem(name);
    forceUnit->setCurrentIndex(settings.forceUnit);
    floor = new QCheckBox("Show scene floor", this);
    floor->setChecked(settings.showSceneFloor != 0);
    tileUnitField = NewNumberField(this, QString::number(settings.tileUnit));
    tileCountField = NewNumberField(this, QString::number(settings.numberOfTiles));

    auto* view = new QGroupBox("View", this);
    auto* viewForm = new QFormLayout(view);
    viewForm->addRow("Zoom Factor:", zoomField);
    viewForm->addRow(referential);
    viewForm->addRow("Colour scheme:", colourScheme);
    auto* units = new QGroupBox("Units", this);
    auto* unitForm = new QFormLayout(units);
    unitForm->addRow("Length unit:", lengthUnit);
    unitForm->addRow("Force unit:", forceUnit);
    auto* floorBox = new QGroupBox("Floor", this);
    auto* floorForm = new QFormLayout(floorBox);
    floorForm->addRow(floor);
    floorForm->addRow("Tile Unit:", tileUnitField);
    floorForm->addRow("Number of Tiles:", tileCountField);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
    layout->addWidget(units);
    layout->addWidget(floorBox);
    layout->addWidget(buttons);
}

void CPreferencesDialog::accept() {
    double zoom = 0.0;
    // The floor is drawn tile by tile: a zero, negative or huge count would hang the views.
    if (!ReadNumber(zoomField, zoom, 1.0, 20.0) ||
        !ReadInteger(tileUnitField, tileUnit, 1, kMaxTileUnit) ||
        !ReadInteger(tileCountField, tileCount, 1, kMaxTileCount))
        return;
    zoomStep = zoom;
    QDialog::accept();
}

void CPreferencesDialog::Store(CGlobalSettings& settings) const {
    settings.showSceneReferential = referential->isChecked() ? 1 : 0;
    settings.colourScheme = colourScheme->currentIndex();
    settings.showSceneFloor = floor->isChecked() ? 1 : 0;
    settings.lengthUnit = lengthUnit->currentIndex();
    settings.forceUnit = forceUnit->currentIndex();
    settings.tileUnit = tileUnit;
    settings.numberOfTiles = tileCount;
}
