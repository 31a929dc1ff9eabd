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

std::string ReportHtml(const std::vector<kinmatch::ReportRun>& runs);

std::string CoupleTitle(const Couple& couple);
std::string CoupleText(const Couple& couple);
std::string CoupleHtml(const Couple& couple);
// Throws a Failure at where (the PDF's name) when no PDF can be made.
std::string CouplePdf(const Couple& couple, const std::string& where);

std::string GroupTitle(const std::vector<DatedPerson>& people);
std::string GroupHtml(const std::vector<DatedPerson>& people);
// Throws a Failure at where (the PDF's name) when no PDF can be made.
std::string GroupPdf(const std::vector<DatedPerson>& people, const std::string& where);

// How many persons' columns one landscape page of the matrix holds.
inline constexpr std::size_t MatrixColumnsPerPage = 18;
// The largest group whose page shows the matrix of its pairs; a larger one lists its pairs by
// composite, which a browser shows at once even for a thousand persons.
inline constexpr std::size_t LargestMatrixOnScreen = 150;

} // namespace kinmatch_cli
