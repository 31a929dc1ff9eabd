#pragma once

// Files and standard streams as kinmatch-cli reads and writes them, in standard C++ over the
// system's own calls (POSIX or Windows). Paths are UTF-8. Every failure carries its cause in
// the system's words ("No space left on device", "Is a directory").

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kinmatch_cli {

// A file or stream operation that failed; what() is the cause.
struct FileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct FileContents {
    std::string bytes; // at most the limit asked for
    bool whole = true; // false when the file holds more than that
};

// Reads at most limit bytes of the regular file at path. A FIFO, a device or a folder is never
// opened for reading, so nothing waits on one. Throws FileError.
FileContents ReadRegularFile(const std::string& path, std::size_t limit);

// Reads at most limit bytes of standard input. Throws FileError.
FileContents ReadStandardInput(std::size_t limit);

// Writes all of bytes to standard output. Throws FileError.
void WriteStandardOutput(std::string_view bytes);
// Sends what was written on its way and reports a failure that only shows at the end (a full
// disk on a network file system, a closed stream). Throws FileError.
void FinishStandardOutput();
// Writes to standard error; a failure there has nowhere to be reported.
void WriteStandardError(std::string_view bytes);

// A file written beside its final place and put there only once every byte is written and on
// the disk, so that a failure (a full disk, no permission, a folder in the way) leaves any old
// file as it was. Only a regular file is ever replaced; a symbolic link to one is followed.
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

// The system's words for the error of its last call that failed.
std::string LastSystemError();

// The folder that holds the running program, with a trailing separator; empty if unknown.
std::string ProgramFolder();

} // namespace kinmatch_cli
