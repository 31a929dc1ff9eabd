#pragma once

// Faults that tests make on purpose: a disk that fills up and a FIFO in place of a file. Both
// need POSIX; elsewhere (Windows, under wine) the tests that need them skip.

#include <QFile>
#include <QString>

#include <cstdint>
#include <optional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

// While it lives, every file this process and the processes it starts write is cut at limit
// bytes, as on a disk that fills up half-way through a write.
class DiskFullAfter {
public:
    explicit DiskFullAfter(std::uint64_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = rlim_t(limit);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~DiskFullAfter() { setrlimit(RLIMIT_FSIZE, &saved_); }
    DiskFullAfter(const DiskFullAfter&) = delete;
    DiskFullAfter& operator=(const DiskFullAfter&) = delete;

private:
    rlimit saved_{};
};
inline constexpr bool CanMakeFaults = true;

inline bool MakeFifo(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}
#else
class DiskFullAfter {
public:
    explicit DiskFullAfter(std::uint64_t) {}
};
inline constexpr bool CanMakeFaults = false;

inline bool MakeFifo(const QString&)
{
    return false;
}
#endif

#define SKIP_UNLESS_FAULTS_CAN_BE_MADE()                                                           \
    do {                                                                                           \
        if (!CanMakeFaults)                                                                        \
            QSKIP("full disks and FIFOs are made with POSIX calls this system lacks");             \
    } while (false)
