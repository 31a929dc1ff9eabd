#pragma once

#include "Platform.h"
#include "ReadingSession.h"

#include <QObject>
#include <QPointer>

#include <vector>

class frmMain;
class frmMayanCompatibilityResult;
class frmNagScreen2;
class QTimer;
class QWidget;

namespace kinmatch {

// The running program: owns the reading session and the windows, moves between the windows as
// their signals ask, and runs the start-up and leaving sequences. No window knows another.
class Program : public QObject {
    Q_OBJECT

public:
    explicit Program(Platform& platform);
    ~Program() override;

    // The start-up sequence. False when another copy is running (a reading file given is handed
    // to it, or else the user is told; no window is shown) or when the program was ended during
    // it (a signal of the session while a message box was open): there is then nothing to run.
    // A reading file given to the program is opened once the main window is up, as the open
    // command would; so is each one a later copy hands over.
    bool start(const QString& readingFile = {});

    const ReadingSession& session() const { return session_; }
    // The windows now loaded, or null.
    frmMain* mainWindow() const;
    frmMayanCompatibilityResult* resultWindow() const;
    frmNagScreen2* supportWindow() const;

    // Unloads every loaded window once, in the order they were loaded, each running its own
    // close handling, then ends the program through the event loop. A call made while the
    // windows are being unloaded returns at once.
    void EndProgram();

signals:
    // The last step of EndProgram: whoever runs the event loop ends it.
    void programEnded();

private:
    void loaded(QWidget* window);
    frmMain* showMainWindow();
    void generate(const PersonInputs& user, const PersonInputs& partner);
    void back();
    // A closing main or result window brings up the support window, unless the program is
    // ending anyway.
    void windowClosing();
    void showSupportWindow();
    void hideSupportWindow();
    // No other window of the program is on the screen.
    bool supportIsLastWindow() const;
    // A reading file handed over by a later copy: opened as soon as no dialog or message box is
    // open, in a main window (from the result or the support window, as Back does), and the
    // window that shows it comes to the front.
    void openHandedFile(const QString& path);
    void openHandedFileWhenFree();

    Platform& platform_;
    ReadingSession session_;
    QPointer<frmMain> main_;
    QPointer<frmMayanCompatibilityResult> result_;
    QPointer<frmNagScreen2> support_;
    std::vector<QPointer<QWidget>> loaded_;
    bool ending_ = false;
    bool supportWanted_ = false; // shown, unless hidden again before the event loop runs
    bool userInProgram_ = false; // one of the windows was active as the last one closed
    QString handedFile_;         // waiting for a dialog to close
    QTimer* handedFileWait_;
};

} // namespace kinmatch
