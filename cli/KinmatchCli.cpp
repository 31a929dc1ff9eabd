#include "KinmatchCli.h"

#include "KinmatchConfig.h"

#include "Arguments.h"
#include "Blanks.h"
#include "Csv.h"
#include "Documents.h"
#include "Json.h"
#include "People.h"
#include "QtText.h"
#include "ReadingFile.h"
#include "ReadingFileIO.h"
#include "SafeFile.h"
#include "TerminalText.h"
#include "modHelp.h"

#include <QFileInfo>

#include <istream>
#include <ostream>

namespace kinmatch_cli {
namespace mmn = modMayanNumerology;
namespace mmc = modMayanCompatibility;
using kinmatch::JsonObject;

namespace {

constexpr const char* Usage =
    "Usage:\n"
    "  kinmatch-cli reading DATE... [--json | --csv] [--explain]\n"
    "  kinmatch-cli reading - [--json | --csv]\n"
    "  kinmatch-cli match USER-DATE PARTNER-DATE [--json] [--explain]\n"
    "  kinmatch-cli group FILE.csv [--json | --csv | --html OUT.html | --pdf OUT.pdf]\n"
    "  kinmatch-cli couple --name NAME DATE --name NAME DATE [--pdf OUT.pdf | --html OUT.html]\n"
    "  kinmatch-cli report (FILE.man | --name NAME DATE) [--pdf OUT.pdf | --html OUT.html]\n"
    "  kinmatch-cli save FILE.man --name NAME DATE\n"
    "  kinmatch-cli --help | --version\n"
    "\n"
    "Mayan astrology readings from the command line. Dates are YYYY-MM-DD, 1900-01-01 to\n"
    "2016-12-31.\n"
    "\n"
    "  reading   each date's place in the 260-day count, day sign, galactic tone and reading;\n"
    "            - reads one date a line from standard input\n"
    "  match     two persons' composite seal and tone, with each person's own sign and tone\n"
    "  group     every pair of a group of 2 to 1000 persons, from a CSV file (- for standard\n"
    "            input) of names and dates, with an optional header row name,date\n"
    "  couple    the couple's report: both persons' readings and their composite\n"
    "  report    the report of one person's reading, from a reading file or a name and date\n"
    "  save      writes a reading file for a name and date\n"
    "  --json    JSON instead of text (one object a line for several dates)\n"
    "  --csv     CSV instead of text\n"
    "  --explain shows how each answer is worked out\n"
    "  --html    writes one self-contained HTML file\n"
    "  --pdf     writes a PDF file\n"
    "\n"
    "Bad input prints one line on standard error and exits with status 2, writing nothing;\n"
    "an output file that cannot be written exits with status 1 and leaves any old file as it\n"
    "was.\n";

// Output written in pieces as it is made, so that a long batch never sits in memory whole.
class Sink {
public:
    explicit Sink(std::ostream& out) : out_(out) {}
    ~Sink() { out_ << text; }
    // Hands what has gathered on once it is large.
    void flushIfLarge()
    {
        if (text.size() > (1u << 20)) {
            out_ << text;
            text.clear();
        }
    }
    std::string text;

private:
    std::ostream& out_;
};

void ExpectPositional(const Arguments& arguments, std::size_t count, const std::string& what)
{
    if (arguments.positional.size() != count)
        throw UsageError(what);
}

std::string Folded(int sum)
{
    return sum > mmn::CountLength ? "above 260, so " + std::to_string(sum) +
                                        " - 260 = " + std::to_string(sum - mmn::CountLength)
                                  : "not above 260, so it stays " + std::to_string(sum);
}

// How a person's place, sign and tone follow from the date, one step a line.
std::string PersonWorking(const DatedPerson& person, const std::string& indent)
{
    const mmn::KinWorking working =
        mmn::WorkingOf(MonthName(person.date), person.date.day, person.date.year);
    const int kin = working.KinIndex;
    return indent + "Year code of " + std::to_string(person.date.year) + ": " +
           std::to_string(working.YearCode) + "\n" + indent + "Value of " +
           std::string(MonthName(person.date)) + " " + std::to_string(person.date.day) + ": " +
           std::to_string(working.MonthDayValue) + "\n" + indent +
           "Sum: " + std::to_string(working.YearCode) + " + " +
           std::to_string(working.MonthDayValue) + " = " + std::to_string(working.Sum) + ", " +
           Folded(working.Sum) + "\n" + indent + "Place in the count: " + std::to_string(kin) +
           "\n" + indent + "Day sign: (" + std::to_string(kin) +
           " - 1) mod 20 + 1 = " + std::to_string(person.reading.Sign.DaySign) + ", " +
           person.reading.Sign.EnglishName + "\n" + indent + "Galactic tone: (" +
           std::to_string(kin) +
           " + 6) mod 13 + 1 = " + std::to_string(person.reading.Sign.DayNumber) + "\n";
}

JsonObject WorkingJson(const DatedPerson& person)
{
    const mmn::KinWorking working =
        mmn::WorkingOf(MonthName(person.date), person.date.day, person.date.year);
    return JsonObject()
        .add("YearCode", working.YearCode)
        .add("MonthDayValue", working.MonthDayValue)
        .add("Sum", working.Sum)
        .add("KinIndex", working.KinIndex);
}

std::string ReadingText(const DatedPerson& person, bool explain)
{
    const mmn::PersonReading& reading = person.reading.Reading;
    std::string text = "Date of birth:   " + DateText(person.date) + "\n" +
                       "Place in count:  " + std::to_string(person.reading.KinIndex) + " of 260\n" +
                       "Day sign:        " + std::string(reading.EnglishName) + ", " +
                       std::string(reading.SignName) + "\n" +
                       "Galactic tone:   " + std::to_string(reading.DayNumber) + "\n" +
                       "Keywords:        " + std::string(reading.Keywords) + "\n" +
                       "Gemstone:        " + std::string(reading.Gemstone) + "\n" +
                       "Significance:    " + std::string(reading.Significance) + "\n" +
                       "Famous people:   " + std::string(reading.FamousPersonalities) + "\n\n" +
                       std::string(reading.SignDescription) + "\n\n" +
                       std::string(reading.NumberDescription) + "\n";
    if (explain)
        text += "\nHow it is worked out:\n" + PersonWorking(person, "  ");
    return text;
}

std::string ReadingJson(const DatedPerson& person, bool explain)
{
    const mmn::PersonReading& reading = person.reading.Reading;
    JsonObject json;
    json.add("KinIndex", person.reading.KinIndex)
        .add("DaySign", person.reading.Sign.DaySign)
        .add("DayNumber", reading.DayNumber)
        .add("SignName", reading.SignName)
        .add("EnglishName", reading.EnglishName)
        .add("Keywords", reading.Keywords)
        .add("Gemstone", reading.Gemstone)
        .add("Significance", reading.Significance)
        .add("NumberDescription", reading.NumberDescription)
        .add("SignDescription", reading.SignDescription)
        .add("FamousPersonalities", reading.FamousPersonalities);
    if (explain)
        json.add("Working", WorkingJson(person));
    return json.str() + "\n";
}

void AppendReadingCsv(std::string& out, const DatedPerson& person)
{
    const mmn::PersonReading& reading = person.reading.Reading;
    const std::string kin = std::to_string(person.reading.KinIndex);
    const std::string sign = std::to_string(person.reading.Sign.DaySign);
    const std::string number = std::to_string(reading.DayNumber);
    kinmatch::AppendCsvRecord(out, {IsoText(person.date), kin, sign, number, reading.SignName,
                                    reading.EnglishName, reading.Keywords, reading.Gemstone,
                                    reading.Significance});
}

std::string Reading(const Arguments& arguments, std::istream& in, std::ostream& output)
{
    const std::string form = OneOf(arguments, {"--json", "--csv"});
    const bool explain = arguments.has("--explain");
    if (explain && form == "--csv")
        throw UsageError("--explain cannot be shown in CSV");
    if (arguments.positional.empty())
        throw UsageError("reading needs a DATE, or - to read dates from standard input");
    std::vector<BirthDate> dates;
    if (arguments.positional == std::vector<std::string>{"-"}) {
        dates = DatesOfLines(in);
    } else {
        for (const std::string& date : arguments.positional) {
            if (date == "-")
                throw UsageError("- reads the dates from standard input and stands alone");
            dates.push_back(DateOf(date));
        }
    }

    Sink sink(output);
    std::string& out = sink.text;
    if (form == "--csv")
        out += "Date,KinIndex,DaySign,DayNumber,SignName,EnglishName,Keywords,Gemstone,"
               "Significance\r\n";
    for (std::size_t i = 0; i < dates.size(); ++i) {
        const DatedPerson person = PersonOf(dates[i]);
        if (form == "--csv")
            AppendReadingCsv(out, person);
        else if (form == "--json")
            out += ReadingJson(person, explain);
        else
            out += (i > 0 ? "\n" : "") + ReadingText(person, explain);
        sink.flushIfLarge();
    }
    return {};
}

std::string Match(const Arguments& arguments)
{
    const bool json = OneOf(arguments, {"--json"}) == "--json";
    const bool explain = arguments.has("--explain");
    ExpectPositional(arguments, 2, "match needs USER-DATE and PARTNER-DATE");
    const DatedPerson user = PersonOfDate(arguments.positional[0]);
    const DatedPerson partner = PersonOfDate(arguments.positional[1]);
    const mmn::PersonSign& userSign = user.reading.Sign;
    const mmn::PersonSign& partnerSign = partner.reading.Sign;
    const mmc::CompositeReading composite = mmc::CompositeOf(userSign, partnerSign);
    const mmc::SealRow& seal =
        mmc::SealTable[static_cast<std::size_t>(composite.CompositeSeal - 1)];
    const int sealSum = userSign.DaySign + partnerSign.DaySign;
    const int toneSum = userSign.DayNumber + partnerSign.DayNumber;

    if (json) {
        const auto person = [&](const DatedPerson& who) {
            JsonObject object;
            object.add("KinIndex", who.reading.KinIndex)
                .add("DaySign", who.reading.Sign.DaySign)
                .add("DayNumber", who.reading.Sign.DayNumber)
                .add("EnglishName", who.reading.Sign.EnglishName);
            if (explain)
                object.add("Working", WorkingJson(who));
            return object;
        };
        JsonObject object;
        object.add("user", person(user))
            .add("partner", person(partner))
            .add("CompositeSeal", composite.CompositeSeal)
            .add("CompositeTone", composite.CompositeTone)
            .add("CompositeName", composite.CompositeName)
            .add("SealDescription", seal.SealDescription)
            .add("Picture", seal.PictureKey);
        if (explain)
            object.add("Working", JsonObject().add("SealSum", sealSum).add("ToneSum", toneSum));
        return object.str() + "\n";
    }
    std::string text = "Compatibility:   " + composite.CompositeName + " (seal " +
                       std::to_string(composite.CompositeSeal) + ", tone " +
                       std::to_string(composite.CompositeTone) + ")\n" +
                       "You:             " + userSign.EnglishName + ", tone " +
                       std::to_string(userSign.DayNumber) + "\n" +
                       "Your partner:    " + partnerSign.EnglishName + ", tone " +
                       std::to_string(partnerSign.DayNumber) + "\n\n" +
                       std::string(seal.SealDescription) + "\n";
    if (explain) {
        const auto reduced = [](int sum, int limit, int result) {
            return sum > limit
                       ? "above " + std::to_string(limit) + ", so " + std::to_string(sum / 10) +
                             " + " + std::to_string(sum % 10) + " = " + std::to_string(result)
                       : "not above " + std::to_string(limit) + ", so it stays " +
                             std::to_string(result);
        };
        const std::string_view toneName =
            mmc::ToneTable[static_cast<std::size_t>(composite.CompositeTone - 1)];
        text += "\nHow it is worked out:\n  You, born " + DateText(user.date) + ":\n" +
                PersonWorking(user, "    ") + "  Your partner, born " + DateText(partner.date) +
                ":\n" + PersonWorking(partner, "    ") +
                "  Seal sum: " + std::to_string(userSign.DaySign) + " + " +
                std::to_string(partnerSign.DaySign) + " = " + std::to_string(sealSum) + ", " +
                reduced(sealSum, mmc::SealCount, composite.CompositeSeal) + ": " +
                std::string(seal.SealName) + "\n" +
                "  Tone sum: " + std::to_string(userSign.DayNumber) + " + " +
                std::to_string(partnerSign.DayNumber) + " = " + std::to_string(toneSum) + ", " +
                reduced(toneSum, mmc::ToneCount, composite.CompositeTone) + ": " +
                std::string(toneName) + "\n" + "  Name: the tone " + std::string(toneName) +
                " goes between the words of " + std::string(seal.SealName) + ": " +
                composite.CompositeName + "\n";
    }
    return text;
}

std::string ReadText(const std::string& source, std::istream& in)
{
    if (source == "-")
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    constexpr qint64 limit = 16 * 1024 * 1024;
    const auto bytes = kinmatch::ReadRegularFile(kinmatch::ToQString(source), limit);
    if (!bytes)
        throw UsageError("cannot read '" + source + "'");
    return bytes->toStdString();
}

std::string Group(const Arguments& arguments, std::istream& in, std::ostream& output)
{
    const std::string form = OneOf(arguments, {"--json", "--csv", "--html", "--pdf"});
    ExpectPositional(arguments, 1, "group needs FILE.csv, or - for standard input");
    const std::string& source = arguments.positional[0];
    const std::vector<DatedPerson> people =
        PeopleOfCsv(ReadText(source, in), source == "-" ? "standard input" : "'" + source + "'");

    if (form == "--html") {
        WriteHtmlFile(arguments.value("--html")[0], GroupHtml(people));
        return {};
    }
    if (form == "--pdf") {
        WriteHtmlAsPdfFile(arguments.value("--pdf")[0], GroupHtml(people), true);
        return {};
    }
    const std::size_t count = people.size();
    Sink sink(output);
    std::string& out = sink.text;
    if (form == "--csv")
        out += "A,B,CompositeSeal,CompositeTone,CompositeName\r\n";
    else if (form == "--json")
        out += "{\"people\": [\n";
    for (std::size_t i = 0; i < count && form != "--csv"; ++i) { // CSV lists only the pairs
        const DatedPerson& person = people[i];
        const mmn::PersonSign& sign = person.reading.Sign;
        if (form == "--json")
            out += JsonObject()
                       .add("Name", person.name)
                       .add("Date", IsoText(person.date))
                       .add("KinIndex", person.reading.KinIndex)
                       .add("DaySign", sign.DaySign)
                       .add("DayNumber", sign.DayNumber)
                       .add("EnglishName", sign.EnglishName)
                       .str() +
                   (i + 1 < count ? ",\n" : "\n");
        else
            out += kinmatch::VisibleControls(person.name) + ": " + sign.EnglishName + ", tone " +
                   std::to_string(sign.DayNumber) + "\n";
    }
    if (form == "--json")
        out += "], \"pairs\": [\n";
    else if (form.empty())
        out += "\n";
    for (std::size_t a = 0; a < count; ++a) {
        for (std::size_t b = a + 1; b < count; ++b) {
            const mmc::CompositeReading composite =
                mmc::CompositeOf(people[a].reading.Sign, people[b].reading.Sign);
            if (form == "--csv") {
                const std::string seal = std::to_string(composite.CompositeSeal);
                const std::string tone = std::to_string(composite.CompositeTone);
                kinmatch::AppendCsvRecord(
                    out, {people[a].name, people[b].name, seal, tone, composite.CompositeName});
            } else if (form == "--json") {
                out += (a == 0 && b == 1 ? "" : ",\n") +
                       JsonObject()
                           .add("A", int(a))
                           .add("B", int(b))
                           .add("CompositeSeal", composite.CompositeSeal)
                           .add("CompositeTone", composite.CompositeTone)
                           .add("CompositeName", composite.CompositeName)
                           .str();
            } else {
                out += kinmatch::VisibleControls(people[a].name) + " and " +
                       kinmatch::VisibleControls(people[b].name) + ": " + composite.CompositeName +
                       "\n";
            }
            sink.flushIfLarge();
        }
    }
    if (form == "--json")
        out += "\n]}\n";
    return {};
}

Couple CoupleFromArguments(const Arguments& arguments)
{
    const auto names = arguments.all("--name");
    if (names.size() != 2 || !arguments.positional.empty())
        throw UsageError("couple needs --name NAME DATE for each of the two persons");
    return {PersonOfNameAndDate(names[0]), PersonOfNameAndDate(names[1])};
}

std::string CoupleCommand(const Arguments& arguments)
{
    const std::string form = OneOf(arguments, {"--pdf", "--html"});
    const Couple couple = CoupleFromArguments(arguments);
    if (form == "--html")
        WriteHtmlFile(arguments.value("--html")[0], CoupleHtml(couple));
    else if (form == "--pdf")
        WriteHtmlAsPdfFile(arguments.value("--pdf")[0], CoupleHtml(couple));
    else
        return CoupleText(couple);
    return {};
}

// The details a reading file holds, refused unless every line is what the program writes.
mmn::BirthDetails DetailsFromFile(const std::string& path)
{
    const auto bytes = kinmatch::ReadRegularFile(kinmatch::ToQString(path),
                                                 qint64(kinmatch::ReadingFileReadLimit));
    if (!bytes)
        throw UsageError("cannot read '" + path + "'");
    const auto lines = kinmatch::DecodeReadingFile(
        std::string_view(bytes->constData(), std::size_t(bytes->size())));
    const std::string where = "'" + path + "': ";
    const QString name = kinmatch::TrimBlanks(kinmatch::ToQString(lines[0]));
    if (name.isEmpty())
        throw UsageError(where + "not a reading file (it holds no name)");
    // A number exactly as the program writes it (no sign, blank or leading zero), or -1.
    const auto number = [](const std::string& line) {
        bool ok = false;
        const int value = kinmatch::ToQString(line).toInt(&ok);
        return ok && line == std::to_string(value) ? value : -1;
    };
    const int year = number(lines[1]);
    const int day = number(lines[3]);
    const auto monthRow = std::find(mmn::MonthNames.begin(), mmn::MonthNames.end(), lines[2]);
    if (year < mmn::FirstYear || year > mmn::LastYear)
        throw UsageError(where + "not a reading file (no year 1900..2016 in line 2)");
    if (monthRow == mmn::MonthNames.end())
        throw UsageError(where + "not a reading file (no month name in line 3)");
    if (day < 1 || day > 31)
        throw UsageError(where + "not a reading file (no day 1..31 in line 4)");
    const int monthIndex = int(monthRow - mmn::MonthNames.begin());
    if (mmn::CheckDayOfMonth(year, monthIndex, day) != mmn::DateProblem::None)
        throw UsageError(where + lines[2] + " " + std::to_string(year) + " has no day " +
                         std::to_string(day));
    return {kinmatch::ToUtf8(name), static_cast<std::int16_t>(year), lines[2],
            static_cast<std::int16_t>(day)};
}

std::string Report(const Arguments& arguments)
{
    const std::string form = OneOf(arguments, {"--pdf", "--html"});
    mmn::BirthDetails details;
    if (arguments.has("--name")) {
        ExpectPositional(arguments, 0, "report takes either FILE.man or --name NAME DATE");
        details = PersonOfNameAndDate(arguments.value("--name")).details();
    } else {
        ExpectPositional(arguments, 1, "report needs FILE.man or --name NAME DATE");
        details = DetailsFromFile(arguments.positional[0]);
    }
    const mmn::PersonReading reading =
        mmn::ReadingOf(details.BirthMonth, details.BirthDay, details.BirthYear).Reading;
    const std::string homePage = kinmatch::ToUtf8(modHelp::MainSite());
    const auto runs = kinmatch::ComposeReport(details, reading, homePage);
    if (form == "--pdf") {
        WriteReportPdfFile(arguments.value("--pdf")[0], runs);
        return {};
    }
    if (form == "--html") {
        WriteHtmlFile(arguments.value("--html")[0], ReportHtml(runs));
        return {};
    }
    // A name read from a file reaches the terminal only with its control characters shown.
    mmn::BirthDetails shown = details;
    shown.Name = kinmatch::VisibleControls(details.Name);
    return kinmatch::ReportText(kinmatch::ComposeReport(shown, reading, homePage)) + "\n";
}

std::string Save(const Arguments& arguments)
{
    ExpectPositional(arguments, 1, "save needs FILE.man");
    if (!arguments.has("--name"))
        throw UsageError("save needs --name NAME DATE");
    const std::string& file = arguments.positional[0];
    if (!kinmatch::ToQString(file).endsWith(QLatin1String("man")))
        throw UsageError("'" + file + "' does not end in .man");
    const mmn::BirthDetails details = PersonOfNameAndDate(arguments.value("--name")).details();
    const QString unstorable = kinmatch::UnstorableCharacter(kinmatch::ToQString(details.Name));
    if (!unstorable.isEmpty())
        throw UsageError("a reading file cannot hold the character '" +
                         kinmatch::ToUtf8(unstorable) + "' of the name");
    if (kinmatch::SaveReadingFile(kinmatch::ToQString(file), details) !=
        kinmatch::SaveOutcome::Saved)
        throw WriteError("cannot write '" + file + "'");
    return {};
}

std::string Dispatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out)
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
        return Reading(ParseArguments(args, 1, {{"--json", 0}, {"--csv", 0}, {"--explain", 0}}), in,
                       out);
    if (command == "match")
        return Match(ParseArguments(args, 1, {{"--json", 0}, {"--explain", 0}}));
    if (command == "group")
        return Group(
            ParseArguments(args, 1, {{"--json", 0}, {"--csv", 0}, {"--html", 1}, {"--pdf", 1}}), in,
            out);
    if (command == "couple")
        return CoupleCommand(ParseArguments(args, 1, {{"--name", 2}, {"--pdf", 1}, {"--html", 1}}));
    if (command == "report")
        return Report(ParseArguments(args, 1, {{"--name", 2}, {"--pdf", 1}, {"--html", 1}}));
    if (command == "save")
        return Save(ParseArguments(args, 1, {{"--name", 2}}));
    if (!command.empty() && command[0] == '-')
        throw UsageError("unknown option '" + command + "' (try --help)");
    throw UsageError("unknown command '" + command + "' (try --help)");
}

} // namespace

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err)
{
    // An error line stays one line, whatever the argument it names holds.
    const auto fail = [&](const std::exception& error, int status) {
        err << "kinmatch-cli: " << kinmatch::VisibleControls(error.what()) << "\n";
        return status;
    };
    try {
        const std::string result = Dispatch(args, in, out);
        out << result;
        out.flush();
        return Success;
    } catch (const UsageError& error) {
        return fail(error, BadInput);
    } catch (const WriteError& error) {
        return fail(error, WriteFailed);
    }
}

} // namespace kinmatch_cli
