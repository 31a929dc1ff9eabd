#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace kinmatch_cli {

struct BirthDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;
};

// A strict YYYY-MM-DD date of birth that the program can read: a real calendar day in
// 1900..2016. Otherwise what is wrong with it, worded for a person.
std::variant<BirthDate, std::string> ParseBirthDate(std::string_view text);

// "1955-07-04"
std::string IsoText(const BirthDate& date);

} // namespace kinmatch_cli
