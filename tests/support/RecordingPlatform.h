#pragma once

// A platform that records every contact and answers from what the test set up beforehand.

#include "Platform.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <QTextDocument>

#include <functional>

namespace kinmatch {

struct ShownMessage {
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
};

class RecordingPlatform : public Platform {
public:
    QList<ShownMessage> messages;
    std::function<void()> onMessage;           // runs as each message is shown
    MessageAnswer answer = MessageAnswer::Yes; // for Yes/No questions

    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
    std::optional<QString> fileToOpen; // nothing: the user cancels
    std::optional<QString> fileToSave;

    QStringList openedAddresses;

    bool hasPrinter = true;
    QStringList printedDocuments; // the plain text of each printed document

    QDate date = QDate(2026, 12, 7);
    QList<double> draws; // taken in order; 0 once they run out
    int seeds = 0;
    QMap<QString, QString> settings;
    bool lockFree = true;

    MessageAnswer showMessage(const QString& text, MessageIcon icon,
                              MessageButtons buttons) override
    {
        messages.append({text, icon, buttons});
        if (onMessage)
            onMessage();
        return buttons == MessageButtons::YesNo ? answer : MessageAnswer::Ok;
    }
    std::optional<QString> askFileToOpen(const FileDialogRequest& request) override
    {
        openRequests.append(request);
        return fileToOpen;
    }
    std::optional<QString> askFileToSave(const FileDialogRequest& request) override
    {
        saveRequests.append(request);
        return fileToSave;
    }
    void openWebAddress(const QString& address) override { openedAddresses.append(address); }
    void print(const QTextDocument& document) override
    {
        if (hasPrinter)
            printedDocuments.append(document.toPlainText());
    }
    QDate today() override { return date; }
    void seedRandomFromClock() override { ++seeds; }
    double randomUniform() override { return draws.isEmpty() ? 0.0 : draws.takeFirst(); }
    QString readSetting(const QString& key) override { return settings.value(key); }
    bool settingsWritable = true;
    bool writeSetting(const QString& key, const QString& value) override
    {
        if (!settingsWritable)
            return false;
        settings[key] = value;
        return true;
    }
    QStringList languages = {QStringLiteral("en-US")};
    QStringList systemLanguages() override { return languages; }
    bool takeSingleInstanceLock() override { return lockFree; }
    QStringList handedToRunningCopy; // the files this copy handed on
    bool runningCopyTakesFiles = true;
    bool handToRunningCopy(const QString& path) override
    {
        handedToRunningCopy << path;
        return runningCopyTakesFiles;
    }
    std::function<void(const QString&)> handedFileReceiver;
    void receiveHandedFiles(std::function<void(const QString& path)> receiver) override
    {
        handedFileReceiver = std::move(receiver);
    }
    // A later copy hands this one a file; false when this copy takes none.
    bool handFile(const QString& path)
    {
        if (!handedFileReceiver)
            return false;
        handedFileReceiver(path);
        return true;
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const ShownMessage& message : messages)
            texts << message.text;
        return texts;
    }
};

} // namespace kinmatch
