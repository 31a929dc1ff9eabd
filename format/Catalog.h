#pragma once

// A compiled Qt Linguist catalog (.qm) read in plain C++, so that the core and kinmatch-cli
// speak from the very files the windows load into Qt.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kinmatch {

class Catalog {
public:
    // Nothing when the bytes are not a catalog.
    static std::optional<Catalog> Read(std::string_view qm);

    // The translation (UTF-8), or null where the catalog has none. A disambiguation that the
    // catalog did not need to keep (its source is unambiguous) matches the plain entry, as in Qt.
    const std::string* find(std::string_view context, std::string_view source,
                            std::string_view disambiguation = {}) const;

    // The catalog's language as lrelease wrote it ("es", "pt_BR").
    const std::string& language() const { return language_; }
    std::size_t size() const { return messages_.size(); }

private:
    std::unordered_map<std::string, std::string> messages_;
    std::string language_;
};

} // namespace kinmatch
