#include "Accessibility.h"
#include "KinmatchConfig.h"
#include "Program.h"
#include "QtPlatform.h"
#include "SessionSignals.h"
#include "Translators.h"
#include "WindowsLanguage.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// There is no log: the toolkit's own notes (no browser found, a missing runtime folder) have no
// reader, and KINMATCH_DEBUG keeps them. A fatal message is the exception: the program ends
// because of it, so it reaches standard error, as one line, with the window system's last note,
// which says why ("could not connect to display").
void QuietButForTheEnd(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    static QString lastWindowSystemNote;
    if (type == QtFatalMsg) {
        QString line = QStringLiteral("kinmatch: ") + message.simplified();
        if (!lastWindowSystemNote.isEmpty())
            line += QStringLiteral(" (") + lastWindowSystemNote + QLatin1Char(')');
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        std::fflush(stderr);
        return;
    }
    if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0)
        lastWindowSystemNote = message.simplified();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("KINMATCH_DEBUG"))
        qInstallMessageHandler(QuietButForTheEnd);

    // The window system goes to Qt as an argument rather than in the environment, which the
    // browser and every other program started from here would inherit.
    QByteArray platform = kinmatch::PreferredPlatform(argc, argv);
    std::vector<char*> arguments(argv, argv + argc);
    char platformOption[] = "-platform";
    if (!platform.isEmpty()) {
        arguments.push_back(platformOption);
        arguments.push_back(platform.data());
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    QApplication app(count, arguments.data());
    // The desktop entry's name: the window's class on X and its app id on Wayland, so that docks
    // and task switchers find the launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KINMATCH_APP_ID));
    // The sizes that docks, task bars and switchers draw; each is decoded and handed to the
    // window system at start-up, so not every size there is.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/kinmatch-%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    look::InstallAccessibility();
    kinmatch::QtPlatform qtPlatform;
    kinmatch::InstallLanguage(kinmatch::WindowsLanguage(qtPlatform));
    kinmatch::Program program(qtPlatform);
    // Ending through the event loop lets settings and files be flushed on the way out.
    QObject::connect(&program, &kinmatch::Program::programEnded, &app,
                     [] { QCoreApplication::exit(0); });
    kinmatch::EndOnSessionSignals(&program, [&program] { program.EndProgram(); });
    // A desktop opens a reading file with "kinmatch FILE.man".
    const QStringList given = QApplication::arguments();
    if (!program.start(given.size() > 1 ? given.at(1) : QString()))
        return 0;
    return QApplication::exec();
}
