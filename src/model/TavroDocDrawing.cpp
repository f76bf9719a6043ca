#include "model/TavroDoc.h"

#include "draw/Dimension.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "draw/Text3D.h"
#include "model/CommandIds.h"
#include "model/DocumentViews.h"
#include "model/GlobalSettings.h"
#include "model/ViewModes.h"

namespace {

struct DrawingTool {
    int command;
    int mode;
    int objectType;
    int dimensionKind;
};

constexpr DrawingTool kDrawingTools[] = {
    {ID_DRAW_LINE, MODE_LINE, kTypePolyline, 0},
    {ID_DRAW_CURVE, MODE_CURVE, kTypePolyline, 0},
    {ID_DRAW_CIRCLE, MODE_CIRCLE, kTypePolyline, 0},
    {ID_DRAW_TEXT, MODE_TEXT, kTypeText, 0},
    {ID_DRAW_RECTANGLE, MODE_RECTANGLE, kTypePolyface, 0},
    {ID_DRAW_SPHERE, MODE_SPHERE, kTypePolyface, 0},
    {ID_DRAW_CYLINDER, MODE_CYLINDER, kTypePolyface, 0},
    {ID_DRAW_BOX, MODE_BOX, kTypePolyface, 0},
    {ID_DRAW_CONE, MODE_CONE, kTypePolyface, 0},
    {ID_DRAW_TORUS, MODE_TORUS, kTypePolyface, 0},
    {ID_DIMENSION_HORIZONTAL, MODE_DIMENSION, kTypeDimension, kDimensionHorizontal},
    {ID_DIMENSION_VERTICAL, MODE_DIMENSION, kTypeDimension, kDimensionVertical},
    {ID_DIMENSION_ALIGNED, MODE_DIMENSION, kTypeDimension, kDimensionAligned},
    {ID_DIMENSION_ANGLE, MODE_DIMENSION, kTypeDimension, kDimensionAngle},
};

CSceneObject* NewDrawingObject(const DrawingTool& tool) {
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

void CTavroDoc::OnDrawingTool(int commandId) {
    for (const DrawingTool& tool : kDrawingTools) {
        if (tool.command != commandId)
            continue;
        if (views.ActiveViewMode() == tool.mode)
            return;
        CSceneObject* object = NewDrawingObject(tool);
        drawnObjectId = object->id;
        AddObject(object);
        PushUndo(kUndoAdded, *object);
        views.SetActiveViewMode(tool.mode);
        return;
    }
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
