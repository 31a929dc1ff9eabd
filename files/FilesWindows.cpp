// Files on Windows, with the promises of the POSIX half: only a regular file is replaced, a
// read-only one never; links and reparse points are followed; the same words for the same
// failure.

#include "FileCauses.h"
#include "Files.h"
#include "ReadLimited.h"

#include <windows.h>

namespace kinmatch {

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

namespace {

// Not named by every SDK's headers.
constexpr DWORD DiskQuotaExceeded = 1295;

std::string SystemText(DWORD code)
{
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

std::string CauseOf(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return causes::NotFound;
    case ERROR_ACCESS_DENIED:
        return causes::PermissionDenied;
    case ERROR_DIRECTORY:
        return causes::NotADirectory;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return causes::NoSpace;
    case ERROR_WRITE_PROTECT:
        return causes::ReadOnlyFileSystem;
    case DiskQuotaExceeded:
        return causes::QuotaExceeded;
    case ERROR_FILENAME_EXCED_RANGE:
        return causes::NameTooLong;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return causes::InUse;
    default:
        return SystemText(code);
    }
}

[[noreturn]] void Throw(DWORD code = GetLastError())
{
    throw FileError(CauseOf(code));
}

class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    ~OwnedHandle()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

bool IsConsole(HANDLE handle)
{
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

void WriteHandle(HANDLE handle, std::string_view bytes)
{
    if (IsConsole(handle)) {
        // A console shows UTF-16, whatever its code page; it may take part of it at a time.
        const std::wstring wide = Wide(bytes);
        std::wstring_view left = wide;
        while (!left.empty()) {
            DWORD written = 0;
            const DWORD chunk = DWORD(std::min<std::size_t>(left.size(), 1u << 15));
            if (!WriteConsoleW(handle, left.data(), chunk, &written, nullptr))
                Throw();
            left.remove_prefix(written);
        }
        return;
    }
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr))
            Throw();
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
            Throw();
        }
        return got;
    });
}

// The file at path opened to read, through any link; a folder is refused in POSIX words.
HANDLE OpenForReading(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        Throw();
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        throw FileError(causes::IsADirectory);
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        Throw();
    return file;
}

// The path a link or reparse point leads to, as the POSIX half resolves a symbolic link.
std::wstring FinalPath(HANDLE file, const std::wstring& given)
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFinalPathNameByHandleW(file, path.data(), DWORD(path.size()), FILE_NAME_NORMALIZED);
        if (length == 0)
            return given;
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length);
    }
}

} // namespace

std::string LastSystemError()
{
    return CauseOf(GetLastError());
}

FileContents ReadRegularFile(const std::string& path, std::size_t limit)
{
    const OwnedHandle file(OpenForReading(Wide(path)));
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        throw FileError(causes::NotRegular);
    return ReadHandle(file.get(), limit);
}

FileContents ReadFileOrStream(const std::string& path, std::size_t limit)
{
    const OwnedHandle file(OpenForReading(Wide(path)));
    const DWORD type = GetFileType(file.get());
    if (type != FILE_TYPE_DISK && type != FILE_TYPE_PIPE && type != FILE_TYPE_CHAR)
        throw FileError(causes::NotReadable);
    return ReadHandle(file.get(), limit);
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

bool IsRegularFileOrAbsent(const std::string& path)
{
    const std::wstring wide = Wide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    const OwnedHandle file(CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.get() != INVALID_HANDLE_VALUE && GetFileType(file.get()) == FILE_TYPE_DISK;
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
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            throw FileError(causes::IsADirectory);
        // Opened through any link or reparse point: the file it leads to is the one checked and
        // replaced.
        const OwnedHandle existing(CreateFileW(
            handle_->target.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, 0, nullptr));
        if (existing.get() == INVALID_HANDLE_VALUE)
            Throw();
        if (GetFileType(existing.get()) != FILE_TYPE_DISK)
            throw FileError(causes::NotRegular);
        BY_HANDLE_FILE_INFORMATION information{};
        if (!GetFileInformationByHandle(existing.get(), &information))
            Throw();
        if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            throw FileError(causes::IsADirectory);
        if (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
            throw FileError(causes::PermissionDenied);
        handle_->target = FinalPath(existing.get(), handle_->target);
    } else if (const DWORD error = GetLastError(); error != ERROR_FILE_NOT_FOUND) {
        Throw(error);
    }
    const auto [folder, name] = SplitPath(Utf8(handle_->target), "/\\");
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
            Throw();
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
    if (!flushed)
        Throw(flushError);
    if (!MoveFileExW(handle_->temporary.c_str(), handle_->target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        Throw();
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
    return SplitPath(Utf8(path), "/\\").first;
}

} // namespace kinmatch
