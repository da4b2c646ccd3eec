// The yardstick for start-up: the least a Qt Widgets program does to show a
// top-level window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(320, 200);
    window.show();
    return QApplication::exec();
}
