#pragma once

#include "core/Matrix4.h"
#include "core/ObjectList.h"
#include "core/Vec3.h"
#include "document/SceneFileReader.h"
#include "document/UndoRecord.h"

#include <memory>
#include <string>
#include <vector>

class CBiomechDialogs;
class CDocumentViews;
class CForce;
class CMannequin;
class CSceneClipboard;
struct CPosture;
class CUserReporter;
struct CGlobalSettings;

// The drawing commands ("Line" ... "Torus", and the dimensions of the "Distance" menu).
enum DrawingTool : int {
    kToolLine,
    kToolCurve,
    kToolCircle,
    kToolText,
    kToolRectangle,
    kToolSphere,
    kToolCylinder,
    kToolBox,
    kToolCone,
    kToolTorus,
    kToolDimensionHorizontal,
    kToolDimensionVertical,
    kToolDimensionAligned,
    kToolDimensionAngle,
};

// What the next point picked in a view completes.
enum PendingOperation : int {
    kPendingNone = 0,
    kPendingPlaceMannequin = 1,
    kPendingPlaceWheelchair = 2,
    kPendingReach = 3,
    kPendingPaste = 4,
};

// One scene: the flat list of its objects (each figure with its 46 segments and attached
// forces and wheelchair, drawing objects, dimensions), the undo stack, the pending operation
// that the next picked point completes, and the model commands of the menus.
//
// The document is free of any GUI toolkit. It asks the user interface for redraws, view modes
// and file names through CDocumentViews, and tells the user of failures through CUserReporter.
// The desktop program's document class owns one CTavroDoc and routes its commands here; the
// command-line tool and the tests drive it directly.
//
// Every command that changes the scene pushes one undo record (kind, copy of the object before
// the change, same id), marks the document modified and asks all views to redraw.
class CTavroDoc {
public:
    CTavroDoc(CDocumentViews& views, CUserReporter& reporter, CSceneClipboard& clipboard,
              const CGlobalSettings& settings);
    ~CTavroDoc();
    CTavroDoc(const CTavroDoc&) = delete;
    CTavroDoc& operator=(const CTavroDoc&) = delete;

    // --- Scene list -------------------------------------------------------------------------
    const CObjectList& Objects() const { return objects; }
    CObjectList& Objects() { return objects; }
    // Takes ownership of a top-level object and lists it with its descendants; 0 (and the
    // object is deleted) when its id is already listed.
    int AddObject(CSceneObject* object);
    // The last selected top-level object of the list, or, when none is selected, the first
    // selected child object; null when nothing is selected.
    CSceneObject* SelectedObject() const;
    // The selected object, or the figure of a selected body part.
    CSceneObject* SelectedTopObject() const;
    CSceneObject* FindById(int id) const;
    // Removes and deletes every object (the scene becomes empty); the undo stack is kept.
    void ClearObjects();

    // --- Document state ---------------------------------------------------------------------
    bool IsModified() const { return modified; }
    void SetModified(bool value = true) { modified = value; }
    const std::string& PathName() const { return pathName; }
    void SetPathName(const std::string& path) { pathName = path; }
    // How figures read from scene files are rebuilt (see SceneReadContext); null builds them
    // from the data directory.
    void SetFigureBuilder(
        std::function<CMannequin*(const CAnthropometry&, int representation)> builder) {
        figureBuilder = std::move(builder);
    }
    SceneReadContext ReadContext() const;
    // Reports `text` in an "Error" message box.
    void ReportError(const std::string& text) const;

    // --- Undo -------------------------------------------------------------------------------
    // One record with one entry: a copy (same id) of `object` as it is now.
    void PushUndo(int kind, const CSceneObject& object);
    void PushUndoRecord(std::unique_ptr<CUndoRecord> record);
    std::size_t UndoDepth() const { return undoStack.size(); }
    // "&Undo": back to the select mode, then undoes the newest record ("Nothing to Undo!" when
    // there is none).
    void OnUndo();

    // --- Clipboard and deletion -------------------------------------------------------------
    // Copies the selected object's topmost ancestor to the clipboard (fresh ids, deselected).
    // Returns 0 when nothing is selected (the caller then copies the view's picture).
    int OnCopy();
    void OnCut();
    // Starts a paste: the next picked point places the clipboard object.
    void OnPaste();
    void OnDelete();

    // --- Drawing tools ----------------------------------------------------------------------
    // A drawing command (DrawingTool): unless the view is already in the tool's mode, creates
    // the empty object, lists it and enters the mode. An object left unfinished by an earlier
    // tool is kept as it is (see FinishDrawing).
    void OnDrawingTool(int tool);
    // The object under construction is finished: its creation becomes one undo step.
    void FinishDrawing();
    // The tool was cancelled: the object under construction goes, leaving no undo step.
    void CancelDrawing();
    // The view's point list changed. kind 0 and 1 rebuild the polyline or polyface under
    // construction from the shape code and points (a new object with the same id); kind 2
    // rebuilds the text, kind 3 the dimension.
    void DrawingStep(int kind, int shape, const std::vector<Vec3>& points);
    int DrawnObjectId() const { return drawnObjectId; }

    // --- Pending operation and picked points ------------------------------------------------
    int PendingOperationCode() const { return pendingOperation; }
    // A point was picked in a view (result 1) or the pick was cancelled (any other result):
    // completes or cancels the pending operation.
    void PointPicked(int result, const Vec3& point, const Vec3& second);

    // --- Step rotation ----------------------------------------------------------------------
    // The step rotation buttons: 5 degrees (direction +1 or -1) about axis 0 X, 1 Y or 2 Z. A
    // selected segment turns its joint (within its limits), a selected figure its placement;
    // other objects do not turn.
    void OnStepRotation(int axis, int direction);

    // --- Figures ----------------------------------------------------------------------------
    // The selected figure, or the figure of the selected segment; null otherwise.
    CMannequin* CurrentMannequin() const;
    // The end of New Mannequin, after its dialogs: `figure` (built by the caller from the
    // dialogs' choices, valid; the document takes it) waits for the next picked point. With a
    // posture file it is posed from that file first; a file that does not read completely shows
    // "Failed to read file." and ends the command (returns 0).
    int BeginPlaceMannequin(CMannequin* figure, const std::string& postureFile = "");
    // New Mannequin with the wheelchair posture: the next picked point places the stored seated
    // figure and wheelchair of this gender (1 male) and percentile (1 5th, 2 50th, 3 95th),
    // facing 0 left, 1 right, 2 front, 3 back.
    void BeginPlaceWheelchair(int facing, int percentile, int gender);
    // The data file of the seated figure in a wheelchair ("whtv50m.___", ...).
    static std::string WheelchairFileName(int percentile, int gender);
    // While a new figure waits for its point: stands it where a pick of this point and viewing
    // ray would place it, so that the views can show it under the cursor. The scene, the undo
    // stack and the modified flag stay as they are. False when no figure waits.
    bool MovePlacementPreview(const Vec3& point, const Vec3& direction);
    // The waiting figure once MovePlacementPreview has stood it somewhere; null otherwise.
    CMannequin* PlacementPreview() const;

    // "Save Posture": asks for a file and writes the current figure's posture ("Failed to save
    // file." when it cannot be written).
    void OnSavePosture();
    // Poses the current figure from a posture file, with undo. 0 and "Failed to read file."
    // when the file does not read completely.
    int ApplyPostureFile(const std::string& path);
    // "Set" and "View" of the initial (final false) and final postures used by the lifting
    // analysis and the transition animation.
    void OnSetPosture(bool final);
    void OnViewPosture(bool final);
    const CPosture* InitialPosture() const { return initialPosture.get(); }
    const CPosture* FinalPosture() const { return finalPosture.get(); }

    // --- Reach and walking ------------------------------------------------------------------
    // "Left Hand" / "Right Hand" of the Reach menu (mode MODE_REACH_LEFT or MODE_REACH_RIGHT):
    // the current figure reaches each point picked in the view with that hand until the mode
    // ends ("No current mannequin." when there is none).
    void OnReach(int mode);
    // Reaches with `hand` (kLeftPalm, kRightPalm) of the current figure towards the picking
    // ray (point, direction; a zero direction reaches the point itself). An undo record is
    // kept only when a joint changed; "Failed to Reach Point" leaves the figure as it was.
    // Returns 1 when reached.
    int ReachWith(int hand, const Vec3& point, const Vec3& direction);
    // "Walk on path" (and, with `record`, "Walk and record AVI"): the view draws a new path,
    // the object under construction, for the current figure ("No current mannequin." when
    // there is none); the view removes it when the walk ends.
    void OnWalkPath(bool record = false);
    // A walk of the current figure along `path` (at least two points): one undo record of the
    // figure, then StartWalk. WalkStep places the next step and redraws (0 at the end of the
    // path); EndWalk restores the posture, leaving the figure where it stands. The view's timer
    // drives them; a recorder may drive them frame by frame. BeginWalk returns 0 without a
    // figure or with fewer than two points.
    int BeginWalk(const std::vector<Vec3>& path);
    int WalkStep();
    void EndWalk();
    // The figure walking now, or null.
    CMannequin* WalkingFigure() const;

    // --- View cones and range volumes --------------------------------------------------------
    // "&Optimum" (mode 1) and "Maximum" (mode 2) of the View Cone menu: hides the current
    // figure's cones when those of `mode` are shown, else shows them in place of any others.
    void OnViewCone(int mode);
    // The Range Volume menu: hides range volume `number` (RangeVolumeNumber) of the current
    // figure when it is shown, else shows it.
    void OnRangeVolume(int number);

    // --- External loads ---------------------------------------------------------------------
    // Adds an external load (lbf, lbf*in) to `segment` of `figure`, with undo: at the segment's
    // mass centre when `atMassCentre`, else at the scene point `worldPoint` (in).
    CForce* AddExternalForce(CMannequin& figure, int segment, const Vec3& worldPoint,
                             bool atMassCentre, const Vec3& force, const Vec3& torque);
    // Changes an external load (a predicted foot force never changes), with undo.
    void EditExternalForce(CForce& load, const Vec3& location, const Vec3& force,
                           const Vec3& torque);
    // "Delete" of the External Load menu: removes the selected external load, with undo.
    void OnDeleteForce();
    // "&Add" of the External Load menu, after the view's segment pick: opens the force dialog
    // for main segment `segment` of `figure` with the picked scene point `worldPoint` (in); on
    // OK adds the load as AddExternalForce does (at the mass centre when the check box is left
    // set). Returns the new load, or null when cancelled or the segment is not a main one.
    CForce* OnAddForceAt(CMannequin& figure, int segment, const Vec3& worldPoint,
                         CBiomechDialogs& dialogs);
    // "&Edit" of the External Load menu: the selected force's dialog (read-only for a foot
    // prediction force, with "Auto balance Mannequin" for an external load); on OK changes an
    // external load with undo.
    void OnEditForce(CBiomechDialogs& dialogs);
    // After every change of the external loads (add, edit, delete, done by the commands above)
    // the figure's foot prediction forces are updated; an unbalanced posture shows
    // "Unbalanced posture.".

    // --- Biomechanics -----------------------------------------------------------------------
    // "&Add / &Update / &Delete Feet Prediction Forces" on the current figure (no undo step;
    // the document is marked modified when forces are added or deleted; views redraw).
    void OnAddFeetForces();
    void OnUpdateFeetForces();
    void OnDeleteFeetForces();
    // "Compute NIOSH...": "Please set initial and final postures first." unless both postures
    // are stored; otherwise measures the lift on the current figure (its posture is restored)
    // and opens the NIOSH dialog.
    void OnComputeNiosh(CBiomechDialogs& dialogs);
    // Whether "Animate poses transition" may run: a current figure and both postures stored.
    // The program then runs AnimatePostureTransition (anim/PostureTransition.h) on
    // CurrentMannequin() and marks the document modified.
    bool CanAnimate() const;

    // --- Files ------------------------------------------------------------------------------
    // "&Save" / "Save &As...": write the scene file; a failure shows "Failed to save file." and
    // leaves the document modified. Return 1 when saved.
    int OnSave();
    int OnSaveAs();
    int SaveTo(const std::string& path);
    // "Import &TVR": asks for a file and appends its objects (one undo record).
    void OnImportTvr();
    int ImportTvr(const std::string& path);

    // --- File exchange ----------------------------------------------------------------------
    // "Import &DXF" and "Import &3DS": a file and its units from the user, then the import.
    void OnImportDxf();
    void OnImport3ds();
    // "Export &DXF", "Export &3DS" and "Export gl&TF": a file from the user, then the export.
    void OnExportDxf();
    void OnExport3ds();
    void OnExportGlb();
    // Read a DXF or 3DS file drawn in `unitCode` units (ImportUnitScale) into the scene: every
    // new object scaled to inches, its origin centred, all in one undo record. What a DXF file
    // held before an error comes in; after Cancel the document is as it was. Return 1 when the
    // file was read whole.
    int ImportDxf(const std::string& path, int unitCode);
    int Import3ds(const std::string& path, int unitCode);
    // Write the scene; 1 when written. The DXF and glTF exports show the progress display.
    int ExportDxf(const std::string& path);
    int Export3ds(const std::string& path);
    int ExportGlb(const std::string& path);
    // Opening a ".3di" body imager file: the figure it describes joins the scene and the
    // scene's meshes are written as the ".3ds" file beside it (ImagerOutputPath), after which
    // the document counts as unmodified. 1 when the 3DS file was written.
    int ConvertImagerFile(const std::string& path);

    // --- Closing ----------------------------------------------------------------------------
    // Deletes the scene, the undo stack and the pending operation.
    void Close();

private:
    void UndoRecord(CUndoRecord& record);
    int TakeImported(std::vector<std::unique_ptr<CSceneObject>>& created, int status, int unitCode);
    void Changed();
    CSceneObject* TopmostOf(CSceneObject* object) const;
    void PasteAt(const Vec3& point);
    void CancelPending();
    // At the picked point; a click on the shown floor (the viewing ray `direction` meets it)
    // stands the figure's feet on the floor there.
    void PlacePendingMannequin(const Vec3& point, const Vec3& direction);
    // Moves the waiting figure from where it was built to where PlacePendingMannequin puts it.
    void StandPendingFigure(const Vec3& point, const Vec3& direction);
    void PlaceWheelchair(const Vec3& point);
    void ReachPicked(const Vec3& point, const Vec3& direction);
    void RestoreBodyPart(CSceneObject& live, const CSceneObject& stored);
    CMannequin* RequireCurrentMannequin() const;
    // Runs the figure's foot force update and shows "Unbalanced posture." when it says so.
    void UpdateFeetAndReport(CMannequin& figure);

    CDocumentViews& views;
    CUserReporter& reporter;
    CSceneClipboard& clipboard;
    const CGlobalSettings& settings;

    CObjectList objects;
    int pendingOperation = kPendingNone;
    std::vector<std::unique_ptr<CUndoRecord>> undoStack; // newest at the back
    int drawnObjectId = 0;
    bool drawingOpen = false; // the drawn object has no undo record yet
    std::unique_ptr<CMannequin> pendingFigure;
    Matrix4 pendingFigureBuilt;      // its placement as built, before any preview moved it
    bool pendingFigureShown = false; // a preview has stood it under the cursor
    int reachMode = 0;               // MODE_REACH_LEFT or MODE_REACH_RIGHT while reaching
    int walkingFigureId = 0;         // id of the walking figure, 0 when none walks
    int wheelchairFacing = 2;
    int wheelchairPercentile = 2;
    int wheelchairGender = 1;
    std::unique_ptr<CPosture> initialPosture;
    std::unique_ptr<CPosture> finalPosture;
    bool modified = false;
    std::string pathName;
    std::function<CMannequin*(const CAnthropometry&, int representation)> figureBuilder;
};
