#include "KinmatchCli.h"

#include <iostream>

int main(int argc, char* argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return kinmatch_cli::Run(args, std::cout, std::cerr);
}
