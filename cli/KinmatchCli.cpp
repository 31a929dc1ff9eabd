#include "KinmatchCli.h"

#include "KinmatchConfig.h"

#include "Arguments.h"
#include "Documents.h"
#include "Forms.h"
#include "Pdf.h"
#include "People.h"
#include "ReadingFile.h"
#include "TerminalText.h"
#include "Utf8.h"

#include <algorithm>

namespace kinmatch_cli {
namespace mmn = modMayanNumerology;

namespace {

struct Option {
    std::string_view name;
    std::size_t values;
    std::string_view help; // the lines after the option's name in the help
};

constexpr Option Options[] = {
    {"--json", 0, "JSON instead of text (one object a line for several dates)"},
    {"--csv", 0, "CSV instead of text"},
    {"--explain", 0, "shows how each answer is worked out"},
    {"--html", 1, "writes one self-contained HTML file"},
    {"--pdf", 1, "writes a PDF file"},
    {"--name", 2, "a person's name and date of birth"},
    {"--help", 0, "shows this help"},
};

struct Command {
    std::string_view name;
    std::vector<std::string_view> usage; // each after "kinmatch-cli "
    std::string_view summary;            // the lines after the command's name in the help
    std::vector<std::string_view> options;
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

std::string Padded(std::string_view text, std::size_t width)
{
    std::string padded(text);
    padded.resize(std::max(width, padded.size() + 1), ' ');
    return padded;
}

// A line of the help: a name, and its text in a column of its own.
std::string HelpLine(std::string_view name, std::string_view text)
{
    return "  " + Padded(name, 10) + Indented(text, 12) + "\n";
}

constexpr std::string_view About =
    "Mayan astrology readings from the command line. Dates are YYYY-MM-DD, 1900-01-01 to\n"
    "2016-12-31.\n";
constexpr std::string_view Outcomes =
    "Bad input prints one line on standard error and exits with status 2, writing nothing;\n"
    "an output that cannot be written exits with status 1 and leaves any old file as it was.\n";

std::string Help()
{
    std::string help = "Usage:\n";
    for (const Command& command : Commands())
        for (std::string_view usage : command.usage)
            help += "  kinmatch-cli " + std::string(usage) + "\n";
    help += "  kinmatch-cli COMMAND --help\n  kinmatch-cli --help | --version\n\n";
    help += std::string(About) + "\n";
    for (const Command& command : Commands())
        help += HelpLine(command.name, command.summary);
    for (const Option& option : Options)
        help += HelpLine(option.name, option.help);
    help += HelpLine("--", "ends the options: what follows is a date or a file");
    return help + "\n" + std::string(Outcomes);
}

std::string CommandHelp(const Command& command)
{
    std::string help = "Usage:\n";
    for (std::string_view usage : command.usage)
        help += "  kinmatch-cli " + std::string(usage) + "\n";
    std::string summary(command.summary);
    summary[0] = static_cast<char>(summary[0] - 'a' + 'A');
    help += "\n" + summary + ".\n\n";
    std::vector<std::string_view> options = command.options;
    options.push_back("--help");
    for (std::string_view name : options) {
        const Option& option = *std::find_if(std::begin(Options), std::end(Options),
                                             [&](const Option& o) { return o.name == name; });
        help += HelpLine(option.name, option.help);
    }
    return help + "\n" + std::string(Outcomes);
}

void WriteText(Console& console, std::string_view text)
{
    auto out = ConsoleOutput(console);
    *out << text;
    out->finish();
}

// All of a file, or of standard input for "-": text input is never larger than this.
std::string ReadInput(Console& console, const std::string& source, const std::string& where)
{
    FileContents contents;
    try {
        contents =
            source == "-" ? console.readInput(InputLimit) : ReadRegularFile(source, InputLimit);
    } catch (const FileError& error) {
        throw BadInputAt(where, "cannot read", error.what());
    }
    if (!contents.whole)
        throw BadInputAt(where, "holds more than " + std::to_string(InputLimit / 1024 / 1024) +
                                    " MB, more than any batch of dates or group needs");
    return std::move(contents.bytes);
}

std::string SourceName(const std::string& source)
{
    return source == "-" ? "standard input" : Quoted(source);
}

void WriteFile(const std::string& path, std::string_view bytes)
{
    const auto out = FileOutput(path);
    *out << bytes;
    out->finish();
}

// The document as the HTML or PDF file that form ("--html" or "--pdf") names.
template <class MakeHtml>
void WriteDocument(const Arguments& arguments, const std::string& form, const std::string& title,
                   MakeHtml makeHtml, PdfPages pages)
{
    const std::string& path = arguments.value(form)[0];
    WriteFile(path, form == "--pdf" ? PdfOfHtml(makeHtml(Medium::Pdf), title, pages, Quoted(path))
                                    : makeHtml(Medium::Browser));
}

void Reading(const Arguments& arguments, Console& console)
{
    const std::string form = OneOf(arguments, {"--json", "--csv"});
    const bool explain = arguments.has("--explain");
    if (explain && form == "--csv")
        throw BadInputAt(arguments.command, "--explain cannot be shown in CSV");
    if (arguments.positional.empty())
        throw BadInputAt(arguments.command, "needs a DATE, or - to read dates from standard input");
    // Every date is checked before anything is written.
    std::vector<BirthDate> dates;
    if (arguments.positional == std::vector<std::string>{"-"}) {
        dates = DatesOfLines(ReadInput(console, "-", "standard input"), "standard input");
    } else {
        for (const std::string& date : arguments.positional) {
            if (date == "-")
                throw BadInputAt(arguments.command,
                                 "- reads the dates from standard input and stands alone");
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
    arguments.expectPositional(2, "needs USER-DATE and PARTNER-DATE");
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
    arguments.expectPositional(1, "needs FILE.csv, or - for standard input");
    const std::string& source = arguments.positional[0];
    const std::string where = SourceName(source);
    const std::vector<DatedPerson> people = PeopleOfCsv(ReadInput(console, source, where), where);
    if (form == "--html" || form == "--pdf") {
        WriteDocument(arguments, form, GroupTitle(people),
                      [&](Medium medium) { return GroupHtml(people, medium); }, {true, true});
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
        throw BadInputAt(arguments.command, "needs --name NAME DATE for each of the two persons");
    const Couple couple{PersonOfNameAndDate(arguments.command, names[0]),
                        PersonOfNameAndDate(arguments.command, names[1])};
    if (form.empty())
        WriteText(console, CoupleText(couple));
    else
        WriteDocument(arguments, form, CoupleTitle(couple),
                      [&](Medium medium) { return CoupleHtml(couple, medium); }, {false, true});
}

// The details a reading file holds, refused unless every line is what the program writes.
mmn::BirthDetails DetailsFromFile(const std::string& path)
{
    const std::string where = Quoted(path);
    FileContents contents;
    try {
        contents = ReadRegularFile(path, kinmatch::ReadingFileReadLimit);
    } catch (const FileError& error) {
        throw BadInputAt(where, "cannot read", error.what());
    }
    auto details = kinmatch::ReadingFileDetails(contents.bytes);
    if (const auto* problem = std::get_if<std::string>(&details))
        throw BadInputAt(where, *problem);
    return std::get<mmn::BirthDetails>(std::move(details));
}

void Report(const Arguments& arguments, Console& console)
{
    const std::string form = OneOf(arguments, {"--pdf", "--html"});
    mmn::BirthDetails details;
    if (arguments.has("--name")) {
        arguments.expectPositional(0, "takes either FILE.man or --name NAME DATE");
        details = PersonOfNameAndDate(arguments.command, arguments.value("--name")).details();
    } else {
        arguments.expectPositional(1, "needs FILE.man or --name NAME DATE");
        details = DetailsFromFile(arguments.positional[0]);
    }
    const mmn::PersonReading reading =
        mmn::ReadingOf(details.BirthMonth, details.BirthDay, details.BirthYear).Reading;
    if (form == "--pdf") {
        const std::string& path = arguments.value(form)[0];
        WriteFile(path, PdfOfReport(kinmatch::ComposeReport(details, reading, KINMATCH_MAIN_SITE),
                                    "Kinmatch report", Quoted(path)));
        return;
    }
    // A name read from a file reaches the terminal or the page only with its control
    // characters shown.
    details.Name = kinmatch::VisibleControls(details.Name);
    const auto runs = kinmatch::ComposeReport(details, reading, KINMATCH_MAIN_SITE);
    if (form == "--html")
        WriteFile(arguments.value(form)[0], ReportHtml(runs));
    else
        WriteText(console, kinmatch::ReportText(runs) + "\n");
}

void Save(const Arguments& arguments, Console&)
{
    arguments.expectPositional(1, "needs FILE.man");
    if (!arguments.has("--name"))
        throw BadInputAt(arguments.command, "needs --name NAME DATE");
    const std::string& file = arguments.positional[0];
    if (!file.ends_with("man"))
        throw BadInputAt(Quoted(file), "does not end in .man");
    const mmn::BirthDetails details =
        PersonOfNameAndDate(arguments.command, arguments.value("--name")).details();
    if (const auto character = kinmatch::FirstUnstorableCharacter(details.Name)) {
        std::string shown;
        kinmatch::AppendUtf8(shown, *character);
        throw BadInputAt(arguments.command, "a reading file cannot hold the character '" +
                                                kinmatch::VisibleControls(shown) + "' of the name");
    }
    WriteFile(file, *kinmatch::EncodeReadingFile(details));
}

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = {
        {"reading",
         {"reading DATE... [--json | --csv] [--explain]", "reading - [--json | --csv]"},
         "each date's place in the 260-day count, day sign, galactic tone and reading;\n"
         "- reads one date a line from standard input (a blank line is an error)",
         {"--json", "--csv", "--explain"},
         Reading},
        {"match",
         {"match USER-DATE PARTNER-DATE [--json] [--explain]"},
         "two persons' composite seal and tone, with each person's own sign and tone",
         {"--json", "--explain"},
         Match},
        {"group",
         {"group FILE.csv [--json | --csv | --html OUT.html | --pdf OUT.pdf]"},
         "every pair of a group of 2 to 1000 persons, from a CSV file (- for standard\n"
         "input) of names and dates, with an optional header row name,date",
         {"--json", "--csv", "--html", "--pdf"},
         Group},
        {"couple",
         {"couple --name NAME DATE --name NAME DATE [--pdf OUT.pdf | --html OUT.html]"},
         "the couple's report: both persons' readings and their composite",
         {"--name", "--html", "--pdf"},
         CoupleCommand},
        {"report",
         {"report (FILE.man | --name NAME DATE) [--pdf OUT.pdf | --html OUT.html]"},
         "the report of one person's reading, from a reading file or a name and date",
         {"--name", "--html", "--pdf"},
         Report},
        {"save",
         {"save FILE.man --name NAME DATE"},
         "writes a reading file for a name and date",
         {"--name"},
         Save},
    };
    return commands;
}

void Dispatch(const std::vector<std::string>& args, Console& console)
{
    if (args.empty())
        throw BadInputAt("command line", "no command given (try 'kinmatch-cli --help')");
    const std::string& name = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (name == "--help" || name == "-h" || name == "--version") {
        ParseArguments(name, rest, {}).expectPositional(0, "takes no arguments");
        WriteText(console, name == "--version" ? "kinmatch-cli " KINMATCH_VERSION "\n" : Help());
        return;
    }
    const auto& commands = Commands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const Command& c) { return c.name == name; });
    if (command == commands.end())
        throw BadInputAt(
            Quoted(name),
            std::string(!name.empty() && name[0] == '-' ? "unknown option" : "unknown command") +
                " (try 'kinmatch-cli --help')");
    std::map<std::string, std::size_t> arity = {{"--help", 0}};
    for (std::string_view option : command->options)
        for (const Option& known : Options)
            if (known.name == option)
                arity.emplace(option, known.values);
    const Arguments arguments = ParseArguments(std::string(command->name), rest, arity);
    if (arguments.has("--help"))
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
