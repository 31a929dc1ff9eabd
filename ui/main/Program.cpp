#include "Program.h"

#include "KeyboardFocus.h"
#include "RemindOfUpdate.h"
#include "frmMain.h"
#include "frmMayanCompatibilityResult.h"
#include "frmNagScreen2.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace kinmatch {

namespace {
// How often a handed reading looks again whether the dialog in its way is closed.
constexpr int HandedFileWaitMilliseconds = 200;
} // namespace

Program::Program(Platform& platform) : platform_(platform), handedFileWait_(new QTimer(this))
{
    handedFileWait_->setSingleShot(true);
    handedFileWait_->setInterval(HandedFileWaitMilliseconds);
    connect(handedFileWait_, &QTimer::timeout, this, &Program::openHandedFileWhenFree);
}

Program::~Program()
{
    for (const QPointer<QWidget>& window : loaded_)
        delete window;
}

frmMain* Program::mainWindow() const
{
    return main_;
}
frmMayanCompatibilityResult* Program::resultWindow() const
{
    return result_;
}
frmNagScreen2* Program::supportWindow() const
{
    return support_;
}

void Program::loaded(QWidget* window)
{
    std::erase_if(loaded_, [](const QPointer<QWidget>& gone) { return gone.isNull(); });
    loaded_.emplace_back(window);
}

bool Program::start(const QString& readingFile)
{
    if (!platform_.takeSingleInstanceLock()) {
        if (readingFile.isEmpty() || !platform_.handToRunningCopy(readingFile))
            platform_.showMessage(tr("Application is already running"), MessageIcon::Information);
        return false;
    }
    platform_.seedRandomFromClock();
    modHelp::RemindOfUpdate(platform_);
    // The session may have ended the program while the reminder's question was open.
    if (ending_)
        return false;
    frmMain* main = showMainWindow();
    main->CoBrand_Randomize();
    platform_.receiveHandedFiles([this](const QString& path) { openHandedFile(path); });
    if (!readingFile.isEmpty())
        main->OpenGivenFile(readingFile);
    return !ending_;
}

void Program::openHandedFile(const QString& path)
{
    handedFile_ = path; // a later one replaces one still waiting, as a second open would
    openHandedFileWhenFree();
}

void Program::openHandedFileWhenFree()
{
    if (ending_ || handedFile_.isEmpty())
        return;
    if (QApplication::activeModalWidget()) {
        handedFileWait_->start();
        return;
    }
    const QString path = std::exchange(handedFile_, QString());
    if (!main_ || !main_->isVisible())
        back();
    // In front before the reading is opened, which may ask the user something.
    main_->raise();
    main_->activateWindow();
    main_->OpenGivenFile(path);
    if (result_ && result_->isVisible()) {
        result_->raise();
        result_->activateWindow();
    }
}

frmMain* Program::showMainWindow()
{
    main_ = new frmMain(platform_);
    loaded(main_);
    connect(main_, &frmMain::generateRequested, this, &Program::generate);
    connect(main_, &frmMain::closing, this, &Program::windowClosing);
    main_->show();
    return main_;
}

// The generate command after its checks, in its order of steps: store and compute, fill and
// show the result window, close the main window (which brings up the support window), and hide
// the support window again.
void Program::generate(const PersonInputs& user, const PersonInputs& partner)
{
    const modMayanCompatibility::ResultDisplay display = session_.Generate(user, partner);
    if (!result_) {
        result_ = new frmMayanCompatibilityResult(session_, platform_);
        loaded(result_);
        connect(result_, &frmMayanCompatibilityResult::backRequested, this, &Program::back);
        connect(result_, &frmMayanCompatibilityResult::closing, this, &Program::windowClosing);
    }
    result_->ShowComposite(display);
    result_->show();
    if (main_)
        main_->close();
    hideSupportWindow();
}

// Back: a fresh main window, the result window closed, and the support window it brought up
// hidden again.
void Program::back()
{
    showMainWindow();
    if (result_)
        result_->close();
    hideSupportWindow();
}

void Program::windowClosing()
{
    if (ending_)
        return;
    // Closed from the program (its menu, a key, its close button), or by the window manager
    // while another program had the focus.
    userInProgram_ = look::KeyboardInProgram();
    showSupportWindow();
}

bool Program::supportIsLastWindow() const
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::none_of(windows.cbegin(), windows.cend(), [this](const QWidget* window) {
        return window != support_ && window->isVisible() &&
               (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog);
    });
}

void Program::showSupportWindow()
{
    if (!support_) {
        support_ = new frmNagScreen2(platform_);
        loaded(support_);
        connect(support_, &frmNagScreen2::endRequested, this, &Program::EndProgram);
    }
    // Shown once the command that brought it up is done: the generate command and Back hide it
    // again at once, and a window mapped and unmapped in passing is later placed off centre,
    // or below other windows, by some window managers. As the program's last window, left by
    // the user, it takes the keyboard: otherwise no window would have it, and neither keys nor
    // a screen reader could reach the window that ends the program.
    supportWanted_ = true;
    QTimer::singleShot(0, support_, [this] {
        if (supportWanted_ && support_ && !ending_)
            support_->Show(userInProgram_ && supportIsLastWindow());
    });
}

void Program::hideSupportWindow()
{
    supportWanted_ = false;
    if (support_)
        support_->hide();
}

void Program::EndProgram()
{
    if (ending_)
        return;
    ending_ = true;
    const auto windows = loaded_;
    for (const QPointer<QWidget>& window : windows)
        if (window)
            window->close();
    emit programEnded();
}

} // namespace kinmatch
