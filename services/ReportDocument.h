#pragma once

#include "Report.h"

#include <QFont>

#include <memory>
#include <vector>

class QTextDocument;

namespace kinmatch {

// The report as rich text in Verdana 9.75 pt, each run keeping its bold and colour.
std::unique_ptr<QTextDocument> ReportDocument(const std::vector<ReportRun>& runs);

// Writes the document as a PDF file; false when the file cannot be written.
bool WriteReportPdf(const QTextDocument& document, const QString& path);

} // namespace kinmatch
