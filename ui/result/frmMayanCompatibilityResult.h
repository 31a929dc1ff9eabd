#pragma once

#include "modMayanCompatibility.h"

#include <QMainWindow>

#include <array>

class QLabel;

namespace kinmatch {
class Platform;
class ReadingSession;
} // namespace kinmatch

// The result window: the composite sign and tone with its picture and description, and each
// person's own sign and number. Its Save opens the report window over it.
class frmMayanCompatibilityResult : public QMainWindow {
    Q_OBJECT

public:
    frmMayanCompatibilityResult(kinmatch::ReadingSession& session, kinmatch::Platform& platform);

    // Fills lblResult 0..5 and picMayanSign from the composite.
    void ShowComposite(const modMayanCompatibility::ResultDisplay& display);

signals:
    void backRequested();
    // The window is closing, by whatever route.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdSave_Click();

    kinmatch::ReadingSession& session_;
    kinmatch::Platform& platform_;
    std::array<QLabel*, 6> lblResult{};
    QLabel* picMayanSign;
};
