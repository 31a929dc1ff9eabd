#pragma once

#include "ReadingSession.h"

#include <QMainWindow>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kinmatch {
class Platform;
}
namespace look {
class LinkLabel;
}

// The main window: both persons' names and dates of birth, and the generate command. It checks
// the inputs and says what the user asked for; the program does the rest.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(kinmatch::Platform& platform);

    // Brings one of the two overlapping offer labels to the front at random.
    void CoBrand_Randomize();
    // The open command after its dialog: checks the name, fills in the user's inputs from the
    // file and runs the generate command.
    void OpenReadingFile(const QString& path);
    // A file the desktop handed to the program, which it has already recognised by its
    // content: opened when it holds a reading, whatever its name; otherwise as the dialog would.
    void OpenGivenFile(const QString& path);

signals:
    // Both persons' inputs have passed the checks.
    void generateRequested(const kinmatch::PersonInputs& user,
                           const kinmatch::PersonInputs& partner);
    // The window is closing, by whatever route.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FillFromReadingFile(const QString& path);
    // One person's inputs.
    struct PersonControls {
        QLineEdit* txtName;
        QComboBox* cboMonth;
        QComboBox* cboDate;
        QComboBox* cboYear;
        kinmatch::PersonInputs inputs() const;
    };

    PersonControls AddPersonFrame(QWidget* parent, const char* frameName, const QString& caption,
                                  int top, int firstLabel, char suffix);
    void Form_Load();
    bool ValidateInputs();
    void cmdCalculate_Click();
    void cmdOpen_Click();

    kinmatch::Platform& platform_;
    PersonControls user_;
    PersonControls partner_;
    look::LinkLabel* lblFullBrand;
    look::LinkLabel* lblCobrand;
};
