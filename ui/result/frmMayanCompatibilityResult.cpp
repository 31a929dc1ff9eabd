#include "frmMayanCompatibilityResult.h"

#include "Accessibility.h"
#include "Controls.h"
#include "Links.h"
#include "Localized.h"
#include "Menus.h"
#include "Placement.h"
#include "QtText.h"
#include "Room.h"
#include "SealPictures.h"
#include "frmAbout.h"
#include "frmSave.h"
#include "modHelp.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QMenuBar>
#include <QPushButton>

namespace mmc = modMayanCompatibility;

namespace {

// The size of every seal picture, in logical pixels.
constexpr QSize SealPictureSize(120, 184);

// Each seal's picture at 1x and 2x, loaded the first time it is shown and kept for the life of
// the program: a picture made anew for every result would stay in Qt's pixmap cache under a new
// key each time.
const QIcon& SealPicture(int seal)
{
    static QHash<QString, QIcon> pictures;
    const QString path = kinmatch::SealPicturePath(seal);
    QIcon& picture = pictures[path];
    if (picture.isNull()) {
        picture.addFile(path);
        picture.addFile(kinmatch::SealPicturePath(seal, true));
    }
    return picture;
}

} // namespace

frmMayanCompatibilityResult::frmMayanCompatibilityResult(kinmatch::ReadingSession& session,
                                                         kinmatch::Platform& platform)
    : session_(session), platform_(platform)
{
    setObjectName(QStringLiteral("frmMayanCompatibilityResult"));
    setAttribute(Qt::WA_DeleteOnClose);
    QWidget* client = look::AddClientArea(this, {656, 403});

    auto* Label14 = look::AddLink(client, "Label14", look::ForumCaption(), {113, 0, 431, 29},
                                  look::OfferLinkStyle());
    connect(Label14, &look::LinkLabel::clicked, this,
            [&platform] { modHelp::OpenHomePage(platform); });

    QGroupBox* Frame1 = look::AddFrame(client, "Frame1", tr("Kinmatch Results"), {4, 32, 649, 313},
                                       look::Olive, Qt::black, look::UiFont(8.25, true));
    const look::TextStyle rowStyle{look::UiFont(8.25, true)};
    const QString captions[] = {tr("Your Mayan Day Sign "), tr("Your Galactic Tone"),
                                tr("Your Partner's Mayan Day Sign"),
                                tr("Your Partner's Galactic Tone")};
    const int rows[] = {20, 36, 51, 67};
    for (int row = 0; row < 4; ++row) {
        const QByteArray captionName = "Label1_" + QByteArray::number(row);
        const QByteArray valueName = "lblResult_" + QByteArray::number(row + 2);
        QLabel* caption = look::AddLabel(Frame1, captionName.constData(), captions[row],
                                         {16, rows[row], 0, 0}, rowStyle);
        lblResult[std::size_t(row + 2)] = look::AddLabel(Frame1, valueName.constData(), QString(),
                                                         {288, rows[row], 0, 0}, rowStyle);
        // A screen reader tells which caption each value belongs to.
        caption->setBuddy(lblResult[std::size_t(row + 2)]);
    }
    QPushButton* cmdSave = look::AddButton(Frame1, "cmdSave", tr("Save"), {568, 52, 73, 25});
    connect(cmdSave, &QPushButton::clicked, this, &frmMayanCompatibilityResult::cmdSave_Click);

    QGroupBox* Frame2 =
        look::AddFrame(Frame1, "Frame2", tr("Mayan Astrology Compatibility"), {8, 88, 633, 217},
                       look::DarkOlive, Qt::white, look::UiFont(8.25, true));
    picMayanSign = new QLabel(Frame2);
    picMayanSign->setObjectName(QStringLiteral("picMayanSign"));
    picMayanSign->setGeometry(QRect(QPoint(8, 24), SealPictureSize));
    lblResult[0] = look::AddLabel(Frame2, "lblResult_0", QString(), {136, 24, 0, 0},
                                  {look::UiFont(9.75, true), Qt::white});
    // A description longer than its box is cut off at the box's lower edge.
    lblResult[1] = look::AddLabel(Frame2, "lblResult_1", QString(), {136, 51, 485, 157},
                                  {look::UiFont(), Qt::white, Qt::AlignLeft | Qt::AlignTop, true});

    // The co-branding offer lies beneath the full-branding one, and nothing here raises it.
    QWidget* fraFullBrand =
        look::AddOfferStrip(client, {4, 344, 649, 57}, 551, platform).fraFullBrand;
    QPushButton* cmdBack = look::AddButton(fraFullBrand, "cmdBack", tr("Back"), {568, 19, 73, 25});
    connect(cmdBack, &QPushButton::clicked, this, &frmMayanCompatibilityResult::backRequested);
    setTabOrder(cmdSave, cmdBack);
    // The reading, read first by a screen reader and reached part by part before the buttons.
    look::ReachableWhileAssisted({lblResult[0], picMayanSign, lblResult[1], lblResult[2],
                                  lblResult[3], lblResult[4], lblResult[5]},
                                 cmdSave);

    QMenu* file = look::AddMenu(menuBar(), "mnuFile", tr("&File"));
    look::AddMenuAction(this, file, "mnuBack", tr("&Back"), [this] { emit backRequested(); });
    file->addSeparator();
    look::AddMenuAction(this, file, "mnuExit", tr("E&xit"), [this] { close(); });
    look::AddHelpAndOfferMenus(this, menuBar(), platform, [this] {
        frmAbout about(platform_, this);
        about.exec();
    });

    look::FinishWindow(this);
}

void frmMayanCompatibilityResult::ShowComposite(const mmc::ResultDisplay& display)
{
    for (std::size_t i = 0; i < lblResult.size(); ++i) {
        lblResult[i]->setText(kinmatch::ToQString(display.lblResult[i]));
        lblResult[i]->setAccessibleName(lblResult[i]->text());
        if (i != 1)
            lblResult[i]->adjustSize();
    }
    picMayanSign->setPixmap(
        SealPicture(display.picture).pixmap(SealPictureSize, devicePixelRatioF()));
    const QString sealName = kinmatch::ToQString(kinmatch::SealName(display.picture));
    picMayanSign->setAccessibleName(sealName);
    picMayanSign->setAccessibleDescription(tr("The picture of the %1 seal").arg(sealName));
    // The reading's texts may need more room than the window was built with.
    look::MakeRoom(this);
}

void frmMayanCompatibilityResult::cmdSave_Click()
{
    frmSave report(session_, platform_, this);
    report.exec();
}

void frmMayanCompatibilityResult::closeEvent(QCloseEvent* event)
{
    emit closing();
    event->accept();
}
