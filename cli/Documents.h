#pragma once

// The documents kinmatch-cli writes: the report of one person, the couple's report and the
// group's matrix, as text and as one self-contained HTML file (from which the PDF is made).

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
std::string CoupleText(const Couple& couple);
std::string CoupleHtml(const Couple& couple);
std::string GroupHtml(const std::vector<DatedPerson>& people);

} // namespace kinmatch_cli
