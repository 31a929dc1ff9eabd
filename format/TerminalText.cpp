#include "TerminalText.h"

#include "Utf8.h"

#include <cstdio>

namespace kinmatch {

std::string VisibleControls(std::string_view utf8)
{
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const char32_t character = NextCharacter(utf8, pos);
        char escape[8] = {};
        if (character == NotUtf8)
            std::snprintf(escape, sizeof escape, "\\x%02X",
                          static_cast<unsigned>(static_cast<unsigned char>(utf8[start])));
        else if (character < 0x20 || character == 0x7F)
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(character));
        else if (character >= 0x80 && character <= 0x9F)
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(character));
        else
            shown.append(utf8.substr(start, pos - start));
        shown += escape;
    }
    return shown;
}

} // namespace kinmatch
