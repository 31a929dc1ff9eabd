#include "Pdf.h"

#include "Failure.h"
#include "Files.h"
#include "PdfModule.h"

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
    return LastSystemError();
}
void* OpenModule(const std::string& path)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, wide.data(), size);
    // The module's own folder is searched first for the DLLs it needs (Qt's, beside it).
    return LoadLibraryExW(wide.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
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

// Beside the program (a build folder, or Windows), then where the package installs it.
LoadedModule LoadModule()
{
    const std::string folder = ProgramFolder();
    LoadedModule loaded;
    for (const std::string& path : {folder + KINMATCH_PDF_MODULE,
                                    folder + KINMATCH_PDF_MODULE_INSTALLED KINMATCH_PDF_MODULE}) {
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
        throw CannotWrite(where, "the PDF module " KINMATCH_PDF_MODULE " cannot be loaded (" +
                                     module.problem + ")");
    std::string pdf;
    document.interfaceVersion = KINMATCH_PDF_INTERFACE;
    document.write = [](void* context, const char* bytes, size_t size) {
        static_cast<std::string*>(context)->append(bytes, size);
    };
    document.context = &pdf;
    if (module.writePdf(&document) != 0 || pdf.empty())
        throw CannotWrite(where, "the PDF module made no PDF");
    return pdf;
}

} // namespace

std::string PdfOfHtml(std::string_view html, std::string_view title, PdfPages pages,
                      const std::string& where)
{
    const std::string titleText(title);
    KinmatchPdfDocument document{};
    document.title = titleText.c_str();
    document.html = html.data();
    document.htmlSize = html.size();
    document.landscape = pages.landscape;
    document.pageNumbers = pages.pageNumbers;
    return MakePdf(document, where);
}

std::string PdfOfReport(const std::vector<kinmatch::ReportRun>& runs, std::string_view title,
                        const std::string& where)
{
    std::vector<KinmatchPdfRun> pdfRuns;
    pdfRuns.reserve(runs.size());
    for (const kinmatch::ReportRun& run : runs)
        pdfRuns.push_back({run.text.data(), run.text.size(), run.bold, run.colour.red,
                           run.colour.green, run.colour.blue});
    const std::string titleText(title);
    KinmatchPdfDocument document{};
    document.title = titleText.c_str();
    document.runs = pdfRuns.data();
    document.runCount = pdfRuns.size();
    return MakePdf(document, where);
}

} // namespace kinmatch_cli
