#pragma once

#include <string>
#include <string_view>

namespace kinmatch {

// Text made safe to print on a terminal: every control character (codes 0 to 31, DEL and the
// C1 controls U+0080 to U+009F), every bidirectional embedding, override and isolate (U+202A to
// U+202E, U+2066 to U+2069, which would reverse the rest of the line) and every byte that is not
// UTF-8 is shown as an escape such as \x1B or \u202E, so that text read from a file can never
// move the cursor, retitle the window, write the clipboard or disguise what follows. The escape
// can be read back: a backslash that would otherwise start one (before \, xHH or uHHHH) is
// shown doubled; any other backslash, as in a Windows path, stays as it is.
std::string VisibleControls(std::string_view utf8);

// The text that VisibleControls showed.
std::string ShownControls(std::string_view shown);

} // namespace kinmatch
