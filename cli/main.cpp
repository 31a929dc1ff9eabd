#include "KinmatchCli.h"

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

// Arguments arrive as UTF-16, whatever the ANSI code page, and go on as UTF-8.
int wmain(int argc, wchar_t* argv[])
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(std::size_t(size > 0 ? size - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, arg.data(), size, nullptr, nullptr);
        args.push_back(std::move(arg));
    }
    kinmatch_cli::StandardConsole console;
    return kinmatch_cli::Run(args, console);
}
#else
int main(int argc, char* argv[])
{
    kinmatch_cli::StandardConsole console;
    return kinmatch_cli::Run(std::vector<std::string>(argv + 1, argv + argc), console);
}
#endif
