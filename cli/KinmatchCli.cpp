#include "KinmatchCli.h"

#include "IsoDate.h"
#include "Json.h"
#include "modMayanCompatibility.h"
#include "modMayanNumerology.h"

#include <map>
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
    "  kinmatch-cli --help | --version\n"
    "\n"
    "Mayan astrology readings from the command line. Dates are YYYY-MM-DD, 1900-01-01 to\n"
    "2016-12-31.\n"
    "\n"
    "  reading   a person's place in the 260-day count, day sign, galactic tone and reading\n"
    "  match     two persons' composite seal and tone, with each person's own sign and tone\n"
    "  --json    one JSON object instead of text\n";

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

struct Located {
    mmn::KinPlace place;
    mmn::DatedReading dated;
};

Located Locate(const BirthDate& date)
{
    return {mmn::LocateInCount(MonthName(date), date.day, date.year),
            mmn::ReadingOf(MonthName(date), date.day, date.year)};
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
    const Located located = Locate(date);
    const mmn::PersonReading& reading = located.dated.reading;

    if (parsed.has("--json")) {
        return JsonObject()
                   .add("KinIndex", located.place.kinIndex)
                   .add("DaySign", located.place.daySign)
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
         << "Place in count:  " << located.place.kinIndex << " of 260\n"
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

JsonObject PersonJson(const Located& person)
{
    return JsonObject()
        .add("KinIndex", person.place.kinIndex)
        .add("DaySign", person.place.daySign)
        .add("DayNumber", person.place.dayNumber)
        .add("EnglishName", person.dated.sign.EnglishName);
}

std::string Match(const ParsedArguments& parsed)
{
    ExpectPositional(parsed, 2, "match needs USER-DATE and PARTNER-DATE");
    const Located user = Locate(DateArgument(parsed.positional[0]));
    const Located partner = Locate(DateArgument(parsed.positional[1]));
    const mmc::CompositeReading composite = mmc::CompositeOf(user.dated.sign, partner.dated.sign);
    const mmc::SealRow& seal = mmc::SealTable[static_cast<std::size_t>(composite.CompositeSeal - 1)];

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
         << "You:             " << user.dated.sign.EnglishName << ", tone "
         << user.dated.sign.DayNumber << "\n"
         << "Your partner:    " << partner.dated.sign.EnglishName << ", tone "
         << partner.dated.sign.DayNumber << "\n"
         << "\n"
         << seal.SealDescription << "\n";
    return text.str();
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
