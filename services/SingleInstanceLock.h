#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace kinmatch {

// A per-user lock file that tells a second copy of the program that one is already running.
// A lock left by a copy that is gone, a lock file that is empty or cannot be read, and anything
// else left at its path (a folder, a FIFO, a symbolic link) are taken over; a copy that cannot
// make a lock file at all starts anyway, since it cannot tell whether another copy runs.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& path = DefaultPath());
    // True when no other copy holds the lock.
    bool tryLock();
    // The lock file's path; empty when there is none. What copies of the program share beside
    // the lock lies in the same private folder.
    QString path() const { return path_; }

    // Named for the numeric user id, in a folder only that user can write: the user's runtime
    // folder, or else a folder of the user's own (mode 0700) in the temporary folder. Empty when
    // there is no such folder.
    static QString DefaultPath();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace kinmatch
