#pragma once

// What both systems' halves share of reading.

#include "Files.h"

#include <algorithm>

namespace kinmatch {

// Reads at most limit bytes through read(into, room), which answers how many it read, 0 at the
// end. One byte past the limit tells a file of exactly the limit from a larger one; growing as
// the bytes arrive keeps a small input small.
template <typename Read> FileContents ReadLimited(std::size_t limit, Read read)
{
    FileContents contents;
    std::size_t filled = 0;
    const std::size_t wanted = limit + 1;
    while (filled < wanted) {
        if (contents.bytes.size() == filled)
            contents.bytes.resize(std::min(wanted, std::max<std::size_t>(filled * 2, 64 * 1024)));
        const std::size_t got =
            read(contents.bytes.data() + filled, contents.bytes.size() - filled);
        if (got == 0)
            break;
        filled += got;
    }
    contents.whole = filled <= limit;
    contents.bytes.resize(std::min(filled, limit));
    return contents;
}

// The folder part of a path, with its separator, and its last name.
std::pair<std::string, std::string> SplitPath(const std::string& path, std::string_view separators);

} // namespace kinmatch
