#include "Menus.h"

#include "Look.h"
#include "modHelp.h"

#include <QMenuBar>

namespace look {
QAction* AddMenuAction(QWidget* owner, QMenu* menu, const char* name, const QString& caption,
                       std::function<void()> onTriggered)
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, owner, std::move(onTriggered));
    if (menu)
        menu->addAction(action);
    return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

void AddHelpAndOfferMenus(QWidget* owner, QMenuBar* bar, kinmatch::Platform& platform,
                          std::function<void()> showAbout)
{
    QMenu* help = AddMenu(bar, "mnuHelp", Text::tr("&Help"));
    AddMenuAction(owner, help, "mnuOnline", Text::tr("&Online Help"),
                  [&platform] { modHelp::OpenOnlineHelp(platform); });
    AddMenuAction(owner, help, "mnuVisit", Text::tr("&Visit Us Online"),
                  [&platform] { modHelp::OpenHomePage(platform); });
    help->addSeparator();
    AddMenuAction(owner, help, "mnuUpdate", Text::tr("Check for Software &Update"),
                  [&platform] { modHelp::OpenDownloadPage(platform); });
    help->addSeparator();
    AddMenuAction(owner, help, "mnuAbout", Text::tr("&About Software"), std::move(showAbout));

    // A command on the bar itself, without a drop-down.
    bar->addAction(AddMenuAction(owner, nullptr, "mnuDonate", Text::tr("&Donate"),
                                 [&platform] { modHelp::OpenDonationPage(platform); }));

    // Part of the window but never shown nor enabled; the offer is reached through its label.
    // It is kept off the menu bar, which would claim its access key Alt+O even while hidden and
    // so take that key from the window's own "&Open" button.
    QAction* makeMoney =
        AddMenuAction(owner, nullptr, "mnuMakeMoney", Text::tr("Make Money &Online"),
                      [&platform] { modHelp::OpenFullBrandingOffer(platform); });
    makeMoney->setVisible(false);
    makeMoney->setEnabled(false);
    owner->addAction(makeMoney);
}

} // namespace look
