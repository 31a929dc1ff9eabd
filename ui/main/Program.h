#pragma once

#include "Platform.h"
#include "modMayanCompatibility.h"

#include <QObject>
#include <QPointer>

class frmMain;
class frmMayanCompatibilityResult;
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
    // no window was shown.
    bool start();

    Platform& platform() { return platform_; }
    modMayanCompatibility::SharedRecords& records() { return records_; }

    // Loads a fresh main window and shows it.
    frmMain* showMainWindow();
    frmMain* mainWindow() const;
    // The result window, loaded (not shown) if it does not exist yet.
    frmMayanCompatibilityResult* resultWindow();
    void showAboutWindow(QWidget* owner);

private:
    Platform& platform_;
    modMayanCompatibility::SharedRecords records_;
    QPointer<frmMain> main_;
    QPointer<frmMayanCompatibilityResult> result_;
};

} // namespace kinmatch
