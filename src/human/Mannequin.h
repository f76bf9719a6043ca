#pragma once

#include "anthro/Anthropometry.h"
#include "core/SceneObject.h"
#include "draw/Polyface.h"
#include "human/AnalysisShapes.h"
#include "human/BodyFiles.h"
#include "human/BodyPart.h"
#include "human/Posture.h"
#include "human/SegmentTable.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CBodyMesh;
class CForce;
class CUserReporter;
struct CGlobalSettings;

// Whether a step on a limb segment is repeated on its bilateral twin (the view's rotate method).
enum RotateMethod : int {
    kRotateIndependent = 0,
    kRotateTogether = 1, // the twin turns by the same step
    kRotateOpposite = 2, // the twin turns by the opposite step
};

// The gait cycle: frames of joint increments, each with one entry per main segment and two
// unused ones; the stride of one step (in).
inline constexpr int kGaitFrames = 7;
inline constexpr int kGaitEntries = 18;
inline constexpr double kWalkStride = 6.0;

// A human figure (type 5): 46 body segments in a fixed tree rooted at the pelvis. The figure's
// `transform` places it in the scene; each segment's `transform` holds its world frame after
// UpdatePosture(). All 46 segments are also in the child list, so the generic scene
// operations reach them; they belong to the figure and are never deleted through that list.
class CMannequin : public CSceneObject {
public:
    // A bare figure: the linked segment tree with no meshes, zero limits and zero angles.
    CMannequin();
    // A figure built as New Mannequin builds it (MannequinBuild.cpp), in this order: the mesh
    // of `representation`, the joint limits, standard posture `posture` (0 none), the
    // anthropometry of the database choice through Customize (selection whole body, `sizeMode`
    // a SizeMode), scaling and mass properties (ChangeBody), then `facing` (0 left, 1 right,
    // 2 front, 3 back). `childAge` is a child table 0..9 or -1 for an adult, `size` a size row
    // 0..4, `population` a population code. A failed step stops the sequence with `valid` 0.
    CMannequin(int representation, int sex, int childAge, int size, int bodyType, int population,
               int posture, int facing, int sizeMode, const CAnthropometryContext& context);
    // A figure rebuilt from stored data (scene files): the mesh of `representation`, a copy of
    // `stored`, scaling and mass properties, joint limits; no posture and no facing.
    CMannequin(int representation, const CAnthropometry& stored, CUserReporter& reporter);
    // Copy for undo and duplication: segments with their meshes, limits and angles, the
    // anthropometry, placement, footprints and loads. With keepId the copy takes the source's
    // id and colour; otherwise its colour is its own new id.
    CMannequin(const CMannequin& source, bool keepId);
    ~CMannequin() override;

    // Rebuilds the geometry from the anthropometry: reloads the mesh of `representation` (-1:
    // the current one), scales each main segment and the fingers of each hand by their scale
    // vectors, recomputes mass properties and the posture. Repeating it never compounds the
    // scaling. 0 when the mesh cannot be loaded (the figure is then unchanged).
    int ChangeBody(int representation, CUserReporter& reporter);

    // Mass, volume and inertia of main segments 0..15 from "antro1.dat" and the
    // anthropometry's stature and weight (MannequinMassProperties.cpp). Shows "Cannot open
    // HUMAN DATA file: " and the path and returns 0, leaving the segments as they were, when
    // the file is missing or unusable.
    int ComputeMassProperties(CUserReporter& reporter);

    void Deselect() override;
    // Draws the segments under the placement, then the shown view cones (except in the eye
    // view) and range volumes in their current frames.
    void Draw(bool whiteFill, int viewType) override;
    // Recomputes every segment's world frame and placed vertices, then places the shown view
    // cones and range volumes.
    virtual void UpdatePosture();

    // Shows the view cones of `mode` (ViewConeMode) in place of any others: built from the eye
    // vertices of the HEAD mesh (none when it has no eyes) and placed.
    void ShowViewCone(int mode);
    void HideViewCone();
    // Shows range volume `number` (RangeVolumeNumber; others are ignored): a grid whose
    // radius is the length of the limb's three segments, placed at the base segment's joint.
    // A limb of no length records the volume as shown but has no shape.
    void ShowRangeVolume(int number);
    void HideRangeVolume(int number);
    // World frame of the head: its base frame and its own joint rotation.
    Matrix4 HeadWorldFrame() const;

    // Segment `index` (0..45); null outside that range.
    CBodyPart* GetSegment(int index);
    const CBodyPart* GetSegment(int index) const;
    // Base frame of a segment in the scene: the figure's placement and the joints and child
    // offsets down the tree, without the segment's own joint rotation. 0 for a bad index.
    int GetSegmentFrame(int index, Matrix4& out) const;
    // The same in the figure's own coordinates (placement left out).
    int GetSegmentLocalFrame(int index, Matrix4& out) const;
    // Limited step (degrees) of segment `index` about joint axis 0 x, 1 y, 2 z; a LimitCode,
    // or kWithinLimits without effect for a bad index or axis.
    int RotateSegment(int index, double angle, int axis);

    // Stores the representation and loads its mesh file (by the anthropometry's sex): vertices,
    // normals, box corners, colours, child offsets, joint-centred meshes and mass centres.
    // Shows "Cannot open HUMAN MESH file: " and the path and returns 0 when the file is
    // missing, cut short or inconsistent; the segments are then unchanged.
    int LoadMesh(int representation, CUserReporter& reporter);
    // Takes records accepted by ParseMeshFile (moved out of `mesh`) and derives the segment
    // data as LoadMesh does.
    void ApplyMesh(FigureMeshData& mesh);
    // Gives the segments the unscaled mesh `mesh`, shared, with its colours and joint data.
    void UseMesh(std::shared_ptr<const CBodyMesh> mesh);
    // Path of the mesh file of a representation for this figure's sex.
    std::string MeshFileName(int representation) const;
    // Reads both sole outlines and fits them to the current feet, in the figure's own
    // coordinates. Shows "Cannot open FOOTPRINT DATA file: " and the path and returns 0 when
    // the file is missing or unusable.
    int LoadFootprints(CUserReporter& reporter);
    // Scales and places parsed sole outlines on the current feet; 0 (nothing changed) when an
    // outline or a foot has no length to match.
    int PlaceFootprints(const Footprint& right, const Footprint& left);

    // Whether mass-centre and centre-of-gravity markers are drawn: only for the Human
    // representation of a male adult-table figure, the one the mass data describes.
    int ShowsMassCentres() const;

    // Reads "limit.dat" into all segments and brings every joint inside its new limits, after
    // asking the user when some angle is outside them. 0, with nothing changed, when the file
    // is missing or unusable or the user declines.
    int ReadLimits(CUserReporter& reporter);
    // The view's rotation step: limited step of segment `index` about `axis`, repeated on its
    // twin by `method` (each limited by its own limits); then the world data is refreshed and
    // the figure validated. Returns the segment's own LimitCode.
    int RotateLinked(int index, int axis, double delta, int method);

    // Standard whole-body posture `index` of "perpost.dat" (1-based): the main joints are reset,
    // then turned by the posture's angles, each limited. Index 0 changes nothing. 0, with
    // nothing changed, when the file is missing or has no complete block `index`; for a file
    // that is there, the file, posture and line are named in `failure`.
    int ApplyStandardPosture(int index, std::string* failure = nullptr);
    // Turns the figure to face code 0 Left (-90 degrees about y), 1 Right (90), 2 Front (0)
    // or 3 Back (-180); other codes face front. Replaces the placement.
    void ApplyFacing(int code);
    // Hand posture `number` (1-based) of "rhand.dat" (rightHand 1) or "lhand.dat": the hand's
    // 15 finger joints are reset and turned about z, x, then y, each limited. 0, with nothing
    // changed and the file, block and line named in `failure`, when the file is missing or has
    // no complete block `number`.
    int ApplyHandPosture(int number, int rightHand, std::string* failure = nullptr);

    // The figure's one saved posture (joint limits, angles and rotations of every segment),
    // kept by a segment's SaveTransform and by walking.
    void SavePosture();
    void RestoreSavedPosture();

    // Reach (Reach.cpp); `hand` is kRightPalm or kLeftPalm, points are in the scene.
    // Reaches the point of the picking ray (point, direction) nearest to the hand's current
    // grip point (a zero direction: `point` itself) with ReachPoint; on failure shows "Failed
    // to Reach Point". The caller then recomputes the figure (UpdatePosture).
    int Reach(int hand, const Vec3& point, const Vec3& direction, CUserReporter& reporter);
    // Puts the grip point on `target`: the arm alone with the trunk upright, else with the
    // chest bent forward one degree at a time up to its upper limit, then backward from its
    // lower limit. Returns 1 when reached: the chest keeps the bend (its y and z reset) and
    // the wrist is straight. On failure (0) every joint is exactly as before.
    int ReachPoint(int hand, const Vec3& target);
    // Two-link solution for the arm of `hand` towards `local`, a point in the upper arm's base
    // frame: turns the shoulder about its y then x axis and the elbow about x, each turn taken
    // whole within the joint limits. 0 when the point is out of the arm's reach or a limit
    // stops a turn (the joints then stay as far as they got).
    int SolveArm(int hand, const Vec3& local);
    // Grip point of `hand` in the scene: the palm's grip vertex placed as the palm is drawn
    // (its wrist joint included); the origin for a bad hand or a palm without that vertex.
    Vec3 GripPoint(int hand) const;

    // Walking along a floor path (Walking.cpp). StartWalk keeps the path, reads the gait cycle
    // of "walk.dat" (a missing or malformed file keeps the cycle as it was) and saves the
    // posture. Each WalkStep turns the 16 main joints by the next gait frame and places the
    // figure one stride further along the path, facing along it at the height it had when the
    // walk started; 0 at the end of the path. The caller recomputes the figure after each step.
    // EndWalk restores the saved posture; the figure stays where its last step placed it.
    void StartWalk(const std::vector<Vec3>& points);
    int WalkStep();
    void EndWalk();

    // The three operations below refresh the load words of every segment; they do not update
    // the foot prediction forces: their callers run UpdateFootPredictionForces and report.
    // Attaches a new load to main segment `segment` (0..15) and lists it in `forces` and in the
    // segment's children. With `worldPoint` the location is a scene point, converted into the
    // segment's frame; otherwise it is already in that frame (in). Force in lbf, torque in
    // lbf*in. A null `name` keeps "Force". Returns the force, or null for a bad segment.
    CForce* AddForce(int segment, int kind, const Vec3& location, const Vec3& force,
                     const Vec3& torque, const char* name, bool worldPoint);
    // Replaces the location (segment frame, in), force (lbf) and torque (lbf*in) of a force of
    // this figure.
    void EditForce(CForce& force, const Vec3& location, const Vec3& forceVector,
                   const Vec3& torque);
    // Unlinks and deletes a force of this figure.
    void DeleteForce(CForce* force);

    // --- Biomechanics (src/biomech) --------------------------------------------------------
    // What an update of the foot prediction forces did.
    enum FeetUpdate : int { kFeetNothingToDo = 0, kFeetUpdated = 1, kFeetUnbalanced = 2 };
    // Load words of all 46 segments (BodyPart::UpdateLoadLabels); run after construction, after
    // reading a scene and after every load change.
    void UpdateLoadLabels();
    // Whether the mass data describe this figure: the Human representation of a male figure of
    // the adult tables. Gates the panel's load rows and the foot prediction commands.
    bool IsBiomechanicsEnabled() const;
    // Gravity in m/s^2 in the figure's own coordinates: the settings' vector (default
    // (0, -9.81, 0)) turned by the inverse of the figure's placement.
    Vec3 GravityInFigure() const;
    // Whole-body centre of gravity in the figure's own coordinates (in): the mass-weighted mean
    // of the 16 main segments' mass centres. (0, 0, 0) when the figure has no mass.
    Vec3 GetCenterOfGravity() const;
    // Resultant of every load on the figure in its own coordinates: force R (lbf: weights,
    // external loads, and with `includeFeet` the predicted foot forces) and moment M (lbf*in)
    // about the centre of gravity.
    void GetResultantLoad(bool includeFeet, Vec3& force, Vec3& moment) const;
    // True when the centre of gravity, seen from above (x, z), lies inside the support area
    // spanned by both sole outlines. False when the outlines cannot be read or anything is not
    // finite.
    bool IsBalanced() const;
    // Floor reaction under each foot (lbf, figure coordinates) and its support point (in,
    // figure coordinates, on the sole). False, with the outputs untouched, when the posture is
    // unbalanced or the split is undefined (no vertical load, no dividing line between the
    // feet); then nothing is NaN or infinite.
    bool PredictFootForces(Vec3& leftForce, Vec3& leftPoint, Vec3& rightForce,
                           Vec3& rightPoint) const;
    // The force (lbf) and torque (lbf*in), in the frame of `load`'s segment, that `load`
    // would need, at its location, to cancel the resultant load of the rest of the figure (foot
    // prediction forces included): the "Auto balance Mannequin" values.
    void ComputeBalancingForce(const CForce& load, Vec3& force, Vec3& torque) const;
    // The foot prediction forces: at most one kind-1 force on LFOOT and one on RFOOT.
    CForce* FootPredictionForce(int footSegment) const;
    bool HasFootPredictionForces() const;
    // "Add Feet Prediction Forces": nothing when a prediction force exists already or the
    // biomechanics is not enabled (returns kFeetNothingToDo); otherwise adds the pair and
    // returns the result of its update.
    int AddFootPredictionForces();
    // Recomputes the pair when the biomechanics is enabled and both exist: zero torques, then
    // the predicted forces at the support points (into each foot's frame). An unbalanced
    // posture zeroes location and force of both and returns kFeetUnbalanced; the caller shows
    // "Unbalanced posture.".
    int UpdateFootPredictionForces();

    // Sole outlines placed under the current feet, in figure coordinates, from a reading of
    // "footprn2.dat" kept for the run. 0 when the file is missing or unusable.
    int CurrentFootprints(Footprint& left, Footprint& right) const;

    // The main frame's display switches; null means the defaults.
    const CGlobalSettings* settings = nullptr;
    int valid = 0; // 1 when construction succeeded; the creating command discards invalid figures
    int representation = 0; // 0 Human, 1 Robot, 2 Stick Figure, 3 Skeleton, 4 HumanForm
    CAnthropometry anthropometry;
    Footprint leftFootprint;  // sole outline in figure coordinates, in
    Footprint rightFootprint; // sole outline in figure coordinates, in
    CPosture savedPosture;
    // Walking progress: the path, the segment being walked (index of its first point), the
    // distance along it of the next step, the height of the placement, the gait cycle of
    // joint increments (degrees; entries 16 and 17 of a frame are read but not used) and the
    // next frame of it.
    std::vector<Vec3> walkPath;
    int walkSegment = 0;
    double walkDistance = 0.0;
    double walkHeight = 0.0;
    std::array<std::array<Vec3, kGaitEntries>, kGaitFrames> gait{};
    int gaitFrame = 0;
    // External loads and predicted foot forces in the order added. Each is also a child of the
    // segment it acts on, which owns it; its parent is the figure and its colour the figure's.
    std::vector<CForce*> forces;

    // View cones: the shown mode, the shapes in the head's frame (null when not built), the
    // same placed in the scene by UpdatePosture(), and each cone's placement in the head frame.
    int viewConeMode = kViewConeNone;
    std::array<std::unique_ptr<CPolyface>, kViewConeSlots> viewConeTemplates;
    std::array<std::unique_ptr<CPolyface>, kViewConeSlots> viewCones;
    std::array<Matrix4, kViewConeSlots> viewConePlacement{Matrix4(true), Matrix4(true)};
    // Range volumes by RangeVolumeNumber: the switches, the shapes in the base segment's frame
    // (null when not built), the same placed in the scene, and the placement in that frame.
    std::array<int, kRangeVolumeCount> rangeVolumeShown{};
    std::array<std::unique_ptr<CPolyface>, kRangeVolumeCount> rangeVolumeTemplates;
    std::array<std::unique_ptr<CPolyface>, kRangeVolumeCount> rangeVolumes;
    std::array<Matrix4, kRangeVolumeCount> rangeVolumePlacement{Matrix4(true), Matrix4(true),
                                                                Matrix4(true), Matrix4(true)};

private:
    // Rebuild the shapes from the current mesh (the eyes, the limb lengths).
    void BuildViewConeTemplates();
    void BuildRangeVolumeTemplate(int number);
    // Base frame of range volume `number`'s limb: the volume follows the trunk or pelvis, not
    // the limb's own joint.
    Matrix4 RangeVolumeFrame(int number) const;
    // Places the shown shapes in the scene (UpdatePosture) and draws them.
    void PlaceShapes();
    void DrawShapes(bool whiteFill, int viewType);
    // The segments' mass centres and the whole body's centre of gravity, when shown.
    void DrawMassCentres();

    // Names, tree links, counterparts and child-list entries of all segments.
    void LinkSegments();
    int SegmentFrameFrom(const Matrix4& root, int index, Matrix4& out) const;

    std::array<std::unique_ptr<CBodyPart>, kSegmentCount> segments;
    // The mesh the segments' meshes were taken from (null for a bare figure): scaling takes
    // its shared scaled vertices.
    std::shared_ptr<const CBodyMesh> bodyMesh;
};
