#pragma once

// The persons the command line works on: dates and names read and checked, with their readings.

#include "IsoDate.h"
#include "modMayanCompatibility.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace kinmatch_cli {

struct DatedPerson {
    std::string name; // empty where only a date was given
    BirthDate date;
    modMayanNumerology::DatedReading reading;
    modMayanNumerology::BirthDetails details() const;
};

std::string_view MonthName(const BirthDate& date);
// "1955-07-04", as it was given.
std::string IsoText(const BirthDate& date);
// "July 4, 1955"
std::string DateText(const BirthDate& date);

// Each throws UsageError naming the problem and where it lies.
BirthDate DateOf(const std::string& text, const std::string& where = {});
DatedPerson PersonOf(const BirthDate& date, std::string name = {});
DatedPerson PersonOfDate(const std::string& text, const std::string& where = {});
// The dates on standard input, one a line; blank lines are skipped.
std::vector<BirthDate> DatesOfLines(std::istream& in);
// A CSV of names and dates, one person a row, with an optional header row "name,date".
std::vector<DatedPerson> PeopleOfCsv(const std::string& text, const std::string& source);
// --name NAME DATE: the name trimmed of blanks, as the main window keeps it.
DatedPerson PersonOfNameAndDate(const std::vector<std::string>& nameAndDate);

inline constexpr std::size_t SmallestGroup = 2;
inline constexpr std::size_t LargestGroup = 1000;

} // namespace kinmatch_cli
