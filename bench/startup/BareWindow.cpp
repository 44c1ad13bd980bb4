// The yardstick for the start-up benchmark: the least a Qt Widgets program does before its
// first window shows, a frameless window of the splash's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(500, 220);
    window.show();
    return QApplication::exec();
}
