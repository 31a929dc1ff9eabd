#pragma once

// The causes of a file's failure that every system shares, in the words of the POSIX systems
// ("Permission denied"): the Windows half gives the same words for the same failure, and the
// catalogs translate them under the context "Files".

#include "Marked.h"

namespace kinmatch::causes {

inline constexpr const char* NotFound = Marked("Files", "No such file or directory");
inline constexpr const char* PermissionDenied = Marked("Files", "Permission denied");
inline constexpr const char* IsADirectory = Marked("Files", "Is a directory");
inline constexpr const char* NotADirectory = Marked("Files", "Not a directory");
inline constexpr const char* NoSpace = Marked("Files", "No space left on device");
inline constexpr const char* ReadOnlyFileSystem = Marked("Files", "Read-only file system");
inline constexpr const char* QuotaExceeded = Marked("Files", "Disk quota exceeded");
inline constexpr const char* NameTooLong = Marked("Files", "File name too long");
inline constexpr const char* InputOutput = Marked("Files", "Input/output error");
inline constexpr const char* InUse = Marked("Files", "The file is in use by another program");
inline constexpr const char* NotRegular = Marked("Files", "not a regular file");
inline constexpr const char* NotReadable =
    Marked("Files", "not a regular file, a pipe or a terminal");

} // namespace kinmatch::causes
