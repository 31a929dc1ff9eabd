// The report window, printing, and reading files saved from it and opened in the main window.

#include "KinmatchCli.h"
#include "Look.h"
#include "QtPlatform.h"
#include "ReadingFile.h"
#include "ReadingFileIO.h"
#include "ReadingSession.h"
#include "Report.h"
#include "StringConsole.h"
#include "WindowTest.h"
#include "frmMain.h"
#include "frmMayanCompatibilityResult.h"
#include "frmSave.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>

#include <sstream>

using namespace kinmatch;
using namespace kinmatch::testing;
namespace mmn = modMayanNumerology;

class ReportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void reportIsTheUsersReading();
    void reportIsComposedAfreshEachTime();
    void runsKeepTheirBoldAndColour();
    void layout();
    void printClearsTheSelectionAndPrintsEverything();
    void noPrinterSaysNothing();
    void printingWritesTheReportInOrder();
    void saveWritesTheReadingFile();
    void cancellingTheSaveWritesNothing();
    void unstorableNameIsRefusedBeforeTheDialog_data();
    void unstorableNameIsRefusedBeforeTheDialog();
    void nameBoxTurnsPastedLineBreaksIntoBlanks();
    void openRestoresTheUserAndGenerates();
    void openChecksTheLastThreeCharacters_data();
    void openChecksTheLastThreeCharacters();
    void cancellingTheOpenChangesNothing();
    void shortFileLeavesTheOtherInputs();
    void openWithoutAPartnerStopsAtValidation();
    void longerNameInAFileIsRefusedNotCut();
    void fileSavedByTheCliOpensToTheSameReading();
    void readingFileGivenAtStartUp();
    void keyboardInTheReport();
    void fileDialogsRefuseWhatTheyMust_data();
    void fileDialogsRefuseWhatTheyMust();
    void fileDialogsOpenInDocumentsThenInTheLastFolder();

private:
    // Generates a reading, opens the report window and runs inspect on it before closing it.
    void withReport(const std::function<void(frmSave*)>& inspect);
    void generate(const QString& user, int year, const QString& month, int day);
    QString writeFile(const QString& name, const QByteArray& bytes);

    RunningProgram running;
    RecordingPlatform* platform = nullptr;
    Program* program = nullptr;
    QTemporaryDir folder;
};

void ReportWindowTest::init()
{
    running.start();
    platform = running.platform.get();
    program = running.program.get();
}

void ReportWindowTest::cleanup()
{
    running.end();
}

void ReportWindowTest::generate(const QString& user, int year, const QString& month, int day)
{
    frmMain* window = program->mainWindow();
    Child<QLineEdit>(window, "txtNameM")->setText(user);
    Child<QLineEdit>(window, "txtNameF")->setText("Bob");
    Choose(Child<QComboBox>(window, "cboYearM"), QString::number(year));
    Choose(Child<QComboBox>(window, "cboMonthM"), month);
    Choose(Child<QComboBox>(window, "cboDateM"), QString::number(day));
    Choose(Child<QComboBox>(window, "cboYearF"), "2000"); // the partner is a Star, 13
    Click(window, "cmdCalculate");
    Settle();
}

void ReportWindowTest::withReport(const std::function<void(frmSave*)>& inspect)
{
    bool inspected = false;
    const ModalAnswer answer([&](QWidget* modal) {
        auto* report = qobject_cast<frmSave*>(modal);
        if (report)
            inspect(report);
        inspected = report != nullptr;
        modal->close();
    });
    Click(program->resultWindow(), "cmdSave");
    QVERIFY(inspected);
}

QString ReportWindowTest::writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

void ReportWindowTest::reportIsTheUsersReading()
{
    generate("  Ann Lee ", 1955, "July", 4);
    withReport([&](frmSave* report) {
        const mmn::BirthDetails user{"Ann Lee", 1955, "July", 4};
        const auto expected = ComposeReport(user, mmn::ReadingOf("July", 4, 1955).Reading,
                                            "http://www.quorvane.example");
        QCOMPARE(Child<QTextEdit>(report, "RTB")->toPlainText(),
                 QString::fromStdString(ReportText(expected)));
        QVERIFY(
            Child<QTextEdit>(report, "RTB")->toPlainText().contains("Mayan English Name: Dog\n"));
        QVERIFY(
            !Child<QTextEdit>(report, "RTB")->toPlainText().contains("Mayan English Name: Star"));
    });
    // The report computed the user's reading again; the signs are as before.
    QCOMPARE(program->session().records().UserSign.EnglishName, "Dog");
    QCOMPARE(program->session().records().PartnerSign.EnglishName, "Star");
}

void ReportWindowTest::reportIsComposedAfreshEachTime()
{
    generate("Ann", 1980, "February", 29);
    QString first;
    withReport([&](frmSave* report) { first = Child<QTextEdit>(report, "RTB")->toPlainText(); });
    QString second;
    withReport([&](frmSave* report) { second = Child<QTextEdit>(report, "RTB")->toPlainText(); });
    QCOMPARE(second, first);
    QCOMPARE(first.count("Name: Ann"), 1);
    QVERIFY(first.contains("Date of Birth: February 29, 1980\n"));
    QCOMPARE(VisibleWindows(), QStringList{"frmMayanCompatibilityResult"});
}

void ReportWindowTest::runsKeepTheirBoldAndColour()
{
    generate("Ann", 1955, "July", 4);
    withReport([&](frmSave* report) {
        QTextDocument* document = Child<QTextEdit>(report, "RTB")->document();
        auto formatAt = [&](const QString& text) {
            QTextCursor cursor = document->find(text);
            return cursor.charFormat();
        };
        const QTextCharFormat label = formatAt("Mayan Gemstone: ");
        QCOMPARE(label.fontWeight(), int(QFont::Bold));
        QCOMPARE(label.foreground().color(), QColor(128, 0, 128));
        const QTextCharFormat value = formatAt("Bloodstone");
        QCOMPARE(value.fontWeight(), int(QFont::Normal));
        QCOMPARE(value.foreground().color(), QColor(Qt::black));
        const QTextCharFormat heading = formatAt("Other Mayan Details");
        QCOMPARE(heading.fontWeight(), int(QFont::Bold));
        QCOMPARE(heading.foreground().color(), QColor(0, 128, 0));
        // The one branding line after the "Mayan Day Signs" heading is green, not bold.
        QTextCursor afterHeading = document->find("Mayan Day Signs");
        afterHeading.movePosition(QTextCursor::NextBlock);
        afterHeading.movePosition(QTextCursor::EndOfBlock);
        QCOMPARE(afterHeading.block().text(), "Report Generated By http://www.quorvane.example");
        QCOMPARE(afterHeading.charFormat().foreground().color(), QColor(0, 128, 0));
        QCOMPARE(afterHeading.charFormat().fontWeight(), int(QFont::Normal));
        QCOMPARE(document->defaultFont().pointSizeF(), 9.75);
    });
}

void ReportWindowTest::layout()
{
    generate("Ann", 1955, "July", 4);
    withReport([&](frmSave* report) {
        QCOMPARE(report->size(), QSize(515, 521));
        QCOMPARE(report->windowTitle(), "Kinmatch v1.10");
        QCOMPARE(Child<QTextEdit>(report, "RTB")->geometry(), QRect(2, 26, 511, 409));
        QCOMPARE(Child(report, "cmdPrint")->geometry(), QRect(437, 438, 75, 23));
        QCOMPARE(Child(report, "cmdSave")->geometry(), QRect(360, 438, 75, 23));
        QCOMPARE(NextTabStop(Child(report, "cmdPrint")), Child(report, "cmdSave")); // Print first
        QCOMPARE(Child<QLabel>(report, "Label14")->text(),
                 "The Most Popular Online Mystic Discussion Forum");
        QTest::mouseClick(Child<QLabel>(report, "Label1"), Qt::LeftButton);
        QTest::mouseClick(Child<QLabel>(report, "lblFullBrand"), Qt::LeftButton);
    });
    QCOMPARE(platform->openedAddresses,
             (QStringList{"http://www.quorvane.example",
                          "http://help.quorvane.example/fully-branded.html"}));
}

void ReportWindowTest::printClearsTheSelectionAndPrintsEverything()
{
    generate("Ann", 1955, "July", 4);
    withReport([&](frmSave* report) {
        QTextCursor cursor = Child<QTextEdit>(report, "RTB")->document()->find("Bloodstone");
        Child<QTextEdit>(report, "RTB")->setTextCursor(cursor);
        QVERIFY(Child<QTextEdit>(report, "RTB")->textCursor().hasSelection());
        Click(report, "cmdPrint");
        QVERIFY(!Child<QTextEdit>(report, "RTB")->textCursor().hasSelection());
        QCOMPARE(platform->printedDocuments,
                 QStringList{Child<QTextEdit>(report, "RTB")->toPlainText()});
    });
    QVERIFY(platform->messages.isEmpty());
}

void ReportWindowTest::noPrinterSaysNothing()
{
    platform->hasPrinter = false;
    generate("Ann", 1955, "July", 4);
    withReport([&](frmSave* report) { Click(report, "cmdPrint"); });
    QVERIFY(platform->printedDocuments.isEmpty());
    QVERIFY(platform->messages.isEmpty());
}

void ReportWindowTest::printingWritesTheReportInOrder()
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    // The Qt platform's own printing path, sent to a PDF file instead of a printer.
    QtPlatform qtPlatform;
    const QString pdf = folder.filePath("report.pdf");
    qtPlatform.printToPdfFile(pdf);
    ReadingSession session;
    session.Generate({"Ann", "1955", 6, "4"}, {"Bob", "2000", 0, "1"});
    frmSave report(session, qtPlatform, nullptr);
    Click(&report, "cmdPrint");
    QProcess text;
    text.start(pdftotext, {"-layout", pdf, "-"});
    QVERIFY(text.waitForFinished());
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    const QStringList order = {"Name: Ann",
                               "Date of Birth: July 4, 1955",
                               "Mayan Number: 9",
                               "Mayan Day Sign: TZI - (OC)",
                               "Mayan Gemstone: Bloodstone",
                               "Mayan English Name: Dog",
                               "Famous Personalities born under"};
    qsizetype at = 0;
    for (const QString& line : order) {
        const qsizetype found = printed.indexOf(line, at);
        QVERIFY2(found >= 0, qPrintable(line));
        at = found;
    }
    QCOMPARE(printed.count("Report Generated By"), 12);
    // No header or footer: no line that is only a page number.
    for (const QString& line : printed.split('\n'))
        QVERIFY2(!QRegularExpression("^\\s*\\d+\\s*$").match(line).hasMatch(), qPrintable(line));
}

void ReportWindowTest::saveWritesTheReadingFile()
{
    generate(" Ann ", 1955, "July", 4);
    const QString path = folder.filePath("ann.man");
    platform->fileToSave = path;
    withReport([&](frmSave* report) { Click(report, "cmdSave"); });
    QCOMPARE(platform->saveRequests.size(), 1);
    QCOMPARE(platform->saveRequests.first(),
             (FileDialogRequest{"Kinmatch", "Mayan Astrology (*.man)", "man", true, true, true}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Huu\r\n8@<<\r\nQ|s\x80\r\n;\r\n"));
    QVERIFY(platform->messages.isEmpty());
}

void ReportWindowTest::cancellingTheSaveWritesNothing()
{
    generate("Ann", 1955, "July", 4);
    platform->fileToSave.reset();
    const QStringList before = QDir(folder.path()).entryList(QDir::Files);
    withReport([&](frmSave* report) { Click(report, "cmdSave"); });
    QCOMPARE(platform->saveRequests.size(), 1);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), before);
    QVERIFY(platform->messages.isEmpty());
}

void ReportWindowTest::unstorableNameIsRefusedBeforeTheDialog_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("outside Windows-1252")
        << QString::fromUtf8("Ωmega")
        << QString::fromUtf8("The Name Contains \"Ω\", Which A Reading File Cannot Hold.");
    QTest::newRow("a tab") << "Ann\tLee"
                           << "The Name Contains \"\\x09\", Which A Reading File Cannot Hold.";
    QTest::newRow("an escape") << "Ann\x1b]0;x\x07"
                               << "The Name Contains \"\\x1B\", Which A Reading File Cannot Hold.";
}

void ReportWindowTest::unstorableNameIsRefusedBeforeTheDialog()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    generate(name, 1955, "July", 4);
    platform->fileToSave = folder.filePath("refused.man");
    withReport([&](frmSave* report) { Click(report, "cmdSave"); });
    QVERIFY(platform->saveRequests.isEmpty());
    QCOMPARE(platform->messageTexts(), QStringList{message});
    QCOMPARE(platform->messages.first().icon, MessageIcon::Critical);
    QVERIFY(!QFile::exists(folder.filePath("refused.man")));
}

void ReportWindowTest::nameBoxTurnsPastedLineBreaksIntoBlanks()
{
    auto* box = Child<QLineEdit>(program->mainWindow(), "txtNameM");
    box->insert("Ann\n1999\r\nMarch\r3"); // as a paste inserts it
    QCOMPARE(box->text(), "Ann 1999 March 3");
    QCOMPARE(box->cursorPosition(), box->text().size());
    // Saved, the name stays one line of the file and the date stays the user's own.
    Child<QLineEdit>(program->mainWindow(), "txtNameF")->setText("Bob");
    Click(program->mainWindow(), "cmdCalculate");
    Settle();
    const QString path = folder.filePath("pasted.man");
    platform->fileToSave = path;
    withReport([&](frmSave* report) { Click(report, "cmdSave"); });
    QCOMPARE(LoadReadingFile(path),
             (std::array<QString, 4>{"Ann 1999 March 3", "1900", "January", "1"}));
}

void ReportWindowTest::openRestoresTheUserAndGenerates()
{
    const QString path = folder.filePath("zoe.man");
    QCOMPARE(SaveReadingFile(path, {"Zoë Lee", 1980, "February", 29}).outcome, SaveOutcome::Saved);
    frmMain* window = program->mainWindow();
    Child<QLineEdit>(window, "txtNameF")->setText("Bob");
    platform->fileToOpen = path;
    Click(window, "cmdOpen");
    Settle();
    QCOMPARE(platform->openRequests.first(),
             (FileDialogRequest{"Select the source file", "Mayan Astrology (*.man)", "man", false,
                                true, true}));
    QCOMPARE(VisibleWindows(), QStringList{"frmMayanCompatibilityResult"});
    QCOMPARE(program->session().records().UserDetails,
             (mmn::BirthDetails{"Zoë Lee", 1980, "February", 29}));
    QCOMPARE(program->session().records().PartnerDetails.Name, "Bob");
}

void ReportWindowTest::openChecksTheLastThreeCharacters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("MAN") << "reading.MAN" << false;
    QTest::newRow("Man") << "reading.Man" << false;
    QTest::newRow("txt") << "reading.txt" << false;
    QTest::newRow("Human, without a dot") << "Human" << true;
    QTest::newRow("a reading named Zoe, refused by the dialog") << "Zoe" << false;
    QTest::newRow("man") << "reading.man" << true;
}

void ReportWindowTest::openChecksTheLastThreeCharacters()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    const QString path = folder.filePath(name);
    QCOMPARE(SaveReadingFile(path, {"Ann", 1955, "July", 4}).outcome, SaveOutcome::Saved);
    Child<QLineEdit>(program->mainWindow(), "txtNameF")->setText("Bob");
    platform->fileToOpen = path;
    Click(program->mainWindow(), "cmdOpen");
    Settle();
    if (accepted) {
        QVERIFY(platform->messages.isEmpty());
        QCOMPARE(program->session().records().UserDetails.Name, "Ann");
        return;
    }
    QCOMPARE(platform->messageTexts(), QStringList{"Please Check The File."});
    QCOMPARE(platform->messages.first().icon, MessageIcon::Critical);
    QVERIFY(TextOf(program->mainWindow(), "txtNameM").isEmpty());
}

void ReportWindowTest::cancellingTheOpenChangesNothing()
{
    Child<QLineEdit>(program->mainWindow(), "txtNameM")->setText("Typed");
    platform->fileToOpen.reset();
    Click(program->mainWindow(), "cmdOpen");
    Settle();
    QVERIFY(platform->messages.isEmpty());
    QCOMPARE(VisibleWindows(), QStringList{"frmMain"});
    QCOMPARE(TextOf(program->mainWindow(), "txtNameM"), "Typed");
}

void ReportWindowTest::shortFileLeavesTheOtherInputs()
{
    frmMain* window = program->mainWindow();
    Choose(Child<QComboBox>(window, "cboMonthM"), "March");
    Choose(Child<QComboBox>(window, "cboDateM"), "7");
    Choose(Child<QComboBox>(window, "cboYearM"), "1950");
    // Name and year only; then a year line that no list item matches.
    for (const QByteArray& bytes : {QByteArray("Huu\r\n8@<<\r\n"), QByteArray("Huu\r\nhijk\r\n")}) {
        platform->fileToOpen = writeFile("short.man", bytes);
        platform->messages.clear();
        Click(window, "cmdOpen");
        QCOMPARE(TextOf(window, "txtNameM"), "Ann");
        QCOMPARE(TextOf(window, "cboMonthM"), "March");
        QCOMPARE(TextOf(window, "cboDateM"), "7");
        QCOMPARE(platform->messageTexts(), QStringList{"Please Enter Your Partner's Name"});
    }
    QCOMPARE(TextOf(window, "cboYearM"), "1955");
}

void ReportWindowTest::longerNameInAFileIsRefusedNotCut()
{
    const QString path =
        writeFile("long.man", QByteArray::fromStdString(*kinmatch::EncodeReadingFile(
                                  {std::string(40000, 'a'), 2000, "May", 1})));
    platform->fileToOpen = path;
    Click(program->mainWindow(), "cmdOpen");
    Settle();
    QCOMPARE(platform->messageTexts(), QStringList{"Please Check The File."});
    QCOMPARE(TextOf(program->mainWindow(), "txtNameM"), QString());
    QVERIFY(program->session().records().UserDetails.Name.empty());
}

void ReportWindowTest::openWithoutAPartnerStopsAtValidation()
{
    const QString path = folder.filePath("ann.man");
    QCOMPARE(SaveReadingFile(path, {"Ann", 2000, "January", 1}).outcome, SaveOutcome::Saved);
    platform->fileToOpen = path;
    Click(program->mainWindow(), "cmdOpen");
    Settle();
    QCOMPARE(platform->messageTexts(), QStringList{"Please Enter Your Partner's Name"});
    frmMain* window = program->mainWindow();
    QCOMPARE(TextOf(window, "txtNameM"), "Ann");
    QCOMPARE(TextOf(window, "cboYearM"), "2000");
    QVERIFY(program->session().records().UserDetails.Name.empty());
}

void ReportWindowTest::fileSavedByTheCliOpensToTheSameReading()
{
    const QString path = folder.filePath("cli.man");
    StringConsole console;
    QCOMPARE(
        kinmatch_cli::Run({"save", path.toStdString(), "--name", "Ann", "1976-02-29"}, console), 0);
    Child<QLineEdit>(program->mainWindow(), "txtNameF")->setText("Bob");
    Choose(Child<QComboBox>(program->mainWindow(), "cboMonthF"), "February");
    Choose(Child<QComboBox>(program->mainWindow(), "cboDateF"), "29");
    Choose(Child<QComboBox>(program->mainWindow(), "cboYearF"), "1976");
    platform->fileToOpen = path;
    Click(program->mainWindow(), "cmdOpen");
    Settle();
    QCOMPARE(program->session().records().UserSign, (mmn::PersonSign{11, 3, "Crocodile"}));
    QCOMPARE(TextOf(program->resultWindow(), "lblResult_0"), "Yellow Rythmic Seed");
}

void ReportWindowTest::readingFileGivenAtStartUp()
{
    running.program.reset(); // one program at a time
    Settle();
    const QString good = folder.filePath("start.man");
    QCOMPARE(SaveReadingFile(good, {"Ann", 1976, "February", 29}).outcome, SaveOutcome::Saved);
    // The desktop hands over a file it recognised by its content, whatever its name (another
    // name than "start.MAN", which on Windows would be the same file); what holds no reading is
    // refused as the dialog refuses it.
    const QString wrongCase = folder.filePath("other.MAN");
    const QString noExtension = folder.filePath("Ann at start-up");
    const QString notes = folder.filePath("notes");
    QVERIFY(QFile::copy(good, wrongCase));
    QVERIFY(QFile::copy(good, noExtension));
    QFile text(notes);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("Ann\r\n1976\r\nFebruary\r\n29\r\n"); // plain, not scrambled
    text.close();
    for (const auto& [path, message] : {std::pair{good, "Please Enter Your Partner's Name"},
                                        std::pair{wrongCase, "Please Enter Your Partner's Name"},
                                        std::pair{noExtension, "Please Enter Your Partner's Name"},
                                        std::pair{notes, "Please Check The File."}}) {
        RecordingPlatform starting;
        Program started(starting);
        QVERIFY(started.start(path));
        QCOMPARE(starting.messageTexts(), QStringList{QString::fromLatin1(message)});
        const bool read = QString::fromLatin1(message).startsWith("Please Enter");
        QCOMPARE(TextOf(started.mainWindow(), "txtNameM"), read ? "Ann" : "");
        QCOMPARE(TextOf(started.mainWindow(), "cboYearM"), read ? "1976" : "1900");
        started.EndProgram();
        Settle();
    }
    running.program = std::make_unique<Program>(*platform);
    program = running.program.get();
}

void ReportWindowTest::keyboardInTheReport()
{
    generate("Ann", 1955, "July", 4);
    platform->fileToSave.reset();
    bool stayedOpen = false;
    withReport([&](frmSave* report) {
        QApplication::setActiveWindow(report);
        // Esc does not close the report; Enter presses the focused Print, then Save.
        QTest::keyClick(report, Qt::Key_Escape);
        stayedOpen = report->isVisible();
        for (const char* button : {"cmdPrint", "cmdSave"}) {
            Child(report, button)->setFocus();
            QTest::keyClick(Child(report, button), Qt::Key_Return);
        }
        // Save asks for MS Sans Serif 8.25 pt and falls back to the window's font without it.
        const QFont save = Child(report, "cmdSave")->font();
        QCOMPARE(save.pointSizeF(), 8.25);
        QVERIFY(save.family() == "MS Sans Serif" || save.family() == look::UiFont().family());
        QCOMPARE(Child(report, "cmdPrint")->font().family(), look::UiFont().family());
    });
    QVERIFY(stayedOpen);
    QCOMPARE(platform->printedDocuments.size(), 1);
    QCOMPARE(platform->saveRequests.size(), 1);
}

namespace {
// Answers the Qt platform's dialogs as they open, in turn: the first file dialog gets the path
// typed and its accept, a message box answer, and any later file dialog is cancelled. What was
// shown is kept in order ("dialog", "message"), with each file dialog's folder.
class DialogAnswers {
public:
    DialogAnswers(QString typed, QMessageBox::StandardButton button)
        : typed_(std::move(typed)), answer_(button)
    {
        QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] { answer(); });
        poll_.start(10);
    }
    QStringList shown;
    QStringList folders;

private:
    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->property("answered").toBool())
            return;
        modal->setProperty("answered", true);
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            shown << "dialog";
            folders << dialog->directory().absolutePath();
            if (shown.count("dialog") > 1)
                return dialog->reject();
            Child<QLineEdit>(dialog, "fileNameEdit")->setText(typed_);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            shown << "message";
            QAbstractButton* button = box->button(answer_);
            if (button)
                button->click();
            else
                box->close();
        }
    }
    QString typed_;
    QMessageBox::StandardButton answer_;
    QTimer poll_;
};
} // namespace

void ReportWindowTest::fileDialogsRefuseWhatTheyMust_data()
{
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");     // to the question before a file is replaced
    QTest::addColumn<QString>("chosen"); // empty: refused, with a message, and asked again
    const int yes = QMessageBox::Yes;
    const int no = QMessageBox::No;
    QTest::newRow("save into a missing folder") << true << "missing/x.man" << yes << "";
    QTest::newRow("save over a read-only file") << true << "locked.man" << yes << "";
    QTest::newRow("save a new file") << true << "new.man" << yes << "new.man";
    QTest::newRow("save a name without an extension") << true << "typed" << yes << "typed.man";
    QTest::newRow("save over a file, replacing it") << true << "ann.man" << yes << "ann.man";
    QTest::newRow("save over a file, not replacing it") << true << "ann.man" << no << "";
    QTest::newRow("open a file named Human") << false << "Human" << yes << "Human";
    QTest::newRow("open a name whose file has the extension") << false << "ann" << yes << "ann.man";
    QTest::newRow("open a read-only file") << false << "locked.man" << yes << "";
    QTest::newRow("open a missing file") << false << "gone.man" << yes << "";
}

void ReportWindowTest::fileDialogsRefuseWhatTheyMust()
{
    QFETCH(bool, saving);
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QString, chosen);
    for (const char* name : {"Human", "ann.man", "locked.man"})
        writeFile(name, "Huu\r\n8@<<\r\nQ|s\x80\r\n;\r\n");
    QFile::setPermissions(folder.filePath("locked.man"), QFileDevice::ReadOwner);
    // The folder last used is kept in the test's own settings.
    qputenv("XDG_CONFIG_HOME", folder.filePath("config").toLocal8Bit());
    QtPlatform qtPlatform;
    qtPlatform.writeSetting("LastFolder", folder.path());
    const DialogAnswers answers(folder.filePath(typed), QMessageBox::StandardButton(answer));
    const FileDialogRequest request{"Kinmatch", "Mayan Astrology (*.man)", "man", saving, true,
                                    true};
    const auto path =
        saving ? qtPlatform.askFileToSave(request) : qtPlatform.askFileToOpen(request);
    const bool replacing = typed == "ann.man";
    QStringList expected{"dialog"};
    if (chosen.isEmpty() || replacing)
        expected << "message";
    if (chosen.isEmpty())
        expected << "dialog";
    QCOMPARE(answers.shown, expected);
    QCOMPARE(path.value_or(QString()), chosen.isEmpty() ? QString() : folder.filePath(chosen));
    QFile::setPermissions(folder.filePath("locked.man"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    qunsetenv("XDG_CONFIG_HOME");
}

void ReportWindowTest::fileDialogsOpenInDocumentsThenInTheLastFolder()
{
    qputenv("XDG_CONFIG_HOME", folder.filePath("fresh-config").toLocal8Bit());
    // The documents folder of the test's own where the desktop names it there (XDG); on Windows
    // the user's own.
    const QString documents = folder.filePath("Documents");
    QVERIFY(QDir().mkpath(documents));
    QVERIFY(QDir().mkpath(folder.filePath("fresh-config")));
    writeFile("fresh-config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + documents.toUtf8() + "\"\n");
    const QString elsewhere = folder.filePath("elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    QtPlatform qtPlatform;
    qtPlatform.writeSetting("LastFolder", ""); // as at the first start
    const FileDialogRequest request{"Kinmatch", "Mayan Astrology (*.man)", "man", true, true, true};
    QStringList folders;
    for (const QString& typed : {elsewhere + "/first.man", elsewhere + "/second.man"}) {
        const DialogAnswers answers(typed, QMessageBox::Yes);
        QCOMPARE(qtPlatform.askFileToSave(request).value_or(QString()), typed);
        folders << answers.folders;
    }
    QCOMPARE(folders,
             (QStringList{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                          elsewhere}));
    QCOMPARE(qtPlatform.readSetting("LastFolder"), elsewhere);
    qunsetenv("XDG_CONFIG_HOME");
}

QTEST_MAIN(ReportWindowTest)
#include "tst_report_window.moc"
