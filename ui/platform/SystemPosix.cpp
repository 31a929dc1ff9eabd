#include "System.h"

#include "SingleInstanceLock.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cstring>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace kinmatch {
namespace {

// A path is short; anything longer is no path of ours.
constexpr qsizetype MaxPathBytes = 64 * 1024;
// How long either end waits for the other: a running copy answers at once, unless it hangs.
constexpr int AnswerSeconds = 5;
// The running copy's answer once it has taken the path.
constexpr char Taken = '1';

// The socket beside the lock file: "kinmatch-1000.lock" -> "kinmatch-1000.socket".
bool SocketAddress(const SingleInstanceLock& lock, sockaddr_un& address)
{
    if (lock.path().isEmpty())
        return false;
    const QFileInfo lockFile(lock.path());
    const QByteArray path =
        QFile::encodeName(lockFile.path() + QLatin1Char('/') + lockFile.completeBaseName() +
                          QStringLiteral(".socket"));
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= static_cast<qsizetype>(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return true;
}

void SetTimeouts(int socket)
{
    timeval timeout{AnswerSeconds, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
}

// The listening socket, removed with the application object at the program's end.
class HandedFilesListener : public QObject {
public:
    HandedFilesListener(int socket, const sockaddr_un& address,
                        std::function<void(const QString&)> receiver)
        : QObject(QCoreApplication::instance()), socket_(socket), address_(address),
          receiver_(std::move(receiver)), notifier_(socket, QSocketNotifier::Read, this)
    {
        connect(&notifier_, &QSocketNotifier::activated, this, &HandedFilesListener::take);
    }
    ~HandedFilesListener() override
    {
        ::close(socket_);
        ::unlink(address_.sun_path);
    }

private:
    // One connection carries one path, up to the end of its stream, and is answered once the
    // path is taken.
    void take()
    {
        const int connection = ::accept4(socket_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            return;
        SetTimeouts(connection);
        QByteArray bytes;
        char buffer[4096];
        ssize_t count = 0;
        while ((count = ::read(connection, buffer, sizeof buffer)) > 0 &&
               bytes.size() <= MaxPathBytes)
            bytes.append(buffer, count);
        const bool whole = count == 0 && !bytes.isEmpty() && bytes.size() <= MaxPathBytes;
        if (whole)
            ::send(connection, &Taken, 1, MSG_NOSIGNAL);
        ::close(connection);
        if (whole)
            receiver_(QFile::decodeName(bytes));
    }

    int socket_;
    sockaddr_un address_;
    std::function<void(const QString&)> receiver_;
    QSocketNotifier notifier_;
};

} // namespace

void ReceiveHandedFiles(const SingleInstanceLock& lock,
                        std::function<void(const QString& path)> receiver)
{
    sockaddr_un address{};
    if (!SocketAddress(lock, address))
        return;
    const int listening = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listening < 0)
        return;
    // This copy holds the lock: whatever is at the path was left by a copy that is gone.
    ::unlink(address.sun_path);
    if (::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listening, 8) != 0) {
        ::close(listening);
        return;
    }
    new HandedFilesListener(listening, address, std::move(receiver));
}

bool HandToRunningCopy(const SingleInstanceLock& lock, const QString& path)
{
    sockaddr_un address{};
    if (!SocketAddress(lock, address))
        return false;
    const int connection = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connection < 0)
        return false;
    SetTimeouts(connection);
    const QByteArray bytes = QFile::encodeName(path);
    bool sent =
        ::connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    for (qsizetype done = 0; sent && done < bytes.size();) {
        // A running copy that has gone since is no reason to end this one (SIGPIPE).
        const ssize_t count = ::send(connection, bytes.constData() + done,
                                     static_cast<size_t>(bytes.size() - done), MSG_NOSIGNAL);
        sent = count > 0;
        done += sent ? count : 0;
    }
    char answer = 0;
    const bool taken = sent && ::shutdown(connection, SHUT_WR) == 0 &&
                       ::read(connection, &answer, 1) == 1 && answer == Taken;
    ::close(connection);
    return taken;
}

std::optional<QString> ChooseFile(const FileDialogRequest& request, bool saving,
                                  const QString& folder, QWidget* parent)
{
    return ChooseFileWithQt(request, saving, folder, parent);
}

} // namespace kinmatch
