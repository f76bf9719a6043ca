// The document's menu and toolbar commands: what each does and when it is enabled.
#include "app/AppDoc.h"

#include "app/ChildFrame.h"
#include "app/CustomizationDialog.h"
#include "app/MainFrame.h"
#include "app/PostureDialogs.h"
#include "app/SizeDialogs.h"
#include "app/TavroApp.h"
#include "app/VideoRecording.h"
#include "core/GlobalSettings.h"
#include "core/SceneObject.h"
#include "document/TavroDoc.h"
#include "document/UndoRecord.h"
#include "human/BodyPart.h"
#include "human/Mannequin.h"
#include "human/Representation.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"

#include <QApplication>

namespace {

struct ToolCommand {
    int id;
    int tool;
};
const ToolCommand kToolCommands[] = {
    {ID_DRAW_LINE, kToolLine},
    {ID_DRAW_CURVE, kToolCurve},
    {ID_DRAW_CIRCLE, kToolCircle},
    {ID_DRAW_TEXT, kToolText},
    {ID_DRAW_RECTANGLE, kToolRectangle},
    {ID_DRAW_SPHERE, kToolSphere},
    {ID_DRAW_CYLINDER, kToolCylinder},
    {ID_DRAW_BOX, kToolBox},
    {ID_DRAW_CONE, kToolCone},
    {ID_DRAW_TORUS, kToolTorus},
    {ID_DIM_HORIZONTAL, kToolDimensionHorizontal},
    {ID_DIM_VERTICAL, kToolDimensionVertical},
    {ID_DIM_ALIGNED, kToolDimensionAligned},
    {ID_DIM_ANGLE, kToolDimensionAngle},
};

struct ShapeCommand {
    int id;
    int number; // view cone mode or range volume number
};
const ShapeCommand kViewConeCommands[] = {
    {ID_CONE_OPTIMUM, kViewConeOptimum},
    {ID_CONE_MAXIMUM, kViewConeMaximum},
};
const ShapeCommand kRangeVolumeCommands[] = {
    {ID_RANGE_LEFT_LEG, kRangeLeftLeg},
    {ID_RANGE_RIGHT_LEG, kRangeRightLeg},
    {ID_RANGE_LEFT_HAND, kRangeLeftHand},
    {ID_RANGE_RIGHT_HAND, kRangeRightHand},
};

// Percentile code of the wheelchair models (1 5th, 2 50th, 3 95th) for a size row; 0 when
// there is no model of that size.
int WheelchairPercentile(int sizeRow) {
    return sizeRow >= 1 && sizeRow <= 3 ? sizeRow : 0;
}

} // namespace

void CAppDoc::ToggleMode(int mode) {
    CTavroView* view = ActiveView();
    if (!view)
        return;
    if (view->Mode() == mode)
        view->SetMode(MODE_SELECT);
    else if (SelectedObject())
        view->SetMode(mode);
}

void CAppDoc::NewMannequin() {
    CCustomizationDialog body(CustomizationChoice{}, &Frame());
    if (body.exec() != QDialog::Accepted)
        return;
    const CustomizationChoice choice = body.Choice();
    const bool hideWheelchair = choice.ageGroup == 1 || choice.figure != kRepresentationHuman ||
                                WheelchairPercentile(choice.size) == 0;
    CBodyPostureDialog postures(Frame().PosturePictures(), 1, 2, hideWheelchair, &Frame());
    const int result = postures.exec();
    if (result != QDialog::Accepted && result != CBodyPostureDialog::kLoadFromFile)
        return;
    std::string postureFile;
    if (result == CBodyPostureDialog::kLoadFromFile &&
        !ChooseOpenFile("Postures Files (*.pos)|*.pos||", "*.pos", postureFile))
        return;
    if (result == QDialog::Accepted &&
        postures.Posture() == CBodyPostureDialog::kWheelchairPosture) {
        model->BeginPlaceWheelchair(postures.Facing(), WheelchairPercentile(choice.size),
                                    choice.Gender());
        SyncTitle();
        return;
    }
    CGlobalSettings& settings = Frame().Settings();
    CQtAnthropometryDialogs dialogs(&Frame());
    CAnthropometryContext context{Frame().Reporter(), &dialogs, settings.lengthUnit};
    const int posture = result == QDialog::Accepted ? postures.Posture() : 0;
    auto figure = std::make_unique<CMannequin>(
        choice.figure, choice.Gender(), choice.ChildTable(), choice.size, choice.bodyType,
        choice.Population(), posture, postures.Facing(), choice.sizeMode, context);
    if (!figure->valid)
        return;
    figure->settings = &settings;
    model->BeginPlaceMannequin(figure.release(), postureFile);
    SyncTitle();
}

void CAppDoc::ChangeBody() {
    CMannequin* figure = CurrentMannequin();
    if (!figure)
        return;
    const CAnthropometry& record = figure->anthropometry;
    CustomizationChoice preset;
    preset.sex = record.gender;
    preset.bodyType = record.bodyType;
    preset.size = record.sizeRow >= 0 && record.sizeRow < kSizeRowCount ? record.sizeRow : 2;
    preset.database =
        record.population >= 1 && record.population <= kDatabaseCount ? record.population - 1 : 0;
    preset.ageGroup = IsChildPopulation(record.population) ? 1 : 0;
    preset.childAge = preset.ageGroup ? record.population - kFirstChildPopulation : 4;
    preset.figure = figure->representation;
    CCustomizationDialog dialog(preset, &Frame());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const CustomizationChoice choice = dialog.Choice();
    model->PushUndo(kUndoChanged, *figure);
    CQtAnthropometryDialogs dialogs(&Frame());
    CAnthropometryContext context{Frame().Reporter(), &dialogs, Frame().Settings().lengthUnit};
    if (figure->anthropometry.Customize(choice.Gender(), choice.Population(), choice.ChildTable(),
                                        choice.size, choice.bodyType, choice.bodyPart,
                                        choice.sizeMode, context))
        figure->ChangeBody(choice.figure, Frame().Reporter());
    figure->Invalidate();
    SetModifiedFlag();
    UpdateAllViews();
}

void CAppDoc::ApplyPosture() {
    CMannequin* figure = CurrentMannequin();
    if (!figure) {
        model->ReportError("No current mannequin.");
        return;
    }
    const bool hideWheelchair = true; // the seated wheelchair figure is only for new figures
    CBodyPostureDialog dialog(Frame().PosturePictures(), 1, 2, hideWheelchair, &Frame());
    dialog.DisableFacing();
    const int result = dialog.exec();
    if (result == CBodyPostureDialog::kLoadFromFile) {
        std::string path;
        if (ChooseOpenFile("Position Files (*.pos)|*.pos||", "*.pos", path))
            model->ApplyPostureFile(path);
    } else if (result == QDialog::Accepted) {
        model->PushUndo(kUndoChanged, *figure);
        std::string failure;
        if (!figure->ApplyStandardPosture(dialog.Posture(), &failure) && !failure.empty())
            model->ReportError(failure);
        figure->UpdatePosture();
        figure->Invalidate();
        SetModifiedFlag();
    }
    UpdateAllViews();
}

void CAppDoc::ApplyHandPosture() {
    CMannequin* figure = CurrentMannequin();
    if (!figure) {
        model->ReportError("No current mannequin.");
        return;
    }
    CHandPostureDialog dialog(Frame().PosturePictures(), 1, 2, &Frame());
    if (dialog.exec() != QDialog::Accepted)
        return;
    model->PushUndo(kUndoChanged, *figure);
    std::string failure;
    if ((dialog.Hand() == 1 || dialog.Hand() == 2) &&
        !figure->ApplyHandPosture(dialog.Posture(), 1, &failure))
        model->ReportError(failure);
    if ((dialog.Hand() == 0 || dialog.Hand() == 2) &&
        !figure->ApplyHandPosture(dialog.Posture(), 0, &failure))
        model->ReportError(failure);
    figure->UpdatePosture();
    figure->Invalidate();
    SetModifiedFlag();
    UpdateAllViews();
}

void CAppDoc::ShowAnthropometry() {
    if (CMannequin* figure = CurrentMannequin()) {
        CSummaryDialog dialog(figure->anthropometry, &Frame());
        dialog.exec();
    }
}

bool CAppDoc::OnCommand(int id) {
    // While a picture is printed the scene must not change under it.
    if (IsPrinting())
        return true;
    for (const ToolCommand& t : kToolCommands) {
        if (t.id == id) {
            model->OnDrawingTool(t.tool);
            return true;
        }
    }
    for (const ShapeCommand& c : kViewConeCommands)
        if (c.id == id) {
            model->OnViewCone(c.number);
            return true;
        }
    for (const ShapeCommand& c : kRangeVolumeCommands)
        if (c.id == id) {
            model->OnRangeVolume(c.number);
            return true;
        }
    if (OnBiomechCommand(id)) {
        SyncTitle();
        return true;
    }
    if (id >= ID_STEP_X_PLUS && id <= ID_STEP_Z_MINUS) {
        const int step = id - ID_STEP_X_PLUS;
        model->OnStepRotation(step / 2, step % 2 == 0 ? 1 : -1);
        SyncTitle();
        return true;
    }
    switch (id) {
    case ID_FILE_SAVE:
        model->OnSave();
        break;
    case ID_FILE_SAVE_AS:
        model->OnSaveAs();
        break;
    case ID_FILE_IMPORT_TVR:
        model->OnImportTvr();
        break;
    case ID_FILE_IMPORT_DXF:
        model->OnImportDxf();
        SyncTitle();
        break;
    case ID_FILE_EXPORT_DXF:
        model->OnExportDxf();
        break;
    case ID_FILE_IMPORT_3DS:
        model->OnImport3ds();
        SyncTitle();
        break;
    case ID_FILE_EXPORT_3DS: {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        model->OnExport3ds();
        QApplication::restoreOverrideCursor();
        break;
    }
    case ID_PEOPLE_NEW_MANNEQUIN:
        NewMannequin();
        break;
    case ID_PEOPLE_CHANGE_BODY:
        ChangeBody();
        break;
    case ID_PEOPLE_ANTHROPOMETRY:
        ShowAnthropometry();
        break;
    case ID_PEOPLE_APPLY_POSTURE:
        ApplyPosture();
        break;
    case ID_PEOPLE_HAND_POSTURE:
        ApplyHandPosture();
        break;
    case ID_PEOPLE_SAVE_POSTURE:
        model->OnSavePosture();
        break;
    case ID_EDIT_UNDO:
        model->OnUndo();
        break;
    case ID_EDIT_CUT:
        model->OnCut();
        break;
    case ID_EDIT_PASTE:
        model->OnPaste();
        break;
    case ID_EDIT_DELETE:
        model->OnDelete();
        break;
    case ID_REACH_LEFT:
        model->OnReach(MODE_REACH_LEFT);
        break;
    case ID_REACH_RIGHT:
        model->OnReach(MODE_REACH_RIGHT);
        break;
    case ID_WALK_PATH:
    case ID_WALK_RECORD:
        model->OnWalkPath(id == ID_WALK_RECORD);
        break;
    case ID_MODE_SELECT:
        if (CTavroView* view = ActiveView())
            view->SetMode(MODE_SELECT);
        break;
    case ID_MODE_TRANSLATE:
        ToggleMode(MODE_TRANSLATE);
        break;
    case ID_MODE_ROTATE:
        ToggleMode(MODE_ROTATE);
        break;
    case ID_MODE_SCALE:
        ToggleMode(MODE_SCALE);
        break;
    case ID_POSE_SET_INITIAL:
    case ID_POSE_SET_FINAL:
        model->OnSetPosture(id == ID_POSE_SET_FINAL);
        break;
    case ID_ANIM_RECORD_AVI:
        if (CTavroView* view = ActiveView())
            RecordPostureTransitionVideo(*this, *view);
        return true;
    case ID_POSE_VIEW_INITIAL:
    case ID_POSE_VIEW_FINAL:
        model->OnViewPosture(id == ID_POSE_VIEW_FINAL);
        break;
    case ID_WINDOW_ONE_VIEW:
        SetLayout(1);
        break;
    case ID_WINDOW_FOUR_VIEWS:
        SetLayout(4);
        break;
    case ID_WINDOW_NEW:
        FrameNewView(Frame().CreateChildFrame(this)->View());
        break;
    case ID_FILE_CLOSE:
        app.CloseDocument(this);
        return true; // this document may be gone
    default:
        return false;
    }
    SyncTitle();
    return true;
}

bool CAppDoc::OnUpdateCommand(int id, CommandState& state) {
    const CSceneObject* selected = SelectedObject();
    const CMannequin* figure = CurrentMannequin();
    const bool mannequin = figure != nullptr;
    const int mode = ActiveViewMode();
    const bool printing = IsPrinting();
    const auto selectedIsNot = [selected](std::initializer_list<int> types) {
        if (!selected)
            return false;
        for (int t : types)
            if (selected->type == t)
                return false;
        return true;
    };
    for (const ToolCommand& t : kToolCommands)
        if (t.id == id) {
            state.enabled = !printing;
            return true;
        }
    if (OnUpdateBiomechCommand(id, state)) {
        state.enabled = state.enabled && !printing;
        return true;
    }
    if (id >= ID_STEP_X_PLUS && id <= ID_STEP_Z_MINUS) {
        state.enabled = !printing;
        return true;
    }
    for (const ShapeCommand& c : kViewConeCommands)
        if (c.id == id) {
            state.enabled = !printing && mannequin && mode != MODE_WALK_PATH;
            state.checked = mannequin && figure->viewConeMode == c.number;
            return true;
        }
    for (const ShapeCommand& c : kRangeVolumeCommands)
        if (c.id == id) {
            state.enabled = !printing && mannequin;
            state.checked = mannequin && figure->rangeVolumeShown[c.number] != 0;
            return true;
        }
    switch (id) {
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_FILE_IMPORT_TVR:
    case ID_FILE_IMPORT_DXF:
    case ID_FILE_EXPORT_DXF:
    case ID_FILE_IMPORT_3DS:
    case ID_FILE_EXPORT_3DS:
    case ID_PEOPLE_APPLY_POSTURE:
    case ID_PEOPLE_HAND_POSTURE:
        state.enabled = !printing;
        return true;
    case ID_PEOPLE_NEW_MANNEQUIN:
    case ID_EDIT_PASTE:
        state.enabled = !printing && mode != MODE_PICK_POINT;
        return true;
    case ID_PEOPLE_SAVE_POSTURE:
    case ID_PEOPLE_CHANGE_BODY:
    case ID_PEOPLE_ANTHROPOMETRY:
    case ID_POSE_SET_INITIAL:
    case ID_POSE_SET_FINAL:
        state.enabled = !printing && mannequin;
        return true;
    case ID_REACH_LEFT:
    case ID_REACH_RIGHT:
        state.enabled = !printing && mannequin;
        state.checked = mode == (id == ID_REACH_LEFT ? MODE_REACH_LEFT : MODE_REACH_RIGHT);
        return true;
    case ID_WALK_PATH:
    case ID_WALK_RECORD:
        // One walk at a time: the view's timer and path belong to the walk running.
        state.enabled = !printing && mannequin && !model->WalkingFigure();
        return true;
    case ID_POSE_VIEW_INITIAL:
        state.enabled = !printing && model->InitialPosture() != nullptr;
        return true;
    case ID_POSE_VIEW_FINAL:
        state.enabled = !printing && model->FinalPosture() != nullptr;
        return true;
    case ID_ANIM_RECORD_AVI:
        state.enabled = !printing && mannequin && model->InitialPosture() != nullptr &&
                        model->FinalPosture() != nullptr;
        return true;
    case ID_EDIT_UNDO:
        state.enabled = !printing && model->UndoDepth() > 0;
        return true;
    case ID_EDIT_CUT:
    case ID_EDIT_DELETE:
        state.enabled = !printing && selectedIsNot({kTypeForce});
        return true;
    case ID_EDIT_COPY:
        state.enabled = !printing && (!selected || selected->type != kTypeForce);
        return true;
    case ID_MODE_SELECT:
        state.enabled = !printing && mode != MODE_PICK_POINT;
        state.checked = mode == MODE_SELECT;
        return true;
    case ID_MODE_TRANSLATE:
        state.enabled = !printing && selectedIsNot({kTypeBodyPart, kTypeForce});
        state.checked = mode == MODE_TRANSLATE;
        return true;
    case ID_MODE_ROTATE:
        state.enabled = !printing && selectedIsNot({kTypeForce, kTypeDimension});
        state.checked = mode == MODE_ROTATE;
        return true;
    case ID_MODE_SCALE:
        state.enabled = !printing && selectedIsNot({kTypeText, kTypeDimension, kTypeMannequin,
                                                    kTypeBodyPart, kTypeForce});
        state.checked = mode == MODE_SCALE;
        return true;
    case ID_WINDOW_ONE_VIEW:
    case ID_WINDOW_FOUR_VIEWS:
    case ID_WINDOW_NEW:
    case ID_FILE_CLOSE:
        return true;
    default:
        return false;
    }
}
