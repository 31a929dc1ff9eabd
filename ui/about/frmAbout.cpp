#include "frmAbout.h"

#include "Accessibility.h"
#include "Controls.h"
#include "Links.h"
#include "Placement.h"
#include "modHelp.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using look::Twips;

frmAbout::frmAbout(kinmatch::Platform& platform, QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(477, 194);
    client->setFont(look::UiFont());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(client);

    auto* picIcon = new QLabel(client);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(Twips(120, 45, 480, 480));
    picIcon->setPixmap(look::ProgramPicture(this, 32));
    picIcon->setAccessibleName(tr("Kinmatch"));

    look::AddLabel(client, "Label2", look::Title(), Twips(750, 180, 5235, 270),
                   {look::UiFont(9.75, true)});
    look::AddLabel(client, "Label1",
                   tr("Kinmatch generates your compatibility based on the Day Sign and "
                      "Galactic Tone of the two persons. This is based on Mayan "
                      "principles. Copyright Quorvane Softwares, all rights reserved."),
                   Twips(750, 630, 6345, 615), {look::UiFont(), Qt::black, Qt::AlignLeft, true});
    auto* lblHomePage = look::AddLink(
        client, "lblHomePage", tr("Click here to visit %1").arg(modHelp::MainSiteForDisplay()),
        Twips(3045, 1245, 4050, 195), {look::UiFont(), look::LinkBlue, Qt::AlignRight});
    connect(lblHomePage, &look::LinkLabel::clicked, this,
            [&platform] { modHelp::OpenHomePage(platform); });
    look::AddLabel(client, "Label3",
                   tr("Home Business Opportunity. Start your own Internet business and "
                      "make money online. Get this software fully branded for your "
                      "website."),
                   Twips(150, 1560, 6945, 435), {look::UiFont(), Qt::black, Qt::AlignLeft, true});
    auto* lblCobrand = look::AddLink(client, "lblCobrand", tr("Click here for more details."),
                                     Twips(4740, 1995, 2355, 195),
                                     {look::UiFont(), look::LinkBlue, Qt::AlignRight});
    connect(lblCobrand, &look::LinkLabel::clicked, this,
            [&platform] { modHelp::OpenFullBrandingOffer(platform); });

    auto* Line1 = new QFrame(client);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(8, 2400 / 15 - 1, 461, 2);
    look::SetAccessibleRole(Line1, QAccessible::Separator);

    QPushButton* cmdOK = look::AddButton(client, "cmdOK", tr("OK"), Twips(5835, 2520, 1260, 345));
    cmdOK->setDefault(true); // Enter presses it; Esc closes the dialog as well
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdOK->setFocus();

    look::FinishWindow(this);
}
