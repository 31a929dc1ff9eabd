#pragma once

// The reading file: the user's name and date of birth as four scrambled Windows-1252 lines,
// each ended by CR LF. See docs/reading-file.md.

#include "modMayanNumerology.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kinmatch {

// A reading file is a few dozen bytes; nothing past this much of any file is read.
inline constexpr std::size_t ReadingFileReadLimit = 64 * 1024;

// The first character of a name that a reading file cannot keep, or nothing when it can keep
// the whole name: a character that Windows-1252 lacks, or a control character (codes 0 to 31),
// which would end the line early or add lines that change the reading.
std::optional<char32_t> FirstUnstorableCharacter(std::string_view name);

// The file's bytes, or nothing when a field holds a character the file cannot keep.
std::optional<std::string> EncodeReadingFile(const modMayanNumerology::BirthDetails& details);

// The details a reading file holds when every line is what the program writes (a name, a year
// of 1900 to 2016, a month's name and a day that month has), or why it is no reading file.
std::variant<modMayanNumerology::BirthDetails, std::string>
ReadingFileDetails(std::string_view bytes);

// The four unscrambled lines (name, year, month, day) as UTF-8. A line ends at CR, a LF right
// after it is skipped (a LF on its own ends a line too); lines missing at the end are empty.
std::array<std::string, 4> DecodeReadingFile(std::string_view bytes);

} // namespace kinmatch
