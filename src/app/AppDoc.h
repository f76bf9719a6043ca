#pragma once

#include "app/CommandTarget.h"

#include "model/ObjectList.h"

#include <QList>
#include <QObject>
#include <QString>
#include <vector>

class CMainFrame;
class CMannequin;
class CSceneObject;
class CTavroApp;
class CTavroView;
struct Vec3;

// The document as the desktop program sees it: its windows, its file name and title, its
// modified flag and the file commands. The scene itself lives in the headless model document.
class CAppDoc : public QObject, public CCommandTarget {
    Q_OBJECT
public:
    CAppDoc(CTavroApp& app, const QString& untitledName);
    ~CAppDoc() override;

    CTavroApp& App() { return app; }
    CMainFrame& Frame();

    QString Title() const { return title; }
    QString PathName() const { return pathName; }
    // Sets the path and makes its file name the title.
    void SetPathName(const QString& path);
    bool IsModified() const { return modified; }
    void SetModifiedFlag(bool value = true);

    const QList<CTavroView*>& Views() const { return views; }
    void AddView(CTavroView* view);
    void RemoveView(CTavroView* view);
    // Redraws every view of this document except `sender`.
    void UpdateAllViews(CTavroView* sender = nullptr);
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
    // The start-up scene: a 50th-percentile US man and woman side by side on the floor.
    bool BuildDemoScene();

    // --- The scene, for the views -------------------------------------------------------------
    const CObjectList& Objects() const;
    CObjectList& Objects();
    // Takes a top-level object into the scene (no undo record).
    void AddObject(CSceneObject* object);
    CSceneObject* SelectedObject() const;
    CMannequin* CurrentMannequin() const;
    // A pick changed the selection (the segment properties panel follows it).
    void SelectionChanged();
    // A view delivers the point that the pending operation waits for (result 1), or cancels.
    void PointPicked(int result, const Vec3& point, const Vec3& direction);
    // A rotate, translate or scale drag starts on `selected`: one undo record (with the linked
    // segment when both move together); at the end the object keeps its new placement.
    void RecordDrag(CSceneObject& selected, int rotateMethod);
    void FinishDrag(CSceneObject& selected);
    // Multiplies the vertices of a polyline or polyface; false for other objects.
    bool ScaleVertices(CSceneObject& object, double factor);
    // The drawing tools: the object under construction follows the view's points.
    void DrawingStep(int kind, int shape, const std::vector<Vec3>& points);
    void FinishDrawnObject(bool recordUndo);
    void RemoveDrawnObject();
    bool IsAngleDimensionUnderConstruction() const;
    // The text tool: asks for the text and places it at the last point.
    void PlaceText(const std::vector<Vec3>& points);
    // "&Copy" with a selection copies the object; false when nothing is selected.
    bool CopySelection();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

Q_SIGNALS:
    void TitleChanged();

private:
    CTavroApp& app;
    QString title;
    QString pathName;
    bool modified = false;
    bool changingLayout = false;
    QList<CTavroView*> views;
    CObjectList objects;
};
