#include "Documents.h"

#include "Arguments.h"
#include "Html.h"
#include "QtText.h"
#include "ReportDocument.h"
#include "SafeFile.h"
#include "SealPictures.h"
#include "TerminalText.h"
#include "UiFontFamily.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>
#include <memory>

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

std::string PersonHtml(const DatedPerson& person)
{
    const mmn::PersonReading& reading = person.reading.Reading;
    const auto field = [](const char* label, std::string_view value) {
        return "<p><span class=\"label\">" + std::string(label) + ":</span> " + HtmlText(value) +
               "</p>\n";
    };
    std::string html = "<h2>" + HtmlText(person.name) + "</h2>\n";
    html += field("Date of Birth", DateText(person.date));
    html += field("Mayan Day Sign",
                  std::string(reading.EnglishName) + ", " + std::string(reading.SignName));
    html += field("Galactic Tone", std::to_string(reading.DayNumber));
    html += field("Mayan Keywords", reading.Keywords);
    html += field("Mayan Gemstone", reading.Gemstone);
    html += field("Mayan Significance", reading.Significance);
    html += field("Mayan Day Sign's Description", reading.SignDescription);
    html += field("Mayan Day Number's Description", reading.NumberDescription);
    return html;
}

std::string PictureDataAddress(int seal)
{
    QFile picture(kinmatch::SealPicturePath(seal));
    picture.open(QIODevice::ReadOnly);
    return "data:image/jpeg;base64," + picture.readAll().toBase64().toStdString();
}

// Text layout and PDF output need a GUI application; a terminal has no display, so it draws
// offscreen.
std::unique_ptr<QGuiApplication> EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kinmatch-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

std::string ReportHtml(const std::vector<kinmatch::ReportRun>& runs)
{
    std::string body = "<div style=\"white-space: pre-wrap\">";
    for (const kinmatch::ReportRun& run : runs) {
        body += "<span style=\"color: " + Hex(run.colour) +
                (run.bold ? "; font-weight: bold" : "; font-weight: normal") + "\">";
        body += HtmlText(run.text) + "</span>";
    }
    body += "</div>\n";
    return kinmatch::HtmlPage("Kinmatch report", PageStyle, body);
}

std::string CoupleText(const Couple& couple)
{
    const mmc::CompositeReading composite =
        mmc::CompositeOf(couple.user.reading.Sign, couple.partner.reading.Sign);
    const mmc::SealRow& seal = SealOf(composite.CompositeSeal);
    std::string text = "Kinmatch couple report\n";
    for (const DatedPerson* person : {&couple.user, &couple.partner}) {
        const mmn::PersonReading& reading = person->reading.Reading;
        text += "\n" + kinmatch::VisibleControls(person->name) + ", born " +
                DateText(person->date) + "\n";
        text += "  Day sign:       " + std::string(reading.EnglishName) + ", " +
                std::string(reading.SignName) + "\n";
        text += "  Galactic tone:  " + std::to_string(reading.DayNumber) + "\n";
        text += "  Keywords:       " + std::string(reading.Keywords) + "\n";
        text += "  Gemstone:       " + std::string(reading.Gemstone) + "\n";
        text += "  Significance:   " + std::string(reading.Significance) + "\n\n";
        text += std::string(reading.SignDescription) + "\n\n";
        text += std::string(reading.NumberDescription) + "\n";
    }
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
        mmc::CompositeOf(couple.user.reading.Sign, couple.partner.reading.Sign);
    const mmc::SealRow& seal = SealOf(composite.CompositeSeal);
    std::string body =
        "<h1>" + HtmlText(couple.user.name) + " and " + HtmlText(couple.partner.name) + "</h1>\n";
    body += PersonHtml(couple.user) + PersonHtml(couple.partner);
    body += "<h2>Together: " + HtmlText(composite.CompositeName) + "</h2>\n";
    body += "<p><img src=\"" + PictureDataAddress(composite.CompositeSeal) +
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
                mmc::CompositeOf(people[row].reading.Sign, people[column].reading.Sign);
            body += "<td style=\"background-color: " + SealShade(composite.CompositeSeal) + "\">" +
                    HtmlText(composite.CompositeName) + "</td>";
        }
        body += "</tr>\n";
    }
    body += "</table>\n<h2>Each person's sign and tone</h2>\n<table class=\"matrix\">\n";
    body += "<tr><th>Name</th><th>Date of Birth</th><th>Day Sign</th><th>Galactic Tone</th></tr>\n";
    for (const DatedPerson& person : people)
        body += "<tr><td>" + HtmlText(person.name) + "</td><td>" + DateText(person.date) +
                "</td><td>" + person.reading.Sign.EnglishName + "</td><td>" +
                std::to_string(person.reading.Sign.DayNumber) + "</td></tr>\n";
    body += "</table>\n";
    return kinmatch::HtmlPage("Kinmatch group", PageStyle, body);
}

void WriteHtmlFile(const std::string& path, const std::string& html)
{
    if (!kinmatch::WriteFileAtomically(kinmatch::ToQString(path), QByteArray::fromStdString(html)))
        throw WriteError("cannot write '" + path + "'");
}

void WriteReportPdfFile(const std::string& path, const std::vector<kinmatch::ReportRun>& runs)
{
    const auto app = EnsureGuiApplication();
    if (!kinmatch::WritePdf(*kinmatch::ReportDocument(runs), kinmatch::ToQString(path)))
        throw WriteError("cannot write '" + path + "'");
}

void WriteHtmlAsPdfFile(const std::string& path, const std::string& html, bool landscape)
{
    const auto app = EnsureGuiApplication();
    QTextDocument document;
    QFont font(kinmatch::UiFontFamily());
    font.setPointSizeF(9.75);
    document.setDefaultFont(font);
    document.setHtml(kinmatch::ToQString(html));
    if (!kinmatch::WritePdf(document, kinmatch::ToQString(path), landscape))
        throw WriteError("cannot write '" + path + "'");
}

} // namespace kinmatch_cli
