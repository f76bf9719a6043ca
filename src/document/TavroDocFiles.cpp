#include "document/TavroDoc.h"

#include "core/SceneObject.h"
#include "document/DocumentViews.h"
#include "document/SceneFileReader.h"
#include "document/SceneFileWriter.h"

int CTavroDoc::SaveTo(const std::string& path) {
    // Refused rather than cut short: the user's texts and groups stay as they are.
    const std::string problem = SceneFileLimitProblem(objects);
    if (!problem.empty()) {
        ReportError(problem);
        return 0;
    }
    std::string failure;
    if (!WriteSceneFile(path, objects, &failure)) {
        ReportError("Failed to save file.\n" + failure);
        return 0;
    }
    views.AddToRecentFiles(path);
    modified = false;
    return 1;
}

int CTavroDoc::OnSave() {
    return pathName.empty() ? OnSaveAs() : SaveTo(pathName);
}

int CTavroDoc::OnSaveAs() {
    std::string path;
    if (!views.ChooseSaveFile(kFilterTvr, "*.tvr", path))
        return 0;
    pathName = path;
    return SaveTo(path);
}

void CTavroDoc::OnImportTvr() {
    std::string path;
    if (views.ChooseOpenFile(kFilterTvr, "*.tvr", path))
        ImportTvr(path);
}

int CTavroDoc::ImportTvr(const std::string& path) {
    CObjectList read;
    SceneReadReport report;
    SceneReadContext context = ReadContext();
    context.report = &report;
    if (!ReadSceneFile(path, read, context)) {
        ReportError("Failed to read file.");
        return 0;
    }
    if (!report.problems.empty())
        ReportError(report.Summary());
    if (objects.empty())
        pathName = path;
    auto record = std::make_unique<CUndoRecord>();
    for (CSceneObject* o : read) {
        objects.Append(o);
        if (!o->parent)
            record->Add(kUndoAdded, *o);
    }
    if (!record->entries.empty())
        PushUndoRecord(std::move(record));
    views.AddToRecentFiles(path);
    Changed();
    return 1;
}
