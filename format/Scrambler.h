#pragma once

// The program's one text scrambler, used by reading files and the update reminder's setting.
// It works on Windows-1252 codes: codes 0..31 stay as they are and codes 32..255 rotate by
// ScramblerShift within that range, so every code round-trips, printable ASCII c becomes c + 7,
// and a scrambled text never gains a carriage return or a line feed.

#include <optional>
#include <string>
#include <string_view>

namespace modHelp {

inline constexpr int ScramblerShift = 7;

constexpr unsigned char ScrambleCode(unsigned char code)
{
    if (code < 32)
        return code;
    return static_cast<unsigned char>(32 + (code - 32 + ScramblerShift) % 224);
}

constexpr unsigned char UnscrambleCode(unsigned char code)
{
    if (code < 32)
        return code;
    return static_cast<unsigned char>(32 + (code - 32 + 224 - ScramblerShift) % 224);
}

// Byte-wise, for text already in Windows-1252.
std::string ScrambleBytes(std::string_view bytes);
std::string UnscrambleBytes(std::string_view bytes);

// UTF-8 in, UTF-8 out. Nothing when the input holds a character that Windows-1252 cannot hold:
// the caller decides what the user sees rather than the scrambler dropping it.
std::optional<std::string> ScrambleText(std::string_view text);
std::optional<std::string> UnscrambleText(std::string_view text);

} // namespace modHelp
