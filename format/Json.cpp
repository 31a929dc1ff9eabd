#include "Json.h"

#include "Utf8.h"

#include <cstdio>

namespace kinmatch {

std::string JsonString(std::string_view text)
{
    std::string json = "\"";
    json.reserve(text.size() + 2);
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t c = NextCharacter(text, pos);
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                json += escaped;
            } else if (c == NotUtf8) {
                json += "\\ufffd";
            } else {
                json.append(text.substr(start, pos - start));
            }
        }
    }
    return json + "\"";
}

JsonObject& JsonObject::addRaw(std::string_view key, std::string_view json)
{
    if (!members_.empty())
        members_ += ", ";
    members_ += JsonString(key);
    members_ += ": ";
    members_ += json;
    return *this;
}

JsonObject& JsonObject::add(std::string_view key, std::string_view text)
{
    return addRaw(key, JsonString(text));
}

JsonObject& JsonObject::add(std::string_view key, int number)
{
    return addRaw(key, std::to_string(number));
}

JsonObject& JsonObject::add(std::string_view key, const JsonObject& object)
{
    return addRaw(key, object.str());
}

} // namespace kinmatch
