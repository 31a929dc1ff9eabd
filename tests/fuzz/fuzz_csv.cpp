// The CSV writer and reader: records written from any fields read back as the same fields (a
// formula's kept a text by a leading quote), and any text either reads or is refused with a row
// number, never anything else.

#include "Csv.h"
#include "FuzzCheck.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto anything = kinmatch::ParseCsv(input);
    if (const auto* error = std::get_if<kinmatch::CsvError>(&anything))
        FUZZ_CHECK(error->row >= 1 && !error->problem.empty());

    // Fields separated by byte 1 and records by byte 2 of the input, written and read back.
    std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
    for (const char c : input) {
        if (c == '\x02')
            records.emplace_back(1);
        else if (c == '\x01')
            records.back().emplace_back();
        else
            records.back().back() += c;
    }
    std::string csv;
    std::vector<std::vector<std::string>> expected;
    for (const auto& record : records) {
        // A record of one empty field is an empty line, which the reader skips.
        if (record.size() == 1 && record[0].empty())
            continue;
        // A leading byte order mark would be taken for the file's own.
        if (csv.empty() && record[0].rfind("\xEF\xBB\xBF", 0) == 0)
            continue;
        const std::vector<std::string_view> fields(record.begin(), record.end());
        kinmatch::AppendCsvRecord(csv, fields);
        // A field that a spreadsheet would run as a formula reads back with the quote that
        // keeps it a text.
        std::vector<std::string> back = record;
        for (std::string& field : back)
            if (!field.empty() &&
                std::string_view("=+-@\t\r").find(field[0]) != std::string_view::npos)
                field.insert(0, "'");
        expected.push_back(back);
    }
    const auto parsed = kinmatch::ParseCsv(csv);
    const auto* rows = std::get_if<std::vector<kinmatch::CsvRow>>(&parsed);
    FUZZ_CHECK(rows != nullptr);
    FUZZ_CHECK(rows->size() == expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        FUZZ_CHECK((*rows)[i].fields == expected[i]);
    return 0;
}
