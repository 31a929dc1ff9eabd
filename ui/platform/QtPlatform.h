#pragma once

#include "Platform.h"
#include "SingleInstanceLock.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <memory>

namespace kinmatch {

// The platform as the user meets it: Qt's message boxes, the system's file dialogs, the desktop's
// browser, the default printer, the system clock and the per-user settings store.
class QtPlatform : public Platform {
    Q_DECLARE_TR_FUNCTIONS(QtPlatform)

public:
    QtPlatform();

    MessageAnswer showMessage(const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<QString> askFileToOpen(const FileDialogRequest& request) override;
    std::optional<QString> askFileToSave(const FileDialogRequest& request) override;
    void openWebAddress(const QString& address) override;
    void print(const QTextDocument& document) override;
    QDate today() override;
    void seedRandomFromClock() override;
    double randomUniform() override;
    QString readSetting(const QString& key) override;
    bool writeSetting(const QString& key, const QString& value) override;
    QStringList systemLanguages() override;
    bool takeSingleInstanceLock() override;
    bool handToRunningCopy(const QString& path) override;
    void receiveHandedFiles(std::function<void(const QString& path)> receiver) override;

    // Prints to this PDF file instead of the default printer (for tests of the printing path).
    void printToPdfFile(const QString& path) { pdfFile_ = path; }

private:
    std::optional<QString> askFile(const FileDialogRequest& request, bool saving);
    void handedFile(const QString& path);
    SingleInstanceLock& lock();

    QString pdfFile_;
    QRandomGenerator random_;
    // Made when the program asks for it: finding its folder may create one.
    std::unique_ptr<SingleInstanceLock> lock_;
    std::function<void(const QString&)> receiver_;
    int dialogsOpen_ = 0;
    std::optional<QString> heldFile_; // handed over while a file dialog was open
};

} // namespace kinmatch
