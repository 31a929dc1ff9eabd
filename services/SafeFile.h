#pragma once

// The windows' files, through the file layer that kinmatch-cli shares (files/Files.h): neither a
// special file nor a failed write can hurt the user, and every failure says why.

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

namespace kinmatch {

// A path as the file layer takes it: UTF-8 on Windows, the file system's own bytes elsewhere.
std::string PathOf(const QString& path);

// At most limit bytes of the file at path, or nothing when it is not a regular file or cannot
// be read. A FIFO, a device or a folder is never opened for reading, so nothing waits on one.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 limit);

// True when nothing exists at path or a regular file does (through any symbolic links).
bool IsRegularFileOrAbsent(const QString& path);

// Writes bytes through a temporary file that replaces the file at path only once every byte is
// written, so a failure (a full disk, a folder in the way, no permission, a read-only file)
// leaves an existing file as it was. Nothing once written; otherwise the cause, in the reader's
// language ("Permission denied").
[[nodiscard]] std::optional<QString> WriteFileAtomically(const QString& path,
                                                         const QByteArray& bytes);

} // namespace kinmatch
