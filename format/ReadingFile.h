#pragma once

// The reading file: the user's name and date of birth as four scrambled Windows-1252 lines,
// each ended by CR LF. See docs/reading-file.md.

#include "modMayanNumerology.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kinmatch {

// A reading file is a few dozen bytes; nothing past this much of any file is read.
inline constexpr std::size_t ReadingFileReadLimit = 64 * 1024;

// The file's bytes, or nothing when the name holds a character Windows-1252 cannot store.
std::optional<std::string> EncodeReadingFile(const modMayanNumerology::BirthDetails& details);

// The four unscrambled lines (name, year, month, day) as UTF-8. A line ends at CR, a LF right
// after it is skipped (a LF on its own ends a line too); lines missing at the end are empty.
std::array<std::string, 4> DecodeReadingFile(std::string_view bytes);

} // namespace kinmatch
