#pragma once

#include <vector>

class CMannequin;
class CObjectList;
class CSceneObject;
class CTavroView;
struct Vec3;

// What a 3D view asks of the document it shows: the scene to draw, the selection, and the
// completion of picks, drags and drawing steps. The desktop program's document implements it.
class CViewDocument {
public:
    virtual ~CViewDocument() = default;

    virtual const CObjectList& Objects() const = 0;
    virtual CObjectList& Objects() = 0;
    virtual CSceneObject* SelectedObject() const = 0;
    virtual CMannequin* CurrentMannequin() const = 0;
    virtual void AddView(CTavroView* view) = 0;
    virtual void RemoveView(CTavroView* view) = 0;
    // Redraws every view of the document except `sender`.
    virtual void UpdateAllViews(CTavroView* sender = nullptr) = 0;
    virtual void SetModifiedFlag(bool value = true) = 0;
    // A pick changed the selection.
    virtual void SelectionChanged() = 0;
    // Delivers the point that the pending operation waits for (result 1), or cancels it.
    virtual void PointPicked(int result, const Vec3& point, const Vec3& direction) = 0;
    // While a new figure waits for its point: stands it where a pick of this point and viewing
    // ray would place it, changing nothing in the document; false when no figure waits.
    virtual bool MovePlacementPreview(const Vec3& point, const Vec3& direction) = 0;
    // That figure, to be drawn under the cursor; null when none waits or it was not moved yet.
    virtual CSceneObject* PlacementPreview() const = 0;
    // A rotate, translate or scale drag starts (one undo record) and ends.
    virtual void RecordDrag(CSceneObject& selected, int rotateMethod) = 0;
    virtual void FinishDrag(CSceneObject& selected) = 0;
    // Multiplies the vertices of a polyline or polyface; false for other objects.
    virtual bool ScaleVertices(CSceneObject& object, double factor) = 0;
    // The drawing tools: the object under construction follows the view's points.
    virtual void DrawingStep(int kind, int shape, const std::vector<Vec3>& points) = 0;
    virtual void FinishDrawnObject(bool recordUndo) = 0;
    virtual void RemoveDrawnObject() = 0;
    virtual bool IsAngleDimensionUnderConstruction() const = 0;
    // The text tool: asks for the text and places it at the last point.
    virtual void PlaceText(const std::vector<Vec3>& points) = 0;
    // Copies the selected object; false when nothing is selected.
    virtual bool CopySelection() = 0;
    // Walking the current figure along a drawn path: the start (one undo record; false
    // without a figure), one step (false at the end of the path) and the end (the posture is
    // restored, the figure stays where it stands).
    virtual bool BeginWalk(const std::vector<Vec3>& path) = 0;
    virtual bool WalkStep() = 0;
    virtual void EndWalk() = 0;
    // The add-force mode picked `segment` at the scene point `point`: asks for the load and
    // attaches it.
    virtual void AddForceAt(CSceneObject& segment, const Vec3& point) = 0;
};
