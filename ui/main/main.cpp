#include "Program.h"
#include "QtPlatform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/kinmatch-%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    kinmatch::QtPlatform platform;
    kinmatch::Program program(platform);
    if (!program.start())
        return 0;
    return QApplication::exec();
}
