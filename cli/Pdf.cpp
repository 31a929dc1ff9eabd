#include "Pdf.h"

#include "Failure.h"
#include "Files.h"
#include "KinmatchConfig.h"
#include "Language.h"
#include "PdfModule.h"

#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace kinmatch_cli {

namespace {

struct LoadedModule {
    KinmatchWritePdfFunction writePdf = nullptr;
    std::string problem; // why it could not be loaded
};

#ifdef _WIN32
std::string LoadProblem()
{
    return kinmatch::LastSystemError();
}
void* OpenModule(const std::string& path)
{
    // By its full path, and the DLLs it needs (Qt's) from its own folder and the system's only:
    // never from the current folder or the PATH, where anyone may have put a DLL of that name.
    return LoadLibraryExW(kinmatch::Wide(path).c_str(), nullptr,
                          LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
}
void* EntryPoint(void* module)
{
    return reinterpret_cast<void*>(
        GetProcAddress(static_cast<HMODULE>(module), KINMATCH_PDF_ENTRY_POINT));
}
#else
std::string LoadProblem()
{
    const char* error = dlerror();
    return error ? error : "unknown error";
}
void* OpenModule(const std::string& path)
{
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}
void* EntryPoint(void* module)
{
    return dlsym(module, KINMATCH_PDF_ENTRY_POINT);
}
#endif

// By full path only: beside the program (a build folder, and the installed folder on Windows),
// and on Linux the package's private library folder.
LoadedModule LoadModule()
{
    const std::string folder = kinmatch::ProgramFolder();
    LoadedModule loaded;
    if (folder.empty()) {
        loaded.problem = "the program's own folder is unknown";
        return loaded;
    }
    const std::vector<std::string> places = {
        folder + KINMATCH_PDF_MODULE,
#ifdef KINMATCH_PDF_MODULE_INSTALLED
        folder + KINMATCH_PDF_MODULE_INSTALLED KINMATCH_PDF_MODULE,
#endif
    };
    for (const std::string& path : places) {
        if (!loaded.problem.empty())
            loaded.problem += "; ";
        void* module = OpenModule(path);
        if (!module) {
            loaded.problem += LoadProblem();
            continue;
        }
        if (void* entry = EntryPoint(module)) {
            loaded.writePdf = reinterpret_cast<KinmatchWritePdfFunction>(entry);
            return loaded;
        }
        loaded.problem += path + " has no entry point " KINMATCH_PDF_ENTRY_POINT;
    }
    return loaded;
}

std::string MakePdf(KinmatchPdfDocument& document, const std::string& where)
{
    static const LoadedModule module = LoadModule();
    if (!module.writePdf)
        throw CannotWrite(
            where,
            kinmatch::Arg(kinmatch::Tr("kinmatch-cli", "the PDF module %1 cannot be loaded (%2)"),
                          {KINMATCH_PDF_MODULE, module.problem}));
    std::string pdf;
    document.interfaceVersion = KINMATCH_PDF_INTERFACE;
    document.write = [](void* context, const char* bytes, size_t size) {
        static_cast<std::string*>(context)->append(bytes, size);
    };
    document.context = &pdf;
    if (module.writePdf(&document) != 0 || pdf.empty())
        throw CannotWrite(where, kinmatch::Tr("kinmatch-cli", "the PDF module made no PDF"));
    return pdf;
}

} // namespace

// A document of the title, the pages and the language of the run.
KinmatchPdfDocument DocumentOf(std::string_view title, const PdfPages& pages)
{
    KinmatchPdfDocument document{};
    document.title = PdfText(title);
    document.language = PdfText(kinmatch::CurrentLanguage());
    document.landscape = pages.landscape;
    document.pageNumbers = pages.pageNumbers;
    document.runningHeader = PdfText(pages.runningHeader);
    return document;
}

std::string PdfOfHtml(std::string_view html, std::string_view title, const PdfPages& pages,
                      const std::string& where)
{
    KinmatchPdfDocument document = DocumentOf(title, pages);
    document.html = PdfText(html);
    return MakePdf(document, where);
}

std::string PdfOfReport(const std::vector<kinmatch::ReportRun>& runs, std::string_view title,
                        const std::string& where)
{
    std::vector<KinmatchPdfRun> pdfRuns;
    pdfRuns.reserve(runs.size());
    for (const kinmatch::ReportRun& run : runs)
        pdfRuns.push_back(
            {PdfText(run.text), run.bold, run.colour.red, run.colour.green, run.colour.blue});
    KinmatchPdfDocument document = DocumentOf(title, {});
    document.runs = pdfRuns.data();
    document.runCount = pdfRuns.size();
    return MakePdf(document, where);
}

std::string PdfOfBlocks(const std::vector<KinmatchPdfBlock>& blocks, std::string_view title,
                        const PdfPages& pages, const std::string& where)
{
    KinmatchPdfDocument document = DocumentOf(title, pages);
    document.blocks = blocks.data();
    document.blockCount = blocks.size();
    return MakePdf(document, where);
}

} // namespace kinmatch_cli
