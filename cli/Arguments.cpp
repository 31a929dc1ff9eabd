#include "Arguments.h"

#include "Failure.h"
#include "Language.h"

#include <algorithm>

namespace kinmatch_cli {

bool Arguments::has(const std::string& option) const
{
    return std::any_of(options.begin(), options.end(),
                       [&](const auto& given) { return given.first == option; });
}

const std::vector<std::string>& Arguments::value(const std::string& option) const
{
    for (const auto& [name, values] : options)
        if (name == option)
            return values;
    throw BadInputAt(command, kinmatch::Arg(kinmatch::Tr("kinmatch-cli", "needs %1"), {option}));
}

std::vector<std::vector<std::string>> Arguments::all(const std::string& option) const
{
    std::vector<std::vector<std::string>> found;
    for (const auto& [name, values] : options)
        if (name == option)
            found.push_back(values);
    return found;
}

void Arguments::expectPositional(std::size_t count, std::string_view wanted) const
{
    if (positional.size() != count)
        throw BadInputAt(command, wanted);
}

Arguments ParseArguments(const std::string& command, const std::vector<std::string>& args,
                         const std::map<std::string, std::size_t>& optionArity)
{
    Arguments parsed;
    parsed.command = command;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const auto option = optionArity.find(arg);
        if (option == optionArity.end())
            throw BadInputAt(command,
                             kinmatch::Arg(kinmatch::Tr("kinmatch-cli",
                                                        "unknown option %1 (try 'kinmatch-cli %2 "
                                                        "--help')"),
                                           {Quoted(arg), command}));
        if (option->second > args.size() - 1 - i)
            throw BadInputAt(
                command,
                option->second == 1
                    ? kinmatch::Arg(kinmatch::Tr("kinmatch-cli", "option %1 needs a value"),
                                    {Quoted(arg)})
                    : kinmatch::Arg(kinmatch::Tr("kinmatch-cli", "option %1 needs %2 values"),
                                    {Quoted(arg), std::to_string(option->second)}));
        const auto from = args.begin() + static_cast<std::ptrdiff_t>(i + 1);
        parsed.options.emplace_back(
            arg,
            std::vector<std::string>(from, from + static_cast<std::ptrdiff_t>(option->second)));
        i += option->second;
    }
    return parsed;
}

std::string OneOf(const Arguments& arguments, const std::vector<std::string>& options)
{
    std::string chosen;
    for (const std::string& option : options) {
        if (arguments.all(option).size() > 1)
            throw BadInputAt(
                arguments.command,
                kinmatch::Arg(kinmatch::Tr("kinmatch-cli", "option '%1' is given twice"),
                              {option}));
        if (!arguments.has(option))
            continue;
        if (!chosen.empty())
            throw BadInputAt(arguments.command,
                             kinmatch::Arg(kinmatch::Tr("kinmatch-cli",
                                                        "options '%1' and '%2' exclude each other"),
                                           {chosen, option}));
        chosen = option;
    }
    return chosen;
}

} // namespace kinmatch_cli
