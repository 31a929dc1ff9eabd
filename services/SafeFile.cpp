#include "SafeFile.h"

#include "Files.h"
#include "Language.h"
#include "QtText.h"

#include <QFile>

namespace kinmatch {

std::string PathOf(const QString& path)
{
#ifdef Q_OS_WIN
    return ToUtf8(path);
#else
    return QFile::encodeName(path).toStdString();
#endif
}

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 limit)
{
    try {
        const FileContents contents = ReadRegularFile(PathOf(path), std::size_t(limit));
        return QByteArray::fromStdString(contents.bytes);
    } catch (const FileError&) {
        return std::nullopt;
    }
}

bool IsRegularFileOrAbsent(const QString& path)
{
    return IsRegularFileOrAbsent(PathOf(path));
}

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    try {
        WriteFileAtomically(PathOf(path),
                            std::string_view(bytes.constData(), std::size_t(bytes.size())));
        return std::nullopt;
    } catch (const FileError& error) {
        return ToQString(Tr("Files", error.what()));
    }
}

} // namespace kinmatch
