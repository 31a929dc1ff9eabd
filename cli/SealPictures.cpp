#include "SealPictures.h"

#include "EmbeddedFile.h"
#include "modMayanCompatibility.h"

#include <string>

namespace kinmatch_cli {

// cmake/EmbedFiles.cmake writes them from assets/seals.
extern const kinmatch::EmbeddedFile SealPictureFiles[];
extern const std::size_t SealPictureFiles_count;

std::string_view SealJpeg(int seal, bool doubleDensity)
{
    std::string name(
        modMayanCompatibility::SealTable[static_cast<std::size_t>(seal - 1)].PictureKey);
    if (doubleDensity)
        name.replace(name.size() - 4, 4, "@2x.jpg");
    for (std::size_t i = 0; i < SealPictureFiles_count; ++i)
        if (SealPictureFiles[i].name == name)
            return SealPictureFiles[i].bytes;
    return {};
}

} // namespace kinmatch_cli
