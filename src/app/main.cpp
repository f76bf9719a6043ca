#include "app/TavroApp.h"
#include "view/SurfaceFormat.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    SetDefaultSurfaceFormat();

    QApplication qtApp(argc, argv);
    CTavroApp app;
    QCommandLineParser parser;
    parser.setApplicationDescription("Ergonomic analysis with digital human figures.");
    parser.addHelpOption();
    parser.addPositionalArgument("files", "Scene files (.tvr) to open.", "[files...]");
    parser.process(qtApp);
    if (!app.InitInstance(parser.positionalArguments()))
        return 1;
    return qtApp.exec();
}
