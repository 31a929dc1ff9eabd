#pragma once

// A person's name as every way into the program takes it.

#include <string_view>

namespace kinmatch {

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
