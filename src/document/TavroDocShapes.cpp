#include "document/TavroDoc.h"

#include "document/DocumentViews.h"
#include "human/Mannequin.h"

// The shapes are a display of the figure's posture: they are not stored in scene files, so
// toggling them neither records an undo step nor marks the document modified.

void CTavroDoc::OnViewCone(int mode) {
    CMannequin* figure = RequireCurrentMannequin();
    if (!figure)
        return;
    if (figure->viewConeMode == mode)
        figure->HideViewCone();
    else
        figure->ShowViewCone(mode);
    views.RedrawAllViews();
}

void CTavroDoc::OnRangeVolume(int number) {
    CMannequin* figure = RequireCurrentMannequin();
    if (!figure || number < 0 || number >= kRangeVolumeCount)
        return;
    if (figure->rangeVolumeShown[number])
        figure->HideRangeVolume(number);
    else
        figure->ShowRangeVolume(number);
    views.RedrawAllViews();
}
