// The scrambler both ways: bytes and text round-trip exactly, the length never changes, and a
// scrambled text gains no carriage return or line feed.

#include "FuzzCheck.h"
#include "Scrambler.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string scrambled = modHelp::ScrambleBytes(bytes);
    FUZZ_CHECK(scrambled.size() == bytes.size());
    FUZZ_CHECK(modHelp::UnscrambleBytes(scrambled) == bytes);
    FUZZ_CHECK(modHelp::ScrambleBytes(modHelp::UnscrambleBytes(bytes)) == bytes);
    const auto countLineEnds = [](std::string_view text) {
        std::size_t count = 0;
        for (const char c : text)
            count += c == '\r' || c == '\n';
        return count;
    };
    FUZZ_CHECK(countLineEnds(scrambled) == countLineEnds(bytes));

    if (const auto text = modHelp::ScrambleText(bytes)) {
        const auto back = modHelp::UnscrambleText(*text);
        FUZZ_CHECK(back && *back == bytes);
        FUZZ_CHECK(countLineEnds(*text) == countLineEnds(bytes));
    }
    return 0;
}
