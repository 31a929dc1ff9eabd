// Files on POSIX systems.

#include "FileCauses.h"
#include "Files.h"
#include "ReadLimited.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kinmatch {

namespace {

// The shared words for the failures that Windows knows too, the system's own for the rest.
const char* CauseOf(int error)
{
    switch (error) {
    case ENOENT:
        return causes::NotFound;
    case EACCES:
        return causes::PermissionDenied;
    case EISDIR:
        return causes::IsADirectory;
    case ENOTDIR:
        return causes::NotADirectory;
    case ENOSPC:
        return causes::NoSpace;
    case EROFS:
        return causes::ReadOnlyFileSystem;
    case EDQUOT:
        return causes::QuotaExceeded;
    case ENAMETOOLONG:
        return causes::NameTooLong;
    case EIO:
        return causes::InputOutput;
    case ETXTBSY:
        return causes::InUse;
    default:
        return std::strerror(error);
    }
}

[[noreturn]] void ThrowErrno(int error = errno)
{
    throw FileError(CauseOf(error));
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

void WriteDescriptor(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno();
        }
        bytes.remove_prefix(std::size_t(written));
    }
}

FileContents ReadDescriptor(int fd, std::size_t limit)
{
    return ReadLimited(limit, [fd](char* into, std::size_t room) -> std::size_t {
        for (;;) {
            const ssize_t got = ::read(fd, into, room);
            if (got >= 0)
                return std::size_t(got);
            if (errno != EINTR)
                ThrowErrno();
        }
    });
}

// Opened without blocking and checked on the open descriptor, so that a FIFO put in place of a
// file between a check and the open cannot make the open wait.
int OpenForReading(const std::string& path, struct stat& status)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        ThrowErrno();
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        ThrowErrno(error);
    }
    return fd;
}

} // namespace

std::string LastSystemError()
{
    return CauseOf(errno);
}

FileContents ReadRegularFile(const std::string& path, std::size_t limit)
{
    struct stat status {};
    const Descriptor fd(OpenForReading(path, status));
    if (S_ISDIR(status.st_mode))
        ThrowErrno(EISDIR);
    if (!S_ISREG(status.st_mode))
        throw FileError(causes::NotRegular);
    return ReadDescriptor(fd.get(), limit);
}

FileContents ReadFileOrStream(const std::string& path, std::size_t limit)
{
    struct stat status {};
    Descriptor checked(OpenForReading(path, status));
    if (S_ISDIR(status.st_mode))
        ThrowErrno(EISDIR);
    if (!S_ISREG(status.st_mode) && !S_ISFIFO(status.st_mode) && !S_ISCHR(status.st_mode))
        throw FileError(causes::NotReadable);
    if (!S_ISFIFO(status.st_mode)) {
        // A terminal is read as a tool reads one, waiting for the user's lines.
        const int flags = ::fcntl(checked.get(), F_GETFL);
        if (flags < 0 || ::fcntl(checked.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
            ThrowErrno();
        return ReadDescriptor(checked.get(), limit);
    }
    // A named pipe is opened again, waiting for its writer as cat would: opened without
    // waiting, it would read as empty until a writer came.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        ThrowErrno();
    if (::fstat(fd.get(), &status) != 0)
        ThrowErrno();
    if (!S_ISFIFO(status.st_mode) && !S_ISREG(status.st_mode))
        throw FileError(causes::NotReadable);
    return ReadDescriptor(fd.get(), limit);
}

FileContents ReadStandardInput(std::size_t limit)
{
    return ReadDescriptor(STDIN_FILENO, limit);
}

void WriteStandardOutput(std::string_view bytes)
{
    WriteDescriptor(STDOUT_FILENO, bytes);
}

void FinishStandardOutput()
{
    // A closed standard output with nothing written to it is no failure.
    if (::close(STDOUT_FILENO) != 0 && errno != EBADF && errno != EINTR)
        ThrowErrno();
}

void WriteStandardError(std::string_view bytes)
{
    try {
        WriteDescriptor(STDERR_FILENO, bytes);
    } catch (const FileError&) {
    }
}

bool IsRegularFileOrAbsent(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0)
        return S_ISREG(status.st_mode);
    // Absent, and not a symbolic link that leads nowhere.
    return errno == ENOENT && ::lstat(path.c_str(), &status) != 0;
}

struct ReplacingFile::Handle {
    std::string target;
    std::string temporary;
    int fd = -1;
    bool committed = false;
};

ReplacingFile::ReplacingFile(const std::string& path) : handle_(std::make_unique<Handle>())
{
    handle_->target = path;
    struct stat status {};
    const bool exists = ::stat(path.c_str(), &status) == 0;
    if (exists) {
        if (S_ISDIR(status.st_mode))
            ThrowErrno(EISDIR);
        if (!S_ISREG(status.st_mode))
            throw FileError(causes::NotRegular);
        // Read-only by its permissions, whoever asks: even root, whom access() lets write
        // anything, does not replace a file that its owner keeps from writing.
        if (!(status.st_mode & S_IWUSR) || ::access(path.c_str(), W_OK) != 0)
            ThrowErrno(EACCES);
        // Through a symbolic link, the file it leads to is the one replaced.
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved))
            handle_->target = resolved;
    } else if (errno != ENOENT) {
        ThrowErrno();
    }
    const auto [folder, name] = SplitPath(handle_->target, "/");
    std::string temporary = folder + "." + name + ".XXXXXX";
    handle_->fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (handle_->fd < 0)
        ThrowErrno();
    handle_->temporary = temporary;
    // The permissions the file has, or those a new file would get.
    mode_t mode = status.st_mode & 07777;
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(handle_->fd, mode) != 0)
        ThrowErrno();
}

ReplacingFile::~ReplacingFile()
{
    if (handle_->committed)
        return;
    if (handle_->fd >= 0)
        ::close(handle_->fd);
    if (!handle_->temporary.empty())
        ::unlink(handle_->temporary.c_str());
}

void ReplacingFile::write(std::string_view bytes)
{
    WriteDescriptor(handle_->fd, bytes);
}

void ReplacingFile::commit()
{
    const int synced = ::fsync(handle_->fd);
    const int syncError = errno;
    const int closed = ::close(handle_->fd);
    const int closeError = errno;
    handle_->fd = -1;
    if (synced != 0)
        ThrowErrno(syncError);
    if (closed != 0)
        ThrowErrno(closeError);
    if (::rename(handle_->temporary.c_str(), handle_->target.c_str()) != 0)
        ThrowErrno();
    handle_->committed = true;
}

std::string ProgramFolder()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    return SplitPath(std::string(path, std::size_t(length)), "/").first;
}

} // namespace kinmatch
