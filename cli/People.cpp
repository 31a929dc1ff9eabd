#include "People.h"

#include "Csv.h"
#include "Failure.h"
#include "Names.h"
#include "Report.h"
#include "Utf8.h"

#include <algorithm>

namespace kinmatch_cli {
namespace mmn = modMayanNumerology;

namespace {

bool EqualsIgnoringCase(std::string_view text, std::string_view lowercase)
{
    return std::equal(text.begin(), text.end(), lowercase.begin(), lowercase.end(),
                      [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b; });
}

BirthDate DateAt(std::string_view text, const std::string& where)
{
    auto parsed = ParseBirthDate(text);
    if (const auto* problem = std::get_if<std::string>(&parsed))
        throw BadInputAt(where, Quoted(text) + ": " + *problem);
    return std::get<BirthDate>(parsed);
}

// A name as every command takes it: trimmed of blanks and then not empty.
std::string NameAt(std::string_view given, const std::string& where)
{
    const std::string_view name = kinmatch::TrimBlanks(given);
    if (name.empty())
        throw BadInputAt(where, "the name is blank");
    if (!kinmatch::IsUtf8(name))
        throw BadInputAt(where, "the name is not UTF-8 text");
    if (kinmatch::IsNameTooLong(name))
        throw BadInputAt(where, "the name is longer than " +
                                    std::to_string(kinmatch::MaxNameLength) + " characters");
    return std::string(name);
}

// Text is never meant to hold a NUL byte; one means the input is not the text it should be.
void RefuseNul(std::string_view text, const std::string& where)
{
    if (text.find('\0') != std::string_view::npos)
        throw BadInputAt(where, "it holds a NUL byte, which text never holds");
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
    return kinmatch::DateOfBirthText(MonthName(date), date.day, date.year);
}

DatedPerson PersonOf(const BirthDate& date, std::string name)
{
    return {std::move(name), date, mmn::ReadingOf(MonthName(date), date.day, date.year)};
}

BirthDate DateOfArgument(const std::string& command, const std::string& text)
{
    return DateAt(text, command);
}

std::vector<BirthDate> DatesOfLines(std::string_view text, const std::string& source)
{
    std::vector<BirthDate> dates;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::string where = source + ", line " + std::to_string(++number);
        RefuseNul(line, where);
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos)
            throw BadInputAt(where, "the line is blank; give one date a line");
        dates.push_back(
            DateAt(line.substr(first, line.find_last_not_of(" \t\r") - first + 1), where));
    }
    if (dates.empty())
        throw BadInputAt(source, "holds no date");
    return dates;
}

std::vector<DatedPerson> PeopleOfCsv(std::string_view text, const std::string& source)
{
    auto parsed = kinmatch::ParseCsv(text);
    if (const auto* error = std::get_if<kinmatch::CsvError>(&parsed))
        throw BadInputAt(source + ", row " + std::to_string(error->row), error->problem);
    const auto& rows = std::get<std::vector<kinmatch::CsvRow>>(parsed);
    std::vector<DatedPerson> people;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const kinmatch::CsvRow& row = rows[i];
        const std::string where = source + ", row " + std::to_string(row.number);
        if (row.fields.size() != 2)
            throw BadInputAt(where, "a row needs two fields, a name and a date, not " +
                                        std::to_string(row.fields.size()));
        if (i == 0 && EqualsIgnoringCase(row.fields[0], "name") &&
            EqualsIgnoringCase(row.fields[1], "date"))
            continue;
        RefuseNul(row.fields[0], where);
        RefuseNul(row.fields[1], where);
        if (people.size() == LargestGroup)
            throw BadInputAt(source,
                             "holds more than " + std::to_string(LargestGroup) + " persons");
        std::string name = NameAt(row.fields[0], where);
        people.push_back(PersonOf(DateAt(row.fields[1], where), std::move(name)));
    }
    if (people.size() < SmallestGroup)
        throw BadInputAt(source, "holds " + std::to_string(people.size()) +
                                     (people.size() == 1 ? " person" : " persons") +
                                     "; a group needs " + std::to_string(SmallestGroup) + " to " +
                                     std::to_string(LargestGroup));
    return people;
}

DatedPerson PersonOfNameAndDate(const std::string& command,
                                const std::vector<std::string>& nameAndDate)
{
    std::string name = NameAt(nameAndDate[0], command);
    return PersonOf(DateAt(nameAndDate[1], command), std::move(name));
}

} // namespace kinmatch_cli
