#pragma once

// Files read and written so that neither a special file nor a failed write can hurt the user.

#include <QByteArray>
#include <QString>

#include <optional>

namespace kinmatch {

// At most limit bytes of the file at path, or nothing when it is not a regular file or cannot
// be read. A FIFO, a device or a folder is never opened for reading, so nothing waits on one.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 limit);

// True when nothing exists at path or a regular file does (through any symbolic links).
bool IsRegularFileOrAbsent(const QString& path);

// Writes bytes through a temporary file that replaces the file at path only once every byte is
// written, so a failure (a full disk, a folder in the way, no permission) leaves an existing
// file as it was. False on any failure.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace kinmatch
