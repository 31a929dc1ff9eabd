#pragma once

#include <QString>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace kinmatch {
class Platform;
}

namespace look {

// An action named for the system (mnuExit, ...) that runs onTriggered.
QAction* AddMenuAction(QWidget* owner, QMenu* menu, const char* name, const QString& caption,
                       std::function<void()> onTriggered);
QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption);

// The Help menu (its last item the Language submenu), the Donate command and the hidden Make
// Money command that the main and result windows share.
void AddHelpAndOfferMenus(QWidget* owner, QMenuBar* bar, kinmatch::Platform& platform,
                          std::function<void()> showAbout);

} // namespace look
