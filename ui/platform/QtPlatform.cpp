#include "QtPlatform.h"

#include "ReportDocument.h"
#include "SafeFile.h"
#include "SettingsStore.h"
#include "System.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <utility>

#ifdef Q_OS_WIN
#include <QPrinter>
#include <QPrinterInfo>
#endif

namespace kinmatch {
namespace {

QWidget* DialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

// The reasons a chosen path is refused, under the name the catalogs know them by.
struct FileChecks {
    Q_DECLARE_TR_FUNCTIONS(CheckedFileDialog)
};

// The name of the settings value that keeps the folder of the last file chosen.
const QString LastFolderKey = QStringLiteral("LastFolder");

} // namespace

std::optional<QString> ChooseFileWithQt(const FileDialogRequest& request, bool saving,
                                        const QString& folder, QWidget* parent)
{
    QFileDialog dialog(parent, request.title, folder);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile); // the checks are the caller's
    dialog.setNameFilter(request.filter);
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // asked after the other checks
    // Added here only to a name that has none; opening adds it only when the name as typed does
    // not exist, so a reading file named "Human" can be chosen.
    if (saving)
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

namespace {

// Addressed by the program file's name without its extension.
QString ProgramName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

const QString SettingsSection = QStringLiteral("Settings");

// How long a print job may take to reach the print system before it is given up.
constexpr int PrintTimeoutMilliseconds = 5000;

// A message that does not hold the window: the user reads it when they will, and a screen reader
// announces it as it appears.
void Notify(const QString& text, QMessageBox::Icon icon, bool selectable = false)
{
    auto* box =
        new QMessageBox(icon, QStringLiteral("Kinmatch"), text, QMessageBox::Ok, DialogParent());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    if (selectable)
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->show();
}

void NotOpened(const QString& address)
{
    Notify(QtPlatform::tr("The page could not be opened in a web browser. Its address, to copy "
                          "into one:\n\n%1")
               .arg(address),
           QMessageBox::Warning, true);
}

void NotPrinted(const QString& why)
{
    Notify(QtPlatform::tr("Nothing was printed: %1").arg(why), QMessageBox::Warning);
}

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
    // The icon tells an error from a notice; a screen reader hears it only by its name.
    if (auto* picture = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        picture->setAccessibleName(icon == MessageIcon::Critical ? tr("Error") : tr("Information"));
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
    return askFile(request, false);
}

std::optional<QString> QtPlatform::askFileToSave(const FileDialogRequest& request)
{
    return askFile(request, true);
}

// The system's dialog checks too little, or differently on each desktop (none refuses a
// read-only file): the path chosen is checked here, and a path refused is said why and asked
// for again, from the same folder.
std::optional<QString> QtPlatform::askFile(const FileDialogRequest& request, bool saving)
{
    ++dialogsOpen_;
    const auto closed = qScopeGuard([this] {
        if (--dialogsOpen_ == 0 && heldFile_)
            QTimer::singleShot(
                0, QCoreApplication::instance(),
                [this, path = *std::exchange(heldFile_, std::nullopt)] { handedFile(path); });
    });
    // The user's documents at first, and afterwards the folder of the last file chosen.
    QString folder = readSetting(LastFolderKey);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    for (;;) {
        const std::optional<QString> chosen = ChooseFile(request, saving, folder, DialogParent());
        if (!chosen)
            return std::nullopt;
        QString path = *chosen;
        QFileInfo info(path);
        if (!saving && !info.exists() && info.suffix().isEmpty() &&
            !request.defaultSuffix.isEmpty()) {
            path += QLatin1Char('.') + request.defaultSuffix;
            info.setFile(path);
        }
        if (info.absoluteDir().exists())
            folder = info.absolutePath();
        QString refusal;
        if (request.mustExist && !saving && !info.exists())
            refusal = FileChecks::tr("%1\nFile not found.\nCheck the file name and try again.")
                          .arg(info.fileName());
        else if (request.mustExist && saving && !info.absoluteDir().exists())
            refusal =
                FileChecks::tr("%1\nThe folder does not exist.\nCheck the path and try again.")
                    .arg(info.absolutePath());
        // Read-only by its permissions: the check of access() would let root write anything.
        else if (request.refuseReadOnly && info.exists() &&
                 !(info.permissions() & QFileDevice::WriteOwner))
            refusal = FileChecks::tr("%1\nThis file is read-only.\nChoose another file.")
                          .arg(info.fileName());
        if (!refusal.isEmpty()) {
            QMessageBox::warning(DialogParent(), request.title, refusal);
            continue;
        }
        if (saving && request.confirmOverwrite && info.exists() &&
            QMessageBox::warning(DialogParent(), request.title,
                                 FileChecks::tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(info.fileName()),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) != QMessageBox::Yes)
            continue;
        writeSetting(LastFolderKey, folder);
        return path;
    }
}

void QtPlatform::openWebAddress(const QString& address)
{
    // The opener's own outcome is waited for in the background, never by the window: one that
    // cannot start a browser ends with a failure, which the user is told of.
#ifdef Q_OS_WIN
    if (!QDesktopServices::openUrl(QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode)))
        NotOpened(address);
#else
    // Left without a parent, so that ending the program never stops a browser the opener became.
    auto* opener = new QProcess;
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, address](int status, QProcess::ExitStatus exit) {
                         if (exit != QProcess::NormalExit || status != 0)
                             NotOpened(address);
                         opener->deleteLater();
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, address](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         NotOpened(address);
                         opener->deleteLater();
                     });
    opener->start(QStringLiteral("xdg-open"), {address});
#endif
}

void QtPlatform::print(const QTextDocument& document)
{
    if (!pdfFile_.isEmpty()) {
        (void)WriteFileAtomically(pdfFile_, PdfOf(document));
        return;
    }
    const QString title = tr("Kinmatch report");
#ifdef Q_OS_WIN
    // Without a default printer Qt would quietly print to an unnamed PDF file instead.
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        NotPrinted(tr("there is no default printer."));
        return;
    }
    QPrinter printer(defaultPrinter);
    printer.setDocName(title);
    PrintReport(document, printer);
    if (printer.printerState() == QPrinter::Error)
        NotPrinted(tr("the printer %1 refused the report.").arg(defaultPrinter.printerName()));
#else
    // The print system's own client takes the job, in a process of its own, so that a print
    // server that accepts and never answers can hold neither the window nor the end of the
    // program; it is given up after PrintTimeoutMilliseconds. Its failure is told once.
    const QString client = QStandardPaths::findExecutable(QStringLiteral("lp"));
    if (client.isEmpty()) {
        NotPrinted(tr("the print system's client (lp, of CUPS) is not installed."));
        return;
    }
    auto* job = new QProcess(QCoreApplication::instance());
    job->setStandardOutputFile(QProcess::nullDevice());
    auto told = std::make_shared<bool>(false);
    const auto fail = [job, told](const QString& why) {
        if (!std::exchange(*told, true))
            NotPrinted(why);
        job->deleteLater();
    };
    QObject::connect(
        job, &QProcess::finished, job, [job, fail](int status, QProcess::ExitStatus exit) {
            // lp says why on its last line: "lp: Error - No default destination."
            const QString said = QString::fromLocal8Bit(job->readAllStandardError()).trimmed();
            if (exit == QProcess::NormalExit && status == 0)
                job->deleteLater();
            else
                fail(said.isEmpty() ? tr("the print system refused the report.")
                                    : said.section(QLatin1Char('\n'), -1));
        });
    QObject::connect(job, &QProcess::errorOccurred, job, [fail](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(tr("the print system's client could not be started."));
    });
    QTimer::singleShot(PrintTimeoutMilliseconds, job, [fail, job] {
        fail(tr("the print system did not answer within %1 seconds.")
                 .arg(PrintTimeoutMilliseconds / 1000));
        job->kill();
    });
    job->start(client, {QStringLiteral("-t"), title});
    job->write(PdfOf(document));
    job->closeWriteChannel();
#endif
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
    return SettingsStore(ProgramName()).read(SettingsSection, key);
}

bool QtPlatform::writeSetting(const QString& key, const QString& value)
{
    return SettingsStore(ProgramName()).write(SettingsSection, key, value);
}

QStringList QtPlatform::systemLanguages()
{
    return QLocale::system().uiLanguages();
}

bool QtPlatform::takeSingleInstanceLock()
{
    return lock().tryLock();
}

bool QtPlatform::handToRunningCopy(const QString& path)
{
    return HandToRunningCopy(lock(), QFileInfo(path).absoluteFilePath());
}

void QtPlatform::receiveHandedFiles(std::function<void(const QString& path)> receiver)
{
    receiver_ = std::move(receiver);
    ReceiveHandedFiles(lock(), [this](const QString& path) { handedFile(path); });
}

// A file handed over while a file dialog is open waits until it closes: the window that asked
// for the dialog is still in the middle of its command.
void QtPlatform::handedFile(const QString& path)
{
    if (dialogsOpen_ > 0)
        heldFile_ = path;
    else if (receiver_)
        receiver_(path);
}

SingleInstanceLock& QtPlatform::lock()
{
    if (!lock_)
        lock_ = std::make_unique<SingleInstanceLock>();
    return *lock_;
}

} // namespace kinmatch
