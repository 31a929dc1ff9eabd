#pragma once

// A person's reading field by field: the one list from which the text, JSON, CSV and document
// forms all take their fields, names and order.

#include "People.h"

#include <array>
#include <string>
#include <string_view>

namespace kinmatch_cli {

// The forms a field appears in.
enum FieldForm : unsigned {
    InText = 1u << 0,
    InJson = 1u << 1,
    InCsv = 1u << 2,
    InSign = 1u << 3, // the short form of a person in matches and groups (JSON)
    InDocument = 1u << 4,
};

struct ReadingField {
    std::string_view key; // the JSON member and the CSV column
    const char* label;    // as people read it, marked for the catalogs (context "ReadingFields")
    unsigned forms;
    bool number;                              // a number in JSON
    std::string (*data)(const DatedPerson&);  // as scripts read it, in English
    std::string (*shown)(const DatedPerson&); // as people read it, in their language
    // Above 0: a paragraph of its own after the labelled lines, in this order.
    int paragraph = 0;
};

// The fields that follow from the date itself come first; every later one follows from the
// place in the count alone, so a form may make them once for each of its 260 places.
inline constexpr std::size_t FieldsOfTheDate = 1;

extern const std::array<ReadingField, 12> ReadingFields;

// The field's label in the reader's language.
std::string_view LabelOf(const ReadingField& field);

// "Dog, tone 9": a person's sign and tone in a few words, in the reader's language.
std::string SignInWords(const DatedPerson& person);

} // namespace kinmatch_cli
