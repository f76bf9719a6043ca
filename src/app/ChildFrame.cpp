#include "app/ChildFrame.h"

#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "app/TavroApp.h"
#include "view/TavroView.h"
#include "view/ViewScrollBars.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(CMainFrame& frame, CAppDoc* doc) : frame(frame), doc(doc) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(":/icons/tavrona.svg"));
    view = new CTavroView(frame, doc);
    setWidget(new CViewScrollBars(view));
    resize(640, 480);
    connect(doc, &CAppDoc::TitleChanged, this, &CChildFrame::UpdateCaption);
    UpdateCaption();
}

CChildFrame::~CChildFrame() {
    // The view leaves its document first; a document without windows then goes away.
    delete view;
    view = nullptr;
    if (doc->Views().isEmpty() && !doc->IsChangingLayout())
        frame.App().DocumentWindowsClosed(doc);
}

void CChildFrame::UpdateCaption() {
    QString caption = doc->Title();
    const auto& views = doc->Views();
    if (views.size() > 1)
        caption += QString(":%1").arg(views.indexOf(view) + 1);
    setWindowTitle(caption + "[*]");
    setWindowModified(doc->IsModified());
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    const bool lastWindow = doc->Views().size() == 1;
    if (lastWindow && !doc->IsChangingLayout() && !doc->SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
