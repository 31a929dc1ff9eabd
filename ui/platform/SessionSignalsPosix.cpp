#include "SessionSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace kinmatch {
namespace {
int signalPipe[2] = {-1, -1};

void NoteSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}
} // namespace

void EndOnSessionSignals(QObject* context, std::function<void()> endProgram)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context,
                     [notifier, endProgram = std::move(endProgram)] {
                         char byte = 0;
                         [[maybe_unused]] const auto read = ::read(signalPipe[1], &byte, 1);
                         notifier->setEnabled(false);
                         endProgram();
                     });
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

} // namespace kinmatch
