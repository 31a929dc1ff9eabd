#include "Html.h"

#include "TerminalText.h"

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

std::string HtmlPage(std::string_view title, std::string_view style, std::string_view body)
{
    std::string page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
    page += "<title>" + HtmlText(title) + "</title>\n";
    page += "<style>\n";
    page += style;
    page += "</style>\n</head>\n<body>\n";
    page += body;
    page += "</body>\n</html>\n";
    return page;
}

} // namespace kinmatch
