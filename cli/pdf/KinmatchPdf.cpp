// The module kinmatch-cli loads to write PDF: the one part of it that needs Qt, for its text
// layout and its PDF writer.

#include "PdfModule.h"
#include "QtText.h"
#include "ReportDocument.h"
#include "UiFontFamily.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <memory>

namespace {

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
            runs.push_back(
                {std::string(run.text, run.size), run.bold != 0, {run.red, run.green, run.blue}});
        }
        return kinmatch::ReportDocument(runs);
    }
    auto document = std::make_unique<QTextDocument>();
    QFont font(kinmatch::UiFontFamily());
    font.setPointSizeF(9.75);
    document->setDefaultFont(font);
    document->setHtml(kinmatch::ToQString(std::string_view(request.html, request.htmlSize)));
    return document;
}

} // namespace

extern "C" Q_DECL_EXPORT int KinmatchWritePdf(const KinmatchPdfDocument* request)
{
    if (!request || request->interfaceVersion != KINMATCH_PDF_INTERFACE)
        return 1;
    try {
        const auto application = EnsureGuiApplication();
        const auto document = DocumentOf(*request);
        document->setMetaInformation(QTextDocument::DocumentTitle,
                                     QString::fromUtf8(request->title));
        const QByteArray pdf = kinmatch::PdfOf(*document, request->landscape != 0);
        request->write(request->context, pdf.constData(), std::size_t(pdf.size()));
        return 0;
    } catch (...) {
        return 1;
    }
}
