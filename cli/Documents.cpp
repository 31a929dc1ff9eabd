#include "Documents.h"

#include "Forms.h"
#include "Html.h"
#include "Pdf.h"
#include "ReadingFields.h"
#include "SealPictures.h"
#include "TerminalText.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdio>

namespace kinmatch_cli {
namespace mmc = modMayanCompatibility;
namespace mmn = modMayanNumerology;
using kinmatch::HtmlText;

namespace {

// Who lays the HTML out: a browser (on screen and printed), or Qt's text layout for the PDF,
// which knows less CSS and is given the page breaks and repeated headers its own way.
enum class Medium { Browser, Pdf };

// Text colours keep at least 7:1 against white and against the cells' shades (WCAG AAA for
// body text, AA for the rest).
constexpr std::string_view BrowserStyle = R"(:root { color-scheme: light; }
html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }
body { margin: 0; background: #ffffff; color: #1a1a1a; line-height: 1.5;
  font-family: Verdana, 'DejaVu Sans', sans-serif; font-size: 11pt; }
main { max-width: 42em; margin: 0 auto; padding: 2em 1.25em 3em; }
main.wide { max-width: none; }
main.wide > p, main.wide > h1, main.wide > h2 { max-width: 42em; }
h1 { font-size: 1.6em; line-height: 1.25; color: #000080; margin: 0 0 0.25em; }
h2 { font-size: 1.25em; line-height: 1.3; color: #006400; margin: 1.6em 0 0.4em; }
h3 { font-size: 1.05em; color: #800080; margin: 1.2em 0 0.3em; }
p { margin: 0 0 0.8em; }
.subtitle, .facts, .kicker { color: #4d4d4d; }
.kicker { font-size: 0.85em; letter-spacing: 0.08em; text-transform: uppercase; margin: 0; }
h2.together { color: #000080; margin-top: 0.1em; }
table { border-collapse: collapse; }
table.composite { margin: 1em 0 0.5em; background: #f4f4fa; width: 100%; }
table.composite td { vertical-align: top; padding: 1em 1em 0.5em 0; }
table.composite td.picture { padding: 1em 1.25em 1em 1em; width: 180px; }
table.composite img { display: block; max-width: 100%; height: auto; }
table.fields th { text-align: left; vertical-align: top; font-weight: bold; color: #800080;
  padding: 0.15em 1em 0.15em 0; white-space: nowrap; }
table.fields td { padding: 0.15em 0; }
table.legend th, table.legend td, table.key th, table.key td { border: 1px solid #b3b3b3;
  padding: 0.2em 0.5em; text-align: left; vertical-align: top; }
table.matrix th, table.matrix td { border: 1px solid #b3b3b3; padding: 0.15em 0.35em;
  white-space: nowrap; text-align: center; font-size: 0.85em; }
table.matrix tbody th { text-align: left; }
thead th { background: #e6e6f2; }
.r { background: #f4c7c3; } .w { background: #f2f2f2; } .b { background: #c9daf8; }
.y { background: #fff2b3; } td.self { background: #d9d9d9; }
.scroll { overflow: auto; max-height: 85vh; border: 1px solid #b3b3b3; }
.scroll table.matrix { border-style: hidden; }
.scroll thead th { position: sticky; top: 0; z-index: 1; }
.scroll tbody th { position: sticky; left: 0; background: #f7f7f7; }
.scroll thead th.corner { left: 0; z-index: 2; }
.print-only { display: none; }
@media (max-width: 36em) {
  main { padding: 1em 0.75em 2em; }
  table.composite td { display: block; padding: 1em 1em 0.5em; }
  table.composite td.picture { padding-bottom: 0; }
}
@page { margin: 16mm; @bottom-center { content: counter(page) " / " counter(pages); font-size: 9pt; } }
@media print {
  body { font-size: 10pt; }
  main, main.wide > p, main.wide > h1, main.wide > h2 { max-width: none; padding: 0; }
  h1, h2, h3 { break-after: avoid; page-break-after: avoid; }
  tr, img, table.composite, table.fields { break-inside: avoid; page-break-inside: avoid; }
  thead { display: table-header-group; }
  .screen-only { display: none; }
  .print-only { display: block; }
  .page { break-before: page; page-break-before: always; }
}
)";

// What Qt's text layout understands of the same look; page breaks, repeated headers and page
// numbers are the module's.
constexpr std::string_view PdfStyle = R"(body { color: #1a1a1a; }
h1 { font-size: 17pt; color: #000080; margin-top: 0; margin-bottom: 2px; }
h2 { font-size: 13pt; color: #006400; margin-top: 16px; margin-bottom: 6px; }
h3 { font-size: 10.5pt; color: #800080; margin-top: 12px; margin-bottom: 4px; }
p { margin-top: 0; margin-bottom: 8px; }
.subtitle, .facts, .kicker { color: #4d4d4d; }
.kicker { font-size: 8pt; margin-bottom: 0; }
h2.together { color: #000080; margin-top: 0; }
table.composite { background-color: #f4f4fa; }
td.picture { padding-right: 14px; }
table.fields th { color: #800080; text-align: left; font-weight: bold; padding-right: 12px; }
table.legend, table.key, table.matrix { border-collapse: collapse; }
table.legend td, table.legend th, table.key td, table.key th { font-size: 8.5pt; text-align: left; }
table.matrix td, table.matrix th { font-size: 7.5pt; white-space: nowrap; text-align: center; }
table.matrix tbody th { text-align: left; }
thead th { background-color: #e6e6f2; }
td.self { background-color: #d9d9d9; }
.r { background-color: #f4c7c3; } .w { background-color: #f2f2f2; }
.b { background-color: #c9daf8; } .y { background-color: #fff2b3; }
.page { page-break-before: always; }
)";

const mmc::SealRow& SealOf(int seal)
{
    return mmc::SealTable[static_cast<std::size_t>(seal - 1)];
}

std::string_view ToneOf(int tone)
{
    return mmc::ToneTable[static_cast<std::size_t>(tone - 1)];
}

// The seal's colour word: "Blue" of "Blue Monkey".
std::string_view ColourOf(int seal)
{
    const std::string_view name = SealOf(seal).SealName;
    return name.substr(0, name.find(' '));
}

// "11B": the seal's number and its colour's initial.
std::string SealCode(int seal)
{
    return std::to_string(seal) + ColourOf(seal).front();
}

// "11B·4": the composite as a matrix cell shows it.
std::string ShortComposite(const mmc::CompositeReading& composite)
{
    return SealCode(composite.CompositeSeal) + "\xC2\xB7" + std::to_string(composite.CompositeTone);
}

// The cell's shade, by the seal's colour.
std::string ShadeClass(int seal)
{
    return std::string(1, static_cast<char>(ColourOf(seal).front() - 'A' + 'a'));
}

std::string Page(std::string_view title, std::string_view mainClass, const std::string& body,
                 Medium medium, std::string_view extraStyle = {})
{
    std::string style(medium == Medium::Browser ? BrowserStyle : PdfStyle);
    style += extraStyle;
    return kinmatch::HtmlPage(
        title, style,
        "<main" +
            (mainClass.empty() ? std::string() : " class=\"" + std::string(mainClass) + "\"") +
            ">\n" + body + "</main>\n");
}

// Names shown in a narrow place are cut to this many characters; the legend shows them whole.
constexpr std::size_t ShortNameCharacters = 24;

std::string Shortened(std::string_view text)
{
    const std::string_view shown = kinmatch::FirstCharacters(text, ShortNameCharacters);
    return std::string(shown) + (shown.size() < text.size() ? "\xE2\x80\xA6" : "");
}

std::string PersonSection(const DatedPerson& person)
{
    std::string html = "<h2>" + HtmlText(person.name) + "</h2>\n<table class=\"fields\">\n";
    std::string paragraphs[3];
    for (const ReadingField& field : ReadingFields) {
        if (!(field.forms & InDocument))
            continue;
        if (field.paragraph > 0)
            paragraphs[field.paragraph] = "<h3>" + std::string(field.label) + "</h3>\n<p>" +
                                          HtmlText(field.shown(person)) + "</p>\n";
        else
            html += "<tr><th>" + std::string(field.label) + "</th><td>" +
                    HtmlText(field.shown(person)) + "</td></tr>\n";
    }
    return html + "</table>\n" + paragraphs[1] + paragraphs[2];
}

std::string CompositeSection(const mmc::CompositeReading& composite)
{
    const mmc::SealRow& seal = SealOf(composite.CompositeSeal);
    // The picture at twice its density, shown at 180 by 276 pixels: sharp on a phone and on paper.
    return "<table class=\"composite\" width=\"100%\" cellspacing=\"0\" cellpadding=\"10\"><tr>\n"
           "<td class=\"picture\"><img src=\"" +
           kinmatch::DataAddress("image/jpeg", SealJpeg(composite.CompositeSeal, true)) +
           "\" width=\"180\" height=\"276\" alt=\"" + HtmlText(seal.SealName) + "\"></td>\n" +
           "<td><p class=\"kicker\">Together</p>\n<h2 class=\"together\">" +
           HtmlText(composite.CompositeName) + "</h2>\n<p class=\"facts\">Seal " +
           std::to_string(composite.CompositeSeal) + ", " + HtmlText(seal.SealName) + "; tone " +
           std::to_string(composite.CompositeTone) + ", " +
           HtmlText(ToneOf(composite.CompositeTone)) + "</p>\n<p>" +
           HtmlText(seal.SealDescription) + "</p></td>\n</tr></table>\n";
}

std::string Legend(const std::vector<DatedPerson>& people)
{
    std::string html = "<table class=\"legend\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
                       "<thead><tr><th>No.</th><th>Name</th><th>Date of birth</th><th>Day sign</th>"
                       "<th>Galactic tone</th></tr></thead>\n<tbody>\n";
    for (std::size_t i = 0; i < people.size(); ++i)
        html += "<tr><td>" + std::to_string(i + 1) + "</td><td>" + HtmlText(people[i].name) +
                "</td><td style=\"white-space: nowrap\">" + DateText(people[i].date) + "</td><td>" +
                HtmlText(people[i].sign().EnglishName) + "</td><td>" +
                std::to_string(people[i].sign().DayNumber) + "</td></tr>\n";
    return html + "</tbody></table>\n";
}

// Every seal with its code and every tone with its number, in two columns of one table.
std::string Key()
{
    std::string html = "<table class=\"key\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
                       "<thead><tr><th>Seal</th><th>Colour and sign</th><th>Tone</th>"
                       "<th>Name</th></tr></thead>\n<tbody>\n";
    for (int seal = 1; seal <= mmc::SealCount; ++seal) {
        html += "<tr><td class=\"" + ShadeClass(seal) + "\">" + SealCode(seal) + "</td><td>" +
                HtmlText(SealOf(seal).SealName) + "</td>";
        html += seal <= mmc::ToneCount
                    ? "<td>" + std::to_string(seal) + "</td><td>" + HtmlText(ToneOf(seal)) + "</td>"
                    : std::string("<td></td><td></td>");
        html += "</tr>\n";
    }
    return html + "</tbody></table>\n";
}

// The composites of every pair, made once.
class PairGrid {
public:
    explicit PairGrid(const std::vector<DatedPerson>& people) : people_(people)
    {
        for (std::size_t row = 0; row < people.size(); ++row)
            for (std::size_t column = 0; column < people.size(); ++column)
                cells_.push_back(row == column ? std::string("<td class=\"self\"></td>")
                                               : Cell(row, column));
    }
    const std::string& cell(std::size_t row, std::size_t column) const
    {
        return cells_[row * people_.size() + column];
    }

private:
    std::string Cell(std::size_t row, std::size_t column) const
    {
        const mmc::CompositeReading composite =
            mmc::CompositeOf(people_[row].sign(), people_[column].sign());
        return "<td class=\"" + ShadeClass(composite.CompositeSeal) + "\" title=\"" +
               HtmlText(composite.CompositeName) + "\">" + ShortComposite(composite) + "</td>";
    }
    const std::vector<DatedPerson>& people_;
    std::vector<std::string> cells_;
};

// The matrix for the columns [first, last): a header row of the columns' numbers, then a row a
// person, its first cell the person's number and name.
std::string MatrixTable(const std::vector<DatedPerson>& people, const PairGrid& grid,
                        std::size_t first, std::size_t last)
{
    std::string html = "<table class=\"matrix\" width=\"100%\" border=\"1\" cellspacing=\"0\" "
                       "cellpadding=\"2\">\n"
                       "<thead><tr><th class=\"corner\">No.</th>";
    for (std::size_t column = first; column < last; ++column)
        html += "<th>" + std::to_string(column + 1) + "</th>";
    html += "</tr></thead>\n<tbody>\n";
    for (std::size_t row = 0; row < people.size(); ++row) {
        html += "<tr><th>" + std::to_string(row + 1) + " " + HtmlText(Shortened(people[row].name)) +
                "</th>";
        for (std::size_t column = first; column < last; ++column)
            html += grid.cell(row, column);
        html += "</tr>\n";
    }
    return html + "</tbody></table>\n";
}

// The matrix in pages of MatrixColumnsPerPage columns, each headed by the columns it holds.
std::string MatrixPages(const std::vector<DatedPerson>& people, const PairGrid& grid)
{
    std::string html;
    for (std::size_t first = 0; first < people.size(); first += MatrixColumnsPerPage) {
        const std::size_t last = std::min(people.size(), first + MatrixColumnsPerPage);
        html += "<h2 class=\"page\">The pairs: persons " + std::to_string(first + 1) + " to " +
                std::to_string(last) + " across</h2>\n" + MatrixTable(people, grid, first, last);
    }
    return html;
}

} // namespace

std::string ReportHtml(const std::vector<kinmatch::ReportRun>& runs)
{
    std::string body = "<p>";
    for (const kinmatch::ReportRun& run : runs) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", run.colour.red, run.colour.green,
                      run.colour.blue);
        body += "<span style=\"color: " + std::string(colour) +
                (run.bold ? "; font-weight: bold" : "; font-weight: normal") + "\">";
        // The runs' own line ends are the report's lines; anything else is shown as it is.
        std::string_view text = run.text;
        for (std::size_t end; (end = text.find('\n')) != std::string_view::npos;) {
            body += HtmlText(text.substr(0, end)) + "<br>\n";
            text.remove_prefix(end + 1);
        }
        body += HtmlText(text) + "</span>";
    }
    return Page("Kinmatch report", {}, body + "</p>\n", Medium::Browser);
}

std::string CoupleTitle(const Couple& couple)
{
    return "Kinmatch: " + couple.user.name + " and " + couple.partner.name;
}

std::string CoupleText(const Couple& couple)
{
    const mmc::CompositeReading composite =
        mmc::CompositeOf(couple.user.sign(), couple.partner.sign());
    const mmc::SealRow& seal = SealOf(composite.CompositeSeal);
    std::string text = kinmatch::VisibleControls(CoupleTitle(couple)) + "\n\n";
    text += "Together:        " + composite.CompositeName + " (seal " +
            std::to_string(composite.CompositeSeal) + ", tone " +
            std::to_string(composite.CompositeTone) +
            ")\nPicture:         " + std::string(seal.PictureKey) + "\n\n" +
            std::string(seal.SealDescription) + "\n";
    for (const DatedPerson* person : {&couple.user, &couple.partner})
        text += "\n" + kinmatch::VisibleControls(person->name) + "\n" + ReadingText(*person);
    return text;
}

namespace {

std::string CoupleHtml(const Couple& couple, Medium medium)
{
    const mmc::CompositeReading composite =
        mmc::CompositeOf(couple.user.sign(), couple.partner.sign());
    const std::string body =
        "<h1>" + HtmlText(couple.user.name) + " and " + HtmlText(couple.partner.name) + "</h1>\n" +
        "<p class=\"subtitle\">A Mayan astrology compatibility reading</p>\n" +
        CompositeSection(composite) + PersonSection(couple.user) + PersonSection(couple.partner);
    return Page(CoupleTitle(couple), {}, body, medium);
}

} // namespace

std::string CoupleHtml(const Couple& couple)
{
    return CoupleHtml(couple, Medium::Browser);
}

std::string CouplePdf(const Couple& couple, const std::string& where)
{
    return PdfOfHtml(CoupleHtml(couple, Medium::Pdf), CoupleTitle(couple), {false, true}, where);
}

std::string GroupTitle(const std::vector<DatedPerson>& people)
{
    return "Kinmatch: a group of " + std::to_string(people.size());
}

namespace {

std::string GroupHtml(const std::vector<DatedPerson>& people, Medium medium)
{
    const PairGrid grid(people);
    std::string body = "<h1>A group of " + std::to_string(people.size()) + "</h1>\n" +
                       "<p class=\"subtitle\">Mayan astrology compatibility of every pair</p>\n" +
                       "<p>Each cell of the matrix is the composite of the persons of its row "
                       "and its column: the seal's number and colour, then the tone, so that "
                       "11B\xC2\xB7"
                       "4 is seal 11, Blue Monkey, with tone 4, Self-Existing: Blue "
                       "Self-Existing Monkey. The persons are numbered as listed below.</p>\n";
    // On screen the matrix comes first, whole, its header row and first column kept in view;
    // on paper it comes last, in pages of columns.
    if (medium == Medium::Browser)
        body += "<div class=\"screen-only\">\n<h2>The pairs</h2>\n<div class=\"scroll\">\n" +
                MatrixTable(people, grid, 0, people.size()) + "</div>\n</div>\n";
    body += "<h2>The persons</h2>\n" + Legend(people) + "<h2 class=\"page\">Key</h2>\n" + Key();
    if (medium == Medium::Browser)
        body += "<div class=\"print-only\">\n" + MatrixPages(people, grid) + "</div>\n";
    else
        body += MatrixPages(people, grid);
    return Page(GroupTitle(people), "wide", body, medium,
                medium == Medium::Browser ? "@page { size: A4 landscape; }\n" : "");
}

} // namespace

std::string GroupHtml(const std::vector<DatedPerson>& people)
{
    return GroupHtml(people, Medium::Browser);
}

std::string GroupPdf(const std::vector<DatedPerson>& people, const std::string& where)
{
    return PdfOfHtml(GroupHtml(people, Medium::Pdf), GroupTitle(people), {true, true}, where);
}

} // namespace kinmatch_cli
