#pragma once

#include <QMdiSubWindow>

class CAppDoc;
class CMainFrame;
class CTavroView;

// A document window inside the main window: one 3D view of a document. Its caption is the
// document title, numbered when the document has several windows.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CMainFrame& frame, CAppDoc* doc);
    ~CChildFrame() override;

    CTavroView* View() const { return view; }
    void UpdateCaption();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CMainFrame& frame;
    CAppDoc* doc;
    CTavroView* view;
};
