#include "ReadingFile.h"

#include "Scrambler.h"
#include "Windows1252.h"

#include <algorithm>

namespace kinmatch {

std::optional<char32_t> FirstUnstorableCharacter(std::string_view name)
{
    if (const auto missing = modHelp::FirstCharacterWithoutCode(name))
        return missing;
    for (const char byte : name)
        if (static_cast<unsigned char>(byte) < 32)
            return static_cast<char32_t>(byte);
    return std::nullopt;
}

std::optional<std::string> EncodeReadingFile(const modMayanNumerology::BirthDetails& details)
{
    const auto name = modHelp::EncodeWindows1252(details.Name);
    if (!name || FirstUnstorableCharacter(details.Name))
        return std::nullopt;
    std::string bytes;
    // Month names, digits and the name's Windows-1252 bytes: one byte per character.
    for (const std::string& field : {*name, std::to_string(details.BirthYear), details.BirthMonth,
                                     std::to_string(details.BirthDay)})
        bytes += modHelp::ScrambleBytes(field) + "\r\n";
    return bytes;
}

std::array<std::string, 4> DecodeReadingFile(std::string_view bytes)
{
    std::array<std::string, 4> lines;
    std::size_t pos = 0;
    for (std::string& line : lines) {
        if (pos >= bytes.size())
            break;
        const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        line = modHelp::DecodeWindows1252(modHelp::UnscrambleBytes(bytes.substr(pos, end - pos)));
        pos = end + 1;
        if (end < bytes.size() && bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
    return lines;
}

} // namespace kinmatch
