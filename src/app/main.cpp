#include "app/MainFrame.h"
#include "app/TavroApp.h"
#include "view/SurfaceFormat.h"
#include "view/TavroView.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    SetDefaultSurfaceFormat();
    QApplication qtApp(argc, argv);
    CTavroApp app;
    QCommandLineParser parser;
    parser.setApplicationDescription("Ergonomic analysis with digital human figures.");
    parser.addHelpOption();
    const QCommandLineOption demo("demo", "Start with a demo scene: two figures side by side.");
    const QCommandLineOption quitAfterFirstFrame(
        "quit-after-first-frame", "Quit once the first picture is drawn (start-up timing).");
    parser.addOption(demo);
    parser.addOption(quitAfterFirstFrame);
    parser.addPositionalArgument("files", "Scene files (.tvr) to open.", "[files...]");
    parser.process(qtApp);
    if (!app.InitInstance(parser.positionalArguments(), parser.isSet(demo)))
        return 1;
    if (parser.isSet(quitAfterFirstFrame)) {
        CTavroView* view = app.MainFrame()->ActiveView();
        if (!view)
            return 0;
        view->WhenFirstFrameDrawn([] { QCoreApplication::exit(0); });
    }
    return qtApp.exec();
}
