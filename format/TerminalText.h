#pragma once

#include <string>
#include <string_view>

namespace kinmatch {

// Text made safe to print on a terminal: every control character (codes 0 to 31, DEL and the
// C1 controls U+0080 to U+009F) and every byte that is not UTF-8 is shown as an escape such as
// \x1B or \u009B, so that text read from a file can never move the cursor, retitle the window
// or write the clipboard.
std::string VisibleControls(std::string_view utf8);

} // namespace kinmatch
