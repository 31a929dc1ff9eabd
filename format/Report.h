#pragma once

// The user's report as a list of text runs, each bold or not and in one colour. Pure C++.

#include "modMayanNumerology.h"

#include <string>
#include <string_view>
#include <vector>

namespace kinmatch {

struct Rgb {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb LabelColour{128, 0, 128}; // magenta
inline constexpr Rgb HeadingColour{0, 128, 0}; // green
inline constexpr Rgb ValueColour{0, 0, 0};     // black

struct ReportRun {
    std::string text; // "\n" ends a line
    bool bold = false;
    Rgb colour;
    friend bool operator==(const ReportRun&, const ReportRun&) = default;
};

// The date in the reader's language, "July 4, 1955"; month is its key ("July").
std::string DateOfBirthText(std::string_view month, int day, int year);
std::string DateOfBirthText(const modMayanNumerology::BirthDetails& details);

// The report of the user's details and reading, in the reader's language. Each field is a label
// and a value, most of them followed by a branding line naming homePage; the document ends in
// homePage with no line break.
std::vector<ReportRun> ComposeReport(const modMayanNumerology::BirthDetails& user,
                                     const modMayanNumerology::PersonReading& reading,
                                     std::string_view homePage);

// The runs' texts in order, without attributes.
std::string ReportText(const std::vector<ReportRun>& runs);

} // namespace kinmatch
