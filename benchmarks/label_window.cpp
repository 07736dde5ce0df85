// The floor for a window that draws any text: the bare window with one label.
// Beside bare_window it shows what the font stack alone costs at start-up.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Velto Arithmancy"));
    window.setWindowTitle(QStringLiteral("Label Window"));
    window.resize(603, 445);
    window.show();
    return app.exec();
}
