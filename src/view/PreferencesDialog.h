#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
struct CGlobalSettings;

// "View Preferences": the view's zoom step, and the display units, referential, floor and colour
// scheme shared by every view.
class CPreferencesDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxTileUnit = 100000;
    static constexpr int kMaxTileCount = 500;

    CPreferencesDialog(double zoomStep, const CGlobalSettings& settings, QWidget* parent = nullptr);

    // The values as accepted (valid only after OK).
    double ZoomStep() const { return zoomStep; }
    // Writes the shared values into `settings`.
    void Store(CGlobalSettings& settings) const;

    QLineEdit* zoomField;
    QCheckBox* referential;
    QComboBox* colourScheme; // in ColourScheme order
    QComboBox* lengthUnit;
    QComboBox* forceUnit;
    QCheckBox* floor;
    QLineEdit* tileUnitField;
    QLineEdit* tileCountField;

    void accept() override;

private:
    double zoomStep;
    int tileUnit = 0;
    int tileCount = 0;
};
