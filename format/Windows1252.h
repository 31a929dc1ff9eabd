#pragma once

// Windows-1252, the single-byte code page that reading files and the scrambler count in.
// Every one of the 256 bytes decodes to its own character (the five codes the code page leaves
// unassigned decode to the control characters of the same number), so bytes round-trip exactly.

#include <optional>
#include <string>
#include <string_view>

namespace modHelp {

// The code of a character, or nothing when Windows-1252 cannot hold it.
std::optional<unsigned char> Windows1252Code(char32_t character);
char32_t Windows1252Character(unsigned char code);

// UTF-8 text -> Windows-1252 bytes; nothing when the text holds a character without a code or
// is not valid UTF-8.
std::optional<std::string> EncodeWindows1252(std::string_view utf8);
// Windows-1252 bytes -> UTF-8 text. Never fails.
std::string DecodeWindows1252(std::string_view bytes);

// The first character of a UTF-8 text that Windows-1252 cannot hold (U+FFFD for a broken UTF-8
// sequence), or nothing when the whole text can be encoded.
std::optional<char32_t> FirstCharacterWithoutCode(std::string_view utf8);

} // namespace modHelp
