#include "ReportDocument.h"

#include "QtText.h"
#include "UiFontFamily.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
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

void PrintReport(const QTextDocument& document, QPagedPaintDevice& device)
{
    const qreal margin = ReportPageMarginMillimetres;
    device.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    // A document laid out in pages of the device's own size prints as it is. One without pages,
    // as a text box holds it, would be printed by a copy that Qt gives a margin of its own and a
    // page number at the foot of every page.
    std::unique_ptr<QTextDocument> pages(document.clone());
    pages->documentLayout()->setPaintDevice(&device);
    pages->setDocumentMargin(0);
    pages->setPageSize(QSizeF(device.width(), device.height()));
    pages->print(&device);
}

QByteArray PdfOf(const QTextDocument& document, bool landscape)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        const QString title = document.metaInformation(QTextDocument::DocumentTitle);
        writer.setTitle(title.isEmpty() ? QStringLiteral("Kinmatch report") : title);
        writer.setCreator(QStringLiteral("Kinmatch"));
        if (landscape)
            writer.setPageOrientation(QPageLayout::Landscape);
        PrintReport(document, writer);
    }
    return pdf.data();
}

} // namespace kinmatch
