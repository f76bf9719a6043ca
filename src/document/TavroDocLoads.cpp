#include "document/TavroDoc.h"

#include "biomech/Force.h"
#include "biomech/ForceFields.h"
#include "biomech/LiftMeasure.h"
#include "biomech/Niosh.h"
#include "core/GlobalSettings.h"
#include "core/UserReporter.h"
#include "core/ViewModes.h"
#include "document/BiomechDialogs.h"
#include "document/DocumentViews.h"
#include "human/Mannequin.h"

namespace {

CMannequin* OwnerOf(const CForce& load) {
    return load.parent && load.parent->type == kTypeMannequin
               ? static_cast<CMannequin*>(load.parent)
               : nullptr;
}

} // namespace

void CTavroDoc::UpdateFeetAndReport(CMannequin& figure) {
    if (figure.UpdateFootPredictionForces() == CMannequin::kFeetUnbalanced)
        reporter.Message("Unbalanced posture.");
}

// --- External loads ----------------------------------------------------------------------------

CForce* CTavroDoc::AddExternalForce(CMannequin& figure, int segment, const Vec3& worldPoint,
                                    bool atMassCentre, const Vec3& force, const Vec3& torque) {
    CBodyPart* part = segment < kMainSegmentCount ? figure.GetSegment(segment) : nullptr;
    if (!part)
        return nullptr;
    PushUndo(kUndoChanged, figure);
    CForce* load = atMassCentre ? figure.AddForce(segment, kForceExternal, part->massCentre, force,
                                                  torque, nullptr, false)
                                : figure.AddForce(segment, kForceExternal, worldPoint, force,
                                                  torque, nullptr, true);
    load->AddToList(objects);
    UpdateFeetAndReport(figure);
    Changed();
    return load;
}

void CTavroDoc::EditExternalForce(CForce& load, const Vec3& location, const Vec3& force,
                                  const Vec3& torque) {
    CMannequin* figure = OwnerOf(load);
    if (!figure || load.IsFootPrediction())
        return;
    PushUndo(kUndoChanged, *figure);
    figure->EditForce(load, location, force, torque);
    UpdateFeetAndReport(*figure);
    Changed();
}

void CTavroDoc::OnDeleteForce() {
    CSceneObject* selected = SelectedObject();
    if (!selected || selected->type != kTypeForce)
        return;
    auto* load = static_cast<CForce*>(selected);
    CMannequin* figure = OwnerOf(*load);
    if (!figure || load->IsFootPrediction())
        return;
    PushUndo(kUndoChanged, *figure);
    load->RemoveFromList(objects);
    figure->DeleteForce(load);
    UpdateFeetAndReport(*figure);
    views.SetActiveViewMode(MODE_SELECT);
    Changed();
}

CForce* CTavroDoc::OnAddForceAt(CMannequin& figure, int segment, const Vec3& worldPoint,
                                CBiomechDialogs& dialogs) {
    if (segment < 0 || segment >= kMainSegmentCount)
        return nullptr;
    // The dialog shows the picked point in the segment's frame, as the load will hold it.
    Matrix4 frame;
    figure.GetSegmentFrame(segment, frame);
    const Vec3 local =
        TransformPoint(Inverse(frame * figure.GetSegment(segment)->jointRotation), worldPoint);
    ForceFields fields =
        ForceFieldsFromModel(segment, local, {}, {}, settings.lengthUnit, settings.forceUnit);
    if (!dialogs.EditForce(fields, nullptr))
        return nullptr;
    Vec3 location, force, torque;
    ForceFieldsToModel(fields, settings.lengthUnit, settings.forceUnit, location, force, torque);
    const Vec3 point = TransformPoint(frame * figure.GetSegment(segment)->jointRotation, location);
    return AddExternalForce(figure, segment, point, fields.atMassCentre, force, torque);
}

void CTavroDoc::OnEditForce(CBiomechDialogs& dialogs) {
    CSceneObject* selected = SelectedObject();
    if (!selected || selected->type != kTypeForce)
        return;
    auto& load = static_cast<CForce&>(*selected);
    CMannequin* figure = OwnerOf(load);
    if (!figure)
        return;
    ForceFields fields = ForceFieldsOf(load, settings.lengthUnit, settings.forceUnit);
    std::function<void(ForceFields&)> balance;
    if (fields.canAutoBalance)
        balance = [&](ForceFields& shown) {
            AutoBalanceFields(*figure, load, shown, settings.forceUnit);
        };
    if (!dialogs.EditForce(fields, balance) || load.IsFootPrediction())
        return;
    Vec3 location, force, torque;
    ForceFieldsToModel(fields, settings.lengthUnit, settings.forceUnit, location, force, torque);
    EditExternalForce(load, location, force, torque);
}

// --- Foot prediction forces --------------------------------------------------------------------

void CTavroDoc::OnAddFeetForces() {
    CMannequin* figure = CurrentMannequin();
    const int result = figure ? figure->AddFootPredictionForces() : 0;
    if (result == CMannequin::kFeetNothingToDo)
        return;
    for (int foot : {kLeftFoot, kRightFoot})
        figure->FootPredictionForce(foot)->AddToList(objects);
    if (result == CMannequin::kFeetUnbalanced)
        reporter.Message("Unbalanced posture.");
    Changed();
}

void CTavroDoc::OnUpdateFeetForces() {
    CMannequin* figure = CurrentMannequin();
    if (!figure)
        return;
    UpdateFeetAndReport(*figure);
    views.RedrawAllViews();
}

void CTavroDoc::OnDeleteFeetForces() {
    CMannequin* figure = CurrentMannequin();
    if (!figure)
        return;
    const std::vector<CForce*> loads = figure->forces;
    bool deleted = false;
    for (CForce* load : loads) {
        if (!load->IsFootPrediction())
            continue;
        load->RemoveFromList(objects);
        figure->DeleteForce(load);
        deleted = true;
    }
    UpdateFeetAndReport(*figure);
    if (deleted)
        Changed();
    else
        views.RedrawAllViews();
}

// --- Lifting analysis --------------------------------------------------------------------------

void CTavroDoc::OnComputeNiosh(CBiomechDialogs& dialogs) {
    CMannequin* figure = CurrentMannequin();
    if (!figure)
        return;
    if (!initialPosture || !finalPosture) {
        reporter.Message("Please set initial and final postures first.");
        return;
    }
    NioshInputs inputs;
    MeasureLift(*figure, *initialPosture, *finalPosture, inputs);
    dialogs.ShowNiosh(inputs, [](NioshInputs& shown) { return ComputeNiosh(shown); });
}

bool CTavroDoc::CanAnimate() const {
    return CurrentMannequin() && initialPosture && finalPosture;
}
