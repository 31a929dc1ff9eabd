#include "Program.h"

#include "frmAbout.h"
#include "frmMain.h"
#include "frmMayanCompatibilityResult.h"

#include <QLineEdit>

namespace kinmatch {

Program::Program(Platform& platform) : platform_(platform) {}

Program::~Program()
{
    delete main_;
    delete result_;
}

bool Program::start()
{
    if (!platform_.takeSingleInstanceLock()) {
        platform_.showMessage(QStringLiteral("Application is already running"),
                              MessageIcon::Information);
        return false;
    }
    platform_.seedRandomFromClock();
    // The update reminder runs here, before any window is shown.
    showMainWindow()->CoBrand_Randomize();
    return true;
}

frmMain* Program::showMainWindow()
{
    main_ = new frmMain(*this);
    main_->show();
    main_->txtNameM->setFocus();
    return main_;
}

frmMain* Program::mainWindow() const { return main_; }

frmMayanCompatibilityResult* Program::resultWindow()
{
    if (!result_)
        result_ = new frmMayanCompatibilityResult(*this);
    return result_;
}

void Program::showAboutWindow(QWidget* owner)
{
    frmAbout about(platform_, owner);
    about.exec();
}

} // namespace kinmatch
