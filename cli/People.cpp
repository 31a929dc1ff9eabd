#include "People.h"

#include "Csv.h"
#include "Failure.h"
#include "Language.h"
#include "Localized.h"
#include "Names.h"
#include "Utf8.h"
#include "Windows1252.h"

#include <algorithm>

namespace kinmatch_cli {
namespace mmn = modMayanNumerology;
using kinmatch::Arg;
using kinmatch::Tr;

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
        throw BadInputAt(where, Tr("kinmatch-cli", "the name is blank"));
    if (!kinmatch::IsUtf8(name))
        throw BadInputAt(where, Tr("kinmatch-cli", "the name is not UTF-8 text"));
    if (kinmatch::IsNameTooLong(name))
        throw BadInputAt(where, Arg(Tr("kinmatch-cli", "the name is longer than %1 characters"),
                                    {std::to_string(kinmatch::MaxNameLength)}));
    return std::string(name);
}

// Text is never meant to hold a NUL byte; one means the input is not the text it should be.
void RefuseNul(std::string_view text, const std::string& where)
{
    if (text.find('\0') != std::string_view::npos)
        throw BadInputAt(where, Tr("kinmatch-cli", "it holds a NUL byte, which text never holds"));
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
    return kinmatch::DateText(date.year, date.month, date.day);
}

std::string AsUtf8Text(std::string_view bytes)
{
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(ByteOrderMark))
        bytes.remove_prefix(ByteOrderMark.size());
    return kinmatch::IsUtf8(bytes) ? std::string(bytes) : modHelp::DecodeWindows1252(bytes);
}

DatedPerson PersonOf(const BirthDate& date, std::string name)
{
    return {std::move(name), date, mmn::ReadingOf(MonthName(date), date.day, date.year)};
}

BirthDate DateOfArgument(const std::string& command, const std::string& text)
{
    return DateAt(text, command);
}

std::vector<BirthDate> DatesOfLines(std::string_view bytes, const std::string& source)
{
    const std::string utf8 = AsUtf8Text(bytes);
    std::string_view text = utf8;
    std::vector<BirthDate> dates;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::string where =
            Arg(Tr("kinmatch-cli", "%1, line %2"), {source, std::to_string(++number)});
        RefuseNul(line, where);
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos)
            throw BadInputAt(where, Tr("kinmatch-cli", "the line is blank; give one date a line"));
        dates.push_back(
            DateAt(line.substr(first, line.find_last_not_of(" \t\r") - first + 1), where));
    }
    if (dates.empty())
        throw BadInputAt(source, Tr("kinmatch-cli", "holds no date"));
    return dates;
}

std::vector<DatedPerson> PeopleOfCsv(std::string_view bytes, const std::string& source)
{
    const std::string text = AsUtf8Text(bytes);
    const auto rowOf = [&](std::size_t row) {
        return Arg(Tr("kinmatch-cli", "%1, row %2"), {source, std::to_string(row)});
    };
    auto parsed = kinmatch::ParseCsv(text);
    if (const auto* error = std::get_if<kinmatch::CsvError>(&parsed))
        throw BadInputAt(rowOf(error->row), error->problem);
    const auto& rows = std::get<std::vector<kinmatch::CsvRow>>(parsed);
    std::vector<DatedPerson> people;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const kinmatch::CsvRow& row = rows[i];
        const std::string where = rowOf(row.number);
        if (row.fields.size() != 2)
            throw BadInputAt(
                where, Arg(Tr("kinmatch-cli", "a row needs two fields, a name and a date, not %1"),
                           {std::to_string(row.fields.size())}));
        if (i == 0 && EqualsIgnoringCase(row.fields[0], "name") &&
            EqualsIgnoringCase(row.fields[1], "date"))
            continue;
        RefuseNul(row.fields[0], where);
        RefuseNul(row.fields[1], where);
        if (people.size() == LargestGroup)
            throw BadInputAt(source, Arg(Tr("kinmatch-cli", "holds more than %1 persons"),
                                         {std::to_string(LargestGroup)}));
        std::string name = NameAt(row.fields[0], where);
        people.push_back(PersonOf(DateAt(row.fields[1], where), std::move(name)));
    }
    if (people.size() < SmallestGroup)
        throw BadInputAt(source,
                         Arg(people.size() == 1
                                 ? Tr("kinmatch-cli", "holds 1 person; a group needs %2 to %3")
                                 : Tr("kinmatch-cli", "holds %1 persons; a group needs %2 to %3"),
                             {std::to_string(people.size()), std::to_string(SmallestGroup),
                              std::to_string(LargestGroup)}));
    return people;
}

DatedPerson PersonOfNameAndDate(const std::string& command,
                                const std::vector<std::string>& nameAndDate)
{
    std::string name = NameAt(nameAndDate[0], command);
    return PersonOf(DateAt(nameAndDate[1], command), std::move(name));
}

} // namespace kinmatch_cli
