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
    std::string bytes;
    // Every field in Windows-1252, one byte per character, each on a line of its own.
    for (const std::string& field : {details.Name, std::to_string(details.BirthYear),
                                     details.BirthMonth, std::to_string(details.BirthDay)}) {
        const auto encoded = modHelp::EncodeWindows1252(field);
        if (!encoded || FirstUnstorableCharacter(field))
            return std::nullopt;
        bytes += modHelp::ScrambleBytes(*encoded) + "\r\n";
    }
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
