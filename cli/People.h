#pragma once

// The persons the command line works on: dates and names read and checked, with their readings.

#include "IsoDate.h"
#include "modMayanCompatibility.h"

#include <string>
#include <string_view>
#include <vector>

namespace kinmatch_cli {

struct DatedPerson {
    std::string name; // empty where only a date was given
    BirthDate date;
    modMayanNumerology::DatedReading reading;

    modMayanNumerology::BirthDetails details() const;
    const modMayanNumerology::PersonSign& sign() const { return reading.Sign; }
};

// The month's key, "July".
std::string_view MonthName(const BirthDate& date);
// The date in the reader's words: "July 4, 1955".
std::string DateText(const BirthDate& date);

// Text as the commands read it: without a UTF-8 byte-order mark, and from Windows-1252 where it
// is not UTF-8 (as spreadsheets on Windows save CSV).
std::string AsUtf8Text(std::string_view bytes);

DatedPerson PersonOf(const BirthDate& date, std::string name = {});

// Each of these throws a Failure naming the problem and where it lies.
// A date given as an argument of the command.
BirthDate DateOfArgument(const std::string& command, const std::string& text);
// The dates of text, one a line, as standard input gives them. A blank line is refused, so
// that every answer stands for the line of the same number.
std::vector<BirthDate> DatesOfLines(std::string_view text, const std::string& source);
// A CSV of names and dates, one person a row, with an optional header row "name,date".
std::vector<DatedPerson> PeopleOfCsv(std::string_view text, const std::string& source);
// --name NAME DATE: the name trimmed of blanks, as the main window keeps it.
DatedPerson PersonOfNameAndDate(const std::string& command,
                                const std::vector<std::string>& nameAndDate);

inline constexpr std::size_t SmallestGroup = 2;
inline constexpr std::size_t LargestGroup = 1000;

} // namespace kinmatch_cli
