#include "Program.h"
#include "QtPlatform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    // There is no log: the toolkit's own notes (no browser found, a missing runtime folder) have
    // no reader. KINMATCH_DEBUG keeps them.
    if (qEnvironmentVariableIsEmpty("KINMATCH_DEBUG"))
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    // A few sizes only: every size is decoded and handed to the window system at start-up.
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/kinmatch-%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    kinmatch::QtPlatform platform;
    kinmatch::Program program(platform);
    // Ending through the event loop lets settings and files be flushed on the way out.
    QObject::connect(&program, &kinmatch::Program::programEnded, &app,
                     [] { QCoreApplication::exit(0); });
    // A desktop opens a reading file with "kinmatch FILE.man".
    const QStringList arguments = QApplication::arguments();
    if (!program.start(arguments.size() > 1 ? arguments.at(1) : QString()))
        return 0;
    return QApplication::exec();
}
