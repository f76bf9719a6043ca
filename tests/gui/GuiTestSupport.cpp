#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "core/DataDirectory.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "human/Mannequin.h"
#include "view/TavroView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWidget>

std::unique_ptr<CTavroApp> StartApp(const QStringList& files) {
    auto app = std::make_unique<CTavroApp>();
    app->InitInstance(files);
    Pump(50);
    return app;
}

void ClearSettings() {
    QSettings store;
    store.clear();
    store.sync();
}

void Pump(int ms) {
    QElapsedTimer timer;
    timer.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (timer.elapsed() < ms);
}

void WhenModal(std::function<void(QWidget*)> action) {
    // A dialog that was answered may still be on its way out; each is answered once.
    static std::vector<QPointer<QWidget>> answered;
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        for (const QPointer<QWidget>& old : answered)
            if (old == modal)
                return;
        answered.emplace_back(modal);
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start();
}

QString& LastMessage() {
    static QString text;
    return text;
}

void AnswerMessageBoxesFor(const std::function<void()>& body) {
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            LastMessage() = box->text();
            box->defaultButton() ? box->defaultButton()->click() : box->accept();
        }
    });
    poll.start();
    body();
    Pump(60);
}

QString Screenshot(QWidget* widget, const QString& name) {
    const QString folder = qEnvironmentVariable("TAVRONA_SCREENSHOTS", "/tmp");
    const QString path = QString("%1/tavrona-%2.png").arg(folder, name);
    QPixmap picture = widget ? widget->grab() : QGuiApplication::primaryScreen()->grabWindow(0);
    picture.save(path);
    return path;
}

bool HaveMeshes() {
    return QFileInfo::exists(QString::fromStdString(DataPath("usa_m.per")));
}

CPolyface* AddBox(CAppDoc* doc, Vec3 a, Vec3 b) {
    auto* box = new CPolyface;
    box->Build(kShapeBox, {a, b});
    doc->AddObject(box);
    return box;
}

CMannequin* AddFigure(CAppDoc* doc, CMainFrame* frame) {
    CAnthropometryContext context{frame->Reporter(), nullptr, 0};
    auto* figure = new CMannequin(0, 1, -1, 2, 1, 1, 1, 2, 0, context);
    EXPECT_EQ(figure->valid, 1);
    figure->UpdatePosture();
    doc->AddObject(figure);
    return figure;
}

void ViewFixture::SetUp() {
    app = StartApp();
    frame = app->MainFrame();
    frame->resize(1100, 800);
    Pump(100);
    doc = frame->ActiveDocument();
    view = frame->ActiveView();
}
