#include "SingleInstanceLock.h"

#include <QDir>
#include <QStandardPaths>

namespace kinmatch {

SingleInstanceLock::SingleInstanceLock(const QString& path) : lock_(path)
{
    // Never judge a lock by its age: a copy may run for weeks. A dead owner is detected anyway.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceLock::tryLock()
{
    return lock_.tryLock(0);
}

QString SingleInstanceLock::DefaultPath()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return QDir(folder).filePath(QStringLiteral("kinmatch-%1.lock").arg(user));
}

} // namespace kinmatch
