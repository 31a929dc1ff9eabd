#include "Json.h"

#include <cstdio>

namespace kinmatch_cli {

std::string JsonString(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
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
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                json += escaped;
            } else {
                json += c;
            }
        }
    }
    return json + "\"";
}

JsonObject& JsonObject::addRaw(std::string_view key, const std::string& json)
{
    if (!members_.empty())
        members_ += ", ";
    members_ += JsonString(key) + ": " + json;
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

} // namespace kinmatch_cli
