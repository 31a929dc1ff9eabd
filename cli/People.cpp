#include "People.h"

#include "Arguments.h"
#include "Csv.h"
#include "Utf8.h"

#include <algorithm>
#include <istream>

namespace kinmatch_cli {
namespace mmn = modMayanNumerology;

namespace {

std::string Trimmed(std::string_view text, std::string_view blanks)
{
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

mmn::BirthDetails DatedPerson::details() const
{
    return {name, static_cast<std::int16_t>(date.year), std::string(MonthName(date)),
            static_cast<std::int16_t>(date.day)};
}

std::string_view MonthName(const BirthDate& date)
{
    return mmn::MonthNames[static_cast<std::size_t>(date.month - 1)];
}

std::string DateText(const BirthDate& date)
{
    return std::string(MonthName(date)) + " " + std::to_string(date.day) + ", " +
           std::to_string(date.year);
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

BirthDate DateOf(const std::string& text, const std::string& where)
{
    auto parsed = ParseBirthDate(text);
    if (auto* reason = std::get_if<std::string>(&parsed))
        throw UsageError(where + *reason);
    return std::get<BirthDate>(parsed);
}

DatedPerson PersonOf(const BirthDate& date, std::string name)
{
    return {std::move(name), date, mmn::ReadingOf(MonthName(date), date.day, date.year)};
}

DatedPerson PersonOfDate(const std::string& text, const std::string& where)
{
    return PersonOf(DateOf(text, where));
}

std::vector<BirthDate> DatesOfLines(std::istream& in)
{
    std::vector<BirthDate> dates;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string date = Trimmed(line, " \t\r\n");
        if (!date.empty())
            dates.push_back(DateOf(date, "standard input, line " + std::to_string(number) + ": "));
    }
    if (dates.empty())
        throw UsageError("standard input holds no date");
    return dates;
}

std::vector<DatedPerson> PeopleOfCsv(const std::string& text, const std::string& source)
{
    auto parsed = kinmatch::ParseCsv(text);
    if (const auto* error = std::get_if<kinmatch::CsvError>(&parsed))
        throw UsageError(source + ", row " + std::to_string(error->row) + ": " + error->problem);
    auto& rows = std::get<std::vector<kinmatch::CsvRow>>(parsed);
    std::vector<DatedPerson> people;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const kinmatch::CsvRow& row = rows[i];
        const std::string where = source + ", row " + std::to_string(row.number) + ": ";
        if (row.fields.size() != 2)
            throw UsageError(where + "a row needs two fields, a name and a date, not " +
                             std::to_string(row.fields.size()));
        if (i == 0 && Lower(row.fields[0]) == "name" && Lower(row.fields[1]) == "date")
            continue;
        const std::string& name = row.fields[0];
        if (Trimmed(name, " \t").empty())
            throw UsageError(where + "the name is blank");
        if (!kinmatch::IsUtf8(name))
            throw UsageError(where + "the name is not UTF-8 text");
        if (people.size() == LargestGroup)
            throw UsageError(source + " holds more than " + std::to_string(LargestGroup) +
                             " persons");
        people.push_back(PersonOf(DateOf(row.fields[1], where), name));
    }
    if (people.size() < SmallestGroup)
        throw UsageError(source + " holds " + std::to_string(people.size()) +
                         (people.size() == 1 ? " person" : " persons") + "; a group needs " +
                         std::to_string(SmallestGroup) + " to " + std::to_string(LargestGroup));
    return people;
}

DatedPerson PersonOfNameAndDate(const std::vector<std::string>& nameAndDate)
{
    const std::string name = Trimmed(nameAndDate[0], " ");
    if (name.empty())
        throw UsageError("the name is blank");
    return PersonOf(DateOf(nameAndDate[1]), name);
}

} // namespace kinmatch_cli
