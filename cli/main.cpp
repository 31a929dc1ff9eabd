#include "KinmatchCli.h"

#include <QtGlobal>

#include <iostream>

int main(int argc, char* argv[])
{
    // There is no log: the toolkit's own notes (a missing runtime folder, say) would only mix
    // with the program's output. KINMATCH_DEBUG keeps them.
    if (qEnvironmentVariableIsEmpty("KINMATCH_DEBUG"))
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return kinmatch_cli::Run(args, std::cin, std::cout, std::cerr);
}
