#pragma once

#include <QWidget>

#include <array>

class QLineEdit;
class QPlainTextEdit;

namespace kinmatch {
class Platform;
}

// The support window, shown when the main or the result window closes: asks for the user's
// support, offers a refer-a-friend form, and asks for the program to end when it is dismissed.
class frmNagScreen2 : public QWidget {
    Q_OBJECT

public:
    explicit frmNagScreen2(kinmatch::Platform& platform);

    static constexpr int SupportMessageCount = 4;
    // In the language of the run.
    static std::array<QString, SupportMessageCount> SupportMessages();

    // Shown above the other windows. With takeFocus (it is the program's last window and the
    // user was in the program) it takes the keyboard's focus, and its Exit button has it;
    // otherwise the focus stays with the window or program that has it.
    void Show(bool takeFocus);

signals:
    // Exit was pressed or the window was closed.
    void endRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdSubmit_Click();
    QString textOf(QObject* box) const;
    void setTextOf(QObject* box, const QString& text);

    kinmatch::Platform& platform_;
    QPlainTextEdit* txtMessage;
    bool takesFocus_ = false;
};
