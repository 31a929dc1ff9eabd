#include "Look.h"
#include "WindowTest.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmMayanCompatibilityResult.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

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
    void aboutClosesWithEnterAndEsc_data();
    void aboutClosesWithEnterAndEsc();
    void resultWindowLayout();
    void everyControlHasAnAccessibleName();

private:
    frmMain* mainWindow() { return program->mainWindow(); }
    frmMayanCompatibilityResult* generateFor(const QString& user, Date userDate,
                                             const QString& partner, Date partnerDate);
    void fill(const QString& user, Date userDate, const QString& partner, Date partnerDate);

    std::unique_ptr<RecordingPlatform> platform;
    std::unique_ptr<Program> program;
};

void WindowsTest::init()
{
    platform = std::make_unique<RecordingPlatform>();
    program = std::make_unique<Program>(*platform);
    QVERIFY(program->start());
}

void WindowsTest::cleanup()
{
    EndAndExpectNoWindowLeft(program);
}

void WindowsTest::fill(const QString& user, Date userDate, const QString& partner, Date partnerDate)
{
    frmMain* window = mainWindow();
    window->txtNameM->setText(user);
    window->txtNameF->setText(partner);
    Choose(window->cboYearM, QString::number(userDate.year));
    Choose(window->cboMonthM, QString::fromLatin1(userDate.month));
    Choose(window->cboDateM, QString::number(userDate.day));
    Choose(window->cboYearF, QString::number(partnerDate.year));
    Choose(window->cboMonthF, QString::fromLatin1(partnerDate.month));
    Choose(window->cboDateF, QString::number(partnerDate.day));
}

frmMayanCompatibilityResult* WindowsTest::generateFor(const QString& user, Date userDate,
                                                      const QString& partner, Date partnerDate)
{
    fill(user, userDate, partner, partnerDate);
    QTest::mouseClick(mainWindow()->cmdCalculate, Qt::LeftButton);
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
    QVERIFY(mainWindow()->txtNameM->text().isEmpty());
    QVERIFY(mainWindow()->txtNameF->text().isEmpty());
    QCOMPARE(mainWindow()->focusWidget(), mainWindow()->txtNameM);
    QCOMPARE(mainWindow()->centralWidget()->size(), QSize(480, 384));
}

void WindowsTest::tabOrder()
{
    frmMain* window = mainWindow();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->txtNameM->setFocus();
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
    QTest::mouseClick(mainWindow()->cmdCalculate, Qt::LeftButton);
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
    QVERIFY(program->records().UserDetails.Name.empty());
    QCOMPARE(mainWindow()->txtNameM->text(), user);
    QCOMPARE(mainWindow()->cboDateF->currentText(), QString::number(partnerDate.day));
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
    QCOMPARE(result->lblResult[0]->text(), texts[0]);
    const auto description =
        modMayanCompatibility::SealTable[std::size_t(picture - 1)].SealDescription;
    QCOMPARE(result->lblResult[1]->text().toStdString(), description);
    for (int i = 2; i <= 5; ++i)
        QCOMPARE(result->lblResult[std::size_t(i)]->text(), texts[i - 1]);
    QCOMPARE(result->picMayanSign->property("sealPicture").toInt(), picture);
    QVERIFY(!result->picMayanSign->pixmap().isNull());
    QCOMPARE(result->picMayanSign->pixmap().deviceIndependentSize(), QSizeF(120, 184));

    const auto& records = program->records();
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
    Child<QAction>(mainWindow(), "mnuMayan")->trigger();
    Settle();
    QCOMPARE(VisibleWindows(), QStringList{"frmMayanCompatibilityResult"});
    QCOMPARE(program->resultWindow()->lblResult[0]->text(), "Blue Self-Existing Monkey");
}

void WindowsTest::accessKeyGeneratesAtOnce()
{
    fill("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    QApplication::setActiveWindow(mainWindow());
    QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
    // No event loop turn in between: the command runs inside the key press.
    QTest::keyClick(mainWindow(), Qt::Key_G, Qt::AltModifier);
    QVERIFY(program->resultWindow()->isVisible());
    QCOMPARE(program->resultWindow()->lblResult[0]->text(), "Blue Self-Existing Monkey");
}

void WindowsTest::backGivesAnEmptyMainWindow()
{
    frmMayanCompatibilityResult* result =
        generateFor("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    Child<QAction>(result, "mnuBack")->trigger();
    Settle();
    QCOMPARE(VisibleWindows(), QStringList{"frmMain"});
    frmMain* fresh = mainWindow();
    QVERIFY(fresh->txtNameM->text().isEmpty());
    QVERIFY(fresh->txtNameF->text().isEmpty());
    for (QComboBox* list : {fresh->cboMonthM, fresh->cboMonthF})
        QCOMPARE(list->currentText(), "January");
    for (QComboBox* list : {fresh->cboYearM, fresh->cboYearF})
        QCOMPARE(list->currentText(), "1900");
    QCOMPARE(fresh->cboDateF->currentText(), "1");
    // The stored details outlive the window.
    QCOMPARE(program->records().UserDetails.Name, "Ann");
}

void WindowsTest::backThenGenerateShowsAFreshResult()
{
    frmMayanCompatibilityResult* first =
        generateFor("Ann", {1955, "July", 4}, "Bob", {2000, "January", 1});
    QTest::mouseClick(first->cmdBack, Qt::LeftButton);
    Settle();
    frmMayanCompatibilityResult* second =
        generateFor("Cy", {1900, "March", 1}, "Di", {2016, "December", 31});
    QCOMPARE(second->lblResult[0]->text(), "Yellow Galactic Star");
    QCOMPARE(second->lblResult[2]->text(), "Earth");
    QCOMPARE(second->lblResult[5]->text(), "6");
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
    auto* makeMoney = Child<QAction>(mainWindow(), "mnuMakeMoney");
    QCOMPARE(makeMoney->text(), "Make Money &Online");
    QVERIFY(!makeMoney->isVisible());
    QVERIFY(!makeMoney->isEnabled());
    QVERIFY(mainWindow()->menuBar()->actions().contains(makeMoney));
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
    for (QLabel* beneath :
         {static_cast<QLabel*>(window->lblCobrand), static_cast<QLabel*>(window->lblFullBrand)}) {
        beneath->raise(); // whichever was in front stays there when nothing changes
        platform->draws = {draw};
        window->CoBrand_Randomize();
        const QObjectList siblings = window->lblCobrand->parent()->children();
        const bool cobrandInFront = siblings.indexOf(static_cast<QObject*>(window->lblCobrand)) >
                                    siblings.indexOf(static_cast<QObject*>(window->lblFullBrand));
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
    WhenModal([&](QWidget* about) {
        shownTitle = about->windowTitle();
        ownerBlocked = !mainWindow()->isEnabled() || QApplication::activeModalWidget() == about;
        QTest::keyClick(about, Qt::Key(key));
    });
    Child<QAction>(mainWindow(), "mnuAbout")->trigger();
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
    QCOMPARE(result->cmdBack->geometry(), QRect(568, 19, 73, 25));
    QCOMPARE(result->lblResult[1]->geometry(), QRect(136, 51, 485, 157));
    QCOMPARE(Child<QLabel>(result, "Label1_0")->text(), "Your Mayan Day Sign ");
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
    QCOMPARE(result->picMayanSign->accessibleName(), "Blue Monkey");
    QVERIFY(result->picMayanSign->accessibleDescription().contains("Blue Monkey"));
}

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
