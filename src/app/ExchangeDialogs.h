#pragma once

#include "io/ExchangeProgress.h"

#include <QDialog>
#include <QElapsedTimer>
#include <memory>

class QButtonGroup;
class QProgressDialog;
class QWidget;

// "Set Units": the unit a DXF or 3DS drawing was made in ("Inches" ... "Meters", codes 0..4),
// none chosen at first; OK needs a choice.
class CUnitsDialog : public QDialog {
    Q_OBJECT
public:
    explicit CUnitsDialog(QWidget* parent = nullptr);
    // The chosen unit code, -1 while none is chosen.
    int UnitCode() const;
    void SetUnitCode(int code);

    QButtonGroup* units;
};

// The modeless progress dialog of a file exchange: the phase as its label, a 0..100 bar and a
// Cancel button. Window messages are let through between steps (every 50 ms at most, so a
// large file does not spend its time redrawing) so that Cancel works.
class CExchangeProgressDialog : public CExchangeProgress {
public:
    CExchangeProgressDialog(const QString& title, QWidget* parent);
    ~CExchangeProgressDialog() override;

    void SetPhase(const std::string& caption) override;
    bool Update(int percent) override;

    QProgressDialog* Dialog() const { return dialog.get(); }

private:
    std::unique_ptr<QProgressDialog> dialog;
    QElapsedTimer sinceEvents;
};
