#include "Documents.h"

#include "Forms.h"
#include "Html.h"
#include "Language.h"
#include "Localized.h"
#include "Pdf.h"
#include "ReadingFields.h"
#include "SealPictures.h"
#include "TerminalText.h"
#include "Utf8.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>

namespace kinmatch_cli {
namespace mmc = modMayanCompatibility;
namespace mmn = modMayanNumerology;
using kinmatch::Arg;
using kinmatch::HtmlText;
using kinmatch::Tr;

namespace {

// Who lays the HTML out: a browser (on screen and printed), or Qt's text layout for the PDF,
// which knows less CSS and is given the page breaks its own way.
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
h1, h2, h3, td, th { overflow-wrap: anywhere; }
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
  padding: 0.15em 1em 0.15em 0; overflow-wrap: normal; }
table.fields td { padding: 0.15em 0; }
table.legend th, table.legend td, table.key th, table.key td { border: 1px solid #b3b3b3;
  padding: 0.2em 0.5em; text-align: left; vertical-align: top; }
table.matrix th, table.matrix td { border: 1px solid #b3b3b3; padding: 0.15em 0.35em;
  white-space: nowrap; overflow-wrap: normal; text-align: center; font-size: 0.85em; }
table.matrix tbody th { text-align: left; }
thead th { background: #e6e6f2; }
.r { background: #f4c7c3; } .w { background: #f2f2f2; } .b { background: #c9daf8; }
.y { background: #fff2b3; } td.self { background: #d9d9d9; }
.scroll { overflow: auto; max-height: 85vh; width: fit-content; max-width: 100%;
  border: 1px solid #b3b3b3; }
details { margin: 0.2em 0; }
summary { cursor: pointer; }
p.pairs { font-size: 0.9em; color: #333333; }
.scroll table.matrix { border-style: hidden; }
.scroll thead th { position: sticky; top: 0; z-index: 1; }
.scroll tbody th { position: sticky; left: 0; background: #f7f7f7; }
.scroll thead th.corner { left: 0; z-index: 2; }
.print-only { display: none; }
@media (max-width: 36em) {
  main { padding: 1em 0.75em 2em; }
  table.composite td { display: block; padding: 1em 1em 0.5em; }
  table.composite td.picture { padding-bottom: 0; }
  table.fields th, table.fields td { display: block; padding: 0; }
  table.fields td { padding-bottom: 0.3em; }
  table.legend thead { display: none; }
  table.legend, table.legend tbody, table.legend tr, table.legend td { display: block; }
  table.legend tr { border: 1px solid #b3b3b3; margin: 0 0 0.5em; padding: 0.2em 0; }
  table.legend td { border: none; padding: 0 0.5em; }
  table.legend td::before { content: attr(data-label) ": "; font-weight: bold; color: #4d4d4d; }
  table.key th, table.key td { padding: 0.2em 0.3em; }
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

// The seal's colour code, the same in every language: R, W, B or Y.
char ColourCode(int seal)
{
    return SealOf(seal).SealName.front();
}

// "11B": the seal's number and its colour's code.
std::string SealCode(int seal)
{
    return std::to_string(seal) + ColourCode(seal);
}

// "11B·4": the composite as a matrix cell shows it.
std::string ShortComposite(const mmc::CompositeReading& composite)
{
    return SealCode(composite.CompositeSeal) + "\xC2\xB7" + std::to_string(composite.CompositeTone);
}

// The cell's shade, by the seal's colour: its class in the page, its colour in the PDF.
std::string ShadeClass(int seal)
{
    return std::string(1, static_cast<char>(ColourCode(seal) - 'A' + 'a'));
}
long Shade(int seal)
{
    constexpr std::array<long, 4> shades = {0xf4c7c3, 0xf2f2f2, 0xc9daf8, 0xfff2b3};
    return shades[static_cast<std::size_t>((seal - 1) % 4)];
}
constexpr long SelfShade = 0xd9d9d9;

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

// Names shown in a narrow place are cut to this many characters: a matrix's row, a heading.
// They are whole in the legend and in the fields.
constexpr std::size_t ShortNameCharacters = 24;
constexpr std::size_t HeadingNameCharacters = 60;

std::string Shortened(std::string_view text, std::size_t characters)
{
    const std::string_view shown = kinmatch::FirstCharacters(text, characters);
    return std::string(shown) + (shown.size() < text.size() ? "\xE2\x80\xA6" : "");
}

std::string CoupleHeading(const Couple& couple)
{
    return Arg(Tr("Documents", "%1 and %2"),
               {Shortened(couple.user.name, HeadingNameCharacters),
                Shortened(couple.partner.name, HeadingNameCharacters)});
}

std::string PersonSection(const DatedPerson& person)
{
    const std::string heading = Shortened(person.name, HeadingNameCharacters);
    std::string html = "<h2>" + HtmlText(heading) + "</h2>\n<table class=\"fields\">\n";
    // A name cut in its heading is given whole here.
    if (heading.size() != person.name.size())
        html += "<tr><th>" + HtmlText(Tr("Documents", "Name")) + "</th><td>" +
                HtmlText(person.name) + "</td></tr>\n";
    std::string paragraphs[3];
    for (const ReadingField& field : ReadingFields) {
        if (!(field.forms & InDocument))
            continue;
        if (field.paragraph > 0)
            paragraphs[field.paragraph] = "<h3>" + HtmlText(LabelOf(field)) + "</h3>\n<p>" +
                                          HtmlText(field.shown(person)) + "</p>\n";
        else
            html += "<tr><th>" + HtmlText(LabelOf(field)) + "</th><td>" +
                    HtmlText(field.shown(person)) + "</td></tr>\n";
    }
    return html + "</table>\n" + paragraphs[1] + paragraphs[2];
}

std::string CompositeSection(const mmc::CompositeReading& composite)
{
    const int seal = composite.CompositeSeal;
    // The picture at twice its density, shown at 180 by 276 pixels: sharp on a phone and on paper.
    return "<table class=\"composite\" width=\"100%\" cellspacing=\"0\" cellpadding=\"10\"><tr>\n"
           "<td class=\"picture\"><img src=\"" +
           kinmatch::DataAddress("image/jpeg", SealJpeg(seal, true)) +
           "\" width=\"180\" height=\"276\" alt=\"" + HtmlText(kinmatch::SealName(seal)) +
           "\"></td>\n<td><p class=\"kicker\">" + HtmlText(Tr("Documents", "Together")) +
           "</p>\n<h2 class=\"together\">" + HtmlText(kinmatch::CompositeName(composite)) +
           "</h2>\n<p class=\"facts\">" +
           HtmlText(Arg(Tr("Documents", "Seal %1, %2; tone %3, %4"),
                        {std::to_string(seal), kinmatch::SealName(seal),
                         std::to_string(composite.CompositeTone),
                         kinmatch::ToneName(composite.CompositeTone)})) +
           "</p>\n<p>" + HtmlText(kinmatch::SealDescription(seal)) + "</p></td>\n</tr></table>\n";
}

// The columns of the persons' legend, the same in the page and in the PDF.
struct LegendText {
    std::string number{Tr("Documents", "No.")};
    std::string name{Tr("Documents", "Name")};
    std::string date{Tr("ReadingFields", "Date of birth")};
    std::string sign{Tr("ReadingFields", "Day sign")};
    std::string tone{Tr("ReadingFields", "Galactic tone")};
};

std::string Legend(const std::vector<DatedPerson>& people)
{
    const LegendText text;
    std::string html = "<table class=\"legend\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
                       "<thead><tr><th>" +
                       HtmlText(text.number) + "</th><th>" + HtmlText(text.name) + "</th><th>" +
                       HtmlText(text.date) + "</th><th>" + HtmlText(text.sign) + "</th><th>" +
                       HtmlText(text.tone) + "</th></tr></thead>\n<tbody>\n";
    // On a phone each row stands as a card whose values carry their column's name.
    const auto cell = [](const std::string& label, const std::string& value,
                         const char* extra = "") {
        return "<td data-label=\"" + HtmlText(label) + "\"" + extra + ">" + value + "</td>";
    };
    for (std::size_t i = 0; i < people.size(); ++i)
        html +=
            "<tr>" + cell(text.number, std::to_string(i + 1)) +
            cell(text.name, HtmlText(people[i].name)) +
            cell(text.date, HtmlText(DateText(people[i].date)), " style=\"white-space: nowrap\"") +
            cell(text.sign, HtmlText(kinmatch::SignName(people[i].sign().DaySign))) +
            cell(text.tone, std::to_string(people[i].sign().DayNumber)) + "</tr>\n";
    return html + "</tbody></table>\n";
}

struct KeyText {
    std::string seal{Tr("Documents", "Seal")};
    std::string colourAndSign{Tr("Documents", "Colour and sign")};
    std::string tone{Tr("Documents", "Tone")};
    std::string name{Tr("Documents", "Name")};
};

// Every seal with its code and every tone with its number, in two columns of one table.
std::string Key()
{
    const KeyText text;
    std::string html = "<table class=\"key\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
                       "<thead><tr><th>" +
                       HtmlText(text.seal) + "</th><th>" + HtmlText(text.colourAndSign) +
                       "</th><th>" + HtmlText(text.tone) + "</th><th>" + HtmlText(text.name) +
                       "</th></tr></thead>\n<tbody>\n";
    for (int seal = 1; seal <= mmc::SealCount; ++seal) {
        html += "<tr><td class=\"" + ShadeClass(seal) + "\">" + SealCode(seal) + "</td><td>" +
                HtmlText(kinmatch::SealName(seal)) + "</td>";
        html += seal <= mmc::ToneCount ? "<td>" + std::to_string(seal) + "</td><td>" +
                                             HtmlText(kinmatch::ToneName(seal)) + "</td>"
                                       : std::string("<td></td><td></td>");
        html += "</tr>\n";
    }
    return html + "</tbody></table>\n";
}

// The composite of every pair, made once for each of the pairs' sums.
class Composites {
public:
    const mmc::CompositeReading& of(const DatedPerson& a, const DatedPerson& b)
    {
        auto& composite = table_[std::size_t(a.sign().DaySign + b.sign().DaySign)]
                                [std::size_t(a.sign().DayNumber + b.sign().DayNumber)];
        if (!composite)
            composite = mmc::CompositeOf(a.sign(), b.sign());
        return *composite;
    }

private:
    std::array<std::array<std::optional<mmc::CompositeReading>, 2 * mmc::ToneCount + 1>,
               2 * mmc::SealCount + 1>
        table_;
};

// The page's cells of every pair, made once.
class PairGrid {
public:
    explicit PairGrid(const std::vector<DatedPerson>& people) : people_(people)
    {
        Composites composites;
        cells_.reserve(people.size() * people.size());
        for (std::size_t row = 0; row < people.size(); ++row)
            for (std::size_t column = 0; column < people.size(); ++column)
                cells_.push_back(row == column ? std::string("<td class=\"self\"></td>")
                                               : Cell(composites.of(people[row], people[column])));
    }
    const std::string& cell(std::size_t row, std::size_t column) const
    {
        return cells_[row * people_.size() + column];
    }

private:
    static std::string Cell(const mmc::CompositeReading& composite)
    {
        return "<td class=\"" + ShadeClass(composite.CompositeSeal) + "\" title=\"" +
               HtmlText(kinmatch::CompositeName(composite)) + "\">" + ShortComposite(composite) +
               "</td>";
    }
    const std::vector<DatedPerson>& people_;
    std::vector<std::string> cells_;
};

// The matrix for the columns [first, last): a header row of the columns' numbers, then a row a
// person, its first cell the person's number and name.
std::string MatrixTable(const std::vector<DatedPerson>& people, const PairGrid& grid,
                        std::size_t first, std::size_t last)
{
    std::string html = "<table class=\"matrix\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\n"
                       "<thead><tr><th class=\"corner\">" +
                       HtmlText(Tr("Documents", "No.")) + "</th>";
    for (std::size_t column = first; column < last; ++column)
        html += "<th>" + std::to_string(column + 1) + "</th>";
    html += "</tr></thead>\n<tbody>\n";
    for (std::size_t row = 0; row < people.size(); ++row) {
        html += "<tr><th>" + std::to_string(row + 1) + " " +
                HtmlText(Shortened(people[row].name, ShortNameCharacters)) + "</th>";
        for (std::size_t column = first; column < last; ++column)
            html += grid.cell(row, column);
        html += "</tr>\n";
    }
    return html + "</tbody></table>\n";
}

std::string MatrixPageHeading(std::size_t first, std::size_t last)
{
    return Arg(Tr("Documents", "The pairs: persons %1 to %2 across"),
               {std::to_string(first), std::to_string(last)});
}

// The matrix in pages of MatrixColumnsPerPage columns, each headed by the columns it holds.
std::string MatrixPages(const std::vector<DatedPerson>& people, const PairGrid& grid)
{
    std::string html;
    for (std::size_t first = 0; first < people.size(); first += MatrixColumnsPerPage) {
        const std::size_t last = std::min(people.size(), first + MatrixColumnsPerPage);
        html += "<h2 class=\"page\">" + HtmlText(MatrixPageHeading(first + 1, last)) + "</h2>\n" +
                MatrixTable(people, grid, first, last);
    }
    return html;
}

// The pairs of a large group by their composite, each composite a section a reader opens when
// wanted, its pairs by the persons' numbers ("1: 5, 17; 2: 9" is 1 with 5, 1 with 17, 2 with 9):
// the page stays light where a matrix of every pair would not (the CSV has it, pair by pair).
std::string PairsByComposite(const std::vector<DatedPerson>& people)
{
    struct Pairs {
        const mmc::CompositeReading* composite = nullptr;
        std::size_t count = 0;
        std::size_t lastA = 0;
        std::string list;
    };
    Composites composites;
    std::map<std::pair<int, int>, Pairs> byComposite; // by seal and tone
    for (std::size_t a = 0; a < people.size(); ++a)
        for (std::size_t b = a + 1; b < people.size(); ++b) {
            const mmc::CompositeReading& composite = composites.of(people[a], people[b]);
            Pairs& pairs = byComposite[{composite.CompositeSeal, composite.CompositeTone}];
            pairs.composite = &composite;
            if (pairs.count > 0 && pairs.lastA == a)
                pairs.list += ", ";
            else
                pairs.list += (pairs.count > 0 ? "; " : "") + std::to_string(a + 1) + ": ";
            pairs.list += std::to_string(b + 1);
            pairs.lastA = a;
            ++pairs.count;
        }
    std::string html;
    for (const auto& [key, pairs] : byComposite) {
        const std::string summary =
            Arg(pairs.count == 1 ? Tr("Documents", "%1 (%2): 1 pair")
                                 : Tr("Documents", "%1 (%2): %3 pairs"),
                {kinmatch::CompositeName(*pairs.composite), ShortComposite(*pairs.composite),
                 std::to_string(pairs.count)});
        html += "<details><summary>" + HtmlText(summary) + "</summary>\n<p class=\"pairs\">" +
                pairs.list + "</p></details>\n";
    }
    return html;
}

std::string GroupHeading(const std::vector<DatedPerson>& people)
{
    return Arg(Tr("Documents", "A group of %1"), {std::to_string(people.size())});
}

// What the matrix's cells say, with an example taken from the tables.
std::string GroupIntroduction()
{
    const mmc::CompositeReading example = mmc::CompositeOf({20, 9, "Dog"}, {18, 13, "Star"});
    return Arg(Tr("Documents",
                  "Each cell of the matrix is the composite of the persons of its row and its "
                  "column: the seal's number and colour, then the tone, so that %1 is seal %2, "
                  "%3, with tone %4, %5: %6. The persons are numbered as listed below."),
               {ShortComposite(example), std::to_string(example.CompositeSeal),
                kinmatch::SealName(example.CompositeSeal), std::to_string(example.CompositeTone),
                kinmatch::ToneName(example.CompositeTone), kinmatch::CompositeName(example)});
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
    return Page(Tr("Report", "Kinmatch report"), {}, body + "</p>\n", Medium::Browser);
}

std::string CoupleTitle(const Couple& couple)
{
    return Arg(Tr("Documents", "Kinmatch: %1 and %2"), {couple.user.name, couple.partner.name});
}

std::string CoupleText(const Couple& couple)
{
    const mmc::CompositeReading composite =
        mmc::CompositeOf(couple.user.sign(), couple.partner.sign());
    const std::string_view together = Tr("Documents", "Together");
    const std::string_view picture = Tr("Documents", "Picture");
    std::size_t column = 17;
    for (const std::string_view label : {together, picture})
        column = std::max(column, kinmatch::CharacterCount(label) + 2);
    const auto line = [column](std::string_view label, const std::string& value) {
        std::string text = std::string(label) + ":";
        text.append(column - std::min(column - 1, kinmatch::CharacterCount(text)), ' ');
        return text + value + "\n";
    };
    std::string text = kinmatch::VisibleControls(CoupleTitle(couple)) + "\n\n";
    text += line(together,
                 Arg(Tr("Match", "%1 (seal %2, tone %3)"),
                     {kinmatch::CompositeName(composite), std::to_string(composite.CompositeSeal),
                      std::to_string(composite.CompositeTone)})) +
            line(picture, std::string(SealOf(composite.CompositeSeal).PictureKey)) + "\n" +
            std::string(kinmatch::SealDescription(composite.CompositeSeal)) + "\n";
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
        "<h1>" + HtmlText(CoupleHeading(couple)) + "</h1>\n" + "<p class=\"subtitle\">" +
        HtmlText(Tr("Documents", "A Mayan astrology compatibility reading")) + "</p>\n" +
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
    return PdfOfHtml(CoupleHtml(couple, Medium::Pdf), CoupleTitle(couple),
                     {false, true, CoupleHeading(couple)}, where);
}

std::string GroupTitle(const std::vector<DatedPerson>& people)
{
    return Arg(Tr("Documents", "Kinmatch: a group of %1"), {std::to_string(people.size())});
}

std::string GroupHtml(const std::vector<DatedPerson>& people)
{
    std::string body = "<h1>" + HtmlText(GroupHeading(people)) + "</h1>\n<p class=\"subtitle\">" +
                       HtmlText(Tr("Documents", "Mayan astrology compatibility of every pair")) +
                       "</p>\n<p>" + HtmlText(GroupIntroduction()) + "</p>\n";
    const bool matrix = people.size() <= LargestMatrixOnScreen;
    const std::string persons =
        "<h2>" + HtmlText(Tr("Documents", "The persons")) + "</h2>\n" + Legend(people);
    std::unique_ptr<PairGrid> grid;
    // On screen the matrix comes first, whole, its header row and first column kept in view;
    // on paper it comes last, in pages of columns. A group too large for that lists its
    // persons, then its pairs by composite, and says where the rest is.
    if (matrix) {
        grid = std::make_unique<PairGrid>(people);
        body += "<div class=\"screen-only\">\n<h2>" + HtmlText(Tr("Documents", "The pairs")) +
                "</h2>\n<div class=\"scroll\">\n" + MatrixTable(people, *grid, 0, people.size()) +
                "</div>\n</div>\n" + persons;
    } else {
        body += persons + "<h2>" + HtmlText(Tr("Documents", "The pairs by composite")) +
                "</h2>\n<p>" +
                HtmlText(Arg(Tr("Documents",
                                "A group of more than %1 is too large for a matrix on a screen: "
                                "its pairs are listed here by their composite, by the persons' "
                                "numbers (\"1: 5, 17\" is person 1 with 5 and with 17). Every "
                                "pair's composite, one a row, is in the CSV form (kinmatch-cli "
                                "group FILE.csv --csv), and the whole matrix on paper in the PDF "
                                "form (--pdf)."),
                             {std::to_string(LargestMatrixOnScreen)})) +
                "</p>\n" + PairsByComposite(people);
    }
    body += "<h2 class=\"page\">" + HtmlText(Tr("Documents", "Key")) + "</h2>\n" + Key();
    if (matrix)
        body += "<div class=\"print-only\">\n" + MatrixPages(people, *grid) + "</div>\n";
    return Page(GroupTitle(people), "wide", body, Medium::Browser,
                "@page { size: A4 landscape; }\n");
}

std::string GroupPdf(const std::vector<DatedPerson>& people, const std::string& where)
{
    // Every text the blocks point to lives here until the PDF is made.
    const std::string heading = GroupHeading(people);
    const std::string subtitle{Tr("Documents", "Mayan astrology compatibility of every pair")};
    const std::string introduction = GroupIntroduction();
    const std::string personsHeading{Tr("Documents", "The persons")};
    const std::string keyHeading{Tr("Documents", "Key")};
    const LegendText legendText;
    const KeyText keyText;
    std::vector<std::string> texts; // the cells' texts, made before any is pointed to
    texts.reserve(people.size() * 5 + 5 + mmc::SealCount * 4 + 4);
    const auto keep = [&texts](std::string text) -> std::string_view {
        texts.push_back(std::move(text));
        return texts.back();
    };
    const auto cell = [](std::string_view text, long shade = -1) {
        return KinmatchPdfCell{PdfText(text), 0, shade};
    };

    std::vector<KinmatchPdfCell> legend;
    for (const std::string* header : {&legendText.number, &legendText.name, &legendText.date,
                                      &legendText.sign, &legendText.tone})
        legend.push_back(cell(*header));
    for (std::size_t i = 0; i < people.size(); ++i) {
        legend.push_back(cell(keep(std::to_string(i + 1))));
        legend.push_back(cell(people[i].name));
        legend.push_back(cell(keep(DateText(people[i].date))));
        legend.push_back(cell(kinmatch::SignName(people[i].sign().DaySign)));
        legend.push_back(cell(keep(std::to_string(people[i].sign().DayNumber))));
    }
    const double legendWidths[] = {0.6, 4, 2, 1.6, 1.2};

    std::vector<KinmatchPdfCell> key;
    for (const std::string* header :
         {&keyText.seal, &keyText.colourAndSign, &keyText.tone, &keyText.name})
        key.push_back(cell(*header));
    for (int seal = 1; seal <= mmc::SealCount; ++seal) {
        key.push_back(cell(keep(SealCode(seal)), Shade(seal)));
        key.push_back(cell(kinmatch::SealName(seal)));
        key.push_back(cell(seal <= mmc::ToneCount ? keep(std::to_string(seal)) : ""));
        key.push_back(cell(seal <= mmc::ToneCount ? kinmatch::ToneName(seal) : ""));
    }
    const double keyWidths[] = {0.8, 3, 0.8, 2.4};

    // The matrix: each cell an index into the distinct cells, of which there are few.
    std::vector<std::string> rowHeadTexts;
    std::vector<KinmatchPdfText> rowHeads;
    rowHeadTexts.reserve(people.size());
    for (std::size_t i = 0; i < people.size(); ++i)
        rowHeadTexts.push_back(std::to_string(i + 1) + " " +
                               Shortened(people[i].name, ShortNameCharacters));
    for (const std::string& head : rowHeadTexts)
        rowHeads.push_back(PdfText(head));
    std::vector<std::string> distinctTexts = {""};
    std::vector<long> distinctShades = {SelfShade};
    std::map<std::pair<int, int>, unsigned short> indexOf;
    std::vector<unsigned short> cellIndex(people.size() * people.size(), 0);
    Composites composites;
    for (std::size_t row = 0; row < people.size(); ++row)
        for (std::size_t column = 0; column < people.size(); ++column) {
            if (row == column)
                continue;
            const mmc::CompositeReading& composite = composites.of(people[row], people[column]);
            const std::pair sum(composite.CompositeSeal, composite.CompositeTone);
            auto found = indexOf.find(sum);
            if (found == indexOf.end()) {
                found =
                    indexOf.emplace(sum, static_cast<unsigned short>(distinctTexts.size())).first;
                distinctTexts.push_back(ShortComposite(composite));
                distinctShades.push_back(Shade(composite.CompositeSeal));
            }
            cellIndex[row * people.size() + column] = found->second;
        }
    std::vector<KinmatchPdfCell> distinct;
    for (std::size_t d = 0; d < distinctTexts.size(); ++d)
        distinct.push_back(cell(distinctTexts[d], distinctShades[d]));
    const std::string corner{Tr("Documents", "No.")};
    const std::string pageHeading{Tr("Documents", "The pairs: persons %1 to %2 across")};

    std::vector<KinmatchPdfBlock> blocks(8);
    blocks[0].kind = KinmatchPdfTitle;
    blocks[0].text = PdfText(heading);
    blocks[1].kind = KinmatchPdfSubtitle;
    blocks[1].text = PdfText(subtitle);
    blocks[2].kind = KinmatchPdfParagraph;
    blocks[2].text = PdfText(introduction);
    blocks[3].kind = KinmatchPdfHeading;
    blocks[3].text = PdfText(personsHeading);
    blocks[4].kind = KinmatchPdfTable;
    blocks[4].columns = 5;
    blocks[4].rows = people.size() + 1;
    blocks[4].cells = legend.data();
    blocks[4].widths = legendWidths;
    blocks[5].kind = KinmatchPdfHeading;
    blocks[5].text = PdfText(keyHeading);
    blocks[5].newPage = 1;
    blocks[6].kind = KinmatchPdfTable;
    blocks[6].columns = 4;
    blocks[6].rows = mmc::SealCount + 1;
    blocks[6].cells = key.data();
    blocks[6].widths = keyWidths;
    blocks[7].kind = KinmatchPdfMatrix;
    blocks[7].newPage = 1;
    blocks[7].persons = people.size();
    blocks[7].rowHeads = rowHeads.data();
    blocks[7].distinct = distinct.data();
    blocks[7].distinctCount = distinct.size();
    blocks[7].cellIndex = cellIndex.data();
    blocks[7].columnsPerPage = MatrixColumnsPerPage;
    blocks[7].corner = PdfText(corner);
    blocks[7].pageHeading = PdfText(pageHeading);
    return PdfOfBlocks(blocks, GroupTitle(people), {true, true, {}}, where);
}

} // namespace kinmatch_cli
