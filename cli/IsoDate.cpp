#include "IsoDate.h"

#include "modMayanNumerology.h"

#include <cctype>

namespace kinmatch_cli {
namespace mmn = modMayanNumerology;

namespace {

bool ReadDigits(std::string_view text, std::size_t from, std::size_t count, int& value)
{
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

} // namespace

std::variant<BirthDate, std::string> ParseBirthDate(std::string_view text)
{
    const auto quoted = [&] { return "'" + std::string(text) + "'"; };
    BirthDate date;
    const bool wellFormed = text.size() == 10 && text[4] == '-' && text[7] == '-' &&
                            ReadDigits(text, 0, 4, date.year) &&
                            ReadDigits(text, 5, 2, date.month) && ReadDigits(text, 8, 2, date.day);
    if (!wellFormed)
        return quoted() + " is not a date of the form YYYY-MM-DD";
    if (date.year < mmn::FirstYear || date.year > mmn::LastYear)
        return quoted() + ": the year must lie in " + std::to_string(mmn::FirstYear) + ".." +
               std::to_string(mmn::LastYear);
    if (date.month < 1 || date.month > 12)
        return quoted() + ": there is no month " + std::to_string(date.month);
    if (date.day < 1 || date.day > 31 ||
        mmn::CheckDayOfMonth(date.year, date.month - 1, date.day) != mmn::DateProblem::None)
        return quoted() + ": " +
               std::string(mmn::MonthNames[static_cast<std::size_t>(date.month - 1)]) + " " +
               std::to_string(date.year) + " has no day " + std::to_string(date.day);
    return date;
}

} // namespace kinmatch_cli
