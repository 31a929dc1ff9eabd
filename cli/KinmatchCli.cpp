#include "KinmatchCli.h"

#include "KinmatchConfig.h"

#include "Arguments.h"
#include "Documents.h"
#include "Forms.h"
#include "Language.h"
#include "Pdf.h"
#include "People.h"
#include "ReadingFile.h"
#include "TerminalText.h"
#include "Utf8.h"

#include <algorithm>

namespace kinmatch_cli {
namespace mmn = modMayanNumerology;
using kinmatch::Arg;
using kinmatch::Marked;
using kinmatch::Tr;

namespace {

// How many values follow each option.
constexpr std::pair<std::string_view, std::size_t> OptionValues[] = {
    {"--json", 0}, {"--csv", 0},  {"--explain", 0}, {"--html", 1},
    {"--pdf", 1},  {"--name", 2}, {"--help", 0},
};

struct OptionHelp {
    std::string_view name;
    const char* help; // the lines after the option's name, marked for the catalogs
};

constexpr const char* HelpHelp = Marked("kinmatch-cli", "shows this help");
constexpr const char* HtmlHelp =
    Marked("kinmatch-cli", "writes one self-contained HTML file (- for standard output)");
constexpr const char* PdfHelp = Marked("kinmatch-cli", "writes a PDF file (- for standard output)");

struct Command {
    std::string_view name;
    std::vector<std::string_view> usage; // each after "kinmatch-cli "
    const char* summary;                 // the lines after the command's name in the help
    std::vector<OptionHelp> options;
    void (*run)(const Arguments&, Console&);
};

const std::vector<Command>& Commands();

std::string Indented(std::string_view text, std::size_t width)
{
    std::string out;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        if (start > 0)
            out += "\n" + std::string(width, ' ');
        out += text.substr(start, end - start);
        start = end + 1;
    }
    return out;
}

// A line of the help: a name, and its text in a column of its own.
std::string HelpLine(std::string_view name, std::string_view text)
{
    std::string padded(name);
    padded.resize(std::max<std::size_t>(10, padded.size() + 1), ' ');
    return "  " + padded + Indented(text, 12) + "\n";
}

std::string_view Outcomes()
{
    return Tr("kinmatch-cli",
              "Bad input prints one line on standard error and exits with status 2, writing\n"
              "nothing; an output that cannot be written (a read-only file among them) exits with\n"
              "status 1 and leaves any old file as it was. Files may be pipes; - is standard\n"
              "input or output. In CSV, a name that starts with =, +, -, @, a tab or a carriage\n"
              "return is preceded by ', so that no spreadsheet runs it as a formula.\n");
}

std::string Usage(const Command& command)
{
    std::string usage;
    for (std::string_view line : command.usage)
        usage += "  kinmatch-cli " + std::string(line) + "\n";
    return usage;
}

std::string Help()
{
    std::string help = std::string(Tr("kinmatch-cli", "Usage:")) + "\n";
    for (const Command& command : Commands())
        help += Usage(command);
    help += "  kinmatch-cli COMMAND --help\n  kinmatch-cli -h | --help | --version\n\n";
    help += std::string(Tr("kinmatch-cli", "Mayan astrology readings from the command line. Dates "
                                           "are YYYY-MM-DD, 1900-01-01 to\n2016-12-31.\n")) +
            "\n";
    for (const Command& command : Commands())
        help += HelpLine(command.name, Tr("kinmatch-cli", command.summary));
    help += HelpLine("-h, --help", Tr("kinmatch-cli", HelpHelp));
    help += HelpLine("--version", Tr("kinmatch-cli", "shows the version"));
    help +=
        HelpLine("--", Tr("kinmatch-cli", "ends the options: what follows is a date or a file"));
    return help + "\n" + std::string(Outcomes());
}

std::string CommandHelp(const Command& command)
{
    std::string summary(Tr("kinmatch-cli", command.summary));
    std::string help = std::string(Tr("kinmatch-cli", "Usage:")) + "\n" + Usage(command) + "\n";
    // The summary as a sentence: its first letter capital where it is a plain ASCII one.
    if (!summary.empty() && summary[0] >= 'a' && summary[0] <= 'z')
        summary[0] = static_cast<char>(summary[0] - 'a' + 'A');
    help += summary + ".\n\n";
    for (const OptionHelp& option : command.options)
        help += HelpLine(option.name, Tr("kinmatch-cli", option.help));
    help += HelpLine("-h, --help", Tr("kinmatch-cli", HelpHelp));
    return help + "\n" + std::string(Outcomes());
}

void WriteText(Console& console, std::string_view text)
{
    auto out = ConsoleOutput(console);
    *out << text;
    out->finish();
}

std::string SourceName(const std::string& source)
{
    return source == "-" ? std::string(Tr("kinmatch-cli", "standard input")) : Quoted(source);
}

// All of a file, a pipe, or standard input for "-", up to limit bytes; more is refused, as
// tooMuch says.
std::string ReadInput(Console& console, const std::string& source, std::size_t limit,
                      std::string_view tooMuch)
{
    const std::string where = SourceName(source);
    FileContents contents;
    try {
        contents =
            source == "-" ? console.readInput(limit) : kinmatch::ReadFileOrStream(source, limit);
    } catch (const FileError& error) {
        throw BadInputAt(where, Tr("kinmatch-cli", "cannot read"), Tr("Files", error.what()));
    }
    if (!contents.whole)
        throw BadInputAt(where, tooMuch);
    return std::move(contents.bytes);
}

std::string ReadBatch(Console& console, const std::string& source)
{
    return ReadInput(console, source, InputLimit,
                     Arg(Tr("kinmatch-cli",
                            "holds more than %1 MB, more than any batch of dates or group needs"),
                         {std::to_string(InputLimit / 1024 / 1024)}));
}

// The bytes to the file at path, or to standard output for "-".
void WriteOutput(Console& console, const std::string& path, std::string_view bytes)
{
    const auto out = path == "-" ? ConsoleOutput(console) : FileOutput(path);
    *out << bytes;
    out->finish();
}

// The document as the HTML or PDF file that form ("--html" or "--pdf") names.
template <class MakeHtml, class MakePdf>
void WriteDocument(const Arguments& arguments, Console& console, const std::string& form,
                   MakeHtml makeHtml, MakePdf makePdf)
{
    const std::string& path = arguments.value(form)[0];
    const std::string where =
        path == "-" ? std::string(Tr("kinmatch-cli", "standard output")) : Quoted(path);
    WriteOutput(console, path, form == "--pdf" ? makePdf(where) : makeHtml());
}

void Reading(const Arguments& arguments, Console& console)
{
    const std::string form = OneOf(arguments, {"--json", "--csv"});
    const bool explain = arguments.has("--explain");
    if (explain && form == "--csv")
        throw BadInputAt(arguments.command, Tr("kinmatch-cli", "--explain cannot be shown in CSV"));
    if (arguments.positional.empty())
        throw BadInputAt(
            arguments.command,
            Tr("kinmatch-cli", "needs a DATE, or - to read dates from standard input"));
    // Every date is checked before anything is written.
    std::vector<BirthDate> dates;
    if (arguments.positional == std::vector<std::string>{"-"}) {
        dates = DatesOfLines(ReadBatch(console, "-"), SourceName("-"));
    } else {
        for (const std::string& date : arguments.positional) {
            if (date == "-")
                throw BadInputAt(
                    arguments.command,
                    Tr("kinmatch-cli", "- reads the dates from standard input and stands alone"));
            dates.push_back(DateOfArgument(arguments.command, date));
        }
    }
    const auto out = ConsoleOutput(console);
    const auto reading = ReadingFormOf(form, explain);
    reading->begin(*out);
    for (const BirthDate& date : dates)
        reading->person(*out, PersonOf(date));
    reading->end(*out);
    out->finish();
}

void Match(const Arguments& arguments, Console& console)
{
    const bool json = OneOf(arguments, {"--json"}) == "--json";
    arguments.expectPositional(2, Tr("kinmatch-cli", "needs USER-DATE and PARTNER-DATE"));
    const DatedPerson user = PersonOf(DateOfArgument(arguments.command, arguments.positional[0]));
    const DatedPerson partner =
        PersonOf(DateOfArgument(arguments.command, arguments.positional[1]));
    const auto out = ConsoleOutput(console);
    WriteMatch(*out, user, partner, json, arguments.has("--explain"));
    out->finish();
}

void Group(const Arguments& arguments, Console& console)
{
    const std::string form = OneOf(arguments, {"--json", "--csv", "--html", "--pdf"});
    arguments.expectPositional(1, Tr("kinmatch-cli", "needs FILE.csv, or - for standard input"));
    const std::string& source = arguments.positional[0];
    const std::vector<DatedPerson> people =
        PeopleOfCsv(ReadBatch(console, source), SourceName(source));
    if (form == "--html" || form == "--pdf") {
        WriteDocument(
            arguments, console, form, [&] { return GroupHtml(people); },
            [&](const std::string& where) { return GroupPdf(people, where); });
        return;
    }
    const auto out = ConsoleOutput(console);
    WriteGroup(*out, *GroupFormOf(form), people);
    out->finish();
}

void CoupleCommand(const Arguments& arguments, Console& console)
{
    const std::string form = OneOf(arguments, {"--pdf", "--html"});
    const auto names = arguments.all("--name");
    if (names.size() != 2 || !arguments.positional.empty())
        throw BadInputAt(arguments.command, Tr("kinmatch-cli", "needs --name NAME DATE for each "
                                                               "of the two persons"));
    const Couple couple{PersonOfNameAndDate(arguments.command, names[0]),
                        PersonOfNameAndDate(arguments.command, names[1])};
    if (form.empty())
        WriteText(console, CoupleText(couple));
    else
        WriteDocument(
            arguments, console, form, [&] { return CoupleHtml(couple); },
            [&](const std::string& where) { return CouplePdf(couple, where); });
}

// The details a reading file holds, refused unless every line is what the program writes.
mmn::BirthDetails DetailsFromFile(Console& console, const std::string& path)
{
    const std::string bytes =
        ReadInput(console, path, kinmatch::ReadingFileReadLimit,
                  Tr("kinmatch-cli", "is far larger than a reading file, so it is none"));
    auto details = kinmatch::ReadingFileDetails(bytes);
    if (const auto* problem = std::get_if<std::string>(&details))
        throw BadInputAt(SourceName(path), *problem);
    return std::get<mmn::BirthDetails>(std::move(details));
}

void Report(const Arguments& arguments, Console& console)
{
    const std::string form = OneOf(arguments, {"--pdf", "--html"});
    mmn::BirthDetails details;
    if (arguments.has("--name")) {
        arguments.expectPositional(0, Tr("kinmatch-cli", "takes either FILE.man or --name NAME "
                                                         "DATE"));
        details = PersonOfNameAndDate(arguments.command, arguments.value("--name")).details();
    } else {
        arguments.expectPositional(1, Tr("kinmatch-cli", "needs FILE.man or --name NAME DATE"));
        details = DetailsFromFile(console, arguments.positional[0]);
    }
    const mmn::PersonReading reading =
        mmn::ReadingOf(details.BirthMonth, details.BirthDay, details.BirthYear).Reading;
    if (form == "--pdf") {
        const std::string& path = arguments.value(form)[0];
        const std::string where =
            path == "-" ? std::string(Tr("kinmatch-cli", "standard output")) : Quoted(path);
        WriteOutput(console, path,
                    PdfOfReport(kinmatch::ComposeReport(details, reading, KINMATCH_MAIN_SITE),
                                Tr("Report", "Kinmatch report"), where));
        return;
    }
    // A name read from a file reaches the terminal or the page only with its control
    // characters shown.
    details.Name = kinmatch::VisibleControls(details.Name);
    const auto runs = kinmatch::ComposeReport(details, reading, KINMATCH_MAIN_SITE);
    if (form == "--html")
        WriteOutput(console, arguments.value(form)[0], ReportHtml(runs));
    else
        WriteText(console, kinmatch::ReportText(runs) + "\n");
}

// The name ends in ".man", in any letter case, as the message says.
bool HasReadingExtension(std::string_view file)
{
    if (file.size() < 4)
        return false;
    std::string extension(file.substr(file.size() - 4));
    for (char& c : extension)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return extension == ".man";
}

void Save(const Arguments& arguments, Console& console)
{
    arguments.expectPositional(1, Tr("kinmatch-cli", "needs FILE.man"));
    if (!arguments.has("--name"))
        throw BadInputAt(arguments.command, Tr("kinmatch-cli", "needs --name NAME DATE"));
    const std::string& file = arguments.positional[0];
    if (file != "-" && !HasReadingExtension(file))
        throw BadInputAt(Quoted(file), Tr("kinmatch-cli", "does not end in .man"));
    const mmn::BirthDetails details =
        PersonOfNameAndDate(arguments.command, arguments.value("--name")).details();
    if (const auto character = kinmatch::FirstUnstorableCharacter(details.Name)) {
        std::string shown;
        kinmatch::AppendUtf8(shown, *character);
        throw BadInputAt(
            arguments.command,
            Arg(Tr("kinmatch-cli", "a reading file cannot hold the character '%1' of the name"),
                {kinmatch::VisibleControls(shown)}));
    }
    WriteOutput(console, file, *kinmatch::EncodeReadingFile(details));
}

const std::vector<Command>& Commands()
{
    constexpr const char* JsonReadings =
        Marked("kinmatch-cli", "JSON instead of text (one object a line for several dates)");
    constexpr const char* Csv = Marked("kinmatch-cli", "CSV instead of text");
    constexpr const char* Explain = Marked("kinmatch-cli", "shows how each answer is worked out");
    constexpr const char* Name = Marked("kinmatch-cli", "a person's name and date of birth");
    static const std::vector<Command> commands = {
        {"reading",
         {"reading DATE... [--json | --csv] [--explain]", "reading - [--json | --csv] [--explain]"},
         Marked("kinmatch-cli",
                "each date's place in the 260-day count, day sign, galactic tone and reading;\n"
                "- reads one date a line from standard input (a blank line is an error)"),
         {{"--json", JsonReadings}, {"--csv", Csv}, {"--explain", Explain}},
         Reading},
        {"match",
         {"match USER-DATE PARTNER-DATE [--json] [--explain]"},
         Marked("kinmatch-cli",
                "two persons' composite seal and tone, with each person's own sign and tone"),
         {{"--json", Marked("kinmatch-cli", "JSON instead of text")}, {"--explain", Explain}},
         Match},
        {"group",
         {"group FILE.csv [--json | --csv | --html OUT.html | --pdf OUT.pdf]"},
         Marked(
             "kinmatch-cli",
             "every pair of a group of 2 to 1000 persons, from a CSV file (UTF-8 or Windows-1252;\n"
             "- for standard input) of names and dates, with an optional header row name,date"),
         {{"--json",
           Marked("kinmatch-cli", "JSON instead of text: {\"people\": [...], \"pairs\": [...]}")},
          {"--csv", Marked("kinmatch-cli", "CSV instead of text: one pair a row")},
          {"--html", HtmlHelp},
          {"--pdf", PdfHelp}},
         Group},
        {"couple",
         {"couple --name NAME DATE --name NAME DATE [--pdf OUT.pdf | --html OUT.html]"},
         Marked("kinmatch-cli", "the couple's report: both persons' readings and their composite"),
         {{"--name", Name}, {"--html", HtmlHelp}, {"--pdf", PdfHelp}},
         CoupleCommand},
        {"report",
         {"report (FILE.man | --name NAME DATE) [--pdf OUT.pdf | --html OUT.html]"},
         Marked("kinmatch-cli",
                "the report of one person's reading, from a reading file or a name and date"),
         {{"--name", Name}, {"--html", HtmlHelp}, {"--pdf", PdfHelp}},
         Report},
        {"save",
         {"save FILE.man --name NAME DATE"},
         Marked("kinmatch-cli",
                "writes a reading file for a name and date (- for standard output)"),
         {{"--name", Name}},
         Save},
    };
    return commands;
}

bool AsksForHelp(const std::vector<std::string>& args)
{
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& arg) { return arg == "--help" || arg == "-h"; });
}

void Dispatch(const std::vector<std::string>& args, Console& console)
{
    const std::string_view tryHelp = Tr("kinmatch-cli", "(try 'kinmatch-cli --help')");
    if (args.empty())
        throw BadInputAt(Tr("kinmatch-cli", "command line"),
                         std::string(Tr("kinmatch-cli", "no command given")) + " " +
                             std::string(tryHelp));
    const std::string& name = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (name == "--help" || name == "-h" || name == "--version") {
        // Help wins wherever it is asked for, as in every command.
        if (name != "--version" || AsksForHelp(rest)) {
            WriteText(console, Help());
            return;
        }
        if (!rest.empty())
            throw BadInputAt(Quoted(name), std::string(Tr("kinmatch-cli", "takes no arguments")) +
                                               " " + std::string(tryHelp));
        WriteText(console, "kinmatch-cli " KINMATCH_VERSION "\n");
        return;
    }
    const auto& commands = Commands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const Command& c) { return c.name == name; });
    if (command == commands.end())
        throw BadInputAt(Quoted(name), std::string(!name.empty() && name[0] == '-'
                                                       ? Tr("kinmatch-cli", "unknown option")
                                                       : Tr("kinmatch-cli", "unknown command")) +
                                           " " + std::string(tryHelp));
    std::map<std::string, std::size_t> arity = {{"--help", 0}, {"-h", 0}};
    for (const OptionHelp& option : command->options)
        for (const auto& [known, values] : OptionValues)
            if (known == option.name)
                arity.emplace(option.name, values);
    const Arguments arguments = ParseArguments(std::string(command->name), rest, arity);
    if (arguments.has("--help") || arguments.has("-h"))
        WriteText(console, CommandHelp(*command));
    else
        command->run(arguments, console);
}

} // namespace

int Run(const std::vector<std::string>& args, Console& console)
{
    try {
        Dispatch(args, console);
        return Success;
    } catch (const Failure& failure) {
        console.writeError(failure.line());
        return failure.status();
    }
}

} // namespace kinmatch_cli
