#include "ReadingFile.h"

#include "Scrambler.h"
#include "Windows1252.h"

#include "Language.h"
#include "Localized.h"
#include "Names.h"

#include <algorithm>
#include <charconv>

namespace kinmatch {

std::optional<char32_t> FirstUnstorableCharacter(std::string_view name)
{
    if (const auto missing = modHelp::FirstCharacterWithoutCode(name))
        return missing;
    for (const char byte : name)
        if (static_cast<unsigned char>(byte) < 32)
            return static_cast<char32_t>(byte);
    return std::nullopt;
}

std::optional<std::string> EncodeReadingFile(const modMayanNumerology::BirthDetails& details)
{
    std::string bytes;
    // Every field in Windows-1252, one byte per character, each on a line of its own.
    for (const std::string& field : {details.Name, std::to_string(details.BirthYear),
                                     details.BirthMonth, std::to_string(details.BirthDay)}) {
        const auto encoded = modHelp::EncodeWindows1252(field);
        if (!encoded || FirstUnstorableCharacter(field))
            return std::nullopt;
        bytes += modHelp::ScrambleBytes(*encoded) + "\r\n";
    }
    return bytes;
}

std::array<std::string, 4> DecodeReadingFile(std::string_view bytes)
{
    std::array<std::string, 4> lines;
    std::size_t pos = 0;
    for (std::string& line : lines) {
        if (pos >= bytes.size())
            break;
        const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        line = modHelp::DecodeWindows1252(modHelp::UnscrambleBytes(bytes.substr(pos, end - pos)));
        pos = end + 1;
        if (end < bytes.size() && bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
    return lines;
}

namespace {

// A number exactly as the program writes it (no sign, blank or leading zero), or -1.
int WrittenNumber(std::string_view text)
{
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool exact = error == std::errc() && end == text.data() + text.size() && value >= 0 &&
                       text == std::to_string(value);
    return exact ? value : -1;
}

} // namespace

std::variant<modMayanNumerology::BirthDetails, std::string>
ReadingFileDetails(std::string_view bytes)
{
    namespace mmn = modMayanNumerology;
    const auto lines = DecodeReadingFile(bytes);
    const std::string_view name = TrimBlanks(lines[0]);
    if (name.empty())
        return std::string(Tr("ReadingFile", "not a reading file (it holds no name)"));
    if (IsNameTooLong(name))
        return Arg(Tr("ReadingFile", "the name is longer than %1 characters"),
                   {std::to_string(MaxNameLength)});
    const int year = WrittenNumber(lines[1]);
    const int day = WrittenNumber(lines[3]);
    const int month = mmn::MonthNumber(lines[2]);
    if (year < mmn::FirstYear || year > mmn::LastYear)
        return std::string(Tr("ReadingFile", "not a reading file (no year 1900..2016 in line 2)"));
    if (month == 0)
        return std::string(Tr("ReadingFile", "not a reading file (no month name in line 3)"));
    if (day < 1 || day > 31)
        return std::string(Tr("ReadingFile", "not a reading file (no day 1..31 in line 4)"));
    if (mmn::CheckDayOfMonth(year, month - 1, day) != mmn::DateProblem::None)
        return NoSuchDay(year, month, day);
    return mmn::BirthDetails{std::string(name), static_cast<std::int16_t>(year), lines[2],
                             static_cast<std::int16_t>(day)};
}

} // namespace kinmatch
