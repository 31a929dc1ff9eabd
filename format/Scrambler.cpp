#include "Scrambler.h"

#include "Windows1252.h"

#include <algorithm>

namespace modHelp {
namespace {

template <unsigned char (*Shift)(unsigned char)> std::string ShiftBytes(std::string_view bytes)
{
    std::string result(bytes.size(), '\0');
    std::transform(bytes.begin(), bytes.end(), result.begin(), [](char byte) {
        return static_cast<char>(Shift(static_cast<unsigned char>(byte)));
    });
    return result;
}

template <unsigned char (*Shift)(unsigned char)>
std::optional<std::string> ShiftText(std::string_view text)
{
    const auto bytes = EncodeWindows1252(text);
    if (!bytes)
        return std::nullopt;
    return DecodeWindows1252(ShiftBytes<Shift>(*bytes));
}

} // namespace

std::string ScrambleBytes(std::string_view bytes)
{
    return ShiftBytes<ScrambleCode>(bytes);
}
std::string UnscrambleBytes(std::string_view bytes)
{
    return ShiftBytes<UnscrambleCode>(bytes);
}
std::optional<std::string> ScrambleText(std::string_view text)
{
    return ShiftText<ScrambleCode>(text);
}
std::optional<std::string> UnscrambleText(std::string_view text)
{
    return ShiftText<UnscrambleCode>(text);
}

} // namespace modHelp
