#pragma once

// The day-sign engine: a date of birth -> a place in the 260-day count -> a person's reading.
// Pure C++; text is UTF-8.

#include "Marked.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace modMayanNumerology {

// A day sign (1..20, the program's own order starting at Monkey) and a day number (1..13, the
// galactic tone) are 16-bit integers; a place in the count (KinIndex) is 1..260.

inline constexpr int FirstYear = 1900;
inline constexpr int LastYear = 2016;
inline constexpr int SignCount = 20;
inline constexpr int NumberCount = 13;
inline constexpr int CountLength = 260;

// The months' keys, January first: how the reading file and the engine name a month in every
// language (the windows show each in the reader's language).
inline constexpr std::array<std::string_view, 12> MonthNames = {
    kinmatch::Marked("Months", "January"),   kinmatch::Marked("Months", "February"),
    kinmatch::Marked("Months", "March"),     kinmatch::Marked("Months", "April"),
    kinmatch::Marked("Months", "May"),       kinmatch::Marked("Months", "June"),
    kinmatch::Marked("Months", "July"),      kinmatch::Marked("Months", "August"),
    kinmatch::Marked("Months", "September"), kinmatch::Marked("Months", "October"),
    kinmatch::Marked("Months", "November"),  kinmatch::Marked("Months", "December")};

// The month's number, 1 for January, of its key; 0 for any other text.
constexpr int MonthNumber(std::string_view key)
{
    for (std::size_t i = 0; i < MonthNames.size(); ++i)
        if (MonthNames[i] == key)
            return static_cast<int>(i) + 1;
    return 0;
}

// A year the count has no code for. The engine refuses it rather than guess a place.
class YearOutOfRange : public std::out_of_range {
public:
    explicit YearOutOfRange(int year);
    int year() const { return year_; }

private:
    int year_;
};

constexpr bool IsGregorianLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Each year's starting value in the count: 147 for 1900, then +105 a year (+106 for a leap
// year), folded once into 1..260.
inline constexpr std::array<std::int16_t, LastYear - FirstYear + 1> YearCode = [] {
    std::array<std::int16_t, LastYear - FirstYear + 1> codes{};
    int code = 147;
    codes[0] = static_cast<std::int16_t>(code);
    for (int year = FirstYear + 1; year <= LastYear; ++year) {
        code += IsGregorianLeapYear(year) ? 106 : 105;
        if (code > CountLength)
            code -= CountLength;
        codes[static_cast<std::size_t>(year - FirstYear)] = static_cast<std::int16_t>(code);
    }
    return codes;
}();

// Rows January..December, columns day 1..31. A day counts from 1 March (0) in a year that runs
// from March to February, folded once past 260; days a month lacks are 0. 29 February is 105
// whatever the year: the engine never asks whether a year is a leap year.
inline constexpr std::array<std::array<std::int16_t, 31>, 12> MonthDayValue = [] {
    constexpr std::array<int, 12> lengthsFromMarch = {31, 30, 31, 30, 31, 31,
                                                      30, 31, 30, 31, 31, 29};
    std::array<std::array<std::int16_t, 31>, 12> values{};
    int daysFromFirstOfMarch = 0;
    for (int i = 0; i < 12; ++i) {
        const int month = (i + 2) % 12; // 0 = January
        for (int day = 1; day <= lengthsFromMarch[static_cast<std::size_t>(i)]; ++day) {
            const int n = daysFromFirstOfMarch++;
            values[static_cast<std::size_t>(month)][static_cast<std::size_t>(day - 1)] =
                static_cast<std::int16_t>(n <= CountLength ? n : n - CountLength);
        }
    }
    return values;
}();

struct SignRow {
    std::string_view SignName;
    std::string_view EnglishName;
    std::string_view Keywords;
    std::string_view Gemstone;
    std::string_view Significance;
    std::string_view SignDescription;
    std::string_view FamousPersonalities;
};

// Rows in DaySign order (1 = Monkey ... 20 = Dog).
extern const std::array<SignRow, SignCount> SignTable;
// Rows in DayNumber order (1..13).
extern const std::array<std::string_view, NumberCount> NumberTable;

struct KinRow {
    std::string_view SignName;
    std::int16_t DayNumber;
};

// The count, built from its two cycles: signs repeat every 20 rows, numbers every 13; row 1
// carries Monkey and the number 8.
KinRow KinTable(int kinIndex);

// Where a date falls in the count.
struct KinPlace {
    int KinIndex = 0;
    std::string_view SignName;
    std::int16_t DaySign = 0;
    std::int16_t DayNumber = 0;
};

// How a date's place in the count is worked out: the year's code plus the month-and-day value,
// folded once when the sum passes 260.
struct KinWorking {
    int YearCode = 0;
    int MonthDayValue = 0;
    int Sum = 0;
    int KinIndex = 0;
};
// Throws YearOutOfRange for a year outside 1900..2016.
KinWorking WorkingOf(std::string_view month, int day, int year);

// The month is matched exactly against MonthNames; a month name that matches none, or a day
// outside 1..31, adds nothing and the place rests on the year alone. Throws YearOutOfRange for
// a year outside 1900..2016.
KinPlace LocateInCount(std::string_view month, int day, int year);

// Every text of a reading is constant reference data, so a reading refers to the tables rather
// than copying a few kilobytes of prose each time.
struct PersonReading {
    std::int16_t DayNumber = 0;
    std::string_view NumberDescription;
    std::string_view SignName;
    std::string_view EnglishName;
    std::string_view SignDescription;
    std::string_view Keywords;
    std::string_view Gemstone;
    std::string_view Significance;
    std::string_view FamousPersonalities;
    friend bool operator==(const PersonReading&, const PersonReading&) = default;
};

struct PersonSign {
    std::int16_t DaySign = 0;
    std::int16_t DayNumber = 0;
    std::string EnglishName;
    friend bool operator==(const PersonSign&, const PersonSign&) = default;
};

// One person's inputs as the generate command stores them.
struct BirthDetails {
    std::string Name;
    std::int16_t BirthYear = 0;
    std::string BirthMonth;
    std::int16_t BirthDay = 0;
    friend bool operator==(const BirthDetails&, const BirthDetails&) = default;
};

// The full reading of a date, with its place in the count and its sign.
struct DatedReading {
    int KinIndex = 0;
    PersonReading Reading;
    PersonSign Sign;
};
DatedReading ReadingOf(std::string_view month, int day, int year);

// What the engine remembers between calls: the last person's full reading and each person's sign.
struct ReadingRecords {
    PersonReading LastReading;
    PersonSign UserSign;
    PersonSign PartnerSign;
};

// Computes the reading of a date, stores it in LastReading and in UserSign (isUser) or
// PartnerSign, and returns it. A refused year leaves the records untouched.
PersonReading ComputeReading(ReadingRecords& records, std::string_view month, int day, int year,
                             bool isUser);

// Which day a month can have, by the Gregorian calendar.
enum class DateProblem {
    None,
    NoSuchDayInFebruary, // 29 February of a common year, or 30/31 February
    NoThirtyFirst,       // 31 April, June, September or November
};
// monthIndex is 0 for January .. 11 for December; day is 1..31.
DateProblem CheckDayOfMonth(int year, int monthIndex, int day);

} // namespace modMayanNumerology
