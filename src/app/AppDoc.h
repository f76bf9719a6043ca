#pragma once

#include "core/ObjectList.h"
#include "document/DocumentViews.h"
#include "view/CommandTarget.h"
#include "view/ViewDocument.h"

#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class CMainFrame;
class CMannequin;
class CSceneObject;
class CTavroApp;
class CTavroDoc;
class CTavroView;
struct Vec3;

// The document as the desktop program sees it: its windows, title and file commands, and the
// dialogs of its model commands. The scene, the undo stack and the commands' work belong to the
// headless model document, which asks this class for redraws, view modes and file names.
class CAppDoc : public QObject, public CCommandTarget, public CDocumentViews, public CViewDocument {
    Q_OBJECT
public:
    CAppDoc(CTavroApp& app, const QString& untitledName);
    ~CAppDoc() override;

    CTavroApp& App() { return app; }
    CMainFrame& Frame();
    CTavroDoc& Model() { return *model; }

    QString Title() const { return title; }
    QString PathName() const { return pathName; }
    // Sets the path and makes its file name the title.
    void SetPathName(const QString& path);
    bool IsModified() const;
    void SetModifiedFlag(bool value = true) override;
    // Takes the model's file name and modified flag into the title of the windows.
    void SyncTitle();

    const QList<CTavroView*>& Views() const { return views; }
    void AddView(CTavroView* view) override;
    void RemoveView(CTavroView* view) override;
    // Redraws every view of this document except `sender`.
    void UpdateAllViews(CTavroView* sender = nullptr) override;
    // Marks every scene object as needing a redraw (after a display switch changed).
    void InvalidateAllObjects();
    // True while the windows are being replaced by a layout command: the document must not
    // be deleted when its last window closes.
    bool IsChangingLayout() const { return changingLayout; }

    // Reads a scene file into this (empty) document and takes its name; false (with the
    // message shown) when it does not read.
    bool OpenScene(const QString& path);
    // Asks whether to save a modified document: false when the user cancelled.
    bool SaveModified();
    // Closes every window of the document and opens one (in the user view) or four (left,
    // right, top, user) filling the main window's client area.
    void SetLayout(int windowCount);
    // A window just opened on this document zooms to the scene's extents.
    void FrameNewView(CTavroView* view);
    // The start-up scene: a 50th-percentile US man and woman side by side on the floor.
    bool BuildDemoScene();

    // --- The scene, for the views -------------------------------------------------------------
    const CObjectList& Objects() const override;
    CObjectList& Objects() override;
    // Takes a top-level object into the scene (no undo record).
    void AddObject(CSceneObject* object);
    CSceneObject* SelectedObject() const override;
    CMannequin* CurrentMannequin() const override;
    // A pick changed the selection (the segment properties panel follows it).
    void SelectionChanged() override;
    // A view delivers the point that the pending operation waits for (result 1), or cancels.
    void PointPicked(int result, const Vec3& point, const Vec3& direction) override;
    bool MovePlacementPreview(const Vec3& point, const Vec3& direction) override;
    CSceneObject* PlacementPreview() const override;
    // A rotate, translate or scale drag starts on `selected`: one undo record (with the linked
    // segment when both move together); at the end the object keeps its new placement.
    void RecordDrag(CSceneObject& selected, int rotateMethod) override;
    void FinishDrag(CSceneObject& selected) override;
    // Multiplies the vertices of a polyline or polyface; false for other objects.
    bool ScaleVertices(CSceneObject& object, double factor) override;
    // The drawing tools: the object under construction follows the view's points.
    void DrawingStep(int kind, int shape, const std::vector<Vec3>& points) override;
    void FinishDrawnObject(bool recordUndo) override;
    void RemoveDrawnObject() override;
    bool IsAngleDimensionUnderConstruction() const override;
    // The text tool: asks for the text and places it at the last point.
    void PlaceText(const std::vector<Vec3>& points) override;
    // "&Copy" with a selection copies the object; false when nothing is selected.
    bool CopySelection() override;
    bool BeginWalk(const std::vector<Vec3>& path) override;
    bool WalkStep() override;
    void EndWalk() override;
    // The add-force mode picked a segment: the force dialog, then the load (a finger's load
    // goes to its palm, the segment that carries the hand's mass).
    void AddForceAt(CSceneObject& segment, const Vec3& point) override;

    // --- What the model document asks of the windows ------------------------------------------
    void RedrawAllViews() override;
    int ActiveViewMode() const override;
    void SetActiveViewMode(int mode) override;
    bool ChooseOpenFile(const std::string& filter, const std::string& pattern,
                        std::string& path) override;
    bool ChooseSaveFile(const std::string& filter, const std::string& pattern,
                        std::string& path) override;
    void AddToRecentFiles(const std::string& path) override;
    // The "Set Units" dialog and the progress dialog of the file exchanges.
    bool ChooseImportUnits(int& unitCode) override;
    std::unique_ptr<CExchangeProgress> BeginProgress(const std::string& title) override;

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

Q_SIGNALS:
    void TitleChanged();

private:
    CTavroView* ActiveView() const;
    bool IsPrinting() const;
    void NewMannequin();
    void ChangeBody();
    void ApplyPosture();
    void ApplyHandPosture();
    void ShowAnthropometry();
    void ToggleMode(int mode);
    // The Biomechanics menu (AppDocBiomech.cpp).
    bool OnBiomechCommand(int id);
    bool OnUpdateBiomechCommand(int id, CommandState& state);
    void EditForce();
    void SetGravity();
    void ShowBiomechSummary();
    void ShowNiosh();
    void AnimateTransition();

    CTavroApp& app;
    QString title;
    QString pathName;
    bool shownModified = false;
    bool changingLayout = false;
    QList<CTavroView*> views;
    std::unique_ptr<CTavroDoc> model;
};
