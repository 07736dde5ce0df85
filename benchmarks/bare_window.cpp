// The floor for start-up: a bare Qt Widgets window of the main window's size,
// measured beside the program by benchmarks/startup.py.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.resize(603, 445);
    window.show();
    return app.exec();
}
