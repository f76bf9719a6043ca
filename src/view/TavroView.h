#pragma once

#include "app/CommandTarget.h"
#include "view/ViewModes.h"

#if __has_include("render/GLCamera.h")
#include "render/GLCamera.h"
#else
enum ViewType { VIEW_FRONT, VIEW_TOP, VIEW_RIGHT, VIEW_LEFT, VIEW_USER, VIEW_EYE, VIEW_ORBIT };
#endif

#include <QOpenGLWidget>

class CAppDoc;
class CMainFrame;

// A document's 3D view: an OpenGL window (compatibility profile, 24-bit depth, 8-bit stencil)
// that draws the scene, turns mouse and keys into operations according to its interaction
// mode, and shows prompts and live coordinates in the status bar.
class CTavroView : public QOpenGLWidget, public CCommandTarget {
    Q_OBJECT
public:
    CTavroView(CMainFrame& frame, CAppDoc* doc, QWidget* parent = nullptr);
    ~CTavroView() override;

    CAppDoc* Document() const { return doc; }
    int Mode() const { return mode; }
    void SetMode(int newMode);
    int GetViewType() const { return viewType; }
    void SetViewType(int type);

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

protected:
    void initializeGL() override;
    void paintGL() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Cancel();
    void SetPrompt(const QString& text);

    CMainFrame& frame;
    CAppDoc* doc;
    int mode = MODE_SELECT;
    int viewType = VIEW_FRONT;
};
