#include "Windows1252.h"

#include "Utf8.h"

#include <array>
#include <cstdint>

namespace modHelp {
using kinmatch::AppendUtf8;
using kinmatch::NextCharacter;

namespace {

// Characters of the codes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> HighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

std::optional<unsigned char> Windows1252Code(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<unsigned char>(character);
    for (std::size_t i = 0; i < HighControlBlock.size(); ++i) {
        if (HighControlBlock[i] == character)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

char32_t Windows1252Character(unsigned char code)
{
    return code >= 0x80 && code < 0xA0 ? HighControlBlock[code - 0x80u] : code;
}

std::optional<std::string> EncodeWindows1252(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t character = NextCharacter(utf8, pos);
        const auto code = Windows1252Code(character); // none for NotUtf8 either
        if (!code)
            return std::nullopt;
        bytes += static_cast<char>(*code);
    }
    return bytes;
}

std::string DecodeWindows1252(std::string_view bytes)
{
    std::string utf8;
    utf8.reserve(bytes.size());
    for (const char byte : bytes)
        AppendUtf8(utf8, Windows1252Character(static_cast<unsigned char>(byte)));
    return utf8;
}

std::optional<char32_t> FirstCharacterWithoutCode(std::string_view utf8)
{
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t character = NextCharacter(utf8, pos);
        if (!Windows1252Code(character))
            return character == kinmatch::NotUtf8 ? char32_t(0xFFFD) : character;
    }
    return std::nullopt;
}

} // namespace modHelp
