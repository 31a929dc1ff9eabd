#pragma once

// The one seam between Kinmatch and the platform. Windows and services reach message boxes, file
// dialogs, the browser, the printer, the clock, the random draw, the settings store and the
// single-instance lock only through it, so tests can see and answer every contact.

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QTextDocument;

namespace kinmatch {

enum class MessageIcon { Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct FileDialogRequest {
    QString title;
    QString filter;        // one entry, "Mayan Astrology (*.man)"
    QString defaultSuffix; // added to a typed name that has none (and, to open, does not exist)
    bool confirmOverwrite = false; // to save: ask before replacing a file
    // Refused with the reason, and asked for again: to open, a file that does not exist; to
    // save, a name in a folder that does not exist; and, either way, a read-only file.
    bool mustExist = true;
    bool refuseReadOnly = true;
    friend bool operator==(const FileDialogRequest&, const FileDialogRequest&) = default;
};

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box captioned with the program's title "Kinmatch".
    virtual MessageAnswer showMessage(const QString& text, MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> askFileToOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> askFileToSave(const FileDialogRequest& request) = 0;
    // Hands the address to the default browser and never waits; a browser that cannot be started
    // is told in a notice that shows the address to copy.
    virtual void openWebAddress(const QString& address) = 0;
    // Hands the whole document to the default printer without a dialog, and returns at once:
    // a missing, slow or silent printer never holds the window; a print that fails is told
    // once, in a notice that does not hold it either.
    virtual void print(const QTextDocument& document) = 0;
    virtual QDate today() = 0;
    virtual void seedRandomFromClock() = 0;
    // Uniform in [0, 1).
    virtual double randomUniform() = 0;
    // The per-user settings store, section "Settings"; a missing value reads as empty. A write
    // answers false when the store could not keep the value.
    virtual QString readSetting(const QString& key) = 0;
    virtual bool writeSetting(const QString& key, const QString& value) = 0;
    // The user's languages for programs, most wanted first ("es-MX", "en-US").
    virtual QStringList systemLanguages() = 0;
    // True when no other copy of the program runs for this user; the lock is held until exit.
    virtual bool takeSingleInstanceLock() = 0;
    // From a copy that did not get the lock: hands a reading file to the copy that runs, which
    // comes to the front with it. False when no running copy took it.
    virtual bool handToRunningCopy(const QString& path) = 0;
    // In the copy that holds the lock: each file a later copy hands over goes to receiver, on
    // the event loop, never while a file dialog of the platform is open.
    virtual void receiveHandedFiles(std::function<void(const QString& path)> receiver) = 0;
};

} // namespace kinmatch
