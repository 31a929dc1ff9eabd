#pragma once

// HTML output: escaped text and a whole self-contained page.

#include <string>
#include <string_view>

namespace kinmatch {

// Text as HTML: &, <, >, " and ' escaped, and control characters and bytes that are not UTF-8
// shown as visible escapes (\x1B), since HTML cannot carry them.
std::string HtmlText(std::string_view text);

// The bytes as a data: address ("data:image/jpeg;base64,..."), for pictures carried inside a page.
std::string DataAddress(std::string_view mediaType, std::string_view bytes);

// A complete HTML5 page in the current language (its lang): the doctype, UTF-8, the viewport for
// phones, the title, one <style> and the body as given.
std::string HtmlPage(std::string_view title, std::string_view style, std::string_view body);

// The current language as HTML names it: "en", "es", "pt-BR".
std::string HtmlLanguage();

} // namespace kinmatch
