#include "KinmatchCli.h"
#include "Language.h"

#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#include "Files.h"

#include <windows.h>

namespace {

// The user's interface languages, most wanted first: Windows' own choice for programs.
std::vector<std::string> UserLanguages()
{
    ULONG count = 0;
    ULONG size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size))
        return {};
    std::wstring list(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, list.data(), &size))
        return {};
    std::vector<std::string> languages;
    for (const wchar_t* name = list.c_str(); *name; name += std::wcslen(name) + 1)
        languages.push_back(kinmatch::Utf8(name));
    return languages;
}

} // namespace

// Arguments arrive as UTF-16, whatever the ANSI code page, and go on as UTF-8.
int wmain(int argc, wchar_t* argv[])
{
    kinmatch::SetLanguage(kinmatch::ChooseLanguage(UserLanguages()));
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(kinmatch::Utf8(argv[i]));
    kinmatch_cli::StandardConsole console;
    return kinmatch_cli::Run(args, console);
}
#else
int main(int argc, char* argv[])
{
    kinmatch::SetLanguage(kinmatch::ChooseLanguage(kinmatch::EnvironmentLanguages(
        [](const char* name) -> const char* { return std::getenv(name); })));
    kinmatch_cli::StandardConsole console;
    return kinmatch_cli::Run(std::vector<std::string>(argv + 1, argv + argc), console);
}
#endif
