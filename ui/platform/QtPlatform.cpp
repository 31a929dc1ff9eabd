#include "QtPlatform.h"

#include "ReportDocument.h"
#include "SafeFile.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>

namespace kinmatch {
namespace {

QWidget* DialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

std::optional<QString> AskFile(const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(DialogParent(), request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

// Addressed by the program file's name without its extension.
QString ProgramName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QSettings ProgramSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, ProgramName(), ProgramName());
}

// The store is used only while its file is a regular file or absent: QSettings reads the file as
// soon as it is made, and a FIFO there would stop the start-up before any window is shown.
bool SettingsStoreUsable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return IsRegularFileOrAbsent(
        QStringLiteral("%1/%2/%2.conf").arg(folder, ProgramName()));
#else
    return true; // the registry
#endif
}

const QString SettingsSection = QStringLiteral("Settings/");

} // namespace

QtPlatform::QtPlatform() = default;

MessageAnswer QtPlatform::showMessage(const QString& text, MessageIcon icon, MessageButtons buttons)
{
    // A carriage return on its own separates lines, as it does in the system's message boxes.
    QString shown = text;
    shown.replace(QRegularExpression(QStringLiteral("\r(?!\n)")), QStringLiteral("\n"));
    QMessageBox box(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        QStringLiteral("Kinmatch"), shown,
        buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        DialogParent());
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

std::optional<QString> QtPlatform::askFileToOpen(const FileDialogRequest& request)
{
    return AskFile(request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPlatform::askFileToSave(const FileDialogRequest& request)
{
    return AskFile(request, QFileDialog::AcceptSave);
}

void QtPlatform::openWebAddress(const QString& address)
{
    // Starts the desktop's opener detached; the result is deliberately not checked.
    QDesktopServices::openUrl(QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode));
}

bool QtPlatform::print(const QTextDocument& document)
{
    std::unique_ptr<QPrinter> printer;
    if (!pdfFile_.isEmpty()) {
        printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfFile_);
    } else {
        // Without a default printer Qt would quietly print to an unnamed PDF file instead.
        const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
        if (defaultPrinter.isNull())
            return false;
        printer = std::make_unique<QPrinter>(defaultPrinter);
    }
    printer->setDocName(QStringLiteral("Kinmatch report"));
    PrintReport(document, *printer);
    return printer->printerState() != QPrinter::Error;
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

void QtPlatform::seedRandomFromClock()
{
    random_.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

double QtPlatform::randomUniform()
{
    return random_.generateDouble();
}

QString QtPlatform::readSetting(const QString& key)
{
    if (!SettingsStoreUsable())
        return {};
    return ProgramSettings().value(SettingsSection + key).toString();
}

void QtPlatform::writeSetting(const QString& key, const QString& value)
{
    if (SettingsStoreUsable())
        ProgramSettings().setValue(SettingsSection + key, value);
}

bool QtPlatform::takeSingleInstanceLock()
{
    return lock_.tryLock();
}

} // namespace kinmatch
