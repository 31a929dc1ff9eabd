#include "Language.h"
#include "Look.h"
#include "ReadingFileIO.h"
#include "Translators.h"
#include "WindowTest.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmMayanCompatibilityResult.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

using namespace kinmatch;
using namespace kinmatch::testing;

namespace {
struct Date {
    int year;
    const char* month;
    int day;
};
} // namespace
Q_DECLARE_METATYPE(Date)

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsAndFirstSelection_data();
    void listsAndFirstSelection();
    void startsEmptyWithFocusOnTheUsersName();
    void tabOrder();
    void validation_data();
    void validation();
    void generate_data();
    void generate();
    void generateFromTheMenu();
    void accessKeyGeneratesAtOnce();
    void backGivesAnEmptyMainWindow();
    void backThenGenerateShowsAFreshResult();
    void links_data();
    void links();
    void linkClickedTwiceOpensTwice();
    void donateIsACommandWithoutADropDown();
    void makeMoneyIsNeverShown();
    void coBrand_data();
    void coBrand();
    void secondInstanceIsRefused();
    void secondCopyHandsItsReadingOn_data();
    void secondCopyHandsItsReadingOn();
    void handedReadingOpensInTheRunningCopy_data();
    void handedReadingOpensInTheRunningCopy();
    void handedReadingWaitsForTheOpenDialog();
    void aboutClosesWithEnterAndEsc_data();
    void aboutClosesWithEnterAndEsc();
    void resultWindowLayout();
    void resultPictureIsTheSealsOwn_data();
    void resultPictureIsTheSealsOwn();
    void everyControlHasAnAccessibleName();
    void altOOpensASavedReading();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void enterInATextBoxPressesNothing();
    void accessKeysAreUniqueInEachWindow();
    void iconPicturesAreCrispAtTwiceTheDensity();
    void framesAreFlatColour_data();
    void framesAreFlatColour();

private:
    frmMain* mainWindow() { return running.program->mainWindow(); }
    frmMayanCompatibilityResult* generateFor(const QString& user, Date userDate,
                                             const QString& partner, Date partnerDate);
    void fill(const QString& user, Date userDate, const QString& partner, Date partnerDate);

    RunningProgram running;
    RecordingPlatform* platform = nullptr;
    Program* program = nullptr;
};

void WindowsTest::init()
{
    running.start();
    platform = running.platform.get();
    program = running.program.get();
}

void WindowsTest::cleanup()
{
    running.end();
    InstallLanguage(std::string(kinmatch::English));
}

void WindowsTest::fill(const QString& user, Date userDate, const QString& partner, Date partnerDate)
{
    frmMain* window = mainWindow();
    Child<QLineEdit>(window, "txtNameM")->setText(user);
    Child<QLineEdit>(window, "txtNameF")->setText(partner);
    Choose(Child<QComboBox>(window, "cboYearM"), QString::number(userDate.year));
    Choose(Child<QComboBox>(window, "cboMonthM"), QString::fromLatin1(userDate.month));
    Choose(Child<QComboBox>(window, "cboDateM"), QString::number(userDate.day));
    Choose(Child<QComboBox>(window, "cboYearF"), QString::number(partnerDate.year));
    Choose(Child<QComboBox>(window, "cboMonthF"), QString::fromLatin1(partnerDate.month));
    Choose(Child<QComboBox>(window, "cboDateF"), QString::number(partnerDate.day));
}

frmMayanCompatibilityResult* WindowsTest::generateFor(const QString& user, Date userDate,
                                                      const QString& partner, Date partnerDate)
{
    fill(user, userDate, partner, partnerDate);
    Click(mainWindow(), "cmdCalculate");
    Settle();
    return program->resultWindow();
}

void WindowsTest::listsAndFirstSelection_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    for (const char* person : {"M", "F"}) {
        const QString end = QString::fromLatin1(person);
        QTest::addRow("cboMonth%s", person) << "cboMonth" + end << 12 << "January"
                                            << "December";
        QTest::addRow("cboDate%s", person) << "cboDate" + end << 31 << "1"
                                           << "31";
        QTest::addRow("cboYear%s", person) << "cboYear" + end << 117 << "1900"
                                           << "2016";
    }
}

void WindowsTest::listsAndFirstSelection()
{
    QFETCH(QString, list);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    auto* combo = mainWindow()->findChild<QComboBox*>(list);
    QVERIFY(combo);
    QCOMPARE(combo->count(), count);
    QCOMPARE(combo->itemText(0), first);
    QCOMPARE(combo->itemText(count - 1), last);
    QCOMPARE(combo->currentText(), first);
    QVERIFY(!combo->isEditable());
}

void WindowsTest::startsEmptyWithFocusOnTheUsersName()
{
    QCOMPARE(VisibleWindows(), QStringList{"frmMain"});
    QCOMPARE(mainWindow()->windowTitle(), "Kinmatch v1.10");
    QVERIFY(TextOf(mainWindow(), "txtNameM").isEmpty());
    QVERIFY(TextOf(mainWindow(), "txtNameF").isEmpty());
    QCOMPARE(mainWindow()->focusWidget()->objectName(), "txtNameM");
    QCOMPARE(mainWindow()->centralWidget()->size(), QSize(480, 384));
}

void WindowsTest::tabOrder()
{
    frmMain* window = mainWindow();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    Child(window, "txtNameM")->setFocus();
    const QStringList expected = {"cboMonthM", "cboDateM", "cboYearM", "cmdOpen",   "cmdCalculate",
                                  "txtNameF",  "cboYearF", "cboDateF", "cboMonthF", "txtNameM"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void WindowsTest::validation_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<Date>("userDate");
    QTest::addColumn<QString>("partner");
    QTest::addColumn<Date>("partnerDate");
    QTest::addColumn<QString>("message"); // empty: the inputs pass
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus"); // where a blank name sends the focus

    const QString february = "Please Enter Correct Date Or Month!";
    const QString thirtyFirst = "Please Enter Correct Date Or Month !";
    const int critical = int(MessageIcon::Critical);
    const int information = int(MessageIcon::Information);
    const Date ok{1980, "May", 5};
    auto row = [&](const char* name, const QString& user, Date userDate, const QString& partner,
                   Date partnerDate, const QString& message, int icon, const QString& focus = {}) {
        QTest::newRow(name) << user << userDate << partner << partnerDate << message << icon
                            << focus;
    };
    row("both names blank", "", ok, "", ok, "Please Enter Your Name", critical, "txtNameM");
    row("user's name only blanks", "   ", ok, "Bob", ok, "Please Enter Your Name", critical,
        "txtNameM");
    row("partner's name blank before the user's bad date", "Ann", {1980, "April", 31}, "", ok,
        "Please Enter Your Partner's Name", critical, "txtNameF");
    row("a one-letter name passes", "A", ok, "B", ok, "", 0);
    // The longest name kept, and one longer, refused with a message and kept whole in its box.
    const QString tooLong = "Please Enter A Name Of At Most 32767 Characters";
    row("a name of 32,767 characters passes", QString(32767, 'a'), ok, "Bob", ok, "", 0);
    row("a name of 40,000 characters is refused, not cut", QString(40000, 'a'), ok, "Bob", ok,
        tooLong, critical, "txtNameM");
    row("the partner's name of 32,768 characters", "Ann", ok, QString(32768, 'b') + "  ", ok,
        tooLong, critical, "txtNameF");
    for (const int year : {1904, 1996, 2000, 2016}) {
        const QByteArray name = "29 February " + QByteArray::number(year) + " passes";
        row(name.constData(), "Ann", {year, "February", 29}, "Bob", ok, "", 0);
    }
    for (const int year : {1900, 1901, 2015}) {
        const QByteArray name = "29 February " + QByteArray::number(year) + " is refused";
        row(name.constData(), "Ann", {year, "February", 29}, "Bob", ok, february, information);
    }
    row("30 February", "Ann", {2000, "February", 30}, "Bob", ok, february, information);
    row("31 February", "Ann", {2000, "February", 31}, "Bob", ok, february, information);
    for (const char* month : {"April", "June", "September", "November"}) {
        const QByteArray name = QByteArray("31 ") + month;
        row(name.constData(), "Ann", {1980, month, 31}, "Bob", ok, thirtyFirst, information);
    }
    row("30 April passes", "Ann", {1980, "April", 30}, "Bob", ok, "", 0);
    for (const char* month : {"January", "March", "May", "July", "August", "October", "December"}) {
        const QByteArray name = QByteArray("31 ") + month + " passes";
        row(name.constData(), "Ann", {1980, month, 31}, "Bob", ok, "", 0);
    }
    row("partner's 31 June", "Ann", ok, "Bob", {1980, "June", 31}, thirtyFirst, information);
    row("partner's 29 February 1900", "Ann", ok, "Bob", {1900, "February", 29}, february,
        information);
    row("user's date before the partner's", "Ann", {1980, "June", 31}, "Bob",
        {1901, "February", 29}, thirtyFirst, information);
}

void WindowsTest::validation()
{
    QFETCH(QString, user);
    QFETCH(Date, userDate);
    QFETCH(QString, partner);
    QFETCH(Date, partnerDate);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, focus);

    fill(user, userDate, partner, partnerDate);
    Click(mainWindow(), "cmdCalculate");
    Settle();
    if (message.isEmpty()) {
        QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->messageTexts().join(',')));
        QCOMPARE(VisibleWindows(), QStringList{"frmMayanCompatibilityResult"});
        return;
    }
    QCOMPARE(platform->messageTexts(), QStringList{message});
    QCOMPARE(int(platform->messages.first().icon), icon);
    QCOMPARE(platform->messages.first().buttons, MessageButtons::Ok);
    // Nothing is stored and the main window keeps every input.
    QCOMPARE(VisibleWindows(), QStringList{"frmMain"});
    QVERIFY(program->session().records().UserDetails.Name.empty());
    QCOMPARE(TextOf(mainWindow(), "txtNameM"), user);
    QCOMPARE(TextOf(mainWindow(), "txtNameF"), partner);
    QCOMPARE(TextOf(mainWindow(), "cboDateF"), QString::number(partnerDate.day));
    // A blank name sends the focus to its box; a date message leaves it on the clicked button.
    QCOMPARE(mainWindow()->focusWidget()->objectName(),
             focus.isEmpty() ? QStringLiteral("cmdCalculate") : focus);
}

void WindowsTest::generate_data()
{
    QTest::addColumn<Date>("userDate");
    QTest::addColumn<Date>("partnerDate");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("picture");
    QTest::newRow("Dog 9 and Star 13")
        << Date{1955, "July", 4} << Date{2000, "January", 1}
        << QStringList{"Blue Self-Existing Monkey", "Dog", "9", "Star", "13"} << 11;
    QTest::newRow("Earth 11 and Monkey 6")
        << Date{1900, "March", 1} << Date{2016, "December", 31}
        << QStringList{"Yellow Galactic Star", "Earth", "11", "Monkey", "6"} << 8;
    QTest::newRow("Crocodile 3 twice")
        << Date{1976, "February", 29} << Date{1976, "February", 29}
        << QStringList{"Yellow Rythmic Seed", "Crocodile", "3", "Crocodile", "3"} << 4;
    QTest::newRow("the persons swapped")
        << Date{2000, "January", 1} << Date{1955, "July", 4}
        << QStringList{"Blue Self-Existing Monkey", "Star", "13", "Dog", "9"} << 11;
}

void WindowsTest::generate()
{
    QFETCH(Date, userDate);
    QFETCH(Date, partnerDate);
    QFETCH(QStringList, texts);
    QFETCH(int, picture);

    frmMayanCompatibilityResult* result = generateFor("  Ann  Lee ", userDate, " Bob", partnerDate);
    QCOMPARE(VisibleWindows(), QStringList{"frmMayanCompatibilityResult"});
    QVERIFY(!mainWindow());
    QCOMPARE(TextOf(result, "lblResult_0"), texts[0]);
    const auto description =
        modMayanCompatibility::SealTable[std::size_t(picture - 1)].SealDescription;
    QCOMPARE(TextOf(result, "lblResult_1").toStdString(), description);
    for (int i = 2; i <= 5; ++i)
        QCOMPARE(TextOf(result, QByteArray("lblResult_" + QByteArray::number(i)).constData()),
                 texts[i - 1]);
    QCOMPARE(
        Child<QLabel>(result, "picMayanSign")->accessibleName(),
        QString::fromUtf8(modMayanCompatibility::SealTable[std::size_t(picture - 1)].SealName));

    const auto& records = program->session().records();
    QCOMPARE(records.UserDetails.Name, "Ann  Lee"); // inner blanks kept
    QCOMPARE(records.PartnerDetails.Name, "Bob");
    QCOMPARE(records.UserDetails.BirthYear, userDate.year);
    QCOMPARE(records.UserDetails.BirthMonth, userDate.month);
    QCOMPARE(records.PartnerDetails.BirthDay, partnerDate.day);
    // The partner's reading was computed last.
    QCOMPARE(QString::fromUtf8(records.LastReading.EnglishName.data(),
                               qsizetype(records.LastReading.EnglishName.size())),
             texts[3]);
}

void WindowsTest::generateFromTheMenu()
{
    fill("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    Trigger(mainWindow(), "mnuMayan");
    Settle();
    QCOMPARE(VisibleWindows(), QStringList{"frmMayanCompatibilityResult"});
    QCOMPARE(TextOf(program->resultWindow(), "lblResult_0"), "Blue Self-Existing Monkey");
}

void WindowsTest::accessKeyGeneratesAtOnce()
{
    fill("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    QApplication::setActiveWindow(mainWindow());
    QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
    // No event loop turn in between: the command runs inside the key press.
    QTest::keyClick(mainWindow(), Qt::Key_G, Qt::AltModifier);
    QVERIFY(program->resultWindow()->isVisible());
    QCOMPARE(TextOf(program->resultWindow(), "lblResult_0"), "Blue Self-Existing Monkey");
}

void WindowsTest::backGivesAnEmptyMainWindow()
{
    frmMayanCompatibilityResult* result =
        generateFor("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    Trigger(result, "mnuBack");
    Settle();
    QCOMPARE(VisibleWindows(), QStringList{"frmMain"});
    frmMain* fresh = mainWindow();
    QVERIFY(TextOf(fresh, "txtNameM").isEmpty());
    QVERIFY(TextOf(fresh, "txtNameF").isEmpty());
    for (const char* list : {"cboMonthM", "cboMonthF"})
        QCOMPARE(TextOf(fresh, list), "January");
    for (const char* list : {"cboYearM", "cboYearF"})
        QCOMPARE(TextOf(fresh, list), "1900");
    QCOMPARE(TextOf(fresh, "cboDateF"), "1");
    // The stored details outlive the window.
    QCOMPARE(program->session().records().UserDetails.Name, "Ann");
}

void WindowsTest::backThenGenerateShowsAFreshResult()
{
    frmMayanCompatibilityResult* first =
        generateFor("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    Click(first, "cmdBack");
    Settle();
    frmMayanCompatibilityResult* second =
        generateFor("Cy", {1900, "March", 1}, "Di", {2016, "December", 31});
    QCOMPARE(TextOf(second, "lblResult_0"), "Yellow Galactic Star");
    QCOMPARE(TextOf(second, "lblResult_2"), "Earth");
    QCOMPARE(TextOf(second, "lblResult_5"), "6");
}

void WindowsTest::links_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    const QString home = "http://www.quorvane.example";
    const QString help = "http://help.quorvane.example";
    const QString site = "http://www.kinmatch.example";
    for (const char* window : {"main", "result"}) {
        auto row = [&](const char* control, const QString& address) {
            QTest::addRow("%s %s", window, control)
                << QString::fromLatin1(window) << QString::fromLatin1(control) << address;
        };
        row("mnuOnline", site + "/kinmatch-help.html");
        row("mnuVisit", home);
        row("mnuUpdate", site + "/download-kinmatch.html");
        row("mnuDonate", help + "/donate.html");
        row("mnuMakeMoney", help + "/fully-branded.html");
        row("Label14", home);
        row("lblFullBrand", help + "/fully-branded.html");
        row("lblCobrand", help + "/co-brand.html");
    }
    QTest::newRow("about lblHomePage") << "about"
                                       << "lblHomePage" << home;
    QTest::newRow("about lblCobrand opens the full-branding offer")
        << "about"
        << "lblCobrand" << help + "/fully-branded.html";
}

void WindowsTest::links()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, address);
    QWidget* owner = mainWindow();
    std::unique_ptr<frmAbout> about;
    if (window == "result")
        owner = generateFor("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    if (window == "about") {
        about = std::make_unique<frmAbout>(*platform, mainWindow());
        owner = about.get();
    }
    if (auto* action = owner->findChild<QAction*>(control)) {
        // A hidden, disabled command still names its page; enable it to read it.
        action->setEnabled(true);
        action->trigger();
    } else {
        auto* label = owner->findChild<QLabel*>(control);
        QVERIFY2(label, qPrintable(control));
        QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
        QTest::mouseClick(label, Qt::LeftButton);
    }
    QCOMPARE(platform->openedAddresses, QStringList{address});
    QVERIFY(platform->messages.isEmpty());
}

void WindowsTest::linkClickedTwiceOpensTwice()
{
    auto* label = Child<QLabel>(mainWindow(), "Label14");
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(platform->openedAddresses.size(), 2);
}

void WindowsTest::donateIsACommandWithoutADropDown()
{
    auto check = [](QMainWindow* window) {
        QStringList captions;
        for (QAction* action : window->menuBar()->actions())
            if (action->isVisible())
                captions << action->text();
        QCOMPARE(captions, (QStringList{"&File", "&Help", "&Donate"}));
        auto* donate = Child<QAction>(window, "mnuDonate");
        QVERIFY(!donate->menu());
        QVERIFY(window->menuBar()->actions().contains(donate));
    };
    check(mainWindow());
    check(generateFor("A", {1955, "July", 4}, "B", {1955, "July", 4}));
}

void WindowsTest::makeMoneyIsNeverShown()
{
    for (const bool result : {false, true}) {
        QMainWindow* window = mainWindow();
        if (result)
            window = generateFor("A", {1955, "July", 4}, "B", {1955, "July", 4});
        auto* makeMoney = Child<QAction>(window, "mnuMakeMoney");
        QCOMPARE(makeMoney->text(), "Make Money &Online");
        QVERIFY(!makeMoney->isVisible());
        QVERIFY(!makeMoney->isEnabled());
        QVERIFY(window->actions().contains(makeMoney));             // part of the window
        QVERIFY(!window->menuBar()->actions().contains(makeMoney)); // claiming no key there
    }
}

void WindowsTest::coBrand_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<QString>("front");
    QTest::newRow("r = 0 gives 1") << 0.0 << "lblCobrand";
    QTest::newRow("r = 0.25 gives 2.5, rounded to 2") << 0.25 << "lblFullBrand";
    QTest::newRow("r = 0.3 gives 3") << 0.3 << "lblCobrand";
    QTest::newRow("r = 5/12 gives 3.5, rounded to 4") << 5.0 / 12 << "lblFullBrand";
    QTest::newRow("r = 0.6 gives 5") << 0.6 << "lblCobrand";
    QTest::newRow("r = 0.75 gives 5.5, rounded to 6") << 0.75 << "lblFullBrand";
    QTest::newRow("r = 11/12 gives 6.5, rounded to 6") << 11.0 / 12 << "lblFullBrand";
    QTest::newRow("r just below 1 gives 7: unchanged") << 0.9999 << "unchanged";
}

void WindowsTest::coBrand()
{
    QFETCH(double, draw);
    QFETCH(QString, front);
    frmMain* window = mainWindow();
    auto* cobrand = Child<QLabel>(window, "lblCobrand");
    auto* fullBrand = Child<QLabel>(window, "lblFullBrand");
    for (QLabel* beneath : {cobrand, fullBrand}) {
        beneath->raise(); // whichever was in front stays there when nothing changes
        platform->draws = {draw};
        window->CoBrand_Randomize();
        const QObjectList siblings = cobrand->parent()->children();
        const bool cobrandInFront = siblings.indexOf(static_cast<QObject*>(cobrand)) >
                                    siblings.indexOf(static_cast<QObject*>(fullBrand));
        const QString expected = front == "unchanged" ? beneath->objectName() : front;
        QCOMPARE(cobrandInFront ? QStringLiteral("lblCobrand") : QStringLiteral("lblFullBrand"),
                 expected);
    }
}

void WindowsTest::secondInstanceIsRefused()
{
    RecordingPlatform second;
    second.lockFree = false;
    Program another(second);
    QVERIFY(!another.start());
    QCOMPARE(second.messageTexts(), QStringList{"Application is already running"});
    QCOMPARE(second.messages.first().icon, MessageIcon::Information);
    QVERIFY(!another.mainWindow());
    QCOMPARE(second.seeds, 0);
    QCOMPARE(platform->seeds, 1); // the first start seeded its generator
}

void WindowsTest::secondCopyHandsItsReadingOn_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("runningCopyTakesIt");
    QTest::addColumn<QStringList>("messages");
    const QStringList told{"Application is already running"};
    QTest::newRow("a plain second start is told") << "" << true << told;
    QTest::newRow("a reading goes to the running copy") << "/r/ann.man" << true << QStringList();
    QTest::newRow("a reading that no running copy takes is told") << "/r/ann.man" << false << told;
}

void WindowsTest::secondCopyHandsItsReadingOn()
{
    QFETCH(QString, file);
    QFETCH(bool, runningCopyTakesIt);
    QFETCH(QStringList, messages);
    RecordingPlatform second;
    second.lockFree = false;
    second.runningCopyTakesFiles = runningCopyTakesIt;
    Program another(second);
    QVERIFY(!another.start(file));
    QCOMPARE(second.handedToRunningCopy, file.isEmpty() ? QStringList() : QStringList{file});
    QCOMPARE(second.messageTexts(), messages);
    QVERIFY(!another.mainWindow());
    QVERIFY(!second.handedFileReceiver); // a copy without the lock takes no files
}

void WindowsTest::handedReadingOpensInTheRunningCopy_data()
{
    QTest::addColumn<QString>("showing");
    QTest::addColumn<QStringList>("windows");
    QTest::addColumn<QStringList>("messages");
    // The file holds the user's reading; the partner's name is the one typed, if any.
    const QStringList partnerMissing{"Please Enter Your Partner's Name"};
    QTest::newRow("the main window, a partner typed")
        << "main with partner" << QStringList{"frmMayanCompatibilityResult"} << QStringList();
    QTest::newRow("the main window") << "main" << QStringList{"frmMain"} << partnerMissing;
    QTest::newRow("the result window") << "result" << QStringList{"frmMain"} << partnerMissing;
    QTest::newRow("the support window") << "support" << QStringList{"frmMain"} << partnerMissing;
}

void WindowsTest::handedReadingOpensInTheRunningCopy()
{
    QFETCH(QString, showing);
    QFETCH(QStringList, windows);
    QFETCH(QStringList, messages);
    QTemporaryDir folder;
    const QString file = folder.filePath("ann.man");
    QCOMPARE(SaveReadingFile(file, {"Ann", 1955, "July", 4}).outcome, SaveOutcome::Saved);
    if (showing == "main with partner")
        Child<QLineEdit>(mainWindow(), "txtNameF")->setText("Bob");
    if (showing == "result")
        generateFor("Cy", {1900, "March", 1}, "Di", {2016, "December", 31});
    if (showing == "support") {
        Trigger(mainWindow(), "mnuExit");
        Settle();
        QCOMPARE(VisibleWindows(), QStringList{"frmNagScreen2"});
    }
    QVERIFY(platform->handFile(file));
    Settle();
    QCOMPARE(VisibleWindows(), windows);
    QCOMPARE(platform->messageTexts(), messages);
    const auto& user = program->session().records().UserDetails;
    if (windows.contains("frmMain")) {
        QCOMPARE(TextOf(mainWindow(), "txtNameM"), "Ann");
        QCOMPARE(TextOf(mainWindow(), "cboYearM"), "1955");
        QCOMPARE(TextOf(mainWindow(), "cboMonthM"), "July");
        QCOMPARE(TextOf(mainWindow(), "cboDateM"), "4");
        QCOMPARE(QApplication::activeWindow(), mainWindow());
    } else {
        QCOMPARE(user.Name, "Ann");
        QCOMPARE(user.BirthYear, 1955);
        QCOMPARE(TextOf(program->resultWindow(), "lblResult_0"), "White Overtone WorldBridger");
        QCOMPARE(QApplication::activeWindow(), program->resultWindow());
    }
}

void WindowsTest::handedReadingWaitsForTheOpenDialog()
{
    QTemporaryDir folder;
    const QString file = folder.filePath("ann.man");
    QCOMPARE(SaveReadingFile(file, {"Ann", 1955, "July", 4}).outcome, SaveOutcome::Saved);
    Child<QLineEdit>(mainWindow(), "txtNameF")->setText("Bob");
    QString nameWhileOpen;
    const ModalAnswer answer([&](QWidget* about) {
        QVERIFY(platform->handFile(file));
        QTest::qWait(500);
        nameWhileOpen = TextOf(mainWindow(), "txtNameM");
        about->close();
    });
    Trigger(mainWindow(), "mnuAbout");
    QVERIFY(answer.answered());
    QCOMPARE(nameWhileOpen, ""); // the about window was left as it was
    QTRY_COMPARE(VisibleWindows(), QStringList{"frmMayanCompatibilityResult"});
    QCOMPARE(program->session().records().UserDetails.Name, "Ann");
}

void WindowsTest::aboutClosesWithEnterAndEsc_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void WindowsTest::aboutClosesWithEnterAndEsc()
{
    QFETCH(int, key);
    QString shownTitle;
    bool ownerBlocked = false;
    const ModalAnswer answer([&](QWidget* about) {
        shownTitle = about->windowTitle();
        ownerBlocked = !mainWindow()->isEnabled() || QApplication::activeModalWidget() == about;
        QTest::keyClick(about, Qt::Key(key));
    });
    Trigger(mainWindow(), "mnuAbout");
    QVERIFY(answer.answered());
    QCOMPARE(shownTitle, "Kinmatch v1.10");
    QVERIFY(ownerBlocked);
    QVERIFY(!QApplication::activeModalWidget());
}

void WindowsTest::resultWindowLayout()
{
    frmMayanCompatibilityResult* result =
        generateFor("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    QCOMPARE(result->centralWidget()->size(), QSize(656, 403));
    QCOMPARE(result->windowTitle(), "Kinmatch v1.10");
    // The co-branding offer stays covered by the full-branding one.
    auto* full = Child<QLabel>(result, "lblFullBrand");
    auto* cobrand = Child<QLabel>(result, "lblCobrand");
    QCOMPARE(full->geometry(), cobrand->geometry());
    const QObjectList siblings = full->parent()->children();
    QVERIFY(siblings.indexOf(static_cast<QObject*>(full)) >
            siblings.indexOf(static_cast<QObject*>(cobrand)));
    QCOMPARE(Child(result, "cmdBack")->geometry(), QRect(568, 19, 73, 25));
    QCOMPARE(Child(result, "lblResult_1")->geometry(), QRect(136, 51, 485, 157));
    QCOMPARE(TextOf(result, "Label1_0"), "Your Mayan Day Sign ");
}

void WindowsTest::resultPictureIsTheSealsOwn_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("seal");
    QTest::addColumn<QString>("key");
    const char* keys[] = {"01Imix.jpg",    "02Ik.jpg",     "03Akbal.jpg", "04Kan.jpg",
                          "05Chiccan.jpg", "06Cimi.jpg",   "07Manik.jpg", "08Lamat.jpg",
                          "09Muluc.jpg",   "10Oc.jpg",     "11Chuen.jpg", "12Eb.jpg",
                          "13Ben.jpg",     "14Ix.jpg",     "15Men.jpg",   "16Cib.jpg",
                          "17Caban.jpg",   "18Etznab.jpg", "19Cauac.jpg", "20Ahau.jpg"};
    // Elsewhere than in English, the picture with the seal's name in the reader's language.
    for (const std::string_view code : kinmatch::Languages()) {
        const QString language = QString::fromLatin1(code.data(), qsizetype(code.size()));
        if (language == QLatin1String("qps"))
            continue;
        const QString folder = code == kinmatch::English ? QString() : language + '/';
        for (int seal = 1; seal <= 20; ++seal)
            QTest::addRow("%s seal %d", code.data(), seal)
                << language << seal << folder + QString::fromLatin1(keys[seal - 1]);
    }
}

void WindowsTest::resultPictureIsTheSealsOwn()
{
    QFETCH(QString, language);
    QFETCH(int, seal);
    QFETCH(QString, key);
    InstallLanguage(language.toStdString());
    frmMayanCompatibilityResult* result =
        generateFor("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    modMayanCompatibility::ResultDisplay display;
    display.picture = seal;
    result->ShowComposite(display);
    const QImage shown = Child<QLabel>(result, "picMayanSign")
                             ->pixmap()
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QImage expected = QImage(":/seals/" + key).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!expected.isNull());
    QCOMPARE(shown.size(), QSize(120, 184));
    QVERIFY2(shown == expected, qPrintable("the picture shown is not " + key));
}

namespace {
QStringList Unnamed(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        const bool shown = widget->isVisibleTo(window);
        const bool takesFocus = widget->focusPolicy() & Qt::TabFocus;
        const bool showsSomething =
            label && (!label->text().isEmpty() || !label->pixmap().isNull());
        if (!shown || !(takesFocus || showsSomething))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).isEmpty())
            unnamed << widget->objectName() + "/" + widget->metaObject()->className();
    }
    return unnamed;
}
} // namespace

void WindowsTest::everyControlHasAnAccessibleName()
{
    QCOMPARE(Unnamed(mainWindow()), QStringList());
    {
        frmAbout about(*platform, mainWindow());
        QCOMPARE(Unnamed(&about), QStringList());
    }
    frmMayanCompatibilityResult* result =
        generateFor("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    QCOMPARE(Unnamed(result), QStringList());
    QCOMPARE(Child(result, "picMayanSign")->accessibleName(), "Blue Monkey");
    QVERIFY(Child(result, "picMayanSign")->accessibleDescription().contains("Blue Monkey"));
}

void WindowsTest::altOOpensASavedReading()
{
    QApplication::setActiveWindow(mainWindow());
    QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
    QTest::keyClick(mainWindow(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(platform->openRequests.size(), 1);
}

void WindowsTest::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        const char* name = key == Qt::Key_Return ? "Return" : "Enter";
        QTest::addRow("main cmdCalculate, %s", name) << "main"
                                                     << "cmdCalculate" << key;
        QTest::addRow("main cmdOpen, %s", name) << "main"
                                                << "cmdOpen" << key;
        QTest::addRow("result cmdBack, %s", name) << "result"
                                                  << "cmdBack" << key;
    }
}

void WindowsTest::enterPressesTheFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(int, key);
    QWidget* shown = mainWindow();
    if (window == "result")
        shown = generateFor("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    else
        fill("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    QApplication::setActiveWindow(shown);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    auto* pressed = Child<QPushButton>(shown, button.toLatin1().constData());
    pressed->setFocus();
    QTest::keyClick(pressed, Qt::Key(key));
    Settle();
    if (button == "cmdCalculate")
        QCOMPARE(VisibleWindows(), QStringList{"frmMayanCompatibilityResult"});
    else if (button == "cmdOpen")
        QCOMPARE(platform->openRequests.size(), 1);
    else
        QCOMPARE(VisibleWindows(), QStringList{"frmMain"});
}

void WindowsTest::enterInATextBoxPressesNothing()
{
    fill("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    QApplication::setActiveWindow(mainWindow());
    QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
    for (const char* control : {"txtNameM", "txtNameF", "cboYearM"}) {
        Child(mainWindow(), control)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    Settle();
    QCOMPARE(VisibleWindows(), QStringList{"frmMain"});
    QVERIFY(platform->openRequests.isEmpty());
    QVERIFY(platform->messages.isEmpty());
}

void WindowsTest::accessKeysAreUniqueInEachWindow()
{
    const QStringList main = AccessKeys(mainWindow());
    QCOMPARE(main.size(), QSet<QString>(main.begin(), main.end()).size());
    QVERIFY(main.contains("Alt+O"));
    {
        frmAbout about(*platform, mainWindow());
        const QStringList inAbout = AccessKeys(&about);
        QCOMPARE(inAbout.size(), QSet<QString>(inAbout.begin(), inAbout.end()).size());
    }
    const QStringList result =
        AccessKeys(generateFor("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1}));
    QCOMPARE(result.size(), QSet<QString>(result.begin(), result.end()).size());
}

void WindowsTest::iconPicturesAreCrispAtTwiceTheDensity()
{
    // At twice the density, the 32-pixel picture is the 64-pixel icon itself, not the 48-pixel
    // one scaled up.
    const QPixmap picture = look::ProgramIcon().pixmap(QSize(32, 32), 2.0);
    QCOMPARE(picture.size(), QSize(64, 64));
    QImage drawn = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    drawn.setDevicePixelRatio(1);
    QCOMPARE(drawn, QImage(":/icons/kinmatch-64.png").convertToFormat(QImage::Format_ARGB32));
    frmAbout about(*platform, mainWindow());
    QCOMPARE(Child<QLabel>(&about, "picIcon")->pixmap().toImage(),
             look::ProgramPicture(&about, 32).toImage());
}

void WindowsTest::framesAreFlatColour_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("main Frame1") << "main"
                                 << "Frame1" << QColor(255, 255, 192);
    QTest::newRow("main Frame2") << "main"
                                 << "Frame2" << QColor(255, 255, 192);
    QTest::newRow("result Frame1") << "result"
                                   << "Frame1" << QColor(192, 192, 0);
    QTest::newRow("result Frame2") << "result"
                                   << "Frame2" << QColor(128, 128, 0);
}

void WindowsTest::framesAreFlatColour()
{
    QFETCH(QString, window);
    QFETCH(QString, frame);
    QFETCH(QColor, colour);
    QWidget* shown = mainWindow();
    if (window == "result")
        shown = generateFor("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    auto* box = Child(shown, frame.toLatin1().constData());
    // The inside, away from the border and the caption, and where no control sits.
    const QImage image = box->grab().toImage();
    const QRect inside = box->rect().adjusted(3, 20, -3, -3);
    int samples = 0;
    for (int y = inside.top(); y <= inside.bottom(); y += 3)
        for (int x = inside.left(); x <= inside.right(); x += 3) {
            const QWidget* child = box->childAt(x, y);
            if (child)
                continue;
            QCOMPARE(QColor(image.pixel(x, y)), colour);
            ++samples;
        }
    QVERIFY(samples > 50);
}

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
