#pragma once

// The documents kinmatch-cli writes: the report of one person, the couple's report and the
// group's matrix, as text and as one self-contained HTML file. The PDF is laid out by Qt from
// HTML made for its layout, with the same content and the same page breaks.

#include "People.h"
#include "Report.h"

#include <string>
#include <vector>

namespace kinmatch_cli {

struct Couple {
    DatedPerson user;
    DatedPerson partner;
};

// Who lays the HTML out: a browser (on screen and printed), or Qt's text layout for the PDF,
// which knows less CSS and is given the page breaks and repeated headers its own way.
enum class Medium { Browser, Pdf };

std::string ReportHtml(const std::vector<kinmatch::ReportRun>& runs);

std::string CoupleTitle(const Couple& couple);
std::string CoupleText(const Couple& couple);
std::string CoupleHtml(const Couple& couple, Medium medium);

std::string GroupTitle(const std::vector<DatedPerson>& people);
std::string GroupHtml(const std::vector<DatedPerson>& people, Medium medium);

// How many persons' columns one landscape page of the matrix holds.
inline constexpr std::size_t MatrixColumnsPerPage = 18;

} // namespace kinmatch_cli
