#include "Html.h"

#include "Language.h"
#include "TerminalText.h"

#include <cstdint>

namespace kinmatch {

std::string HtmlText(std::string_view text)
{
    const std::string visible = VisibleControls(text);
    std::string html;
    html.reserve(visible.size());
    for (const char c : visible) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        case '\'':
            html += "&#39;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

std::string DataAddress(std::string_view mediaType, std::string_view bytes)
{
    static constexpr char digits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string address = "data:" + std::string(mediaType) + ";base64,";
    address.reserve(address.size() + (bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t left = bytes.size() - i;
        const auto byte = [&](std::size_t at) {
            return at < left ? std::uint32_t(static_cast<unsigned char>(bytes[i + at])) : 0u;
        };
        const std::uint32_t group = byte(0) << 16 | byte(1) << 8 | byte(2);
        address += digits[group >> 18 & 63];
        address += digits[group >> 12 & 63];
        address += left > 1 ? digits[group >> 6 & 63] : '=';
        address += left > 2 ? digits[group & 63] : '=';
    }
    return address;
}

std::string HtmlLanguage()
{
    std::string language(CurrentLanguage());
    for (char& c : language)
        if (c == '_')
            c = '-';
    return language;
}

std::string HtmlPage(std::string_view title, std::string_view style, std::string_view body)
{
    std::string page = "<!DOCTYPE html>\n<html lang=\"" + HtmlLanguage() +
                       "\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    page += "<title>" + HtmlText(title) + "</title>\n";
    page += "<style>\n";
    page += style;
    page += "</style>\n</head>\n<body>\n";
    page += body;
    page += "</body>\n</html>\n";
    return page;
}

} // namespace kinmatch
