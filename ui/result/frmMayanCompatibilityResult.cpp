#include "frmMayanCompatibilityResult.h"

#include "Look.h"
#include "Menus.h"
#include "Program.h"
#include "frmSave.h"
#include "modHelp.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QMenuBar>
#include <QPushButton>

frmMayanCompatibilityResult::frmMayanCompatibilityResult(kinmatch::Program& program)
    : program_(program)
{
    setObjectName(QStringLiteral("frmMayanCompatibilityResult"));
    setAttribute(Qt::WA_DeleteOnClose);
    QWidget* client = look::AddClientArea(this, {656, 403});
    kinmatch::Platform& platform = program_.platform();

    auto* Label14 = look::AddLink(client, "Label14", look::ForumCaption(), {113, 0, 431, 29},
                                  look::OfferLinkStyle());
    connect(Label14, &look::LinkLabel::clicked, this,
            [&platform] { modHelp::OpenHomePage(platform); });

    QGroupBox* Frame1 =
        look::AddFrame(client, "Frame1", QStringLiteral("Kinmatch Results"), {4, 32, 649, 313},
                       look::Olive, Qt::black, look::UiFont(8.25, true));
    const look::TextStyle rowStyle{look::UiFont(8.25, true)};
    const char* captions[] = {"Your Mayan Day Sign ", "Your Galactic Tone",
                              "Your Partner's Mayan Day Sign", "Your Partner's Galactic Tone"};
    const int rows[] = {20, 36, 51, 67};
    for (int row = 0; row < 4; ++row) {
        const QByteArray captionName = "Label1_" + QByteArray::number(row);
        const QByteArray valueName = "lblResult_" + QByteArray::number(row + 2);
        look::AddLabel(Frame1, captionName.constData(), QString::fromLatin1(captions[row]),
                       {16, rows[row], 0, 0}, rowStyle);
        lblResult[std::size_t(row + 2)] = look::AddLabel(Frame1, valueName.constData(), QString(),
                                                         {288, rows[row], 0, 0}, rowStyle);
    }
    cmdSave = look::AddButton(Frame1, "cmdSave", QStringLiteral("Save"), {568, 52, 73, 25});
    connect(cmdSave, &QPushButton::clicked, this, &frmMayanCompatibilityResult::cmdSave_Click);

    QGroupBox* Frame2 =
        look::AddFrame(Frame1, "Frame2", QStringLiteral("Mayan Astrology Compatibility"),
                       {8, 88, 633, 217}, look::DarkOlive, Qt::white, look::UiFont(8.25, true));
    picMayanSign = new QLabel(Frame2);
    picMayanSign->setObjectName(QStringLiteral("picMayanSign"));
    picMayanSign->setGeometry(8, 24, 120, 184);
    lblResult[0] = look::AddLabel(Frame2, "lblResult_0", QString(), {136, 24, 0, 0},
                                  {look::UiFont(9.75, true), Qt::white});
    // A description longer than its box is cut off at the box's lower edge.
    lblResult[1] = look::AddLabel(Frame2, "lblResult_1", QString(), {136, 51, 485, 157},
                                  {look::UiFont(), Qt::white, Qt::AlignLeft | Qt::AlignTop, true});

    // The co-branding offer lies beneath the full-branding one, and nothing here raises it.
    QWidget* fraFullBrand =
        look::AddOfferStrip(client, {4, 344, 649, 57}, 551, platform).fraFullBrand;
    cmdBack = look::AddButton(fraFullBrand, "cmdBack", QStringLiteral("Back"), {568, 19, 73, 25});
    connect(cmdBack, &QPushButton::clicked, this, &frmMayanCompatibilityResult::cmdBack_Click);
    setTabOrder(cmdSave, cmdBack);

    QMenu* file = look::AddMenu(menuBar(), "mnuFile", QStringLiteral("&File"));
    look::AddMenuAction(this, file, "mnuBack", QStringLiteral("&Back"),
                        [this] { cmdBack_Click(); });
    file->addSeparator();
    look::AddMenuAction(this, file, "mnuExit", QStringLiteral("E&xit"), [this] { close(); });
    look::AddHelpAndOfferMenus(this, menuBar(), platform,
                               [this] { program_.showAboutWindow(this); });

    look::FinishWindow(this);
}

QPixmap frmMayanCompatibilityResult::SealPicture(int seal, qreal devicePixelRatio)
{
    const auto key = modMayanCompatibility::SealTable[std::size_t(seal - 1)].PictureKey;
    const QString path =
        QStringLiteral(":/seals/") + QString::fromLatin1(key.data(), qsizetype(key.size()));
    QIcon picture;
    picture.addFile(path);
    picture.addFile(QString(path).replace(QLatin1String(".jpg"), QLatin1String("@2x.jpg")));
    return picture.pixmap(QSize(120, 184), devicePixelRatio);
}

void frmMayanCompatibilityResult::ShowComposite(const modMayanCompatibility::ResultDisplay& display)
{
    for (std::size_t i = 0; i < lblResult.size(); ++i) {
        lblResult[i]->setText(QString::fromStdString(display.lblResult[i]));
        lblResult[i]->setAccessibleName(lblResult[i]->text());
        if (i != 1)
            lblResult[i]->adjustSize();
    }
    picMayanSign->setPixmap(SealPicture(display.picture, devicePixelRatioF()));
    const auto seal = modMayanCompatibility::SealTable[std::size_t(display.picture - 1)].SealName;
    const QString sealName = QString::fromLatin1(seal.data(), qsizetype(seal.size()));
    picMayanSign->setAccessibleName(sealName);
    picMayanSign->setAccessibleDescription(
        QStringLiteral("The picture of the %1 seal").arg(sealName));
    picMayanSign->setProperty("sealPicture", display.picture);
}

void frmMayanCompatibilityResult::cmdSave_Click()
{
    frmSave report(program_, this);
    report.exec();
}

void frmMayanCompatibilityResult::cmdBack_Click()
{
    program_.showMainWindow();
    close();
    program_.hideSupportWindow();
}

void frmMayanCompatibilityResult::closeEvent(QCloseEvent* event)
{
    if (!program_.ending())
        program_.showSupportWindow();
    event->accept();
}
