// The support window, the refer-a-friend request, leaving the program, and the update reminder
// in the start-up sequence.

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

    void closingShowsTheSupportWindow_data();
    void closingShowsTheSupportWindow();
    void generateAndBackLeaveItHidden();
    void dismissingEndsTheProgram_data();
    void dismissingEndsTheProgram();
    void endProgramUnloadsEveryWindowOnce();

    void reminderComesBeforeTheMainWindow();
    void settingsLiveUnderTheProgramsName();

private:
    frmNagScreen2* support() { return program->supportWindow(); }
    void generate();

    std::unique_ptr<RecordingPlatform> platform;
    std::unique_ptr<Program> program;
};

void SupportTest::init()
{
    platform = std::make_unique<RecordingPlatform>();
    platform->settings[Scrambled("Duration")] = Scrambled("2026-12-07"); // no reminder today
    program = std::make_unique<Program>(*platform);
    QVERIFY(program->start());
}

void SupportTest::cleanup()
{
    EndAndExpectNoWindowLeft(program);
}

void SupportTest::generate()
{
    frmMain* window = program->mainWindow();
    window->txtNameM->setText("Ann");
    window->txtNameF->setText("Bob");
    window->cmdCalculate_Click();
    Settle();
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
    QTest::mouseClick(program->mainWindow()->cmdCalculate, Qt::LeftButton); // a name is missing
    program->mainWindow()->close();
    Settle();
    frmNagScreen2* window = support();
    QVERIFY(window);
    QCOMPARE(VisibleWindows(), QStringList{"frmNagScreen2"});
    QCOMPARE(window->size(), QSize(741, 315));
    QCOMPARE(window->windowTitle(), "Kinmatch v1.10");
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(frmNagScreen2::SupportMessages().front() == window->Label2->text() ||
            std::find(frmNagScreen2::SupportMessages().begin(),
                      frmNagScreen2::SupportMessages().end(),
                      window->Label2->text()) != frmNagScreen2::SupportMessages().end());
    QCOMPARE(window->cmdClose->text(), "E&xit");
    QCOMPARE(window->focusWidget(), window->cmdClose);
    QStringList order;
    QWidget* at = window->cmdClose;
    for (int i = 0; i < 8; ++i) {
        order << at->objectName();
        at = NextTabStop(at);
    }
    QCOMPARE(order, (QStringList{"cmdClose", "Check1", "txtName", "cmdSubmit", "txtEmail",
                                 "txtFriendEmail", "txtFriendName", "txtMessage"}));
    // The message box lies below the frame's visible area.
    auto* frame = Child<QGroupBox>(window, "Frame2");
    QVERIFY(window->txtMessage->geometry().top() > frame->height());
    QCOMPARE(window->txtEmail->text(), "Your Email Address");
    for (QWidget* control : window->findChildren<QWidget*>())
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(window))
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                qPrintable(control->objectName()));
    QCOMPARE(window->txtMessage->toPlainText(), "Your Message\n");
    QVERIFY(platform->openedAddresses.isEmpty()); // leaving opens no page
}

void SupportTest::everySupportMessageAppears()
{
    QSet<QString> seen;
    for (const double draw : {0.0, 0.24, 0.25, 0.5, 0.74, 0.75, 0.999}) {
        platform->draws = {draw};
        frmNagScreen2 window(*program);
        QCOMPARE(window.Label2->text(), frmNagScreen2::SupportMessages()[std::size_t(draw * 4)]);
        seen.insert(window.Label2->text());
        window.setAttribute(Qt::WA_DeleteOnClose, false);
    }
    QCOMPARE(seen.size(), 4);
    for (const QString& message : frmNagScreen2::SupportMessages())
        QVERIFY(message.contains("www.quorvane.example"));
}

void SupportTest::placeholdersEmptyOnFocusAndReturn()
{
    program->showSupportWindow();
    frmNagScreen2* window = support();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->txtName->setFocus();
    QVERIFY(window->txtName->text().isEmpty());
    window->txtFriendName->setFocus();
    QCOMPARE(window->txtName->text(), "Your Name");
    QVERIFY(window->txtFriendName->text().isEmpty());
    QTest::keyClicks(window->txtFriendName, "Bob");
    window->txtName->setFocus();
    QCOMPARE(window->txtFriendName->text(), "Bob");
    // A box holding only blanks gets its placeholder back; the placeholder within blanks empties.
    window->txtEmail->setText("   ");
    window->txtEmail->setFocus();
    window->txtName->setFocus();
    QCOMPARE(window->txtEmail->text(), "Your Email Address");
    for (QWidget* control : window->findChildren<QWidget*>())
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(window))
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                qPrintable(control->objectName()));
    window->txtName->setText("  Your Name ");
    window->txtEmail->setFocus();
    window->txtName->setFocus();
    QVERIFY(window->txtName->text().isEmpty());
    // The hidden message box keeps its line break, so it is never taken for its placeholder.
    window->txtMessage->setFocus();
    QCOMPARE(window->txtMessage->toPlainText(), "Your Message\n");
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
    program->showSupportWindow();
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
    support()->txtName->setFocus();
    QTest::keyClicks(support()->txtName, "Ann Lee");
    QCOMPARE(support()->txtName->text(), "Ann Lee");
    QCOMPARE(platform->messages.size(), 1);
}

void SupportTest::checkBoxOpensTheHomePageAndUnticks()
{
    program->showSupportWindow();
    QCheckBox* box = support()->Check1;
    QCOMPARE(box->text(), "Click Here To Visit www.quorvane.example Now");
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QVERIFY(!box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QCOMPARE(platform->openedAddresses,
             (QStringList{"http://www.quorvane.example", "http://www.quorvane.example"}));
}

void SupportTest::catalogueLink()
{
    program->showSupportWindow();
    QTest::mouseClick(Child<QLabel>(support(), "lblGoToHome"), Qt::LeftButton);
    QCOMPARE(platform->openedAddresses,
             QStringList{"http://www.quorvane.example/quorvanesoftwares"});
}

void SupportTest::submitFromTheWindow()
{
    program->showSupportWindow();
    frmNagScreen2* window = support();
    QTest::mouseClick(window->cmdSubmit, Qt::LeftButton);
    QCOMPARE(platform->messageTexts(), QStringList{"Please Enter Proper Email Address"});
    window->txtName->setText("Ann Lee");
    window->txtEmail->setText("ann@x.example");
    window->txtFriendName->setText("Bob");
    window->txtFriendEmail->setText("bob@y.example");
    QTest::mouseClick(window->cmdSubmit, Qt::LeftButton);
    QCOMPARE(platform->openedAddresses,
             QStringList{"http://www.quorvane.example/ostra-refer-a-friend.php?taf1=Ann%20Lee"
                         "&taf2=ann%40x.example&taf3=Your%20Message%0D%0A&taf4=Bob"
                         "&taf5=bob%40y.example&taf6=http://www.kinmatch.example/"});
    // The window stays open and keeps what was typed.
    QVERIFY(window->isVisible());
    QCOMPARE(window->txtName->text(), "Ann Lee");
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
    QSignalSpy ended(program.get(), &Program::programEnded);
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
    program->resultWindow()->cmdBack_Click();
    Settle();
    QCOMPARE(VisibleWindows(), QStringList{"frmMain"});
    program->mainWindow()->close();
    Settle();
    QCOMPARE(support(), loadedDuringGenerate.data());
    QCOMPARE(support()->Label2->text(), frmNagScreen2::SupportMessages()[2]);
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
    QSignalSpy ended(program.get(), &Program::programEnded);
    program->mainWindow()->close();
    Settle();
    CloseCounter counter;
    support()->installEventFilter(&counter);
    if (byExitButton)
        QTest::mouseClick(support()->cmdClose, Qt::LeftButton);
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
    program->resultWindow()->cmdBack_Click(); // main visible, support loaded and hidden
    Settle();
    CloseCounter mainCloses;
    CloseCounter supportCloses;
    program->mainWindow()->installEventFilter(&mainCloses);
    support()->installEventFilter(&supportCloses);
    QSignalSpy ended(program.get(), &Program::programEnded);
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
    // Named for the program file without its extension, section "Settings".
    QFile file(home.filePath("tst_support/tst_support.conf"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QVERIFY(file.readAll().contains("[Settings]"));
    qunsetenv("XDG_CONFIG_HOME");
}

QTEST_MAIN(SupportTest)
#include "tst_support.moc"
