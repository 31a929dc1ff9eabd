// The HTML writer: escaped text holds no markup and no control character, and unescapes to its
// input wherever the input is UTF-8 text without control characters.

#include "FuzzCheck.h"
#include "Html.h"
#include "TerminalText.h"

#include <string>

namespace {

std::string Unescape(std::string_view html)
{
    static const std::pair<std::string_view, char> entities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}};
    std::string text;
    for (std::size_t i = 0; i < html.size();) {
        bool replaced = false;
        for (const auto& [entity, character] : entities) {
            if (html.substr(i, entity.size()) == entity) {
                text += character;
                i += entity.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            text += html[i++];
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string html = kinmatch::HtmlText(text);
    for (std::size_t i = 0; i < html.size(); ++i) {
        const auto c = static_cast<unsigned char>(html[i]);
        FUZZ_CHECK(c >= 0x20 && c != 0x7F && c != '<' && c != '>' && c != '"' && c != '\'');
    }
    if (kinmatch::VisibleControls(text) == text)
        FUZZ_CHECK(Unescape(html) == text);
    return 0;
}
