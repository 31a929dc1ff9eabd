#pragma once

// HTML output: escaped text and a whole self-contained page.

#include <string>
#include <string_view>

namespace kinmatch {

// Text as HTML: &, <, >, " and ' escaped, and control characters and bytes that are not UTF-8
// shown as visible escapes (\x1B), since HTML cannot carry them.
std::string HtmlText(std::string_view text);

// A complete HTML5 page: the doctype, UTF-8, the title, one <style> and the body as given.
std::string HtmlPage(std::string_view title, std::string_view style, std::string_view body);

} // namespace kinmatch
