#include "IsoDate.h"

#include "Language.h"
#include "Localized.h"
#include "modMayanNumerology.h"

namespace kinmatch_cli {
namespace mmn = modMayanNumerology;
using kinmatch::Arg;
using kinmatch::Tr;

namespace {

bool ReadDigits(std::string_view text, std::size_t from, std::size_t count, int& value)
{
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

} // namespace

std::variant<BirthDate, std::string> ParseBirthDate(std::string_view text)
{
    BirthDate date;
    const bool wellFormed = text.size() == 10 && text[4] == '-' && text[7] == '-' &&
                            ReadDigits(text, 0, 4, date.year) &&
                            ReadDigits(text, 5, 2, date.month) && ReadDigits(text, 8, 2, date.day);
    if (!wellFormed)
        return std::string(Tr("kinmatch-cli", "not a date of the form YYYY-MM-DD"));
    if (date.year < mmn::FirstYear || date.year > mmn::LastYear)
        return Arg(Tr("kinmatch-cli", "the year must lie in %1..%2"),
                   {std::to_string(mmn::FirstYear), std::to_string(mmn::LastYear)});
    if (date.month < 1 || date.month > 12)
        return Arg(Tr("kinmatch-cli", "there is no month %1"), {std::to_string(date.month)});
    if (date.day < 1 || date.day > 31 ||
        mmn::CheckDayOfMonth(date.year, date.month - 1, date.day) != mmn::DateProblem::None)
        return kinmatch::NoSuchDay(date.year, date.month, date.day);
    return date;
}

std::string IsoText(const BirthDate& date)
{
    std::string text = "0000-00-00";
    const auto digits = [&](std::size_t at, int count, int value) {
        for (int i = count - 1; i >= 0; --i, value /= 10)
            text[at + std::size_t(i)] = static_cast<char>('0' + value % 10);
    };
    digits(0, 4, date.year);
    digits(5, 2, date.month);
    digits(8, 2, date.day);
    return text;
}

} // namespace kinmatch_cli
