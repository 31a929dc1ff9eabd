#include "SingleInstanceLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kinmatch {
namespace {

#ifdef Q_OS_UNIX
// A folder that this user owns and nobody else may write into, so that nobody else can plant a
// lock in it or keep the user from removing one.
bool IsPrivateFolder(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::getuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

QString PrivateFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateFolder(runtime))
        return runtime;
    const QString own =
        QDir(QDir::tempPath()).filePath(QStringLiteral("kinmatch-%1").arg(::getuid()));
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return IsPrivateFolder(own) ? own : QString();
}

QString UserId()
{
    return QString::number(::getuid());
}

// Anything but a regular file at the lock's path is a leftover that no copy of the program can
// hold (a folder, a FIFO, a socket, a symbolic link): it is moved out of the way, never opened,
// since opening a FIFO would wait for a writer that never comes.
void ClearLeftover(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0 || S_ISREG(status.st_mode))
        return;
    if (S_ISDIR(status.st_mode)) {
        if (::rmdir(name.constData()) == 0)
            return;
        // A folder with something in it is kept, under another name beside it.
        const QByteArray aside = name + ".leftover-" + QByteArray::number(::getpid());
        ::rename(name.constData(), aside.constData());
        return;
    }
    ::unlink(name.constData());
}
#else
QString PrivateFolder()
{
    return QDir::tempPath(); // per user on Windows
}

QString UserId()
{
    return qEnvironmentVariable("USERNAME");
}

// A folder left at the lock's path is moved out of the way, as on other systems.
void ClearLeftover(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isDir() || info.isSymLink() || QDir().rmdir(path))
        return;
    QDir().rename(path,
                  path + QStringLiteral(".leftover-%1").arg(QCoreApplication::applicationPid()));
}
#endif

} // namespace

SingleInstanceLock::SingleInstanceLock(const QString& path) : path_(path)
{
    if (path.isEmpty())
        return;
    lock_ = std::make_unique<QLockFile>(path);
    // Never judge a lock by its age: a copy may run for weeks. A dead owner is detected anyway.
    lock_->setStaleLockTime(0);
}

bool SingleInstanceLock::tryLock()
{
    if (!lock_)
        return true;
    ClearLeftover(path_);
    if (lock_->tryLock(0))
        return true;
    if (lock_->error() != QLockFile::LockFailedError)
        return true; // no lock file can be made here (a full or read-only folder)
    // The lock file exists. Qt has already taken over one that names a process that is gone;
    // one that names nobody (empty, or unreadable) is taken over here. Removing it fails while
    // a live copy holds it, even one that is still writing its name into it.
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_->getLockInfo(&pid, &host, &application))
        return false;
    // A copy starting at this very moment has made the file but not yet written its name into
    // it (nor locked it against removal); it gets a moment to do so.
    for (int wait = 0; wait < 25; ++wait) {
        QThread::msleep(10);
        if (lock_->getLockInfo(&pid, &host, &application))
            return false;
    }
    // A file this user may not even write was not made by a copy of the program.
    const bool removed =
        lock_->removeStaleLockFile() || (!QFileInfo(path_).isWritable() && QFile::remove(path_));
    return removed && lock_->tryLock(0);
}

QString SingleInstanceLock::DefaultPath()
{
    const QString folder = PrivateFolder();
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(QStringLiteral("kinmatch-%1.lock").arg(UserId()));
}

} // namespace kinmatch
