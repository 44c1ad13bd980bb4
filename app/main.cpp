#include <QApplication>
#include <QWidget>

// Start-up is being built; for now the program shows an empty window.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Учебник"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Электронный учебник \"Вестрон\""));
    window.resize(891, 690);
    window.show();
    return app.exec();
}
