#include "view/TavroView.h"

#include "app/AppDoc.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"

#include <QKeyEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QSurfaceFormat>

CTavroView::CTavroView(CMainFrame& frame, CAppDoc* doc, QWidget* parent)
    : QOpenGLWidget(parent), frame(frame), doc(doc) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(64, 48);
    doc->AddView(this);
}

CTavroView::~CTavroView() {
    doc->RemoveView(this);
}

void CTavroView::initializeGL() {}

void CTavroView::paintGL() {
    QOpenGLFunctions* gl = context()->functions();
    gl->glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void CTavroView::SetPrompt(const QString& text) {
    frame.SetStatusText(text, 0);
}

void CTavroView::SetMode(int newMode) {
    mode = newMode;
    SetPrompt(ModePrompt(mode));
    setCursor(ModeUsesCrosshair(mode) ? Qt::CrossCursor : Qt::ArrowCursor);
    doc->UpdateAllViews();
}

void CTavroView::SetViewType(int type) {
    viewType = type;
    update();
}

void CTavroView::Cancel() {
    SetMode(MODE_SELECT);
}

void CTavroView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Cancel();
        return;
    }
    QOpenGLWidget::keyPressEvent(event);
}

bool CTavroView::OnCommand(int id) {
    switch (id) {
    case ID_VIEW_FRONT:
        SetViewType(VIEW_FRONT);
        return true;
    case ID_VIEW_LEFT:
        SetViewType(VIEW_LEFT);
        return true;
    case ID_VIEW_RIGHT:
        SetViewType(VIEW_RIGHT);
        return true;
    case ID_VIEW_TOP:
        SetViewType(VIEW_TOP);
        return true;
    case ID_VIEW_USER:
        SetViewType(VIEW_USER);
        return true;
    default:
        return false;
    }
}

bool CTavroView::OnUpdateCommand(int id, CommandState& state) {
    switch (id) {
    case ID_VIEW_FRONT:
        state.checked = viewType == VIEW_FRONT;
        return true;
    case ID_VIEW_LEFT:
        state.checked = viewType == VIEW_LEFT;
        return true;
    case ID_VIEW_RIGHT:
        state.checked = viewType == VIEW_RIGHT;
        return true;
    case ID_VIEW_TOP:
        state.checked = viewType == VIEW_TOP;
        return true;
    case ID_VIEW_USER:
        state.checked = viewType == VIEW_USER;
        return true;
    default:
        return false;
    }
}
