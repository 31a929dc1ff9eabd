#pragma once

// What kinmatch-cli hands to the module that writes PDF, the one part of it that needs Qt's
// text layout and is loaded only when a PDF is asked for. Plain C, so that the program and the
// module share no C++ runtime objects and each may carry its own.

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

// The module's one entry point, found by this name.
#define KINMATCH_PDF_ENTRY_POINT "KinmatchWritePdf"
// Raised whenever KinmatchPdfDocument changes, so that a stale module is refused.
#define KINMATCH_PDF_INTERFACE 1

typedef struct KinmatchPdfRun {
    const char* text; // UTF-8; "\n" ends a line
    size_t size;
    int bold;
    int red, green, blue;
} KinmatchPdfRun;

typedef struct KinmatchPdfDocument {
    int interfaceVersion; // KINMATCH_PDF_INTERFACE
    const char* title;    // UTF-8, zero-terminated
    // The document: HTML (UTF-8), or, where runs is set, the report's text runs.
    const char* html;
    size_t htmlSize;
    const KinmatchPdfRun* runs;
    size_t runCount;
    int landscape;
    int pageNumbers; // "2 / 3" under every page of a document of several pages
    // Receives the PDF's bytes, in one or more pieces.
    void (*write)(void* context, const char* bytes, size_t size);
    void* context;
} KinmatchPdfDocument;

// Returns 0 once every byte has gone to write(), anything else when no PDF could be made.
typedef int (*KinmatchWritePdfFunction)(const KinmatchPdfDocument* document);

#ifdef __cplusplus
}
#endif
