#include "ReadingFileIO.h"

#include "QtText.h"
#include "ReadingFile.h"
#include "Windows1252.h"

#include <QFile>
#include <QSaveFile>

namespace kinmatch {

SaveOutcome SaveReadingFile(const QString& path, const modMayanNumerology::BirthDetails& details)
{
    const auto bytes = EncodeReadingFile(details);
    if (!bytes)
        return SaveOutcome::NameNotStorable;
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows in write()'s count: a buffered
    // flush that writes only part of the file is not reported, and the commit would then
    // replace the old file with a truncated one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return SaveOutcome::WriteFailed;
    if (file.write(bytes->data(), qint64(bytes->size())) != qint64(bytes->size())) {
        file.cancelWriting();
        return SaveOutcome::WriteFailed;
    }
    return file.commit() ? SaveOutcome::Saved : SaveOutcome::WriteFailed;
}

std::array<QString, 4> LoadReadingFile(const QString& path)
{
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(qint64(ReadingFileReadLimit));
    const auto lines =
        DecodeReadingFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    std::array<QString, 4> texts;
    for (std::size_t i = 0; i < lines.size(); ++i)
        texts[i] = ToQString(lines[i]);
    return texts;
}

QString UnstorableCharacter(const QString& name)
{
    const auto character = modHelp::FirstCharacterWithoutCode(ToUtf8(name));
    if (!character)
        return {};
    const char32_t code = *character;
    return QString::fromUcs4(&code, 1);
}

} // namespace kinmatch
