#pragma once

// JSON output: string literals and objects built member by member.

#include <string>
#include <string_view>

namespace kinmatch {

// A JSON string literal, quotes included, with quotes, backslashes and control characters
// escaped. UTF-8 passes through; a byte that is not UTF-8 becomes U+FFFD, so the output is always
// valid JSON.
std::string JsonString(std::string_view text);

// Builds one JSON object member by member, in the order they are added.
class JsonObject {
public:
    JsonObject& add(std::string_view key, std::string_view text);
    JsonObject& add(std::string_view key, int number);
    JsonObject& add(std::string_view key, const JsonObject& object);
    // A member whose value is already JSON (an array, say).
    JsonObject& addRaw(std::string_view key, std::string_view json);
    std::string str() const { return "{" + members_ + "}"; }

private:
    std::string members_;
};

} // namespace kinmatch
