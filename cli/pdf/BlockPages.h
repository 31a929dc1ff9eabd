#pragma once

// A document of blocks (headings, paragraphs, tables, the matrix of a group's pairs) drawn on
// PDF pages directly: a group of a thousand persons is a million cells, far beyond what a
// rich-text table lays out in time, and every cell here is drawn once from a few prepared texts.

#include "PdfModule.h"

#include <QByteArray>

QByteArray BlockPdf(const KinmatchPdfDocument& request);
