// The document's Biomechanics commands: external loads, gravity, foot forces, the summary, the
// lifting analysis and the transition animation. The loads, balance and lifting equation are
// the model's; these handlers open the dialogs and redraw.
#include "app/AppDoc.h"

#include "anim/PostureTransition.h"
#include "app/BiomechSummaryDialog.h"
#include "app/GravityAndUnitsDialogs.h"
#include "app/MainFrame.h"
#include "app/QtBiomechDialogs.h"
#include "biomech/Force.h"
#include "biomech/SegmentReadouts.h"
#include "core/GlobalSettings.h"
#include "document/TavroDoc.h"
#include "human/BodyPart.h"
#include "human/Mannequin.h"
#include "human/SegmentTable.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"

namespace {

// Loads act on main segments; a finger's goes to the palm of its hand.
int LoadSegmentOf(int segmentIndex) {
    if (segmentIndex >= kFirstRightFinger)
        return kRightPalm;
    if (segmentIndex >= kFirstLeftFinger)
        return kLeftPalm;
    return segmentIndex;
}

const CForce* AsForce(const CSceneObject* object) {
    return object && object->type == kTypeForce ? static_cast<const CForce*>(object) : nullptr;
}

} // namespace

void CAppDoc::AddForceAt(CSceneObject& picked, const Vec3& point) {
    if (picked.type != kTypeBodyPart)
        return;
    auto& part = static_cast<CBodyPart&>(picked);
    if (!part.figure)
        return;
    CQtBiomechDialogs dialogs(&Frame());
    model->OnAddForceAt(*part.figure, LoadSegmentOf(part.segmentIndex), point, dialogs);
    SyncTitle();
}

void CAppDoc::EditForce() {
    CQtBiomechDialogs dialogs(&Frame());
    model->OnEditForce(dialogs);
}

void CAppDoc::SetGravity() {
    CGravityDialog dialog(Frame().Settings().gravity, &Frame());
    if (dialog.exec() != QDialog::Accepted)
        return;
    Frame().Settings().gravity = dialog.Gravity();
    // The loads follow the new gravity at their next computation; the panel shows it now.
    Frame().RefreshSegmentProperties();
}

void CAppDoc::ShowBiomechSummary() {
    CMannequin* figure = CurrentMannequin();
    if (!figure)
        return;
    CBiomechSummaryDialog dialog(BuildBiomechSummary(*figure, Frame().Settings().forceUnit),
                                 &Frame());
    dialog.exec();
}

void CAppDoc::ShowNiosh() {
    CQtBiomechDialogs dialogs(&Frame());
    model->OnComputeNiosh(dialogs);
}

void CAppDoc::AnimateTransition() {
    CMannequin* figure = CurrentMannequin();
    if (!model->CanAnimate() || !figure)
        return;
    CTavroView* active = ActiveView();
    AnimatePostureTransition(*figure, *model->InitialPosture(), *model->FinalPosture(),
                             [this, active](int) {
                                 // The active view shows each frame at once, the others when
                                 // the event loop comes back.
                                 if (active)
                                     active->Redraw();
                                 for (CTavroView* view : views)
                                     if (view != active)
                                         view->update();
                             });
    SetModifiedFlag();
    UpdateAllViews();
}

bool CAppDoc::OnBiomechCommand(int id) {
    switch (id) {
    case ID_FORCE_ADD:
        if (CTavroView* view = ActiveView(); view && view->Mode() != MODE_ADD_FORCE)
            view->SetMode(MODE_ADD_FORCE);
        return true;
    case ID_FORCE_EDIT:
        EditForce();
        return true;
    case ID_FORCE_DELETE:
        model->OnDeleteForce();
        return true;
    case ID_BIO_GRAVITY:
        SetGravity();
        return true;
    case ID_FEET_ADD:
        model->OnAddFeetForces();
        return true;
    case ID_FEET_UPDATE:
        model->OnUpdateFeetForces();
        return true;
    case ID_FEET_DELETE:
        model->OnDeleteFeetForces();
        return true;
    case ID_BIO_SUMMARY:
        ShowBiomechSummary();
        return true;
    case ID_NIOSH_COMPUTE:
        ShowNiosh();
        return true;
    case ID_ANIM_PLAY:
        AnimateTransition();
        return true;
    default:
        return false;
    }
}

bool CAppDoc::OnUpdateBiomechCommand(int id, CommandState& state) {
    const CSceneObject* selected = SelectedObject();
    const CMannequin* figure = CurrentMannequin();
    const bool feet = figure && figure->HasFootPredictionForces();
    switch (id) {
    case ID_BIO_GRAVITY:
        return true;
    case ID_FORCE_ADD:
        state.enabled = selected && selected->type == kTypeBodyPart;
        state.checked = ActiveViewMode() == MODE_ADD_FORCE;
        return true;
    case ID_FORCE_EDIT:
        state.enabled = AsForce(selected) != nullptr;
        return true;
    case ID_FORCE_DELETE:
        state.enabled = AsForce(selected) && !AsForce(selected)->IsFootPrediction();
        return true;
    case ID_FEET_ADD:
    case ID_NIOSH_COMPUTE:
        state.enabled = figure != nullptr;
        return true;
    case ID_FEET_UPDATE:
    case ID_FEET_DELETE:
    case ID_BIO_SUMMARY:
        state.enabled = feet;
        return true;
    case ID_ANIM_PLAY:
        state.enabled = model->CanAnimate();
        return true;
    default:
        return false;
    }
}
