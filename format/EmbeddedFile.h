#pragma once

#include <cstddef>
#include <string_view>

namespace kinmatch {

// A file carried in the program as data.
struct EmbeddedFile {
    std::string_view name;
    std::string_view bytes;
};

} // namespace kinmatch
