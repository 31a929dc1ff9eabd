#pragma once

// A person's name as every way into the program takes it.

#include "Utf8.h"

#include <string_view>

namespace kinmatch {

// The longest name the program keeps, in characters: what a text box holds by default, and far
// more than any person's name. A longer name is refused where it enters, never cut.
inline constexpr std::size_t MaxNameLength = 32767;

inline bool IsNameTooLong(std::string_view utf8)
{
    return CharacterCount(utf8) > MaxNameLength;
}

// Removes blanks (the space character only) from both ends; tabs and line breaks stay, so that
// they can be refused or shown rather than silently dropped.
constexpr std::string_view TrimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace kinmatch
