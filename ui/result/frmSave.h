#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;

namespace kinmatch {
class Program;
}

// The report window: the user's own reading as a formatted report, to print or keep as a
// reading file. Composed afresh each time it opens.
class frmSave : public QDialog {
    Q_OBJECT

public:
    frmSave(kinmatch::Program& program, QWidget* owner);

    void cmdPrint_Click();
    void cmdSave_Click();

    QTextEdit* RTB;
    QPushButton* cmdSave;
    QPushButton* cmdPrint;

private:
    kinmatch::Program& program_;
};
