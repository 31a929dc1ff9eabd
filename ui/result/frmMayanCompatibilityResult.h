#pragma once

#include "modMayanCompatibility.h"

#include <QMainWindow>

#include <array>

class QLabel;
class QPushButton;

namespace kinmatch {
class Program;
}

// The result window: the composite sign and tone with its picture and description, and each
// person's own sign and number.
class frmMayanCompatibilityResult : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMayanCompatibilityResult(kinmatch::Program& program);

    // Fills lblResult 0..5 and picMayanSign from the composite.
    void ShowComposite(const modMayanCompatibility::ResultDisplay& display);

    void cmdSave_Click();
    void cmdBack_Click();

    std::array<QLabel*, 6> lblResult{};
    QLabel* picMayanSign;
    QPushButton* cmdSave;
    QPushButton* cmdBack;

    // The picture of a seal (1..20), for the display's pixel density.
    static QPixmap SealPicture(int seal, qreal devicePixelRatio);

protected:
    // Closing the result window, by any route, brings up the support window.
    void closeEvent(QCloseEvent* event) override;

private:
    kinmatch::Program& program_;
};
