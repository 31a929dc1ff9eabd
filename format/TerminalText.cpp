#include "TerminalText.h"

#include "Utf8.h"

#include <cstdio>
#include <string>

namespace kinmatch {
namespace {

bool IsHex(std::string_view text, std::size_t from, std::size_t count)
{
    if (from + count > text.size())
        return false;
    for (std::size_t i = from; i < from + count; ++i) {
        const char c = text[i];
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

// What an escape starting at text[at] (a backslash) would be read as: 2 for "\\", 4 for "\xHH",
// 6 for "\uHHHH"; 0 for a plain backslash.
std::size_t EscapeLength(std::string_view text, std::size_t at)
{
    if (at + 1 < text.size() && text[at + 1] == '\\')
        return 2;
    if (at + 1 < text.size() && text[at + 1] == 'x' && IsHex(text, at + 2, 2))
        return 4;
    if (at + 1 < text.size() && text[at + 1] == 'u' && IsHex(text, at + 2, 4))
        return 6;
    return 0;
}

bool IsBidirectionalControl(char32_t character)
{
    return (character >= 0x202A && character <= 0x202E) ||
           (character >= 0x2066 && character <= 0x2069);
}

} // namespace

std::string VisibleControls(std::string_view utf8)
{
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const char32_t character = NextCharacter(utf8, pos);
        char escape[12] = {};
        if (character == NotUtf8)
            std::snprintf(escape, sizeof escape, "\\x%02X",
                          static_cast<unsigned>(static_cast<unsigned char>(utf8[start])));
        else if (character < 0x20 || character == 0x7F)
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(character));
        else if ((character >= 0x80 && character <= 0x9F) || IsBidirectionalControl(character))
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(character));
        else if (character == '\\' && EscapeLength(utf8, start) > 0)
            shown += "\\\\";
        else
            shown.append(utf8.substr(start, pos - start));
        shown += escape;
    }
    return shown;
}

std::string ShownControls(std::string_view shown)
{
    std::string text;
    text.reserve(shown.size());
    for (std::size_t i = 0; i < shown.size();) {
        const std::size_t length = shown[i] == '\\' ? EscapeLength(shown, i) : 0;
        if (length == 2) {
            text += '\\';
        } else if (length == 4) {
            // A control character, or a byte that was not UTF-8, comes back as that byte.
            text += static_cast<char>(std::stoul(std::string(shown.substr(i + 2, 2)), nullptr, 16));
        } else if (length == 6) {
            AppendUtf8(text, static_cast<char32_t>(
                                 std::stoul(std::string(shown.substr(i + 2, 4)), nullptr, 16)));
        } else {
            text += shown[i];
            i += 1;
            continue;
        }
        i += length;
    }
    return text;
}

} // namespace kinmatch
