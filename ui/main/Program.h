#pragma once

#include "Platform.h"
#include "modMayanCompatibility.h"

#include <QObject>
#include <QPointer>

#include <vector>

class frmMain;
class frmMayanCompatibilityResult;
class frmNagScreen2;
class QWidget;

namespace kinmatch {

// The running program: owns the records the windows share and the windows themselves, and
// carries the start-up sequence.
class Program : public QObject {
    Q_OBJECT

public:
    explicit Program(Platform& platform);
    ~Program() override;

    // The start-up sequence. False when another copy is running: the user has been told and
    // no window was shown. A reading file given to the program is opened once the main window
    // is up, as the open command would.
    bool start(const QString& readingFile = {});

    Platform& platform() { return platform_; }
    modMayanCompatibility::SharedRecords& records() { return records_; }

    // Loads a fresh main window and shows it.
    frmMain* showMainWindow();
    frmMain* mainWindow() const;
    // The result window, loaded (not shown) if it does not exist yet.
    frmMayanCompatibilityResult* resultWindow();
    void showAboutWindow(QWidget* owner);

    // The support window, shown modeless (created on the first call, unchanged afterwards).
    void showSupportWindow();
    // Hides the support window again, if it exists.
    void hideSupportWindow();
    frmNagScreen2* supportWindow() const;

    // Unloads every loaded window once, in the order they were loaded, each running its own
    // close handling, then ends the program through the event loop. A call made while the
    // windows are being unloaded returns at once.
    void EndProgram();
    bool ending() const { return ending_; }

signals:
    // The last step of EndProgram: whoever runs the event loop ends it.
    void programEnded();

private:
    void loaded(QWidget* window);

    Platform& platform_;
    modMayanCompatibility::SharedRecords records_;
    QPointer<frmMain> main_;
    QPointer<frmMayanCompatibilityResult> result_;
    QPointer<frmNagScreen2> support_;
    std::vector<QPointer<QWidget>> loaded_;
    bool ending_ = false;
};

} // namespace kinmatch
