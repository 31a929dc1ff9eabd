#include "KinmatchCli.h"

#include "IsoDate.h"
#include "Json.h"
#include "modMayanCompatibility.h"
#include "modMayanNumerology.h"

#include "Blanks.h"
#include "QtText.h"
#include "ReadingFile.h"
#include "ReadingFileIO.h"
#include "Report.h"
#include "ReportDocument.h"
#include "modHelp.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextDocument>

#include <algorithm>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>
#include <stdexcept>

namespace kinmatch_cli {
namespace mmn = modMayanNumerology;
namespace mmc = modMayanCompatibility;

namespace {

constexpr const char* Usage =
    "Usage:\n"
    "  kinmatch-cli reading DATE [--json]\n"
    "  kinmatch-cli match USER-DATE PARTNER-DATE [--json]\n"
    "  kinmatch-cli report (FILE.man | --name NAME DATE) [--pdf OUT.pdf]\n"
    "  kinmatch-cli save FILE.man --name NAME DATE\n"
    "  kinmatch-cli --help | --version\n"
    "\n"
    "Mayan astrology readings from the command line. Dates are YYYY-MM-DD, 1900-01-01 to\n"
    "2016-12-31.\n"
    "\n"
    "  reading   a person's place in the 260-day count, day sign, galactic tone and reading\n"
    "  match     two persons' composite seal and tone, with each person's own sign and tone\n"
    "  report    the report of one person's reading, from a reading file or a name and date\n"
    "  save      writes a reading file for a name and date\n"
    "  --json    one JSON object instead of text\n"
    "  --pdf     writes the formatted report to OUT.pdf instead of printing its text\n";

// Bad input: the message becomes the one line on standard error.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct ParsedArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::vector<std::string>> options; // option -> its values
    bool has(const std::string& option) const { return options.count(option) != 0; }
};

// optionArity: each accepted option and how many values follow it.
ParsedArguments ParseArguments(const std::vector<std::string>& args, std::size_t first,
                               const std::map<std::string, std::size_t>& optionArity)
{
    ParsedArguments parsed;
    for (std::size_t i = first; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            parsed.positional.push_back(arg);
            continue;
        }
        const auto option = optionArity.find(arg);
        if (option == optionArity.end())
            throw UsageError("unknown option '" + arg + "'");
        if (option->second > args.size() - 1 - i)
            throw UsageError("option '" + arg + "' needs " + std::to_string(option->second) +
                             " value(s)");
        std::vector<std::string> values(args.begin() + static_cast<std::ptrdiff_t>(i + 1),
                                        args.begin() +
                                            static_cast<std::ptrdiff_t>(i + 1 + option->second));
        parsed.options[arg] = std::move(values);
        i += option->second;
    }
    return parsed;
}

void ExpectPositional(const ParsedArguments& parsed, std::size_t count, const std::string& what)
{
    if (parsed.positional.size() != count)
        throw UsageError(what);
}

BirthDate DateArgument(const std::string& text)
{
    auto parsed = ParseBirthDate(text);
    if (auto* reason = std::get_if<std::string>(&parsed))
        throw UsageError(*reason);
    return std::get<BirthDate>(parsed);
}

std::string_view MonthName(const BirthDate& date)
{
    return mmn::MonthNames[static_cast<std::size_t>(date.month - 1)];
}

mmn::DatedReading ReadingOf(const BirthDate& date)
{
    return mmn::ReadingOf(MonthName(date), date.day, date.year);
}

std::string DateText(const BirthDate& date)
{
    return std::string(MonthName(date)) + " " + std::to_string(date.day) + ", " +
           std::to_string(date.year);
}

std::string Reading(const ParsedArguments& parsed)
{
    ExpectPositional(parsed, 1, "reading needs one DATE");
    const BirthDate date = DateArgument(parsed.positional[0]);
    const mmn::DatedReading dated = ReadingOf(date);
    const mmn::PersonReading& reading = dated.Reading;

    if (parsed.has("--json")) {
        return JsonObject()
                   .add("KinIndex", dated.KinIndex)
                   .add("DaySign", dated.Sign.DaySign)
                   .add("DayNumber", reading.DayNumber)
                   .add("SignName", reading.SignName)
                   .add("EnglishName", reading.EnglishName)
                   .add("Keywords", reading.Keywords)
                   .add("Gemstone", reading.Gemstone)
                   .add("Significance", reading.Significance)
                   .add("NumberDescription", reading.NumberDescription)
                   .add("SignDescription", reading.SignDescription)
                   .add("FamousPersonalities", reading.FamousPersonalities)
                   .str() +
               "\n";
    }
    std::ostringstream text;
    text << "Date of birth:   " << DateText(date) << "\n"
         << "Place in count:  " << dated.KinIndex << " of 260\n"
         << "Day sign:        " << reading.EnglishName << ", " << reading.SignName << "\n"
         << "Galactic tone:   " << reading.DayNumber << "\n"
         << "Keywords:        " << reading.Keywords << "\n"
         << "Gemstone:        " << reading.Gemstone << "\n"
         << "Significance:    " << reading.Significance << "\n"
         << "Famous people:   " << reading.FamousPersonalities << "\n"
         << "\n"
         << reading.SignDescription << "\n"
         << "\n"
         << reading.NumberDescription << "\n";
    return text.str();
}

JsonObject PersonJson(const mmn::DatedReading& person)
{
    return JsonObject()
        .add("KinIndex", person.KinIndex)
        .add("DaySign", person.Sign.DaySign)
        .add("DayNumber", person.Sign.DayNumber)
        .add("EnglishName", person.Sign.EnglishName);
}

std::string Match(const ParsedArguments& parsed)
{
    ExpectPositional(parsed, 2, "match needs USER-DATE and PARTNER-DATE");
    const mmn::DatedReading user = ReadingOf(DateArgument(parsed.positional[0]));
    const mmn::DatedReading partner = ReadingOf(DateArgument(parsed.positional[1]));
    const mmc::CompositeReading composite = mmc::CompositeOf(user.Sign, partner.Sign);
    const mmc::SealRow& seal =
        mmc::SealTable[static_cast<std::size_t>(composite.CompositeSeal - 1)];

    if (parsed.has("--json")) {
        return JsonObject()
                   .add("user", PersonJson(user))
                   .add("partner", PersonJson(partner))
                   .add("CompositeSeal", composite.CompositeSeal)
                   .add("CompositeTone", composite.CompositeTone)
                   .add("CompositeName", composite.CompositeName)
                   .add("SealDescription", seal.SealDescription)
                   .add("Picture", seal.PictureKey)
                   .str() +
               "\n";
    }
    std::ostringstream text;
    text << "Compatibility:   " << composite.CompositeName << " (seal " << composite.CompositeSeal
         << ", tone " << composite.CompositeTone << ")\n"
         << "You:             " << user.Sign.EnglishName << ", tone " << user.Sign.DayNumber << "\n"
         << "Your partner:    " << partner.Sign.EnglishName << ", tone " << partner.Sign.DayNumber
         << "\n"
         << "\n"
         << seal.SealDescription << "\n";
    return text.str();
}

// The name and date of birth given with --name, checked as the main window checks them.
mmn::BirthDetails DetailsFromArguments(const std::vector<std::string>& nameAndDate)
{
    const QString name = kinmatch::TrimBlanks(kinmatch::ToQString(nameAndDate[0]));
    if (name.isEmpty())
        throw UsageError("the name is blank");
    const BirthDate date = DateArgument(nameAndDate[1]);
    return {kinmatch::ToUtf8(name), static_cast<std::int16_t>(date.year),
            std::string(MonthName(date)), static_cast<std::int16_t>(date.day)};
}

// The details a reading file holds, refused unless every line is what the program writes.
mmn::BirthDetails DetailsFromFile(const std::string& path)
{
    const QString file = kinmatch::ToQString(path);
    if (!QFileInfo(file).isFile() || !QFile(file).open(QIODevice::ReadOnly))
        throw UsageError("cannot read '" + path + "'");
    const auto lines = kinmatch::LoadReadingFile(file);
    const std::string where = "'" + path + "': ";
    const QString name = kinmatch::TrimBlanks(lines[0]);
    if (name.isEmpty())
        throw UsageError(where + "not a reading file (it holds no name)");
    const std::string year = kinmatch::ToUtf8(lines[1]);
    const std::string month = kinmatch::ToUtf8(lines[2]);
    const std::string day = kinmatch::ToUtf8(lines[3]);
    const auto monthRow = std::find(mmn::MonthNames.begin(), mmn::MonthNames.end(), month);
    bool yearOk = false;
    bool dayOk = false;
    const int yearNumber = lines[1].toInt(&yearOk);
    const int dayNumber = lines[3].toInt(&dayOk);
    if (!yearOk || lines[1] != QString::number(yearNumber) || yearNumber < mmn::FirstYear ||
        yearNumber > mmn::LastYear)
        throw UsageError(where + "not a reading file (no year 1900..2016 in line 2)");
    if (monthRow == mmn::MonthNames.end())
        throw UsageError(where + "not a reading file (no month name in line 3)");
    if (!dayOk || lines[3] != QString::number(dayNumber) || dayNumber < 1 || dayNumber > 31)
        throw UsageError(where + "not a reading file (no day 1..31 in line 4)");
    const int monthIndex = int(monthRow - mmn::MonthNames.begin());
    if (mmn::CheckDayOfMonth(yearNumber, monthIndex, dayNumber) != mmn::DateProblem::None)
        throw UsageError(where + month + " " + year + " has no day " + day);
    return {kinmatch::ToUtf8(name), static_cast<std::int16_t>(yearNumber), month,
            static_cast<std::int16_t>(dayNumber)};
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

std::string Report(const ParsedArguments& parsed)
{
    mmn::BirthDetails details;
    if (parsed.has("--name")) {
        ExpectPositional(parsed, 0, "report takes either FILE.man or --name NAME DATE");
        details = DetailsFromArguments(parsed.options.at("--name"));
    } else {
        ExpectPositional(parsed, 1, "report needs FILE.man or --name NAME DATE");
        details = DetailsFromFile(parsed.positional[0]);
    }
    const mmn::PersonReading reading =
        mmn::ReadingOf(details.BirthMonth, details.BirthDay, details.BirthYear).Reading;
    const auto runs =
        kinmatch::ComposeReport(details, reading, kinmatch::ToUtf8(modHelp::MainSite()));
    if (!parsed.has("--pdf"))
        return kinmatch::ReportText(runs) + "\n";

    const std::string& out = parsed.options.at("--pdf")[0];
    const auto app = EnsureGuiApplication();
    const QString path = kinmatch::ToQString(out);
    const bool existed = QFile::exists(path);
    if (!kinmatch::WriteReportPdf(*kinmatch::ReportDocument(runs), path)) {
        if (!existed)
            QFile::remove(path);
        throw UsageError("cannot write '" + out + "'");
    }
    return {};
}

std::string Save(const ParsedArguments& parsed)
{
    ExpectPositional(parsed, 1, "save needs FILE.man");
    if (!parsed.has("--name"))
        throw UsageError("save needs --name NAME DATE");
    const std::string& file = parsed.positional[0];
    if (!kinmatch::ToQString(file).endsWith(QLatin1String("man")))
        throw UsageError("'" + file + "' does not end in .man");
    const mmn::BirthDetails details = DetailsFromArguments(parsed.options.at("--name"));
    const QString unstorable = kinmatch::UnstorableCharacter(kinmatch::ToQString(details.Name));
    if (!unstorable.isEmpty())
        throw UsageError("a reading file cannot hold the character '" +
                         kinmatch::ToUtf8(unstorable) + "' of the name");
    if (kinmatch::SaveReadingFile(kinmatch::ToQString(file), details) !=
        kinmatch::SaveOutcome::Saved)
        throw UsageError("cannot write '" + file + "'");
    return {};
}

std::string Dispatch(const std::vector<std::string>& args)
{
    if (args.empty())
        throw UsageError("no command given (try --help)");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        ExpectPositional(ParseArguments(args, 1, {}), 0, "--help takes no arguments");
        return Usage;
    }
    if (command == "--version") {
        ExpectPositional(ParseArguments(args, 1, {}), 0, "--version takes no arguments");
        return "kinmatch-cli " KINMATCH_VERSION "\n";
    }
    if (command == "reading")
        return Reading(ParseArguments(args, 1, {{"--json", 0}}));
    if (command == "match")
        return Match(ParseArguments(args, 1, {{"--json", 0}}));
    if (command == "report")
        return Report(ParseArguments(args, 1, {{"--name", 2}, {"--pdf", 1}}));
    if (command == "save")
        return Save(ParseArguments(args, 1, {{"--name", 2}}));
    if (!command.empty() && command[0] == '-')
        throw UsageError("unknown option '" + command + "' (try --help)");
    throw UsageError("unknown command '" + command + "' (try --help)");
}

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    try {
        out << Dispatch(args);
        return Success;
    } catch (const UsageError& error) {
        err << "kinmatch-cli: " << error.what() << "\n";
        return BadInput;
    }
}

} // namespace kinmatch_cli
