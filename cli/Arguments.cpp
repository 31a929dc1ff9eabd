#include "Arguments.h"

#include "Failure.h"

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
    throw BadInputAt(command, "needs " + option);
}

std::vector<std::vector<std::string>> Arguments::all(const std::string& option) const
{
    std::vector<std::vector<std::string>> found;
    for (const auto& [name, values] : options)
        if (name == option)
            found.push_back(values);
    return found;
}

void Arguments::expectPositional(std::size_t count, const std::string& wanted) const
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
            throw BadInputAt(command, "unknown option " + Quoted(arg) + " (try 'kinmatch-cli " +
                                          command + " --help')");
        if (option->second > args.size() - 1 - i)
            throw BadInputAt(command, "option " + Quoted(arg) + " needs " +
                                          (option->second == 1
                                               ? std::string("a value")
                                               : std::to_string(option->second) + " values"));
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
            throw BadInputAt(arguments.command, "option '" + option + "' is given twice");
        if (!arguments.has(option))
            continue;
        if (!chosen.empty())
            throw BadInputAt(arguments.command,
                             "options '" + chosen + "' and '" + option + "' exclude each other");
        chosen = option;
    }
    return chosen;
}

} // namespace kinmatch_cli
