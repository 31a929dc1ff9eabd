// The reading file's reader: any bytes give four lines without line ends, and four fields that
// can be kept write and read back exactly.

#include "FuzzCheck.h"
#include "ReadingFile.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = kinmatch::DecodeReadingFile(bytes);
    for (const std::string& line : lines)
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    const modMayanNumerology::BirthDetails details{lines[0], 1955, lines[2], 4};
    if (const auto encoded = kinmatch::EncodeReadingFile(details)) {
        const auto again = kinmatch::DecodeReadingFile(*encoded);
        FUZZ_CHECK(again[0] == details.Name);
        FUZZ_CHECK(again[1] == "1955");
        FUZZ_CHECK(again[2] == details.BirthMonth);
        FUZZ_CHECK(again[3] == "4");
    } else {
        FUZZ_CHECK(kinmatch::FirstUnstorableCharacter(details.Name) ||
                   kinmatch::FirstUnstorableCharacter(details.BirthMonth));
    }
    return 0;
}
