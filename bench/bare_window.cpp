// The yardstick for start-up: an empty Qt window the size of Kinmatch's main window. With
// --text it shows one line of text, which is enough to make Qt load the system's fonts.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    if (QApplication::arguments().contains(QStringLiteral("--text")))
        window.setCentralWidget(new QLabel(QStringLiteral("Kinmatch"), &window));
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(480, 384);
    window.show();
    return QApplication::exec();
}
