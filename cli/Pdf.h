#pragma once

// PDF, made by the module that alone links Qt and is loaded the first time a PDF is asked for.

#include "Report.h"

#include <string>
#include <string_view>
#include <vector>

namespace kinmatch_cli {

struct PdfPages {
    bool landscape = false;
    bool pageNumbers = false; // "2 / 3" under the pages of a document of several
};

// The PDF's bytes. Throws a Failure at where (the PDF's name) when the module cannot be loaded
// or makes no PDF.
std::string PdfOfHtml(std::string_view html, std::string_view title, PdfPages pages,
                      const std::string& where);
std::string PdfOfReport(const std::vector<kinmatch::ReportRun>& runs, std::string_view title,
                        const std::string& where);

} // namespace kinmatch_cli
