// The Windows-1252 codec both ways: every byte string decodes and encodes back to itself, and
// UTF-8 text that encodes decodes back to itself.

#include "FuzzCheck.h"
#include "Windows1252.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = modHelp::DecodeWindows1252(bytes);
    const auto back = modHelp::EncodeWindows1252(text);
    FUZZ_CHECK(back && *back == bytes);
    FUZZ_CHECK(!modHelp::FirstCharacterWithoutCode(text));

    if (const auto encoded = modHelp::EncodeWindows1252(bytes)) {
        FUZZ_CHECK(encoded->size() <= bytes.size());
        FUZZ_CHECK(modHelp::DecodeWindows1252(*encoded) == bytes);
        FUZZ_CHECK(!modHelp::FirstCharacterWithoutCode(bytes));
    } else {
        FUZZ_CHECK(modHelp::FirstCharacterWithoutCode(bytes).has_value());
    }
    return 0;
}
