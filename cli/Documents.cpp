#include "Documents.h"

#include "Html.h"
#include "ReadingFields.h"
#include "SealPictures.h"
#include "TerminalText.h"

#include <cstdio>

namespace kinmatch_cli {
namespace mmc = modMayanCompatibility;
namespace mmn = modMayanNumerology;
using kinmatch::HtmlText;

namespace {

std::string Hex(const kinmatch::Rgb& colour)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return hex;
}

const mmc::SealRow& SealOf(int seal)
{
    return mmc::SealTable[static_cast<std::size_t>(seal - 1)];
}

// A light shade of the seal's colour word (Red, White, Blue or Yellow), for black text.
std::string SealShade(int seal)
{
    constexpr const char* shades[] = {"#f4c7c3", "#f5f5f5", "#c9daf8", "#fff2b3"};
    return shades[(seal - 1) % 4];
}

const char* const PageStyle = "body { font-family: Verdana, 'DejaVu Sans', sans-serif; "
                              "font-size: 10pt; color: #000000; background: #ffffff; }\n"
                              "h1 { font-size: 14pt; color: #000080; }\n"
                              "h2 { font-size: 12pt; color: #008000; }\n"
                              ".label { color: #800080; font-weight: bold; }\n"
                              "table.matrix { border-collapse: collapse; }\n"
                              "table.matrix th, table.matrix td { border: 1px solid #808080; "
                              "padding: 3px; font-size: 8pt; }\n";

// A person's reading in the labelled lines and paragraphs of the field list.
std::string ReadingText(const DatedPerson& person)
{
    std::string lines;
    std::string paragraphs[3];
    for (const ReadingField& field : ReadingFields) {
        if (!(field.forms & InDocument))
            continue;
        if (field.paragraph > 0)
            paragraphs[field.paragraph] = field.shown(person) + "\n";
        else
            lines += "  " + std::string(field.label) + ": " + field.shown(person) + "\n";
    }
    return lines + "\n" + paragraphs[1] + "\n" + paragraphs[2];
}

std::string PersonHtml(const DatedPerson& person)
{
    std::string html = "<h2>" + HtmlText(person.name) + "</h2>\n";
    for (const ReadingField& field : ReadingFields)
        if (field.forms & InDocument)
            html += "<p><span class=\"label\">" + std::string(field.label) + ":</span> " +
                    HtmlText(field.shown(person)) + "</p>\n";
    return html;
}

std::string PictureAddress(int seal)
{
    return kinmatch::DataAddress("image/jpeg", SealJpeg(seal));
}

} // namespace

std::string ReportHtml(const std::vector<kinmatch::ReportRun>& runs)
{
    std::string body = "<div>";
    for (const kinmatch::ReportRun& run : runs) {
        body += "<span style=\"color: " + Hex(run.colour) +
                (run.bold ? "; font-weight: bold" : "; font-weight: normal") + "\">";
        // The runs' own line ends are the report's lines; anything else is shown as it is.
        std::string_view text = run.text;
        for (std::size_t end; (end = text.find('\n')) != std::string_view::npos;) {
            body += HtmlText(text.substr(0, end)) + "<br>\n";
            text.remove_prefix(end + 1);
        }
        body += HtmlText(text) + "</span>";
    }
    body += "</div>\n";
    return kinmatch::HtmlPage("Kinmatch report", PageStyle, body);
}

std::string CoupleText(const Couple& couple)
{
    const mmc::CompositeReading composite =
        mmc::CompositeOf(couple.user.sign(), couple.partner.sign());
    const mmc::SealRow& seal = SealOf(composite.CompositeSeal);
    std::string text = "Kinmatch couple report\n";
    for (const DatedPerson* person : {&couple.user, &couple.partner})
        text += "\n" + kinmatch::VisibleControls(person->name) + ", born " +
                DateText(person->date) + "\n" + ReadingText(*person);
    text += "\nTogether: " + composite.CompositeName + " (seal " +
            std::to_string(composite.CompositeSeal) + ", tone " +
            std::to_string(composite.CompositeTone) + ")\n";
    text += "Picture: " + std::string(seal.PictureKey) + "\n\n";
    text += std::string(seal.SealDescription) + "\n";
    return text;
}

std::string CoupleHtml(const Couple& couple)
{
    const mmc::CompositeReading composite =
        mmc::CompositeOf(couple.user.sign(), couple.partner.sign());
    const mmc::SealRow& seal = SealOf(composite.CompositeSeal);
    std::string body =
        "<h1>" + HtmlText(couple.user.name) + " and " + HtmlText(couple.partner.name) + "</h1>\n";
    body += PersonHtml(couple.user) + PersonHtml(couple.partner);
    body += "<h2>Together: " + HtmlText(composite.CompositeName) + "</h2>\n";
    body += "<p><img src=\"" + PictureAddress(composite.CompositeSeal) +
            "\" width=\"120\" height=\"184\" alt=\"" + HtmlText(seal.SealName) + "\"></p>\n";
    body += "<p>" + HtmlText(seal.SealDescription) + "</p>\n";
    return kinmatch::HtmlPage("Kinmatch couple report", PageStyle, body);
}

std::string GroupHtml(const std::vector<DatedPerson>& people)
{
    std::string body = "<h1>Kinmatch group</h1>\n<table class=\"matrix\">\n<tr><th></th>";
    for (const DatedPerson& person : people)
        body += "<th>" + HtmlText(person.name) + "</th>";
    body += "</tr>\n";
    for (std::size_t row = 0; row < people.size(); ++row) {
        body += "<tr><th>" + HtmlText(people[row].name) + "</th>";
        for (std::size_t column = 0; column < people.size(); ++column) {
            if (row == column) {
                body += "<td></td>";
                continue;
            }
            const mmc::CompositeReading composite =
                mmc::CompositeOf(people[row].sign(), people[column].sign());
            body += "<td style=\"background-color: " + SealShade(composite.CompositeSeal) + "\">" +
                    HtmlText(composite.CompositeName) + "</td>";
        }
        body += "</tr>\n";
    }
    body += "</table>\n<h2>Each person's sign and tone</h2>\n<table class=\"matrix\">\n";
    body += "<tr><th>Name</th><th>Date of Birth</th><th>Day Sign</th><th>Galactic Tone</th></tr>\n";
    for (const DatedPerson& person : people)
        body += "<tr><td>" + HtmlText(person.name) + "</td><td>" + DateText(person.date) +
                "</td><td>" + person.sign().EnglishName + "</td><td>" +
                std::to_string(person.sign().DayNumber) + "</td></tr>\n";
    body += "</table>\n";
    return kinmatch::HtmlPage("Kinmatch group", PageStyle, body);
}

} // namespace kinmatch_cli
