#pragma once

// CSV as RFC 4180 has it: fields separated by commas, records by CR LF; a field holding a comma,
// a quote or a line break is quoted, with its quotes doubled.

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kinmatch {

std::string CsvField(std::string_view text);
// The fields joined into one record, CR LF included.
std::string CsvRecord(const std::vector<std::string_view>& fields);
// The same record appended to out, for long outputs.
void AppendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields);

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
