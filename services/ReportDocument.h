#pragma once

#include "Report.h"

#include <QFont>

#include <memory>
#include <vector>

class QPagedPaintDevice;
class QTextDocument;

namespace kinmatch {

// The report as rich text in the report's font, 9.75 pt, each run keeping its bold and colour.
std::unique_ptr<QTextDocument> ReportDocument(const std::vector<ReportRun>& runs);

// The one margin of a printed page, on every side.
inline constexpr qreal ReportPageMarginMillimetres = 20;

// Prints the whole document on the device, page after page, inside the report's page margin and
// with nothing else on the page: no header, no footer, no page number.
void PrintReport(const QTextDocument& document, QPagedPaintDevice& device);

// The document as a PDF, printed with PrintReport.
QByteArray PdfOf(const QTextDocument& document, bool landscape = false);

} // namespace kinmatch
