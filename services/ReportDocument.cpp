#include "ReportDocument.h"

#include "QtText.h"
#include "UiFontFamily.h"

#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>

namespace kinmatch {

std::unique_ptr<QTextDocument> ReportDocument(const std::vector<ReportRun>& runs)
{
    auto document = std::make_unique<QTextDocument>();
    QFont font(UiFontFamily());
    font.setPointSizeF(9.75);
    document->setDefaultFont(font);
    QTextCursor cursor(document.get());
    for (const ReportRun& run : runs) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setForeground(QColor(run.colour.red, run.colour.green, run.colour.blue));
        cursor.insertText(ToQString(run.text), format);
    }
    return document;
}

bool WriteReportPdf(const QTextDocument& document, const QString& path)
{
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("Kinmatch report"));
    writer.setCreator(QStringLiteral("Kinmatch"));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    // A copy, since printing lays the document out for the page.
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->print(&writer);
    return QFile::exists(path) && QFile(path).size() > 0;
}

} // namespace kinmatch
