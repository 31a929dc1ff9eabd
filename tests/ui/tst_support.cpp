// The support window, the refer-a-friend request, leaving the program, and the update reminder
// in the start-up sequence.

#include "Faults.h"
#include "QtPlatform.h"
#include "Scrambler.h"
#include "WindowTest.h"
#include "frmMain.h"
#include "frmMayanCompatibilityResult.h"
#include "frmNagScreen2.h"
#include "modTellAFriend.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace kinmatch;
using namespace kinmatch::testing;
using modTellAFriend::ReferAFriendForm;

namespace {

// Counts the close events a window receives.
class CloseCounter : public QObject {
public:
    int closes = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        closes += event->type() == QEvent::Close;
        return false;
    }
};

QString Scrambled(const char* text)
{
    return QString::fromStdString(modHelp::ScrambleText(text).value());
}

const ReferAFriendForm Untouched{"Your Name", "Your Email Address", "Your Message\r\n",
                                 "Friend's Name", "Friend's Email Address"};
const ReferAFriendForm Filled{"Ann Lee", "ann@x.example", "Your Message\r\n", "Bob",
                              "bob@y.example"};

} // namespace
Q_DECLARE_METATYPE(ReferAFriendForm)

class SupportTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void referAFriendChecks_data();
    void referAFriendChecks();
    void requestAddressEncodesEachValue_data();
    void requestAddressEncodesEachValue();

    void layoutAndTabOrder();
    void everySupportMessageAppears();
    void placeholdersEmptyOnFocusAndReturn();
    void typedBlankIsRefusedInEmailBoxes_data();
    void typedBlankIsRefusedInEmailBoxes();
    void checkBoxOpensTheHomePageAndUnticks();
    void catalogueLink();
    void submitFromTheWindow();
    void enterPressesExitAndReferAFriend();

    void closingShowsTheSupportWindow_data();
    void closingShowsTheSupportWindow();
    void generateAndBackLeaveItHidden();
    void dismissingEndsTheProgram_data();
    void dismissingEndsTheProgram();
    void endProgramUnloadsEveryWindowOnce();

    void reminderComesBeforeTheMainWindow();
    void settingsLiveUnderTheProgramsName();
    void settingsFileThatIsNotAFileIsNeverWaitedOn();

private:
    frmNagScreen2* support() { return program->supportWindow(); }
    void generate();
    // Closing the main window brings up the support window.
    frmNagScreen2* showSupport();

    RunningProgram running;
    RecordingPlatform* platform = nullptr;
    Program* program = nullptr;
};

void SupportTest::init()
{
    running.start([](RecordingPlatform& platform) {
        platform.settings[Scrambled("Duration")] = Scrambled("2026-12-07"); // no reminder today
    });
    platform = running.platform.get();
    program = running.program.get();
}

void SupportTest::cleanup()
{
    running.end();
}

void SupportTest::generate()
{
    frmMain* window = program->mainWindow();
    Child<QLineEdit>(window, "txtNameM")->setText("Ann");
    Child<QLineEdit>(window, "txtNameF")->setText("Bob");
    Click(window, "cmdCalculate");
    Settle();
}

frmNagScreen2* SupportTest::showSupport()
{
    program->mainWindow()->close();
    Settle();
    return support();
}

void SupportTest::referAFriendChecks_data()
{
    QTest::addColumn<ReferAFriendForm>("form");
    QTest::addColumn<QString>("refusal"); // empty: the request is sent
    auto with = [](ReferAFriendForm form, QString ReferAFriendForm::*field, const QString& value) {
        form.*field = value;
        return form;
    };
    using F = ReferAFriendForm;
    QTest::newRow("untouched form") << Untouched << "Please Enter Proper Email Address";
    QTest::newRow("the same address twice, the rest untouched")
        << with(with(Untouched, &F::email, "a@b.c"), &F::friendEmail, "a@b.c")
        << "Please Enter Distinct Email Addresses";
    QTest::newRow("the same address with blanks around it")
        << with(Filled, &F::friendEmail, "  ann@x.example ")
        << "Please Enter Distinct Email Addresses";
    QTest::newRow("addresses differing in case are distinct")
        << with(Filled, &F::friendEmail, "ANN@x.example") << "";
    QTest::newRow("an @ without a dot")
        << with(Filled, &F::email, "ann@example") << "Please Enter Proper Email Address";
    QTest::newRow("a dot without an @")
        << with(Filled, &F::friendEmail, "bob.example") << "Please Enter Proper Email Address";
    QTest::newRow("the only dot before the @ is accepted")
        << with(Filled, &F::email, "ann.lee@example") << "";
    QTest::newRow("a name of blanks") << with(Filled, &F::name, "    ") << "Please Enter Your Name";
    QTest::newRow("the name placeholder with blanks around it")
        << with(Filled, &F::name, "  Your Name ") << "Please Enter Your Name";
    QTest::newRow("the message placeholder alone")
        << with(Filled, &F::message, "Your Message") << "Please Enter Your Message";
    QTest::newRow("an empty message")
        << with(Filled, &F::message, "") << "Please Enter Your Message";
    QTest::newRow("the friend's name placeholder")
        << with(Filled, &F::friendName, "Friend's Name") << "Please Enter Your Friend's Name";
    QTest::newRow("names come after the addresses")
        << with(with(Filled, &F::name, ""), &F::email, "nobody")
        << "Please Enter Proper Email Address";
    QTest::newRow("the hidden message with its line break passes") << Filled << "";
}

void SupportTest::referAFriendChecks()
{
    QFETCH(ReferAFriendForm, form);
    QFETCH(QString, refusal);
    const auto outcome = modTellAFriend::SendReferAFriendRequest(form);
    QCOMPARE(outcome.refusal, refusal);
    QCOMPARE(outcome.address.isEmpty(), !refusal.isEmpty());
}

void SupportTest::requestAddressEncodesEachValue_data()
{
    QTest::addColumn<ReferAFriendForm>("form");
    QTest::addColumn<QString>("address");
    const QString page = "http://www.quorvane.example/ostra-refer-a-friend.php?";
    QTest::newRow("the usual request")
        << Filled
        << page + "taf1=Ann%20Lee&taf2=ann%40x.example&taf3=Your%20Message%0D%0A&taf4=Bob"
                  "&taf5=bob%40y.example&taf6=http://www.kinmatch.example/";
    ReferAFriendForm forged = Filled;
    forged.message = "Hi & taf6=evil.example#top 100%\r\nBye";
    forged.friendName = QString::fromUtf8("Zoë");
    QTest::newRow("characters that would forge or cut the request")
        << forged
        << page + "taf1=Ann%20Lee&taf2=ann%40x.example&taf3=Hi%20%26%20taf6%3Devil.example%23top"
                  "%20100%25%0D%0ABye&taf4=Zo%C3%AB&taf5=bob%40y.example"
                  "&taf6=http://www.kinmatch.example/";
}

void SupportTest::requestAddressEncodesEachValue()
{
    QFETCH(ReferAFriendForm, form);
    QFETCH(QString, address);
    QCOMPARE(modTellAFriend::SendReferAFriendRequest(form).address, address);
}

void SupportTest::layoutAndTabOrder()
{
    QVERIFY(!support());
    Click(program->mainWindow(), "cmdCalculate"); // a name is missing
    program->mainWindow()->close();
    Settle();
    frmNagScreen2* window = support();
    QVERIFY(window);
    QCOMPARE(VisibleWindows(), QStringList{"frmNagScreen2"});
    QCOMPARE(window->size(), QSize(741, 315));
    QCOMPARE(window->windowTitle(), "Kinmatch v1.10");
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
    const auto messages = frmNagScreen2::SupportMessages();
    QVERIFY(std::find(messages.begin(), messages.end(), TextOf(window, "Label2")) !=
            messages.end());
    QCOMPARE(Child<QPushButton>(window, "cmdClose")->text(), "E&xit");
    QCOMPARE(window->focusWidget()->objectName(), "cmdClose");
    QStringList order;
    QWidget* at = Child(window, "cmdClose");
    for (int i = 0; i < 8; ++i) {
        order << at->objectName();
        at = NextTabStop(at);
    }
    QCOMPARE(order, (QStringList{"cmdClose", "Check1", "txtName", "cmdSubmit", "txtEmail",
                                 "txtFriendEmail", "txtFriendName", "txtMessage"}));
    // The message box lies below the frame's visible area.
    auto* frame = Child<QGroupBox>(window, "Frame2");
    QVERIFY(Child(window, "txtMessage")->geometry().top() > frame->height());
    QCOMPARE(TextOf(window, "txtEmail"), "Your Email Address");
    for (QWidget* control : window->findChildren<QWidget*>())
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(window))
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                qPrintable(control->objectName()));
    QCOMPARE(Child<QPlainTextEdit>(window, "txtMessage")->toPlainText(), "Your Message\n");
    QVERIFY(platform->openedAddresses.isEmpty()); // leaving opens no page
}

void SupportTest::everySupportMessageAppears()
{
    QSet<QString> seen;
    for (const double draw : {0.0, 0.24, 0.25, 0.5, 0.74, 0.75, 0.999}) {
        platform->draws = {draw};
        frmNagScreen2 window(*platform);
        QCOMPARE(TextOf(&window, "Label2"),
                 frmNagScreen2::SupportMessages()[std::size_t(draw * 4)]);
        seen.insert(TextOf(&window, "Label2"));
        window.setAttribute(Qt::WA_DeleteOnClose, false);
    }
    QCOMPARE(seen.size(), 4);
    for (const QString& message : frmNagScreen2::SupportMessages())
        QVERIFY(message.contains("www.quorvane.example"));
}

void SupportTest::placeholdersEmptyOnFocusAndReturn()
{
    frmNagScreen2* window = showSupport();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* txtName = Child<QLineEdit>(window, "txtName");
    auto* txtFriendName = Child<QLineEdit>(window, "txtFriendName");
    auto* txtEmail = Child<QLineEdit>(window, "txtEmail");
    auto* txtMessage = Child<QPlainTextEdit>(window, "txtMessage");
    txtName->setFocus();
    QVERIFY(txtName->text().isEmpty());
    txtFriendName->setFocus();
    QCOMPARE(txtName->text(), "Your Name");
    QVERIFY(txtFriendName->text().isEmpty());
    QTest::keyClicks(txtFriendName, "Bob");
    txtName->setFocus();
    QCOMPARE(txtFriendName->text(), "Bob");
    // A box holding only blanks gets its placeholder back; the placeholder within blanks empties.
    txtEmail->setText("   ");
    txtEmail->setFocus();
    txtName->setFocus();
    QCOMPARE(txtEmail->text(), "Your Email Address");
    for (QWidget* control : window->findChildren<QWidget*>())
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(window))
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                qPrintable(control->objectName()));
    txtName->setText("  Your Name ");
    txtEmail->setFocus();
    txtName->setFocus();
    QVERIFY(txtName->text().isEmpty());
    // The hidden message box keeps its line break, so it is never taken for its placeholder.
    txtMessage->setFocus();
    QCOMPARE(txtMessage->toPlainText(), "Your Message\n");
}

void SupportTest::typedBlankIsRefusedInEmailBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("own address") << "txtEmail";
    QTest::newRow("friend's address") << "txtFriendEmail";
}

void SupportTest::typedBlankIsRefusedInEmailBoxes()
{
    QFETCH(QString, box);
    showSupport();
    QApplication::setActiveWindow(support());
    QVERIFY(QTest::qWaitForWindowActive(support()));
    auto* email = support()->findChild<QLineEdit*>(box);
    email->setFocus();
    QTest::keyClicks(email, "a b");
    QCOMPARE(email->text(), "ab");
    QCOMPARE(platform->messageTexts(), QStringList{"Email Address Cannot Contain Space"});
    QCOMPARE(platform->messages.first().icon, MessageIcon::Critical);
    QCOMPARE(QApplication::focusWidget(), email);
    // Pasted blanks are not refused, and a blank in a name box is fine.
    email->insert(" c");
    QCOMPARE(email->text(), "ab c");
    auto* txtName = Child<QLineEdit>(support(), "txtName");
    txtName->setFocus();
    QTest::keyClicks(txtName, "Ann Lee");
    QCOMPARE(txtName->text(), "Ann Lee");
    QCOMPARE(platform->messages.size(), 1);
}

void SupportTest::checkBoxOpensTheHomePageAndUnticks()
{
    auto* box = Child<QCheckBox>(showSupport(), "Check1");
    QCOMPARE(box->text(), "Click Here To Visit www.quorvane.example Now");
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QVERIFY(!box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QCOMPARE(platform->openedAddresses,
             (QStringList{"http://www.quorvane.example", "http://www.quorvane.example"}));
}

void SupportTest::catalogueLink()
{
    QTest::mouseClick(Child<QLabel>(showSupport(), "lblGoToHome"), Qt::LeftButton);
    QCOMPARE(platform->openedAddresses,
             QStringList{"http://www.quorvane.example/quorvanesoftwares"});
}

void SupportTest::submitFromTheWindow()
{
    frmNagScreen2* window = showSupport();
    Click(window, "cmdSubmit");
    QCOMPARE(platform->messageTexts(), QStringList{"Please Enter Proper Email Address"});
    Child<QLineEdit>(window, "txtName")->setText("Ann Lee");
    Child<QLineEdit>(window, "txtEmail")->setText("ann@x.example");
    Child<QLineEdit>(window, "txtFriendName")->setText("Bob");
    Child<QLineEdit>(window, "txtFriendEmail")->setText("bob@y.example");
    Click(window, "cmdSubmit");
    QCOMPARE(platform->openedAddresses,
             QStringList{"http://www.quorvane.example/ostra-refer-a-friend.php?taf1=Ann%20Lee"
                         "&taf2=ann%40x.example&taf3=Your%20Message%0D%0A&taf4=Bob"
                         "&taf5=bob%40y.example&taf6=http://www.kinmatch.example/"});
    // The window stays open and keeps what was typed.
    QVERIFY(window->isVisible());
    QCOMPARE(TextOf(window, "txtName"), "Ann Lee");
}

void SupportTest::enterPressesExitAndReferAFriend()
{
    frmNagScreen2* window = showSupport();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    Child(window, "cmdSubmit")->setFocus();
    QTest::keyClick(Child(window, "cmdSubmit"), Qt::Key_Return);
    QCOMPARE(platform->messageTexts(), QStringList{"Please Enter Proper Email Address"});
    QSignalSpy ended(program, &Program::programEnded);
    Child(window, "cmdClose")->setFocus();
    QTest::keyClick(Child(window, "cmdClose"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(ended.count(), 1);
}

void SupportTest::closingShowsTheSupportWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("route");
    QTest::newRow("main window, close box") << "main"
                                            << "close";
    QTest::newRow("main window, File > Exit") << "main"
                                              << "mnuExit";
    QTest::newRow("result window, close box") << "result"
                                              << "close";
    QTest::newRow("result window, File > Exit") << "result"
                                                << "mnuExit";
}

void SupportTest::closingShowsTheSupportWindow()
{
    QFETCH(QString, window);
    QFETCH(QString, route);
    QSignalSpy ended(program, &Program::programEnded);
    if (window == "result")
        generate();
    QWidget* closing = window == "main" ? static_cast<QWidget*>(program->mainWindow())
                                        : static_cast<QWidget*>(program->resultWindow());
    if (route == "close")
        closing->close();
    else
        Child<QAction>(closing, "mnuExit")->trigger();
    Settle();
    QCOMPARE(VisibleWindows(), QStringList{"frmNagScreen2"});
    QVERIFY(platform->openedAddresses.isEmpty());
    QCOMPARE(ended.count(), 0); // the program runs on until the support window is dismissed
}

void SupportTest::generateAndBackLeaveItHidden()
{
    platform->draws = {0.6}; // the support window, loaded during generate, shows message 2
    generate();
    QVERIFY(support());
    QVERIFY(!support()->isVisible());
    const QPointer<frmNagScreen2> loadedDuringGenerate = support();
    QCOMPARE(VisibleWindows(), QStringList{"frmMayanCompatibilityResult"});
    Click(program->resultWindow(), "cmdBack");
    Settle();
    QCOMPARE(VisibleWindows(), QStringList{"frmMain"});
    program->mainWindow()->close();
    Settle();
    QCOMPARE(support(), loadedDuringGenerate.data());
    QCOMPARE(TextOf(support(), "Label2"), frmNagScreen2::SupportMessages()[2]);
    QCOMPARE(VisibleWindows(), QStringList{"frmNagScreen2"});
}

void SupportTest::dismissingEndsTheProgram_data()
{
    QTest::addColumn<bool>("byExitButton");
    QTest::newRow("E&xit") << true;
    QTest::newRow("close box") << false;
}

void SupportTest::dismissingEndsTheProgram()
{
    QFETCH(bool, byExitButton);
    QSignalSpy ended(program, &Program::programEnded);
    program->mainWindow()->close();
    Settle();
    CloseCounter counter;
    support()->installEventFilter(&counter);
    if (byExitButton)
        Click(support(), "cmdClose");
    else
        support()->close();
    Settle();
    QCOMPARE(ended.count(), 1);
    QCOMPARE(counter.closes, 1);
    QVERIFY(!support());
    QVERIFY(VisibleWindows().isEmpty());
}

void SupportTest::endProgramUnloadsEveryWindowOnce()
{
    generate();
    Click(program->resultWindow(), "cmdBack"); // main visible, support loaded and hidden
    Settle();
    CloseCounter mainCloses;
    CloseCounter supportCloses;
    program->mainWindow()->installEventFilter(&mainCloses);
    support()->installEventFilter(&supportCloses);
    QSignalSpy ended(program, &Program::programEnded);
    program->EndProgram();
    Settle();
    QCOMPARE(mainCloses.closes, 1);
    QCOMPARE(supportCloses.closes, 1);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!program->mainWindow());
    QVERIFY(!support());
    program->EndProgram(); // a later call does nothing more
    QCOMPARE(ended.count(), 1);
}

void SupportTest::reminderComesBeforeTheMainWindow()
{
    RecordingPlatform second;
    second.settings[Scrambled("Duration")] = Scrambled("2026-01-01");
    second.answer = MessageAnswer::Yes;
    QStringList windowsWhenAsked;
    second.onMessage = [&] { windowsWhenAsked = VisibleWindows(); };
    second.lockFree = true;
    program->EndProgram(); // one program at a time
    Settle();
    Program another(second);
    QVERIFY(another.start());
    QCOMPARE(second.messages.size(), 1);
    QVERIFY(windowsWhenAsked.isEmpty());
    QCOMPARE(second.openedAddresses,
             QStringList{"http://www.kinmatch.example/download-kinmatch.html"});
    QVERIFY(another.mainWindow()->isVisible());
    another.EndProgram();
    Settle();
}

void SupportTest::settingsLiveUnderTheProgramsName()
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    {
        QtPlatform real;
        real.writeSetting(Scrambled("Duration"), Scrambled("2026-12-07"));
        QCOMPARE(real.readSetting(Scrambled("Duration")), Scrambled("2026-12-07"));
        QVERIFY(real.readSetting("missing").isEmpty());
    }
    // Named for the program file without its extension, section "Settings", where Qt's own
    // settings of that name are.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "tst_support", "tst_support");
    QCOMPARE(settings.value("Settings/" + Scrambled("Duration")).toString(),
             Scrambled("2026-12-07"));
    qunsetenv("XDG_CONFIG_HOME");
}

void SupportTest::settingsFileThatIsNotAFileIsNeverWaitedOn()
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QVERIFY(QDir(home.path()).mkpath("tst_support"));
    SKIP_UNLESS_FAULTS_CAN_BE_MADE();
    const QString fifo = home.filePath("tst_support/tst_support.conf");
    QVERIFY(MakeFifo(fifo));
    {
        QtPlatform real;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(real.readSetting(Scrambled("Duration")).isEmpty()); // counts as a first start
        real.writeSetting(Scrambled("Duration"), Scrambled("2026-12-07"));
        QVERIFY(timer.elapsed() < 1000);
    }
    QVERIFY(!QFileInfo(fifo).isFile() && QFileInfo(fifo).exists()); // still the FIFO
    qunsetenv("XDG_CONFIG_HOME");
}

QTEST_MAIN(SupportTest)
#include "tst_support.moc"
