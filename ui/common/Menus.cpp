#include "Menus.h"

#include "Language.h"
#include "Look.h"
#include "QtText.h"
#include "WindowsLanguage.h"
#include "modHelp.h"

#include <QActionGroup>
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

namespace {

// The system's language, or one of the languages the program speaks, each named in itself; the
// choice applies from the next start.
void AddLanguageMenu(QWidget* owner, QMenu* help, kinmatch::Platform& platform)
{
    QMenu* menu = help->addMenu(Text::tr("&Language"));
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuLanguage"));
    auto* choices = new QActionGroup(owner);
    const std::string chosen = kinmatch::ToUtf8(platform.readSetting(kinmatch::LanguageSettingKey));
    const auto add = [&](const QByteArray& name, const QString& caption, const std::string& code) {
        QAction* action = AddMenuAction(owner, menu, name.constData(), caption, [&platform, code] {
            kinmatch::ChooseWindowsLanguage(platform, code);
        });
        action->setCheckable(true);
        action->setChecked(code == chosen);
        choices->addAction(action);
    };
    add("mnuLanguageSystem", Text::tr("The &System's Language"), {});
    menu->addSeparator();
    for (const std::string_view code : kinmatch::Languages())
        add("mnuLanguage_" + QByteArray(code.data(), qsizetype(code.size())),
            kinmatch::ToQString(kinmatch::LanguageName(code)), std::string(code));
}

} // namespace

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
    // Last, so that every item above keeps its place.
    help->addSeparator();
    AddLanguageMenu(owner, help, platform);

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
