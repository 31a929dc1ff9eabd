// The yardstick for start-up: an empty Qt window the size of Kinmatch's main window.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(480, 384);
    window.show();
    return QApplication::exec();
}
