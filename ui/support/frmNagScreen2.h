#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kinmatch {
class Program;
}

// The support window, shown when the main or the result window closes: asks for the user's
// support, offers a refer-a-friend form, and ends the program when it is dismissed.
class frmNagScreen2 : public QWidget {
    Q_OBJECT

public:
    explicit frmNagScreen2(kinmatch::Program& program);

    static const std::array<QString, 4>& SupportMessages();

    void cmdSubmit_Click();

    QLabel* Label2;
    QCheckBox* Check1;
    QPushButton* cmdClose;
    QPushButton* cmdSubmit;
    QLineEdit* txtName;
    QLineEdit* txtEmail;
    QLineEdit* txtFriendName;
    QLineEdit* txtFriendEmail;
    QPlainTextEdit* txtMessage;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString placeholderOf(QObject* box) const;
    QString textOf(QObject* box) const;
    void setTextOf(QObject* box, const QString& text);

    kinmatch::Program& program_;
};
