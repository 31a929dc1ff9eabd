#pragma once

#include <string_view>

namespace kinmatch_cli {

// The JPEG of a seal's picture (1..20), 120 by 184 pixels, or at twice that density, carried
// in the program, with its name in the reader's language (in English where that has none).
std::string_view SealJpeg(int seal, bool doubleDensity = false);

} // namespace kinmatch_cli
