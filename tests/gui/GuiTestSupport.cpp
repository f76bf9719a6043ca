#include "GuiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
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
    const QString path = QString("/tmp/tavrona-%1.png").arg(name);
    QPixmap picture = widget ? widget->grab() : QGuiApplication::primaryScreen()->grabWindow(0);
    picture.save(path);
    return path;
}
