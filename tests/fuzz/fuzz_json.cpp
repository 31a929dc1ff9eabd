// The JSON writer: every string literal it writes is valid JSON that parses back to its input
// (where the input is UTF-8).

#include "FuzzCheck.h"
#include "Json.h"
#include "Utf8.h"

#include <cctype>
#include <optional>
#include <string>

namespace {

// A strict reader of one JSON string literal; nothing when it is not one.
std::optional<std::string> ParseJsonString(std::string_view json)
{
    if (json.size() < 2 || json.front() != '"' || json.back() != '"')
        return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i + 1 < json.size(); ++i) {
        const char c = json[i];
        if (static_cast<unsigned char>(c) < 0x20 || c == '"')
            return std::nullopt;
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++i >= json.size() - 1)
            return std::nullopt;
        switch (json[i]) {
        case '"':
            text += '"';
            break;
        case '\\':
            text += '\\';
            break;
        case '/':
            text += '/';
            break;
        case 'b':
            text += '\b';
            break;
        case 'f':
            text += '\f';
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case 't':
            text += '\t';
            break;
        case 'u': {
            if (i + 4 >= json.size() - 1)
                return std::nullopt;
            unsigned code = 0;
            for (const char digit : json.substr(i + 1, 4)) {
                if (!std::isxdigit(static_cast<unsigned char>(digit)))
                    return std::nullopt;
                code = code * 16 + unsigned(std::isdigit(static_cast<unsigned char>(digit))
                                                ? digit - '0'
                                                : std::tolower(digit) - 'a' + 10);
            }
            if (code >= 0xD800 && code <= 0xDFFF)
                return std::nullopt;
            kinmatch::AppendUtf8(text, code);
            i += 4;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string json = kinmatch::JsonString(text);
    FUZZ_CHECK(kinmatch::IsUtf8(json));
    const auto parsed = ParseJsonString(json);
    FUZZ_CHECK(parsed.has_value());
    if (kinmatch::IsUtf8(text))
        FUZZ_CHECK(*parsed == text);
    return 0;
}
