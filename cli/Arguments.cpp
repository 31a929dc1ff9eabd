#include "Arguments.h"

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
    throw UsageError("option '" + option + "' is missing");
}

std::vector<std::vector<std::string>> Arguments::all(const std::string& option) const
{
    std::vector<std::vector<std::string>> found;
    for (const auto& [name, values] : options)
        if (name == option)
            found.push_back(values);
    return found;
}

Arguments ParseArguments(const std::vector<std::string>& args, std::size_t first,
                         const std::map<std::string, std::size_t>& optionArity)
{
    Arguments parsed;
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
            throw UsageError("option '" + arg + "' needs " +
                             (option->second == 1 ? std::string("a value")
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
            throw UsageError("option '" + option + "' is given twice");
        if (!arguments.has(option))
            continue;
        if (!chosen.empty())
            throw UsageError("options '" + chosen + "' and '" + option + "' exclude each other");
        chosen = option;
    }
    return chosen;
}

} // namespace kinmatch_cli
