#include "ReadingFileIO.h"

#include "QtText.h"
#include "ReadingFile.h"
#include "SafeFile.h"
#include "TerminalText.h"
#include "Utf8.h"

namespace kinmatch {

SaveResult SaveReadingFile(const QString& path, const modMayanNumerology::BirthDetails& details)
{
    const auto bytes = EncodeReadingFile(details);
    if (!bytes)
        return {SaveOutcome::NameNotStorable, {}};
    if (const auto cause = WriteFileAtomically(path, QByteArray::fromStdString(*bytes)))
        return {SaveOutcome::WriteFailed, *cause};
    return {};
}

std::array<QString, 4> LoadReadingFile(const QString& path)
{
    const QByteArray bytes =
        ReadRegularFile(path, qint64(ReadingFileReadLimit)).value_or(QByteArray());
    const auto lines =
        DecodeReadingFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    std::array<QString, 4> texts;
    for (std::size_t i = 0; i < lines.size(); ++i)
        texts[i] = ToQString(lines[i]);
    return texts;
}

bool HoldsAReading(const QString& path)
{
    const auto bytes = ReadRegularFile(path, qint64(ReadingFileReadLimit));
    return bytes && std::holds_alternative<modMayanNumerology::BirthDetails>(ReadingFileDetails(
                        std::string_view(bytes->constData(), std::size_t(bytes->size()))));
}

QString UnstorableCharacter(const QString& name)
{
    const auto character = FirstUnstorableCharacter(ToUtf8(name));
    if (!character)
        return {};
    std::string utf8;
    AppendUtf8(utf8, *character);
    return ToQString(VisibleControls(utf8));
}

} // namespace kinmatch
