#include "app/TavroApp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSurfaceFormat>

int main(int argc, char** argv) {
    // Every OpenGL window shares one format: compatibility profile with depth and stencil.
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    QSurfaceFormat::setDefaultFormat(format);
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

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
