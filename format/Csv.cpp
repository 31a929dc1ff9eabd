#include "Csv.h"

#include "Language.h"

namespace kinmatch {

namespace {

bool NeedsQuotes(std::string_view text)
{
    for (const char c : text)
        // Every character that needs quotes lies below '-'.
        if (static_cast<unsigned char>(c) < ',' + 1 &&
            (c == ',' || c == '"' || c == '\r' || c == '\n'))
            return true;
    return false;
}

bool StartsAFormula(std::string_view text)
{
    return !text.empty() &&
           std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

} // namespace

void AppendCsvField(std::string& out, std::string_view text)
{
    const std::string_view neutraliser = StartsAFormula(text) ? "'" : "";
    if (!NeedsQuotes(text)) {
        out.append(neutraliser).append(text);
        return;
    }
    out += '"';
    out += neutraliser;
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void AppendCsvRecord(std::string& out, std::span<const std::string_view> fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        AppendCsvField(out, fields[i]);
    }
    out += "\r\n";
}

std::variant<std::vector<CsvRow>, CsvError> ParseCsv(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<CsvRow> rows;
    int line = 1;
    CsvRow row{line, {std::string()}};
    bool quoted = false;        // inside a quoted field
    bool atFieldStart = true;   // nothing of the current field read yet
    bool recordStarted = false; // the record holds a character or a separator
    int quotedFrom = 0;
    const auto endRecord = [&] {
        if (recordStarted)
            rows.push_back(std::move(row));
        row = CsvRow{++line, {std::string()}};
        atFieldStart = true;
        recordStarted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                row.fields.back() += c;
                if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
                    ++line; // a line break inside the field
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                row.fields.back() += '"';
                ++i;
            } else {
                quoted = false;
            }
            continue;
        }
        switch (c) {
        case ',':
            row.fields.emplace_back();
            atFieldStart = true;
            recordStarted = true;
            break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endRecord();
            break;
        case '\n':
            endRecord();
            break;
        default:
            // A quote opens a quoted field only at the field's start; anywhere else it is text,
            // as common spreadsheet programs read it.
            if (c == '"' && atFieldStart) {
                quoted = true;
                quotedFrom = row.number;
            } else {
                row.fields.back() += c;
            }
            atFieldStart = false;
            recordStarted = true;
        }
    }
    if (quoted)
        return CsvError{quotedFrom, std::string(Tr("Csv", "a quote that is never closed"))};
    endRecord();
    return rows;
}

} // namespace kinmatch
