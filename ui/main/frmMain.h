#pragma once

#include <QMainWindow>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kinmatch {
class Program;
}
namespace look {
class LinkLabel;
}

// The main window: both persons' names and dates of birth, and the generate command.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(kinmatch::Program& program);

    // Brings one of the two overlapping offer labels to the front at random.
    void CoBrand_Randomize();

    void cmdCalculate_Click();
    void cmdOpen_Click();
    // The open command after its dialog: checks the name, fills in the user's inputs from the
    // file and runs the generate command.
    void OpenReadingFile(const QString& path);

    // One person's inputs.
    struct PersonControls {
        QLineEdit* txtName;
        QComboBox* cboMonth;
        QComboBox* cboDate;
        QComboBox* cboYear;
    };

    QLineEdit* txtNameM;
    QComboBox* cboMonthM;
    QComboBox* cboDateM;
    QComboBox* cboYearM;
    QLineEdit* txtNameF;
    QComboBox* cboMonthF;
    QComboBox* cboDateF;
    QComboBox* cboYearF;
    QPushButton* cmdCalculate;
    QPushButton* cmdOpen;
    look::LinkLabel* lblFullBrand;
    look::LinkLabel* lblCobrand;

protected:
    // Closing the main window, by any route, brings up the support window.
    void closeEvent(QCloseEvent* event) override;

private:
    PersonControls user() const { return {txtNameM, cboMonthM, cboDateM, cboYearM}; }
    PersonControls partner() const { return {txtNameF, cboMonthF, cboDateF, cboYearF}; }
    void Form_Load();
    bool ValidateInputs();
    PersonControls AddPersonFrame(QWidget* parent, const char* frameName, const QString& caption,
                                  int top, int firstLabel, char suffix);

    kinmatch::Program& program_;
};
