#pragma once

#include <functional>

struct ForceFields;
struct NioshInputs;
struct NioshResult;

// The dialogs the biomechanics commands open. The desktop program implements them with Qt
// dialogs; tests pass a stand-in that answers as a user would.
class CBiomechDialogs {
public:
    virtual ~CBiomechDialogs() = default;
    // Force dialog ("Segmental External Force And Location"). `fields` holds the values in
    // display units; `autoBalance` (null when the button is disabled) refills force and torque
    // of the fields it is given. True on OK, with the fields as the user left them.
    virtual bool EditForce(ForceFields& fields,
                           const std::function<void(ForceFields&)>& autoBalance) = 0;
    // NIOSH dialog ("NIOSH Revised Lifting Equation "), opened with the measured `inputs`.
    // "Recompute" calls `compute` on the fields read back (it raises H below 10 in and returns
    // both ends); the dialog shows the inputs and results, and "Copy to clipboard" copies
    // NioshReportText.
    virtual void ShowNiosh(NioshInputs& inputs,
                           const std::function<NioshResult(NioshInputs&)>& compute) = 0;
};
