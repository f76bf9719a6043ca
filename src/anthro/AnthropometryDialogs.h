#pragma once

class CAnthropometry;
class CUserReporter;

// The two dialogs that Customize opens in the semi-automatic and manual size modes. The desktop
// program shows them; headless callers pass none, and tests pass a stand-in.
class CAnthropometryDialogs {
public:
    virtual ~CAnthropometryDialogs() = default;
    // "Semi automatic Anthropometry Management": shows the stature in the display length unit
    // and the weight in lb; true on OK, with both values as the user left them.
    virtual bool EditStatureAndWeight(double& stature, double& weightPounds, int lengthUnit) = 0;
    // "Manual anthropometry management": edits `record` segment by segment through
    // SetSegmentDimensions and ComputeStature; true on OK.
    virtual bool EditSegmentDimensions(CAnthropometry& record, int lengthUnit) = 0;
};

// What a customisation needs from its caller.
struct CAnthropometryContext {
    CUserReporter& reporter;                  // tells the user of unreadable scale files
    CAnthropometryDialogs* dialogs = nullptr; // none: both dialogs count as cancelled
    int lengthUnit = 0;                       // display length unit (0 in .. 4 mm)
};
