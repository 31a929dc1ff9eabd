#pragma once

// Files and standard streams, read and written so that neither a special file nor a failed
// write can hurt the user: plain C++ over the system's own calls, one file per system
// (FilesPosix.cpp, FilesWindows.cpp), used by the windows and kinmatch-cli alike. Paths are
// UTF-8. Every failure carries its cause in the same words on every system (FileCauses.h).

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kinmatch {

// A file or stream operation that failed; what() is the cause, in English (FileCauses.h names
// the causes the systems share, which the catalogs translate).
struct FileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct FileContents {
    std::string bytes; // at most the limit asked for
    bool whole = true; // false when the file holds more than that
};

// At most limit bytes of the regular file at path. A FIFO, a device or a folder is never opened
// for reading, so nothing waits on one: what a window reads. Throws FileError.
FileContents ReadRegularFile(const std::string& path, std::size_t limit);

// At most limit bytes of the regular file, pipe, FIFO or terminal at path, waiting for a pipe's
// writer as a command-line tool does ("group <(cat g.csv)", /dev/stdin); a folder, a disk or a
// socket is refused. Throws FileError.
FileContents ReadFileOrStream(const std::string& path, std::size_t limit);

// At most limit bytes of standard input. Throws FileError.
FileContents ReadStandardInput(std::size_t limit);

// Writes all of bytes to standard output (a console shows them as text, whatever its code page).
// Throws FileError.
void WriteStandardOutput(std::string_view bytes);
// Sends what was written on its way and reports a failure that only shows at the end (a full
// disk on a network file system, a closed stream). Throws FileError.
void FinishStandardOutput();
// Writes to standard error; a failure there has nowhere to be reported.
void WriteStandardError(std::string_view bytes);

// True when nothing exists at path, or a regular file does (through any symbolic links).
bool IsRegularFileOrAbsent(const std::string& path);

// A file written beside its final place and put there only once every byte is written and on
// the disk, so that a failure (a full disk, no permission, a folder in the way) leaves any old
// file as it was. Only a regular file is ever replaced, and never one that is read-only (its
// owner may not write it, or its read-only attribute is set): that is "Permission denied", as the
// shell and cp say. A symbolic link (a reparse point on Windows) is followed: the file it leads
// to is replaced, with its permissions.
class ReplacingFile {
public:
    // Throws FileError.
    explicit ReplacingFile(const std::string& path);
    ~ReplacingFile(); // removes the unfinished file unless commit() succeeded
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    void write(std::string_view bytes); // throws FileError
    void commit();                      // throws FileError

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

// The whole of bytes as the file at path, through a ReplacingFile. Throws FileError.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// The folder that holds the running program, with a trailing separator; empty if unknown.
std::string ProgramFolder();

// The cause of the system's last failed call, in the shared words where it has them.
std::string LastSystemError();

#ifdef _WIN32
// The one conversion between the program's UTF-8 and the UTF-16 of Windows' calls.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
#endif

} // namespace kinmatch
