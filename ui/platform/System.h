#pragma once

// What the Qt platform does differently on each system: SystemWindows.cpp on Windows,
// SystemPosix.cpp elsewhere.
//
// Copies of the program run by one user reach one another: a later copy hands a reading file to
// the copy that runs, which opens it. On Windows through the running copy's hidden window (see
// SessionSignals.h); elsewhere through a Unix socket beside the single-instance lock, in its
// private folder.

#include "Platform.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace kinmatch {

class SingleInstanceLock;

// In the copy that holds the lock: each file handed over goes to receiver, on the event loop.
void ReceiveHandedFiles(const SingleInstanceLock& lock,
                        std::function<void(const QString& path)> receiver);
// In a later copy: hands the absolute path over and lets the running copy come to the front.
// False when no running copy took it.
bool HandToRunningCopy(const SingleInstanceLock& lock, const QString& path);

// The system's own dialog to choose a file to open or save, opening in folder, with the
// request's filter and, to save, its suffix. It checks nothing: the caller checks the path.
// Windows' common dialog; elsewhere the desktop's own where Qt offers one.
std::optional<QString> ChooseFile(const FileDialogRequest& request, bool saving,
                                  const QString& folder, QWidget* parent);
// The same through Qt's QFileDialog: the desktop's dialog where Qt has one, Qt's own otherwise
// (offscreen, for one).
std::optional<QString> ChooseFileWithQt(const FileDialogRequest& request, bool saving,
                                        const QString& folder, QWidget* parent);

} // namespace kinmatch
