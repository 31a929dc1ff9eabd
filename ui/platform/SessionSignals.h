#pragma once

#include <QObject>

#include <functional>

namespace kinmatch {

// Runs endProgram on the event loop when the session asks the process to end, so that logging
// out closes the windows and ends with status 0 instead of killing the program mid-way: on POSIX
// SIGTERM, SIGHUP and SIGINT; on Windows WM_CLOSE to the program's hidden top-level window of
// class ProgramWindowClass, which is how the installer and the uninstaller close a running copy.
void EndOnSessionSignals(QObject* context, std::function<void()> endProgram);

// The class of the program's hidden window on Windows, found with FindWindow.
inline constexpr wchar_t ProgramWindowClass[] = L"KinmatchProgram";

// The window system to ask Qt for, given what the session offers: on a Wayland session that also
// offers X (XWayland), X, where windows can be centred and the support window can stay on top
// without taking the focus; Wayland if X then fails. Empty where the user chose one
// (QT_QPA_PLATFORM or -platform) or the session offers only one.
QByteArray PreferredPlatform(int argc, char* argv[]);

} // namespace kinmatch
