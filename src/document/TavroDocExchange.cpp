#include "document/TavroDoc.h"

#include "core/SceneObject.h"
#include "core/UserReporter.h"
#include "document/DocumentViews.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "human/Mannequin.h"
#include "io/DxfExport.h"
#include "io/DxfImport.h"
#include "io/GltfExport.h"
#include "io/ImagerFile.h"
#include "io/ThreeDsExchange.h"

namespace {

void ScalePoints(CSceneObject& object, double scale) {
    std::vector<Vec3>* points = nullptr;
    if (object.type == kTypePolyface)
        points = &static_cast<CPolyface&>(object).vertices;
    else if (object.type == kTypePolyline || object.type == kTypeDashedPolyline)
        points = &static_cast<CPolyline&>(object).points;
    if (points)
        for (Vec3& p : *points)
            p = p * scale;
}

} // namespace

void CTavroDoc::OnImportDxf() {
    std::string path;
    int unitCode = 0;
    if (views.ChooseOpenFile(kFilterDxf, "*.dxf", path) && views.ChooseImportUnits(unitCode))
        ImportDxf(path, unitCode);
}

void CTavroDoc::OnImport3ds() {
    std::string path;
    int unitCode = 0;
    if (views.ChooseOpenFile(kFilter3ds, "*.3ds", path) && views.ChooseImportUnits(unitCode))
        Import3ds(path, unitCode);
}

void CTavroDoc::OnExportDxf() {
    std::string path;
    if (views.ChooseSaveFile(kFilterDxf, "*.dxf", path))
        ExportDxf(path);
}

void CTavroDoc::OnExport3ds() {
    std::string path;
    if (views.ChooseSaveFile(kFilter3ds, "*.3ds", path))
        Export3ds(path);
}

void CTavroDoc::OnExportGlb() {
    std::string path;
    if (views.ChooseSaveFile(kFilterGlb, "*.glb", path))
        ExportGlb(path);
}

// The objects of an import join the scene as one undo step, or, after Cancel, are dropped.
int CTavroDoc::TakeImported(std::vector<std::unique_ptr<CSceneObject>>& created, int status,
                            int unitCode) {
    if (status == kExchangeCancelled)
        return 0;
    const double scale = ImportUnitScale(unitCode);
    auto record = std::make_unique<CUndoRecord>();
    for (std::unique_ptr<CSceneObject>& object : created) {
        ScalePoints(*object, scale);
        object->CenterOrigin();
        CSceneObject* added = object.release();
        if (AddObject(added))
            record->Add(kUndoAdded, *added);
    }
    created.clear();
    if (!record->entries.empty()) {
        PushUndoRecord(std::move(record));
        Changed();
    }
    views.RedrawAllViews();
    return status == kExchangeDone;
}

int CTavroDoc::ImportDxf(const std::string& path, int unitCode) {
    std::vector<std::unique_ptr<CSceneObject>> created;
    ExchangeStatus status;
    {
        const std::unique_ptr<CExchangeProgress> progress = views.BeginProgress("DXF");
        status = ReadDxfFile(path, created, reporter, progress.get());
    }
    return TakeImported(created, status, unitCode);
}

int CTavroDoc::Import3ds(const std::string& path, int unitCode) {
    std::vector<std::unique_ptr<CSceneObject>> created;
    // The 3DS reader scales as it reads.
    const ExchangeStatus status = ::Import3ds(path, unitCode, created);
    return TakeImported(created, status, 0);
}

int CTavroDoc::ExportDxf(const std::string& path) {
    ExchangeStatus status;
    {
        const std::unique_ptr<CExchangeProgress> progress = views.BeginProgress("DXF");
        status = ::ExportDxf(objects, path, reporter, progress.get());
    }
    views.RedrawAllViews();
    return status == kExchangeDone;
}

int CTavroDoc::Export3ds(const std::string& path) {
    const ExchangeStatus status = ::Export3ds(objects, path, nullptr);
    views.RedrawAllViews();
    return status == kExchangeDone;
}

int CTavroDoc::ExportGlb(const std::string& path) {
    ExchangeStatus status;
    {
        const std::unique_ptr<CExchangeProgress> progress = views.BeginProgress("glTF");
        status = ::ExportGlb(objects, path, progress.get());
    }
    if (status == kExchangeFailed)
        ReportError("Failed to save file.");
    return status == kExchangeDone;
}

int CTavroDoc::ConvertImagerFile(const std::string& path) {
    ImagerRecord record;
    if (!ReadImagerFile(path, record, reporter))
        return 0;
    std::unique_ptr<CMannequin> figure = BuildImagerFigure(record, reporter);
    if (!figure)
        return 0;
    AddObject(figure.release());
    views.RedrawAllViews();
    ExchangeStatus status;
    {
        const std::unique_ptr<CExchangeProgress> progress = views.BeginProgress("DXF");
        status = ::Export3ds(objects, ImagerOutputPath(path), progress.get());
    }
    modified = false;
    return status == kExchangeDone;
}
