#include <QApplication>
#include <QMainWindow>

// Placeholder window until the application shell lands.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Tavrona");
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
