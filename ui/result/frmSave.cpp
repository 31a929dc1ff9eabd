#include "frmSave.h"

#include "Controls.h"
#include "Links.h"
#include "Placement.h"
#include "QtText.h"
#include "ReadingFileIO.h"
#include "ReadingSession.h"
#include "Report.h"
#include "ReportDocument.h"
#include "modHelp.h"

#include <QDir>
#include <QKeyEvent>
#include <QTextEdit>

namespace mmn = modMayanNumerology;

frmSave::frmSave(kinmatch::ReadingSession& session, kinmatch::Platform& platform, QWidget* owner)
    : QDialog(owner), session_(session), platform_(platform)
{
    setObjectName(QStringLiteral("frmSave"));
    setModal(true);
    setFont(look::UiFont());
    setFixedSize(515, 521);
    auto* client = new look::Panel(look::LightYellow, this);
    client->setObjectName(QStringLiteral("client"));
    client->setGeometry(rect());

    const look::TextStyle linkStyle{look::UiFont(), look::LinkBlue, Qt::AlignCenter};
    auto* Label14 =
        look::AddLink(client, "Label14", tr("The Most Popular Online Mystic Discussion Forum"),
                      {116, 0, 282, 13}, linkStyle);
    auto* Label1 = look::AddLink(
        client, "Label1", tr("Click Here To Visit %1 Now").arg(modHelp::MainSiteForDisplay()),
        {124, 12, 266, 13}, linkStyle);
    for (look::LinkLabel* link : {Label14, Label1})
        connect(link, &look::LinkLabel::clicked, this,
                [&platform] { modHelp::OpenHomePage(platform); });

    RTB = new QTextEdit(client);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setGeometry(2, 26, 511, 409);
    RTB->setReadOnly(true);
    // A caret that the keyboard moves, as in any read-only document, so that the report can be
    // read by line, word and character; it stays read-only.
    RTB->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RTB->setAccessibleName(tr("Report"));

    // The save button asks for the font its caption had on the platform the windows come from,
    // and keeps the window's where that is missing.
    QPushButton* cmdSave =
        look::AddButton(client, "cmdSave", tr("&Save"), {360, 438, 75, 23},
                        look::FontOrWindowFont(QStringLiteral("MS Sans Serif"), 8.25));
    QPushButton* cmdPrint = look::AddButton(client, "cmdPrint", tr("&Print"), {437, 438, 75, 23});
    connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);
    setTabOrder(RTB, cmdPrint);
    setTabOrder(cmdPrint, cmdSave);

    // As in the result window, the co-branding offer lies beneath and stays covered.
    look::AddOfferStrip(client, {2, 464, 511, 57}, 495, platform);

    const mmn::PersonReading reading = session_.ComputeUserReading();
    const auto runs = kinmatch::ComposeReport(session_.records().UserDetails, reading,
                                              kinmatch::ToUtf8(modHelp::MainSite()));
    RTB->setDocument(kinmatch::ReportDocument(runs).release());
    RTB->document()->setParent(RTB);

    look::FinishWindow(this);
}

void frmSave::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmSave::cmdPrint_Click()
{
    // Clear any selection so that the whole report prints, not the selected part.
    QTextCursor cursor = RTB->textCursor();
    cursor.clearSelection();
    RTB->setTextCursor(cursor);
    platform_.print(*RTB->document());
}

void frmSave::cmdSave_Click()
{
    const mmn::BirthDetails& user = session_.records().UserDetails;
    // Refused before the dialog, so the user is never asked for a file that cannot be written.
    const QString unstorable = kinmatch::UnstorableCharacter(kinmatch::ToQString(user.Name));
    if (!unstorable.isEmpty()) {
        platform_.showMessage(
            tr("The Name Contains \"%1\", Which A Reading File Cannot Hold.").arg(unstorable),
            kinmatch::MessageIcon::Critical);
        return;
    }
    const auto path = platform_.askFileToSave(
        {tr("Kinmatch"), tr("Mayan Astrology (*.man)"), QStringLiteral("man"), true});
    if (!path || path->isEmpty())
        return;
    // The old file is kept whatever went wrong; the user is told, so that the reading is not
    // thought kept.
    const kinmatch::SaveResult saved = kinmatch::SaveReadingFile(*path, user);
    if (saved.outcome == kinmatch::SaveOutcome::WriteFailed)
        platform_.showMessage(
            tr("%1 could not be saved: %2").arg(QDir::toNativeSeparators(*path), saved.cause),
            kinmatch::MessageIcon::Critical);
}
