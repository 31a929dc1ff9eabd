#include "SealPictures.h"

#include "EmbeddedFile.h"
#include "Language.h"
#include "Localized.h"

#include <string>

namespace kinmatch_cli {

// cmake/EmbedFiles.cmake writes them from assets/seals.
extern const kinmatch::EmbeddedFile SealPictureFiles[];
extern const std::size_t SealPictureFiles_count;

namespace {

std::string_view Embedded(const std::string& name)
{
    for (std::size_t i = 0; i < SealPictureFiles_count; ++i)
        if (SealPictureFiles[i].name == name)
            return SealPictureFiles[i].bytes;
    return {};
}

} // namespace

std::string_view SealJpeg(int seal, bool doubleDensity)
{
    const std::string_view painted =
        Embedded(kinmatch::SealPictureName(seal, doubleDensity, kinmatch::CurrentLanguage()));
    if (!painted.empty())
        return painted;
    return Embedded(kinmatch::SealPictureName(seal, doubleDensity, kinmatch::English));
}

} // namespace kinmatch_cli
