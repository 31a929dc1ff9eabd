// The module kinmatch-cli loads to write PDF: the one part of it that needs Qt, for its text
// layout and its PDF writer.

#include "AstralText.h"
#include "BlockPages.h"
#include "Pages.h"
#include "PdfModule.h"
#include "QtText.h"
#include "ReportDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <memory>

namespace {

QString Text(const KinmatchPdfText& text)
{
    return QString::fromUtf8(text.text, qsizetype(text.size));
}

// Text layout needs a GUI application. A terminal has no display, so on Linux it draws
// offscreen; Windows needs no display for it.
std::unique_ptr<QGuiApplication> EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // The toolkit's own notes (a missing runtime folder, say) would only mix with the
    // program's output; KINMATCH_DEBUG keeps them.
    if (qEnvironmentVariableIsEmpty("KINMATCH_DEBUG"))
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "kinmatch-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

std::unique_ptr<QTextDocument> DocumentOf(const KinmatchPdfDocument& request)
{
    if (request.runs) {
        std::vector<kinmatch::ReportRun> runs;
        for (std::size_t i = 0; i < request.runCount; ++i) {
            const KinmatchPdfRun& run = request.runs[i];
            runs.push_back({std::string(run.text.text, run.text.size),
                            run.bold != 0,
                            {run.red, run.green, run.blue}});
        }
        return kinmatch::ReportDocument(runs);
    }
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(DocumentFont(9.75));
    // Lines break between words only: a name or a seal's name is never cut inside.
    QTextOption wrapping = document->defaultTextOption();
    wrapping.setWrapMode(QTextOption::WordWrap);
    document->setDefaultTextOption(wrapping);
    document->setHtml(Text(request.html));
    return document;
}

// The first block of what follows a heading: the next paragraph, or a table's first row after
// its header.
QTextBlock FirstBlockOf(const QTextFrame::iterator& next)
{
    if (QTextFrame* frame = next.currentFrame()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            const int row = std::min(table->format().headerRowCount(), table->rows() - 1);
            return table->cellAt(row, 0).firstCursorPosition().block();
        }
        return frame->firstCursorPosition().block();
    }
    return next.currentBlock();
}

// Moves to the next page every heading laid out at the foot of a page, away from the first line
// of what it heads; and every table that fits on a page but would be split, to the page after.
void KeepTogether(QTextDocument& document)
{
    const qreal pageHeight = document.pageSize().height();
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    const auto pageOf = [&](qreal y) { return int(y / pageHeight); };
    bool moved = true;
    while (moved) {
        moved = false;
        for (auto it = document.rootFrame()->begin(); !it.atEnd() && !moved;) {
            if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
                // A panel that fits a page stays whole, on the next page where it would break.
                const QRectF box = layout->frameBoundingRect(table);
                if (box.height() < pageHeight &&
                    pageOf(box.top() + 1) != pageOf(box.bottom() - 1)) {
                    QTextFrameFormat format = table->frameFormat();
                    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                    table->setFrameFormat(format);
                    moved = true;
                }
                ++it;
                continue;
            }
            const QTextBlock heading = it.currentBlock();
            ++it;
            if (!heading.isValid() || heading.blockFormat().headingLevel() == 0 || it.atEnd() ||
                (heading.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore))
                continue;
            const QTextBlock next = FirstBlockOf(it);
            const QRectF nextRect = layout->blockBoundingRect(next);
            const qreal firstLineBottom =
                next.layout()->lineCount() > 0
                    ? nextRect.top() + next.layout()->lineAt(0).rect().bottom()
                    : nextRect.bottom();
            const qreal headingTop = layout->blockBoundingRect(heading).top();
            if (pageOf(headingTop + 1) == pageOf(firstLineBottom - 1))
                continue;
            QTextBlockFormat format = heading.blockFormat();
            format.setPageBreakPolicy(format.pageBreakPolicy() |
                                      QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(heading).setBlockFormat(format);
            moved = true;
        }
    }
}

// The document on A4 pages of frame, drawn a page at a time.
QByteArray PagedPdf(QTextDocument& document, const PageFrame& frame, const AstralText& astral)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        const QRectF content = SetUpPages(writer, frame);
        document.documentLayout()->setPaintDevice(&writer);
        document.setDocumentMargin(0);
        document.setPageSize(content.size());
        KeepTogether(document);
        const int pages = document.pageCount();

        QPainter painter(&writer);
        astral.prime(painter);
        const qreal margin = frame.marginMillimetres * writer.resolution() / 25.4;
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                writer.newPage();
            painter.save();
            const QRectF visible(0, page * content.height(), content.width(), content.height());
            painter.translate(content.left(), content.top() - visible.top());
            painter.setClipRect(visible);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = visible;
            context.palette.setColor(QPalette::Text, Qt::black);
            document.documentLayout()->draw(&painter, context);
            painter.restore();
            DrawPageFurniture(painter, content, margin, frame, page + 1, pages);
        }
    }
    return astral.completed(pdf.data());
}

} // namespace

extern "C" Q_DECL_EXPORT int KinmatchWritePdf(const KinmatchPdfDocument* request)
{
    if (!request || request->interfaceVersion != KINMATCH_PDF_INTERFACE)
        return 1;
    try {
        const auto application = EnsureGuiApplication();
        QByteArray pdf;
        if (request->blocks) {
            pdf = BlockPdf(*request);
        } else {
            const auto document = DocumentOf(*request);
            document->setMetaInformation(QTextDocument::DocumentTitle, Text(request->title));
            const AstralText astral(document->toPlainText() + Text(request->runningHeader));
            astral.applyTo(*document);
            PageFrame frame;
            frame.landscape = request->landscape != 0;
            frame.pageNumbers = request->pageNumbers != 0;
            frame.runningHeader = Text(request->runningHeader);
            // The report keeps the pages the report window prints: its margin, no number.
            if (request->runs)
                frame.marginMillimetres = kinmatch::ReportPageMarginMillimetres;
            pdf = PagedPdf(*document, frame, astral);
        }
        request->write(request->context, pdf.constData(), std::size_t(pdf.size()));
        return 0;
    } catch (...) {
        return 1;
    }
}
