#pragma once

#include <string>
#include <string_view>

namespace kinmatch_cli {

// A JSON string literal, quotes included, with quotes, backslashes and control characters
// escaped. UTF-8 passes through.
std::string JsonString(std::string_view text);

// Builds one JSON object member by member, in the order they are added.
class JsonObject {
public:
    JsonObject& add(std::string_view key, std::string_view text);
    JsonObject& add(std::string_view key, int number);
    JsonObject& add(std::string_view key, const JsonObject& object);
    std::string str() const { return "{" + members_ + "}"; }

private:
    JsonObject& addRaw(std::string_view key, const std::string& json);
    std::string members_;
};

} // namespace kinmatch_cli
