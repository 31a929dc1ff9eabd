#include "Files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kinmatch_cli {

namespace {

constexpr const char* NotRegular = "not a regular file";

// The folder part of a path and its last name.
std::pair<std::string, std::string> SplitPath(const std::string& path)
{
#ifdef _WIN32
    const std::size_t slash = path.find_last_of("/\\");
#else
    const std::size_t slash = path.find_last_of('/');
#endif
    if (slash == std::string::npos)
        return {"", path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// Reads at most limit bytes through read(into, room), which answers how many it read, 0 at the
// end. One byte past the limit tells a file of exactly the limit from a larger one; growing as
// the bytes arrive keeps a small input small.
template <typename Read> FileContents ReadLimited(std::size_t limit, Read read)
{
    FileContents contents;
    std::size_t filled = 0;
    const std::size_t wanted = limit + 1;
    while (filled < wanted) {
        if (contents.bytes.size() == filled)
            contents.bytes.resize(std::min(wanted, std::max<std::size_t>(filled * 2, 64 * 1024)));
        const std::size_t got =
            read(contents.bytes.data() + filled, contents.bytes.size() - filled);
        if (got == 0)
            break;
        filled += got;
    }
    contents.whole = filled <= limit;
    contents.bytes.resize(std::min(filled, limit));
    return contents;
}

#ifdef _WIN32

std::wstring Wide(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), size);
    return wide;
}

std::string Utf8(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), utf8.data(), size, nullptr,
                        nullptr);
    return utf8;
}

[[noreturn]] void ThrowLastError()
{
    throw FileError(LastSystemError());
}

bool IsConsole(HANDLE handle)
{
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

void WriteHandle(HANDLE handle, std::string_view bytes)
{
    if (IsConsole(handle)) {
        // A console shows UTF-16, whatever its code page.
        const std::wstring wide = Wide(bytes);
        DWORD written = 0;
        if (!WriteConsoleW(handle, wide.data(), DWORD(wide.size()), &written, nullptr))
            ThrowLastError();
        return;
    }
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr))
            ThrowLastError();
        bytes.remove_prefix(written);
    }
}

FileContents ReadHandle(HANDLE handle, std::size_t limit)
{
    return ReadLimited(limit, [handle](char* into, std::size_t room) -> std::size_t {
        DWORD got = 0;
        if (!ReadFile(handle, into, DWORD(std::min<std::size_t>(room, 1u << 20)), &got, nullptr)) {
            if (GetLastError() == ERROR_BROKEN_PIPE) // the writer has finished
                return 0;
            ThrowLastError();
        }
        return got;
    });
}

#else

[[noreturn]] void ThrowErrno(int error = errno)
{
    throw FileError(std::strerror(error));
}

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

#endif

} // namespace

#ifdef _WIN32

std::string LastSystemError()
{
    const DWORD code = GetLastError();
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text),
        0, nullptr);
    std::string cause =
        length ? Utf8(std::wstring_view(text, length)) : "system error " + std::to_string(code);
    LocalFree(text);
    // Without the full stop and line break the system ends its sentence in.
    while (!cause.empty() && (cause.back() == '\n' || cause.back() == '\r' || cause.back() == '.' ||
                              cause.back() == ' '))
        cause.pop_back();
    return cause;
}

FileContents ReadRegularFile(const std::string& path, std::size_t limit)
{
    const std::wstring wide = Wide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        ThrowLastError();
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        throw FileError("Is a folder");
    const HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        ThrowLastError();
    struct Closer {
        HANDLE handle;
        ~Closer() { CloseHandle(handle); }
    } closer{file};
    if (GetFileType(file) != FILE_TYPE_DISK)
        throw FileError(NotRegular);
    return ReadHandle(file, limit);
}

FileContents ReadStandardInput(std::size_t limit)
{
    return ReadHandle(GetStdHandle(STD_INPUT_HANDLE), limit);
}

void WriteStandardOutput(std::string_view bytes)
{
    WriteHandle(GetStdHandle(STD_OUTPUT_HANDLE), bytes);
}

void FinishStandardOutput()
{
    // Every WriteFile has reported its own outcome; flushing a pipe would wait for its reader.
}

void WriteStandardError(std::string_view bytes)
{
    try {
        WriteHandle(GetStdHandle(STD_ERROR_HANDLE), bytes);
    } catch (const FileError&) {
    }
}

struct ReplacingFile::Handle {
    std::wstring target;
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    bool committed = false;
};

ReplacingFile::ReplacingFile(const std::string& path) : handle_(std::make_unique<Handle>())
{
    handle_->target = Wide(path);
    const DWORD attributes = GetFileAttributesW(handle_->target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw FileError("Is a folder");
    const auto [folder, name] = SplitPath(path);
    // A name of our own beside the file, so that the final move stays on one volume.
    for (unsigned attempt = 0;; ++attempt) {
        const std::wstring temporary =
            Wide(folder + "." + name + "." + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(GetTickCount64() + attempt) + ".partial");
        handle_->file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_->file != INVALID_HANDLE_VALUE) {
            handle_->temporary = temporary;
            return;
        }
        if (GetLastError() != ERROR_FILE_EXISTS || attempt == 100)
            ThrowLastError();
    }
}

ReplacingFile::~ReplacingFile()
{
    if (handle_->committed)
        return;
    if (handle_->file != INVALID_HANDLE_VALUE)
        CloseHandle(handle_->file);
    if (!handle_->temporary.empty())
        DeleteFileW(handle_->temporary.c_str());
}

void ReplacingFile::write(std::string_view bytes)
{
    WriteHandle(handle_->file, bytes);
}

void ReplacingFile::commit()
{
    const bool flushed = FlushFileBuffers(handle_->file);
    const DWORD flushError = GetLastError();
    CloseHandle(handle_->file);
    handle_->file = INVALID_HANDLE_VALUE;
    if (!flushed) {
        SetLastError(flushError);
        ThrowLastError();
    }
    if (!MoveFileExW(handle_->temporary.c_str(), handle_->target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        ThrowLastError();
    handle_->committed = true;
}

std::string ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return SplitPath(Utf8(path)).first;
}

#else

std::string LastSystemError()
{
    return std::strerror(errno);
}

FileContents ReadRegularFile(const std::string& path, std::size_t limit)
{
    // Opened without blocking and checked on the open descriptor, so that a FIFO put in place of
    // the file between a check and the open cannot make the open wait.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        ThrowErrno();
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        ThrowErrno();
    if (S_ISDIR(status.st_mode))
        ThrowErrno(EISDIR);
    if (!S_ISREG(status.st_mode))
        throw FileError(NotRegular);
    return ReadDescriptor(fd, limit);
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
            throw FileError(NotRegular);
        // Through a symbolic link, the file it leads to is the one replaced.
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved))
            handle_->target = resolved;
    }
    const auto [folder, name] = SplitPath(handle_->target);
    std::string temporary = folder + "." + name + ".XXXXXX";
    handle_->fd = ::mkstemp(temporary.data());
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
    return SplitPath(std::string(path, std::size_t(length))).first;
}

#endif

} // namespace kinmatch_cli
