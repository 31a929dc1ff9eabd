#include "QtPlatform.h"

#include "ReportDocument.h"
#include "SafeFile.h"
#include "SettingsStore.h"

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

// Qt's own file dialog, always, so that its checks below hold on every desktop: a dialog of the
// desktop's own would not refuse a read-only file.
class CheckedFileDialog : public QFileDialog {
    Q_DECLARE_TR_FUNCTIONS(CheckedFileDialog)

public:
    CheckedFileDialog(const FileDialogRequest& request, AcceptMode mode)
        : QFileDialog(DialogParent(), request.title), request_(request)
    {
        setOption(DontUseNativeDialog);
        setAcceptMode(mode);
        setFileMode(AnyFile); // the checks are accept()'s
        setNameFilter(request.filter);
        setOption(DontConfirmOverwrite); // asked in accept(), after the other checks
        // Added here only to a name that has none; opening adds it only when the name as typed
        // does not exist, so a reading file named "Human" can be chosen.
        if (mode == AcceptSave)
            setDefaultSuffix(request.defaultSuffix);
    }

    QString chosen() const { return chosen_; }

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (files.isEmpty())
            return;
        QString path = files.constFirst();
        QFileInfo info(path);
        if (info.isDir()) {
            QFileDialog::accept(); // into the folder
            return;
        }
        const bool opening = acceptMode() == AcceptOpen;
        if (opening && !info.exists() && info.suffix().isEmpty() &&
            !request_.defaultSuffix.isEmpty()) {
            path += QLatin1Char('.') + request_.defaultSuffix;
            info.setFile(path);
        }
        if (request_.mustExist && opening && !info.exists())
            return refuse(
                tr("%1\nFile not found.\nCheck the file name and try again.").arg(info.fileName()));
        if (request_.mustExist && !opening && !info.absoluteDir().exists())
            return refuse(tr("%1\nThe folder does not exist.\nCheck the path and try again.")
                              .arg(info.absolutePath()));
        // Read-only by its permissions: the check of access() would let root write anything.
        if (request_.refuseReadOnly && info.exists() &&
            !(info.permissions() & QFileDevice::WriteOwner))
            return refuse(
                tr("%1\nThis file is read-only.\nChoose another file.").arg(info.fileName()));
        if (!opening && request_.confirmOverwrite && info.exists() &&
            QMessageBox::warning(
                this, windowTitle(),
                tr("%1 already exists.\nDo you want to replace it?").arg(info.fileName()),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
        chosen_ = path;
        QDialog::accept();
    }

private:
    void refuse(const QString& text) { QMessageBox::warning(this, windowTitle(), text); }

    FileDialogRequest request_;
    QString chosen_;
};

std::optional<QString> AskFile(const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    CheckedFileDialog dialog(request, mode);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen().isEmpty())
        return std::nullopt;
    return dialog.chosen();
}

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
    return AskFile(request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPlatform::askFileToSave(const FileDialogRequest& request)
{
    return AskFile(request, QFileDialog::AcceptSave);
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
    if (!lock_)
        lock_ = std::make_unique<SingleInstanceLock>();
    return lock_->tryLock();
}

} // namespace kinmatch
