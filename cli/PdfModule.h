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
// Raised whenever the structures below change, so that a stale module is refused.
#define KINMATCH_PDF_INTERFACE 2

// Text is UTF-8 with its length; "\n" ends a line.
typedef struct KinmatchPdfText {
    const char* text;
    size_t size;
} KinmatchPdfText;

typedef struct KinmatchPdfRun {
    KinmatchPdfText text;
    int bold;
    int red, green, blue;
} KinmatchPdfRun;

// A cell of a table: its text, bold or not, and its shade (0xRRGGBB; none where negative).
typedef struct KinmatchPdfCell {
    KinmatchPdfText text;
    int bold;
    long shade;
} KinmatchPdfCell;

enum KinmatchPdfBlockKind {
    KinmatchPdfTitle,     // text
    KinmatchPdfSubtitle,  // text
    KinmatchPdfHeading,   // text; kept on the page of what follows it
    KinmatchPdfParagraph, // text
    KinmatchPdfTable,     // columns, rows of cells; the first row repeats on every page
    KinmatchPdfMatrix     // the pairs of a group, in pages of columns
};

typedef struct KinmatchPdfBlock {
    int kind;
    KinmatchPdfText text;
    int newPage; // starts on a page of its own
    // A table: rows x columns cells, row by row, the first row its header; widths are the
    // columns' shares of the line (they need not add up to 1).
    size_t columns;
    size_t rows;
    const KinmatchPdfCell* cells;
    const double* widths;
    // A matrix of persons x persons: each row headed by its person (rowHeads), each column by
    // its number; the cell of row r and column c is distinct[cellIndex[r * persons + c]].
    // Headings name each page's columns: "%1" and "%2" become the first and last number.
    size_t persons;
    const KinmatchPdfText* rowHeads;
    const KinmatchPdfCell* distinct;
    size_t distinctCount;
    const unsigned short* cellIndex;
    size_t columnsPerPage;
    KinmatchPdfText corner;      // the header of the row heads' column
    KinmatchPdfText pageHeading; // above each page of columns
} KinmatchPdfBlock;

typedef struct KinmatchPdfDocument {
    int interfaceVersion; // KINMATCH_PDF_INTERFACE
    KinmatchPdfText title;
    KinmatchPdfText language; // "es", "pt_BR": the document's language
    // One of three: HTML (UTF-8) laid out by Qt's text layout; the report's text runs; or
    // blocks drawn page by page.
    KinmatchPdfText html;
    const KinmatchPdfRun* runs;
    size_t runCount;
    const KinmatchPdfBlock* blocks;
    size_t blockCount;
    int landscape;
    int pageNumbers;               // "2 / 3" under every page of a document of several pages
    KinmatchPdfText runningHeader; // above every page but the first, where not empty
    // Receives the PDF's bytes, in one or more pieces.
    void (*write)(void* context, const char* bytes, size_t size);
    void* context;
} KinmatchPdfDocument;

// Returns 0 once every byte has gone to write(), anything else when no PDF could be made.
typedef int (*KinmatchWritePdfFunction)(const KinmatchPdfDocument* document);

#ifdef __cplusplus
}
#endif
