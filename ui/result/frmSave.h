#pragma once

#include <QDialog>

class QTextEdit;

namespace kinmatch {
class Platform;
class ReadingSession;
} // namespace kinmatch

// The report window: the user's own reading as a formatted report, to print or keep as a
// reading file. Composed afresh each time it opens.
class frmSave : public QDialog {
    Q_OBJECT

public:
    frmSave(kinmatch::ReadingSession& session, kinmatch::Platform& platform, QWidget* owner);

protected:
    // The report closes by its close box (and Alt+F4) only; Esc does not close it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmdPrint_Click();
    void cmdSave_Click();

    kinmatch::ReadingSession& session_;
    kinmatch::Platform& platform_;
    QTextEdit* RTB;
};
