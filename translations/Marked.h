#pragma once

// Marks an English text of a table for the catalogs in translations/: the catalogs' tools collect
// it as they collect Qt's QT_TRANSLATE_NOOP, and the text is looked up in the reader's language
// later with Tr under the same context (format/Language.h). The tables keep English, the
// reference; nothing that scripts read is ever translated.

namespace kinmatch {

constexpr const char* Marked(const char* /*context*/, const char* text)
{
    return text;
}

} // namespace kinmatch
