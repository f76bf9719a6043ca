// The document's Biomechanics commands: external loads, gravity, foot forces, the summary, the
// lifting analysis and the transition animation. The loads, balance and lifting equation are
// the model's; these handlers show its dialogs and hand the values over.
#include "app/AppDoc.h"

#include "app/BiomechReadouts.h"
#include "app/BiomechSummaryDialog.h"
#include "app/ForceDialog.h"
#include "app/GravityAndUnitsDialogs.h"
#include "app/MainFrame.h"
#include "app/NioshDialog.h"
#include "biomech/Force.h"
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

bool HasFootForces(const CMannequin* figure) {
    if (!figure)
        return false;
    for (const CForce* load : figure->forces)
        if (load->IsFootPrediction())
            return true;
    return false;
}

CForce* AsForce(CSceneObject* object) {
    return object && object->type == kTypeForce ? static_cast<CForce*>(object) : nullptr;
}

} // namespace

void CAppDoc::AddForceAt(CSceneObject& picked, const Vec3& point) {
    if (picked.type != kTypeBodyPart)
        return;
    auto& part = static_cast<CBodyPart&>(picked);
    CMannequin* figure = part.figure;
    if (!figure)
        return;
    const int segment = LoadSegmentOf(part.segmentIndex);
    const CGlobalSettings& settings = Frame().Settings();
    CForceDialog dialog(SegmentInfoOf(segment).name, point, Vec3(), Vec3(), settings.lengthUnit,
                        settings.forceUnit, CForceDialog::kAdd, true, &Frame());
    if (dialog.exec() != QDialog::Accepted)
        return;
    model->AddExternalForce(*figure, segment, dialog.Location(), dialog.AtMassCentre(),
                            dialog.Force(), dialog.Torque());
    SyncTitle();
}

void CAppDoc::EditForce() {
    CForce* load = AsForce(SelectedObject());
    auto* figure = load ? dynamic_cast<CMannequin*>(load->parent) : nullptr;
    if (!figure)
        return;
    const CBodyPart* part = figure->GetSegment(load->segment);
    const bool predicted = load->IsFootPrediction();
    const CGlobalSettings& settings = Frame().Settings();
    CForceDialog dialog(SegmentInfoOf(load->segment).name, load->location, load->force,
                        load->torque, settings.lengthUnit, settings.forceUnit,
                        predicted ? CForceDialog::kFootPrediction : CForceDialog::kEdit,
                        part && load->location == part->massCentre, &Frame());
    if (!predicted)
        dialog.SetBalancer([figure, load](Vec3& force, Vec3& torque) {
            const CForce balancing = figure->ComputeBalancingForce(*load);
            force = balancing.force;
            torque = balancing.torque;
        });
    if (dialog.exec() != QDialog::Accepted || predicted)
        return;
    const Vec3 location = dialog.AtMassCentre() && part ? part->massCentre : dialog.Location();
    model->EditExternalForce(*load, location, dialog.Force(), dialog.Torque());
    SyncTitle();
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
    CBiomechSummaryDialog dialog(figure->IsBalanced(),
                                 JointSummaryRows(*figure, Frame().Settings().forceUnit), &Frame());
    dialog.exec();
}

void CAppDoc::ShowNiosh() {
    // Adapted to the model's lifting analysis when it lands.
}

void CAppDoc::AnimateTransition() {
    // Adapted to the model's transition loop when it lands.
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
    CSceneObject* selected = SelectedObject();
    const CMannequin* figure = CurrentMannequin();
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
        state.enabled = figure != nullptr;
        return true;
    case ID_FEET_UPDATE:
    case ID_FEET_DELETE:
    case ID_BIO_SUMMARY:
        state.enabled = HasFootForces(figure);
        return true;
    case ID_NIOSH_COMPUTE:
        state.enabled = figure != nullptr;
        return true;
    case ID_ANIM_PLAY:
        state.enabled = figure && model->InitialPosture() && model->FinalPosture();
        return true;
    default:
        return false;
    }
}
