#include "document/TavroDoc.h"

#include "core/GlobalSettings.h"
#include "core/ViewModes.h"
#include "document/DocumentViews.h"
#include "draw/Dimension.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "draw/Text3D.h"

namespace {

struct ToolSpec {
    int tool;
    int mode;
    int objectType;
    int dimensionKind;
};

constexpr ToolSpec kToolSpecs[] = {
    {kToolLine, MODE_LINE, kTypePolyline, 0},
    {kToolCurve, MODE_CURVE, kTypePolyline, 0},
    {kToolCircle, MODE_CIRCLE, kTypePolyline, 0},
    {kToolText, MODE_TEXT, kTypeText, 0},
    {kToolRectangle, MODE_RECTANGLE, kTypePolyface, 0},
    {kToolSphere, MODE_SPHERE, kTypePolyface, 0},
    {kToolCylinder, MODE_CYLINDER, kTypePolyface, 0},
    {kToolBox, MODE_BOX, kTypePolyface, 0},
    {kToolCone, MODE_CONE, kTypePolyface, 0},
    {kToolTorus, MODE_TORUS, kTypePolyface, 0},
    {kToolDimensionHorizontal, MODE_DIMENSION, kTypeDimension, kDimensionHorizontal},
    {kToolDimensionVertical, MODE_DIMENSION, kTypeDimension, kDimensionVertical},
    {kToolDimensionAligned, MODE_DIMENSION, kTypeDimension, kDimensionAligned},
    {kToolDimensionAngle, MODE_DIMENSION, kTypeDimension, kDimensionAngle},
};

CSceneObject* NewDrawingObject(const ToolSpec& tool) {
    switch (tool.objectType) {
    case kTypePolyline:
        return new CPolyline();
    case kTypeText:
        return new CText3D();
    case kTypePolyface:
        return new CPolyface();
    default:
        return new CDimension(tool.dimensionKind);
    }
}

} // namespace

void CTavroDoc::OnDrawingTool(int drawingTool) {
    for (const ToolSpec& tool : kToolSpecs) {
        if (tool.tool != drawingTool)
            continue;
        if (views.ActiveViewMode() == tool.mode)
            return;
        FinishDrawing();
        CSceneObject* object = NewDrawingObject(tool);
        drawnObjectId = object->id;
        AddObject(object);
        drawingOpen = true;
        views.SetActiveViewMode(tool.mode);
        return;
    }
}

void CTavroDoc::FinishDrawing() {
    if (!drawingOpen)
        return;
    drawingOpen = false;
    if (CSceneObject* drawn = FindById(drawnObjectId))
        PushUndo(kUndoAdded, *drawn);
}

void CTavroDoc::CancelDrawing() {
    drawingOpen = false;
    if (CSceneObject* drawn = FindById(drawnObjectId))
        drawn->RemoveAndDelete(objects);
}

void CTavroDoc::DrawingStep(int kind, int shape, const std::vector<Vec3>& points) {
    CSceneObject* live = FindById(drawnObjectId);
    switch (kind) {
    case 0:
    case 1: {
        // Rebuilt from scratch as a new object under the same id, so the tool's undo record
        // still finds it.
        CSceneObject* rebuilt = nullptr;
        if (kind == 0) {
            auto* line = new CPolyline();
            line->Build(shape, points);
            rebuilt = line;
        } else {
            auto* face = new CPolyface();
            face->Build(shape, points);
            rebuilt = face;
        }
        if (live) {
            rebuilt->id = live->id;
            if (live->parent)
                live->parent->DetachChild(live);
            live->RemoveAndDelete(objects);
        }
        drawnObjectId = rebuilt->id;
        AddObject(rebuilt);
        break;
    }
    case 2:
        if (live && live->type == kTypeText)
            static_cast<CText3D*>(live)->Build(points);
        break;
    case 3:
        if (live && live->type == kTypeDimension)
            static_cast<CDimension*>(live)->Build(points, settings.lengthUnit);
        break;
    default:
        return;
    }
    Changed();
}
