#pragma once

// CSV as RFC 4180 has it: fields separated by commas, records by CR LF; a field holding a comma,
// a quote or a line break is quoted, with its quotes doubled. A field that a spreadsheet would
// run as a formula (one that starts with =, +, -, @, a tab or a carriage return) is written
// after a ', as the usual guidance for CSV exports has it.

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kinmatch {

// Appends one field to out, kept from formulas and quoted where it needs to be.
void AppendCsvField(std::string& out, std::string_view field);
// Appends the fields to out as one record, CR LF included.
void AppendCsvRecord(std::string& out, std::span<const std::string_view> fields);

struct CsvRow {
    int number = 0; // the line the record starts on, from 1
    std::vector<std::string> fields;
};
struct CsvError {
    int row = 0; // the line the problem lies on
    std::string problem;
};

// Reads CSV text. Records may also end in a lone LF; a UTF-8 byte order mark at the start is
// skipped, and so are empty lines. A quote left open is an error.
std::variant<std::vector<CsvRow>, CsvError> ParseCsv(std::string_view text);

} // namespace kinmatch
