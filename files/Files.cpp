#include "Files.h"

#include "ReadLimited.h"

namespace kinmatch {

std::pair<std::string, std::string> SplitPath(const std::string& path, std::string_view separators)
{
    const std::size_t slash = path.find_last_of(separators);
    if (slash == std::string::npos)
        return {"", path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

void WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    ReplacingFile file(path);
    file.write(bytes);
    file.commit();
}

} // namespace kinmatch
