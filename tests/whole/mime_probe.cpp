// Prints the MIME type that Qt's QMimeDatabase, which KDE's file managers use, gives each file.
//   mime_probe FILE...

#include <QCoreApplication>
#include <QMimeDatabase>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QMimeDatabase database;
    for (const QString& file : QCoreApplication::arguments().mid(1))
        std::printf("%s\n", qPrintable(database.mimeTypeForFile(file).name()));
    return 0;
}
