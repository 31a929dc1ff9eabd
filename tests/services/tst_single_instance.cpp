// The single-instance lock between real processes: a running copy holds it, nothing but a live
// copy of the same user ever blocks a start, and copies started together get one lock.

#include "Faults.h"
#include "SingleInstanceLock.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <cstring>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using kinmatch::SingleInstanceLock;

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void runningCopyHoldsTheLock();
    void killedCopyLeavesNoBlockingLock();
    void unreadableLocksAreTakenOver_data();
    void unreadableLocksAreTakenOver();
    void leftoversAtThePathAreTakenOver_data();
    void leftoversAtThePathAreTakenOver();
    void noLockAtAllStillStarts();
    void copiesStartedTogetherGetOneLock();
    void lockIsNamedForTheUserIdInAPrivateFolder();
    void anotherUserNeitherSharesNorPlantsTheLock();
    void unwritableRuntimeFolderStillStarts();

private:
    QProcess* startHelper(const QStringList& arguments,
                          const QProcessEnvironment& environment = {});
    // Runs this test program as the user nobody, through setpriv; empty when that cannot be done.
    QStringList asNobody(const QStringList& arguments);
    QTemporaryDir folder;
};

QProcess* SingleInstanceTest::startHelper(const QStringList& arguments,
                                          const QProcessEnvironment& environment)
{
    auto* helper = new QProcess(this);
    if (!environment.isEmpty())
        helper->setProcessEnvironment(environment);
    if (arguments.first() == QLatin1String("setpriv"))
        helper->start(arguments.first(), arguments.mid(1));
    else
        helper->start(QCoreApplication::applicationFilePath(), arguments);
    [&] {
        QVERIFY(helper->waitForStarted());
        QVERIFY(helper->waitForReadyRead(5000));
    }();
    return helper;
}

QStringList SingleInstanceTest::asNobody(const QStringList& arguments)
{
#ifndef Q_OS_UNIX
    Q_UNUSED(arguments);
    return {};
#else
    if (::getuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        return {};
    const QStringList setpriv = {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                 QStringLiteral("--clear-groups"),
                                 QCoreApplication::applicationFilePath()};
    // The build folder must be open to that user too.
    QProcess ping;
    ping.start(QStringLiteral("setpriv"), setpriv + QStringList{QStringLiteral("--ping")});
    if (!ping.waitForFinished(5000) || ping.readAllStandardOutput().trimmed() != "pong")
        return {};
    return QStringList{QStringLiteral("setpriv")} + setpriv + arguments;
#endif
}

void SingleInstanceTest::runningCopyHoldsTheLock()
{
    const QString path = folder.filePath(QStringLiteral("running.lock"));
    QProcess* holder = startHelper({QStringLiteral("--hold"), path});
    QCOMPARE(holder->readLine().trimmed(), "locked");
    SingleInstanceLock second(path);
    QVERIFY(!second.tryLock());
    holder->kill();
    holder->waitForFinished();
}

void SingleInstanceTest::killedCopyLeavesNoBlockingLock()
{
    const QString path = folder.filePath(QStringLiteral("killed.lock"));
    QProcess* holder = startHelper({QStringLiteral("--hold"), path});
    QCOMPARE(holder->readLine().trimmed(), "locked");
    holder->kill();
    holder->waitForFinished();
    QVERIFY(QFile::exists(path)); // left behind
    SingleInstanceLock next(path);
    QVERIFY(next.tryLock());
}

void SingleInstanceTest::unreadableLocksAreTakenOver_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a lock's contents") << QByteArray("\xff\xfe garbage");
    QTest::newRow("a process id that is gone") << QByteArray("999999999\nkinmatch\n");
}

void SingleInstanceTest::unreadableLocksAreTakenOver()
{
    QFETCH(QByteArray, contents);
    const QString path = folder.filePath(QStringLiteral("planted.lock"));
    QFile planted(path);
    QVERIFY(planted.open(QIODevice::WriteOnly));
    planted.write(contents);
    planted.close();
    SingleInstanceLock lock(path);
    QVERIFY(lock.tryLock());
}

void SingleInstanceTest::leftoversAtThePathAreTakenOver_data()
{
    QTest::addColumn<QString>("leftover");
    QTest::newRow("an empty folder") << "folder";
    QTest::newRow("a folder with a file in it") << "full folder";
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a symbolic link to a folder") << "link to folder";
    QTest::newRow("a dangling symbolic link") << "dangling link";
}

void SingleInstanceTest::leftoversAtThePathAreTakenOver()
{
    QFETCH(QString, leftover);
    const QString path = folder.filePath(leftover + ".lock");
    if (leftover == "folder" || leftover == "full folder")
        QVERIFY(QDir().mkpath(path));
    if (leftover == "full folder")
        QVERIFY(QFile(path + "/kept").open(QIODevice::WriteOnly));
    if (leftover == "fifo" || leftover.contains("link"))
        SKIP_UNLESS_FAULTS_CAN_BE_MADE();
    if (leftover == "fifo")
        QVERIFY(MakeFifo(path));
    if (leftover == "link to folder")
        QVERIFY(QFile::link(folder.path(), path));
    if (leftover == "dangling link")
        QVERIFY(QFile::link(folder.filePath("nowhere"), path));
    SingleInstanceLock lock(path);
    QVERIFY(lock.tryLock());
    SingleInstanceLock second(path);
    QVERIFY(!second.tryLock());    // and the lock taken is a real one
    if (leftover == "full folder") // what the user kept is kept
        QCOMPARE(QDir(folder.path()).entryList({"full folder.lock.leftover-*"}, QDir::Dirs).size(),
                 1);
}

void SingleInstanceTest::noLockAtAllStillStarts()
{
    SingleInstanceLock inAMissingFolder(folder.filePath(QStringLiteral("missing/x.lock")));
    QVERIFY(inAMissingFolder.tryLock());
    SingleInstanceLock nowhere{QString()};
    QVERIFY(nowhere.tryLock());
}

void SingleInstanceTest::copiesStartedTogetherGetOneLock()
{
    const QString path = folder.filePath(QStringLiteral("together.lock"));
    QList<QProcess*> copies;
    for (int i = 0; i < 6; ++i) {
        auto* copy = new QProcess(this);
        copy->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--try"), path});
        copies << copy;
    }
    int locked = 0;
    for (QProcess* copy : copies) {
        QVERIFY(copy->waitForReadyRead(5000));
        locked += copy->readLine().trimmed() == "locked";
    }
    for (QProcess* copy : copies)
        copy->waitForFinished();
    QCOMPARE(locked, 1);
}

void SingleInstanceTest::lockIsNamedForTheUserIdInAPrivateFolder()
{
#ifdef Q_OS_UNIX
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", folder.path().toLocal8Bit());
    const QString path = SingleInstanceLock::DefaultPath();
    qunsetenv("TMPDIR");
    QVERIFY(path.endsWith(QStringLiteral("/kinmatch-%1.lock").arg(::getuid())));
    QVERIFY2(path.startsWith(folder.path()), qPrintable(path));
    struct stat status {};
    QCOMPARE(::stat(QFile::encodeName(QFileInfo(path).path()).constData(), &status), 0);
    QCOMPARE(status.st_uid, ::getuid());
    QCOMPARE(status.st_mode & 0777, 0700u);
#else
    QSKIP("user ids and folder modes are POSIX");
#endif
}

void SingleInstanceTest::anotherUserNeitherSharesNorPlantsTheLock()
{
#ifdef Q_OS_UNIX
    if (asNobody({}).isEmpty())
        QSKIP("needs root and setpriv to run a second user");
    // A temporary folder that both users can write, as /tmp is.
    const QString shared = folder.filePath(QStringLiteral("shared"));
    QVERIFY(QDir().mkpath(shared));
    QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.remove(QStringLiteral("USER"));
    environment.insert(QStringLiteral("TMPDIR"), shared);

    // The other user plants a folder where this user's would go, with a lock naming a live
    // process, and runs the program itself.
    QProcess* plant = startHelper(
        asNobody({QStringLiteral("--plant"), QString::number(::getuid())}), environment);
    QCOMPARE(plant->readLine().trimmed(), "planted");
    plant->waitForFinished();
    QProcess* other = startHelper(asNobody({QStringLiteral("--hold-default")}), environment);
    QCOMPARE(other->readLine().trimmed(), "locked");

    QProcess* mine = startHelper({QStringLiteral("--hold-default")}, environment);
    QCOMPARE(mine->readLine().trimmed(), "locked");
    for (QProcess* process : {other, mine}) {
        process->kill();
        process->waitForFinished();
    }
#else
    QSKIP("a second user is run through setpriv (POSIX)");
#endif
}

void SingleInstanceTest::unwritableRuntimeFolderStillStarts()
{
#ifdef Q_OS_UNIX
    if (asNobody({}).isEmpty())
        QSKIP("needs root and setpriv to run a user whom permissions bind");
    const QString runtime = folder.filePath(QStringLiteral("run"));
    QVERIFY(QDir().mkpath(runtime));
    QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 0755) == 0);
    QVERIFY(::chown(QFile::encodeName(runtime).constData(), 65534, 65534) == 0);
    QVERIFY(::chmod(QFile::encodeName(runtime).constData(), 0500) == 0);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    QProcess* copy = startHelper(asNobody({QStringLiteral("--hold-default")}), environment);
    QCOMPARE(copy->readLine().trimmed(), "locked");
    copy->kill();
    copy->waitForFinished();
#else
    QSKIP("a second user is run through setpriv (POSIX)");
#endif
}

namespace {
int Hold(const QString& path, int seconds)
{
    SingleInstanceLock lock(path);
    std::puts(lock.tryLock() ? "locked" : "refused");
    std::fflush(stdout);
    QThread::sleep(seconds);
    return 0;
}
} // namespace

int main(int argc, char* argv[])
{
    // Helper modes, run as separate processes by the tests above.
    if (argc >= 2 && std::strcmp(argv[1], "--ping") == 0)
        return std::puts("pong") < 0;
    if (argc >= 2 && std::strcmp(argv[1], "--hold") == 0)
        return Hold(QString::fromLocal8Bit(argv[2]), 60);
    if (argc >= 2 && std::strcmp(argv[1], "--try") == 0)
        return Hold(QString::fromLocal8Bit(argv[2]), 2);
    if (argc >= 2 && std::strcmp(argv[1], "--hold-default") == 0)
        return Hold(SingleInstanceLock::DefaultPath(), 60);
#ifdef Q_OS_UNIX
    if (argc >= 3 && std::strcmp(argv[1], "--plant") == 0) {
        const QString victim =
            QDir(QDir::tempPath())
                .filePath(QStringLiteral("kinmatch-") + QString::fromLocal8Bit(argv[2]));
        QDir().mkpath(victim);
        ::chmod(QFile::encodeName(victim).constData(), 0777);
        QFile lock(victim + QStringLiteral("/kinmatch-") + QString::fromLocal8Bit(argv[2]) +
                   QStringLiteral(".lock"));
        lock.open(QIODevice::WriteOnly);
        lock.write("1\nkinmatch\n");
        std::puts("planted");
        std::fflush(stdout);
        return 0;
    }
#endif
    QCoreApplication app(argc, argv);
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_single_instance.moc"
