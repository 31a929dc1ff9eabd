// Times the reading of every valid date of birth from 1 January 1900 to 31 December 2016.
// Prints the median of several rounds.

#include "modMayanNumerology.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace mmn = modMayanNumerology;

int main()
{
    constexpr int rounds = 15;
    std::vector<double> milliseconds;
    long dates = 0;
    long checksum = 0; // keeps the work from being optimised away
    for (int round = 0; round < rounds; ++round) {
        dates = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int year = mmn::FirstYear; year <= mmn::LastYear; ++year)
            for (int month = 0; month < 12; ++month)
                for (int day = 1; day <= 31; ++day) {
                    if (mmn::CheckDayOfMonth(year, month, day) != mmn::DateProblem::None)
                        continue;
                    const auto dated =
                        mmn::ReadingOf(mmn::MonthNames[std::size_t(month)], day, year);
                    checksum += dated.Sign.DaySign + long(dated.Reading.SignDescription.size());
                    ++dates;
                }
        const auto elapsed = std::chrono::steady_clock::now() - start;
        milliseconds.push_back(std::chrono::duration<double, std::milli>(elapsed).count());
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf(
        "readings of %ld dates: median %.2f ms, best %.2f ms over %d rounds (checksum %ld)\n",
        dates, milliseconds[rounds / 2], milliseconds.front(), rounds, checksum);
}
