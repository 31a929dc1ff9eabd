// The single-instance lock between real processes: a running copy holds it, and a copy that was
// killed does not block the next start.

#include "SingleInstanceLock.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <cstring>

using kinmatch::SingleInstanceLock;

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void runningCopyHoldsTheLock();
    void killedCopyLeavesNoBlockingLock();
    void defaultPathIsPerUser();

private:
    QProcess* startHolder(const QString& path);
    QTemporaryDir folder;
};

QProcess* SingleInstanceTest::startHolder(const QString& path)
{
    auto* holder = new QProcess(this);
    holder->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), path});
    [&] {
        QVERIFY(holder->waitForStarted());
        QVERIFY(holder->waitForReadyRead(5000));
        QCOMPARE(holder->readLine().trimmed(), "locked");
    }();
    return holder;
}

void SingleInstanceTest::runningCopyHoldsTheLock()
{
    const QString path = folder.filePath(QStringLiteral("running.lock"));
    QProcess* holder = startHolder(path);
    SingleInstanceLock second(path);
    QVERIFY(!second.tryLock());
    holder->terminate();
    holder->waitForFinished();
}

void SingleInstanceTest::killedCopyLeavesNoBlockingLock()
{
    const QString path = folder.filePath(QStringLiteral("killed.lock"));
    QProcess* holder = startHolder(path);
    holder->kill();
    holder->waitForFinished();
    QVERIFY(QFile::exists(path)); // left behind
    SingleInstanceLock next(path);
    QVERIFY(next.tryLock());
}

void SingleInstanceTest::defaultPathIsPerUser()
{
    const QString path = SingleInstanceLock::DefaultPath();
    QVERIFY(path.endsWith(QStringLiteral("kinmatch-%1.lock").arg(qEnvironmentVariable("USER"))));
}

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--hold") == 0) {
        SingleInstanceLock lock(QString::fromLocal8Bit(argv[2]));
        if (!lock.tryLock())
            return 1;
        std::puts("locked");
        std::fflush(stdout);
        QThread::sleep(60);
        return 0;
    }
    QCoreApplication app(argc, argv);
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_single_instance.moc"
