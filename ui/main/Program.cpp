#include "Program.h"

#include "RemindOfUpdate.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmMayanCompatibilityResult.h"
#include "frmNagScreen2.h"

#include <QLineEdit>

namespace kinmatch {

Program::Program(Platform& platform) : platform_(platform) {}

Program::~Program()
{
    for (const QPointer<QWidget>& window : loaded_)
        delete window;
}

void Program::loaded(QWidget* window)
{
    std::erase_if(loaded_, [](const QPointer<QWidget>& gone) { return gone.isNull(); });
    loaded_.emplace_back(window);
}

bool Program::start(const QString& readingFile)
{
    if (!platform_.takeSingleInstanceLock()) {
        platform_.showMessage(QStringLiteral("Application is already running"),
                              MessageIcon::Information);
        return false;
    }
    platform_.seedRandomFromClock();
    modHelp::RemindOfUpdate(platform_);
    frmMain* main = showMainWindow();
    main->CoBrand_Randomize();
    if (!readingFile.isEmpty())
        main->OpenReadingFile(readingFile);
    return true;
}

frmMain* Program::showMainWindow()
{
    main_ = new frmMain(*this);
    loaded(main_);
    main_->show();
    main_->txtNameM->setFocus();
    return main_;
}

frmMain* Program::mainWindow() const
{
    return main_;
}

frmMayanCompatibilityResult* Program::resultWindow()
{
    if (!result_) {
        result_ = new frmMayanCompatibilityResult(*this);
        loaded(result_);
    }
    return result_;
}

void Program::showSupportWindow()
{
    if (!support_) {
        support_ = new frmNagScreen2(*this);
        loaded(support_);
    }
    support_->show();
}

void Program::hideSupportWindow()
{
    if (support_)
        support_->hide();
}

frmNagScreen2* Program::supportWindow() const
{
    return support_;
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

void Program::showAboutWindow(QWidget* owner)
{
    frmAbout about(platform_, owner);
    about.exec();
}

} // namespace kinmatch
