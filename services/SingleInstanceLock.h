#pragma once

#include <QLockFile>
#include <QString>

namespace kinmatch {

// A per-user lock file that tells a second copy of the program that one is already running.
// A lock left behind by a copy that crashed or was killed is recognised as stale (its process
// is gone) and taken over.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& path = DefaultPath());
    bool tryLock();
    // In the user's runtime folder (the temporary folder where there is none), named for the user.
    static QString DefaultPath();

private:
    QLockFile lock_;
};

} // namespace kinmatch
