#pragma once

// The documents kinmatch-cli writes: the report of one person, the couple's report and the
// group's matrix, as text, as one self-contained HTML file, or as PDF.

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

// Writes the file atomically; throws WriteError when it cannot.
void WriteHtmlFile(const std::string& path, const std::string& html);
void WriteReportPdfFile(const std::string& path, const std::vector<kinmatch::ReportRun>& runs);
// The HTML laid out as a document of pages, as PDF.
void WriteHtmlAsPdfFile(const std::string& path, const std::string& html, bool landscape = false);

} // namespace kinmatch_cli
