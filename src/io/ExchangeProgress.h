#pragma once

#include <string>

// How a long file exchange shows its progress and learns that the user wants to stop. The
// desktop program shows a progress dialog with a Cancel button, the command-line tool a line on
// a terminal; without one (null) the exchange runs to its end.
class CExchangeProgress {
public:
    virtual ~CExchangeProgress() = default;
    // The phase now running ("Reading entities section...").
    virtual void SetPhase(const std::string& caption) = 0;
    // Moves the bar to `percent` (0..100) and lets the user interface breathe. True when the
    // user asked to cancel.
    virtual bool Update(int percent) = 0;
};

// How an exchange ended.
enum ExchangeStatus : int {
    kExchangeDone = 0,
    kExchangeFailed = 1,    // the user has been told why
    kExchangeCancelled = 2, // the user pressed Cancel
};

// Inches per unit of the import's unit code: 0 inches, 1 feet, 2 millimetres, 3 centimetres,
// 4 metres (any other code counts as inches).
double ImportUnitScale(int unitCode);
