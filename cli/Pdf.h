#pragma once

// PDF, made by the module that alone links Qt and is loaded the first time a PDF is asked for.

#include "PdfModule.h"
#include "Report.h"

#include <string>
#include <string_view>
#include <vector>

namespace kinmatch_cli {

struct PdfPages {
    bool landscape = false;
    bool pageNumbers = false;  // "2 / 3" under the pages of a document of several
    std::string runningHeader; // above every page but the first
};

// The PDF's bytes. Each throws a Failure at where (the PDF's name) when the module cannot be
// loaded or makes no PDF.
std::string PdfOfHtml(std::string_view html, std::string_view title, const PdfPages& pages,
                      const std::string& where);
std::string PdfOfReport(const std::vector<kinmatch::ReportRun>& runs, std::string_view title,
                        const std::string& where);
// The blocks (and whatever they point to) stay with the caller.
std::string PdfOfBlocks(const std::vector<KinmatchPdfBlock>& blocks, std::string_view title,
                        const PdfPages& pages, const std::string& where);

// A text of the caller's as the module takes it.
inline KinmatchPdfText PdfText(std::string_view text)
{
    return {text.data(), text.size()};
}

} // namespace kinmatch_cli
