// A reading file handed from a later copy to the running one, between real processes, through
// the way the Qt platform uses on this system.

#include "SingleInstanceLock.h"
#include "System.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>

using namespace kinmatch;

class RunningCopyTest : public QObject {
    Q_OBJECT

private slots:
    void handedFilesReachTheRunningCopy_data();
    void handedFilesReachTheRunningCopy();
    void noRunningCopyTakesNothing_data();
    void noRunningCopyTakesNothing();

private:
    QTemporaryDir folder;
};

void RunningCopyTest::handedFilesReachTheRunningCopy_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("a plain path") << "/home/ann/ann.man";
    QTest::newRow("blanks and letters beyond ASCII") << "/home/zoë/Grüße Ünïcode/ann.man";
    QTest::newRow("a long path") << "/" + QString(4000, 'x') + "/ann.man";
}

void RunningCopyTest::handedFilesReachTheRunningCopy()
{
    QFETCH(QString, path);
    const QString lockPath = folder.filePath("kinmatch-1.lock");
    QProcess running;
    running.start(QCoreApplication::applicationFilePath(), {"--run", lockPath});
    QVERIFY(running.waitForReadyRead(5000));
    QCOMPARE(running.readLine().trimmed(), "running");
    SingleInstanceLock later(lockPath);
    QVERIFY(!later.tryLock());
    QVERIFY(HandToRunningCopy(later, path));
    QVERIFY(running.waitForReadyRead(5000));
    QCOMPARE(QString::fromUtf8(running.readLine().trimmed()), "took " + path);
    // A second file, later, is taken too.
    QVERIFY(HandToRunningCopy(later, path + ".2"));
    QVERIFY(running.waitForReadyRead(5000));
    QCOMPARE(QString::fromUtf8(running.readLine().trimmed()), "took " + path + ".2");
    running.terminate();
    QVERIFY(running.waitForFinished(5000));
}

void RunningCopyTest::noRunningCopyTakesNothing_data()
{
    QTest::addColumn<QString>("left");
    QTest::newRow("nothing at the path") << "nothing";
    QTest::newRow("the socket of a copy that was killed") << "killed";
    QTest::newRow("a plain file") << "file";
}

void RunningCopyTest::noRunningCopyTakesNothing()
{
    QFETCH(QString, left);
    const QString lockPath = folder.filePath(left + ".lock");
    if (left == "killed") {
        QProcess running;
        running.start(QCoreApplication::applicationFilePath(), {"--run", lockPath});
        QVERIFY(running.waitForReadyRead(5000));
        running.kill();
        running.waitForFinished();
        QVERIFY(QFile::exists(folder.filePath(left + ".socket")));
    }
    if (left == "file") {
        QFile file(folder.filePath(left + ".socket"));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    SingleInstanceLock later(lockPath);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!HandToRunningCopy(later, "/home/ann/ann.man"));
    QVERIFY(timer.elapsed() < 1000); // told at once, never waited on
    // The next copy to run takes over what was left.
    QVERIFY(later.tryLock());
    QString taken;
    ReceiveHandedFiles(later, [&](const QString& path) { taken = path; });
    SingleInstanceLock third(lockPath);
    QVERIFY(!third.tryLock());
    QProcess hand;
    hand.start(QCoreApplication::applicationFilePath(), {"--hand", lockPath, "/b.man"});
    QTRY_VERIFY(hand.state() == QProcess::NotRunning);
    QCOMPARE(hand.exitCode(), 0);
    QTRY_COMPARE(taken, "/b.man");
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // Helper modes, run as separate processes by the tests above.
    if (argc == 3 && std::strcmp(argv[1], "--run") == 0) {
        SingleInstanceLock lock(QString::fromLocal8Bit(argv[2]));
        if (!lock.tryLock())
            return 1;
        ReceiveHandedFiles(lock, [](const QString& path) {
            std::printf("took %s\n", path.toUtf8().constData());
            std::fflush(stdout);
        });
        std::puts("running");
        std::fflush(stdout);
        return QCoreApplication::exec();
    }
    if (argc == 4 && std::strcmp(argv[1], "--hand") == 0) {
        const SingleInstanceLock lock(QString::fromLocal8Bit(argv[2]));
        return HandToRunningCopy(lock, QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    }
    RunningCopyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_running_copy.moc"
