#pragma once

// Reading and writing UTF-8, one character at a time.

#include <string>
#include <string_view>

namespace kinmatch {

// What NextCharacter gives for a malformed sequence, which it then steps over by one byte: a value
// beyond Unicode, so that a well-formed U+FFFD is never taken for a broken sequence.
inline constexpr char32_t NotUtf8 = 0x110000;

// Reads the character at pos and moves pos past it.
char32_t NextCharacter(std::string_view text, std::size_t& pos);
void AppendUtf8(std::string& out, char32_t character);
// The number of characters, a broken sequence's byte counting as one.
std::size_t CharacterCount(std::string_view text);
// The text's first count characters (all of it when it is shorter).
std::string_view FirstCharacters(std::string_view text, std::size_t count);
// True when the whole text is well-formed UTF-8.
bool IsUtf8(std::string_view text);

} // namespace kinmatch
