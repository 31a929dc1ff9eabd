// Resident memory over many generate/Back cycles of the real windows: the figure after cycle 50
// (once every cache has warmed up) and after cycle 1,050. Flat is the goal.
//   memory_cycles [CYCLES [PIXMAP-CACHE-KIB]]   (default 1000 after the first 50, Qt's cache limit)

#include "Program.h"
#include "frmMain.h"
#include "frmMayanCompatibilityResult.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPushButton>
#include <QTextDocument>

#include <cstdio>
#include <malloc.h>

namespace {

// A platform that answers nothing: the cycles never reach a dialog, the browser or the printer.
class QuietPlatform : public kinmatch::Platform {
public:
    kinmatch::MessageAnswer showMessage(const QString&, kinmatch::MessageIcon,
                                        kinmatch::MessageButtons) override
    {
        return kinmatch::MessageAnswer::Ok;
    }
    std::optional<QString> askFileToOpen(const kinmatch::FileDialogRequest&) override { return {}; }
    std::optional<QString> askFileToSave(const kinmatch::FileDialogRequest&) override { return {}; }
    void openWebAddress(const QString&) override {}
    void print(const QTextDocument&) override {}
    QDate today() override { return QDate(2026, 12, 8); }
    void seedRandomFromClock() override {}
    double randomUniform() override { return 0.5; }
    QString readSetting(const QString&) override { return QStringLiteral("x"); }
    bool writeSetting(const QString&, const QString&) override { return true; }
    QStringList systemLanguages() override { return {}; }
    bool takeSingleInstanceLock() override { return true; }
    bool handToRunningCopy(const QString&) override { return false; }
    void receiveHandedFiles(std::function<void(const QString&)>) override {}
};

long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

template <typename T> T* Find(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (argc > 2)
        QPixmapCache::setCacheLimit(std::atoi(argv[2]));
    QuietPlatform platform;
    kinmatch::Program program(platform);
    program.start();
    long warm = 0;
    std::size_t warmHeap = 0;
    for (int cycle = 1; cycle <= 50 + cycles; ++cycle) {
        frmMain* main = program.mainWindow();
        Find<QLineEdit>(main, "txtNameM")->setText(QStringLiteral("Ann"));
        Find<QLineEdit>(main, "txtNameF")->setText(QStringLiteral("Bob"));
        Find<QPushButton>(main, "cmdCalculate")->click();
        Settle();
        Find<QPushButton>(program.resultWindow(), "cmdBack")->click();
        Settle();
        if (cycle == 50) {
            warm = ResidentKiB();
            warmHeap = mallinfo2().uordblks;
        }
    }
    const long last = ResidentKiB();
    const std::size_t lastHeap = mallinfo2().uordblks;
    std::printf("heap in use after cycle 50: %zu KiB; after cycle %d: %zu KiB\n", warmHeap / 1024,
                50 + cycles, lastHeap / 1024);
    std::printf("platform %s: resident memory after cycle 50: %ld KiB; after cycle %d: %ld KiB; "
                "%.2f KiB a cycle\n",
                qPrintable(QGuiApplication::platformName()), warm, 50 + cycles, last,
                double(last - warm) / cycles);
    program.EndProgram();
    return 0;
}
