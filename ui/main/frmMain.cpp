#include "frmMain.h"

#include "Blanks.h"
#include "CoBrand.h"
#include "Controls.h"
#include "Links.h"
#include "Localized.h"
#include "Menus.h"
#include "Placement.h"
#include "QtText.h"
#include "ReadingFileIO.h"
#include "frmAbout.h"
#include "modHelp.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <limits>

using kinmatch::MessageIcon;
namespace mmn = modMayanNumerology;

namespace {

QComboBox* AddList(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setGeometry(geometry);
    list->setFont(look::UiFont());
    return list;
}

// Selects the item equal to text; any other text leaves the selection as it was.
void SetListText(QComboBox* list, const QString& text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
}

} // namespace

kinmatch::PersonInputs frmMain::PersonControls::inputs() const
{
    return {txtName->text(), cboYear->currentText(), cboMonth->currentIndex(),
            cboDate->currentText()};
}

frmMain::frmMain(kinmatch::Platform& platform) : platform_(platform)
{
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    QWidget* client = look::AddClientArea(this, {480, 384});

    auto* Label14 = look::AddLink(client, "Label14", look::ForumCaption(), {63, 0, 355, 29},
                                  look::OfferLinkStyle());
    connect(Label14, &look::LinkLabel::clicked, this,
            [&platform] { modHelp::OpenHomePage(platform); });
    look::AddLabel(client, "Label2",
                   tr("Know your compatibility with your partner based on advanced Mayan "
                      "Astrology! Enter the following details and get started."),
                   {8, 40, 465, 33},
                   {look::UiFont(9, true), look::Navy, Qt::AlignCenter, true, false});

    user_ = AddPersonFrame(client, "Frame1", tr("Your Personal Details"), 88, 0, 'M');
    partner_ = AddPersonFrame(client, "Frame2", tr("Your Partner's Personal Details"), 176, 2, 'F');

    QPushButton* cmdCalculate = look::AddButton(
        client, "cmdCalculate", tr("&Generate Mayan Astrology Compatibility Reading"),
        {76, 264, 329, 25}, look::UiFont(8.25, true));
    connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    // The open button gets a row of its own below the generate button; the bottom strip moves
    // down by that row.
    QPushButton* cmdOpen = look::AddButton(client, "cmdOpen", tr("&Open Previously Saved Reading"),
                                           {76, 295, 329, 25}, look::UiFont(9, true));
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);

    const look::OfferStrip offers = look::AddOfferStrip(client, {1, 327, 479, 57}, 463, platform);
    lblFullBrand = offers.lblFullBrand;
    lblCobrand = offers.lblCobrand;

    QMenu* file = look::AddMenu(menuBar(), "mnuFile", tr("&File"));
    look::AddMenuAction(this, file, "mnuMayan", tr("&Generate Mayan Birth Chart"),
                        [this] { cmdCalculate_Click(); });
    file->addSeparator();
    look::AddMenuAction(this, file, "mnuExit", tr("E&xit"), [this] { close(); });
    look::AddHelpAndOfferMenus(this, menuBar(), platform, [this] {
        frmAbout about(platform_, this);
        about.exec();
    });

    // The partner's lists run year, day, month: the reverse of the user's.
    const QList<QWidget*> tabOrder = {
        user_.txtName, user_.cboMonth,   user_.cboDate,    user_.cboYear,    cmdOpen,
        cmdCalculate,  partner_.txtName, partner_.cboYear, partner_.cboDate, partner_.cboMonth};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    Form_Load();
    look::FinishWindow(this);
    user_.txtName->setFocus();
}

frmMain::PersonControls frmMain::AddPersonFrame(QWidget* parent, const char* frameName,
                                                const QString& caption, int top, int firstLabel,
                                                char suffix)
{
    QGroupBox* frame = look::AddFrame(parent, frameName, caption, {76, top, 329, 81},
                                      look::LightYellow, Qt::black, look::UiFont(9.75, true));
    const look::TextStyle labelStyle{look::UiFont(8.25, true)};
    const QByteArray nameLabel = "Label1_" + QByteArray::number(firstLabel);
    const QByteArray dateLabel = "Label1_" + QByteArray::number(firstLabel + 1);
    look::AddLabel(frame, nameLabel.constData(), tr("Name"), {8, 30, 0, 0}, labelStyle);
    look::AddLabel(frame, dateLabel.constData(), tr("Date of Birth"), {8, 57, 0, 0}, labelStyle);

    const QString end{QLatin1Char(suffix)};
    QLineEdit* name = look::AddLineBox(frame, QStringLiteral("txtName") + end, {102, 24, 220, 19});
    // No limit of the box's own: it would cut a longer name silently, where the generate command
    // refuses it with a message.
    name->setMaxLength(std::numeric_limits<int>::max());
    name->setAccessibleName(tr("%1: Name").arg(caption));
    PersonControls person{name, AddList(frame, QStringLiteral("cboMonth") + end, {102, 51, 93, 21}),
                          AddList(frame, QStringLiteral("cboDate") + end, {202, 51, 47, 21}),
                          AddList(frame, QStringLiteral("cboYear") + end, {255, 51, 67, 21})};
    person.cboMonth->setAccessibleName(tr("%1: Month of birth").arg(caption));
    person.cboDate->setAccessibleName(tr("%1: Day of birth").arg(caption));
    person.cboYear->setAccessibleName(tr("%1: Year of birth").arg(caption));
    // A screen reader on Linux speaks a list's value as its name ("January", the same for both
    // persons); the description says whose date and which part of it.
    const QString birth =
        suffix == 'M' ? tr("Your date of birth") : tr("Your partner's date of birth");
    person.cboMonth->setAccessibleDescription(tr("%1: month").arg(birth));
    person.cboDate->setAccessibleDescription(tr("%1: day").arg(birth));
    person.cboYear->setAccessibleDescription(tr("%1: year").arg(birth));
    return person;
}

void frmMain::Form_Load()
{
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months << kinmatch::ToQString(kinmatch::MonthName(month));
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    QStringList years;
    for (int year = mmn::FirstYear; year <= mmn::LastYear; ++year)
        years << QString::number(year);

    for (const PersonControls* person : {&user_, &partner_}) {
        person->cboMonth->addItems(months);
        person->cboDate->addItems(days);
        person->cboYear->addItems(years);
    }
    for (QComboBox* list : {user_.cboMonth, user_.cboDate, user_.cboYear, partner_.cboMonth,
                            partner_.cboDate, partner_.cboYear})
        list->setCurrentIndex(0);
}

void frmMain::CoBrand_Randomize()
{
    switch (kinmatch::CoBrandChoice(platform_.randomUniform())) {
    case kinmatch::OfferInFront::FullBranding:
        lblFullBrand->raise();
        break;
    case kinmatch::OfferInFront::CoBranding:
        lblCobrand->raise();
        break;
    case kinmatch::OfferInFront::Unchanged:
        break;
    }
}

bool frmMain::ValidateInputs()
{
    const std::pair<QLineEdit*, QString> names[] = {
        {user_.txtName, tr("Please Enter Your Name")},
        {partner_.txtName, tr("Please Enter Your Partner's Name")}};
    for (const auto& [box, message] : names) {
        if (kinmatch::TrimBlanks(box->text()).isEmpty()) {
            platform_.showMessage(message, MessageIcon::Critical);
            box->setFocus();
            return false;
        }
    }
    // A name longer than the program keeps is refused, never cut.
    for (const auto& [box, message] : names) {
        if (kinmatch::IsNameTooLong(kinmatch::ToUtf8(kinmatch::TrimBlanks(box->text())))) {
            platform_.showMessage(
                tr("Please Enter A Name Of At Most %1 Characters").arg(kinmatch::MaxNameLength),
                MessageIcon::Critical);
            box->setFocus();
            return false;
        }
    }
    for (const PersonControls* person : {&user_, &partner_}) {
        const auto problem = mmn::CheckDayOfMonth(person->cboYear->currentText().toInt(),
                                                  person->cboMonth->currentIndex(),
                                                  person->cboDate->currentIndex() + 1);
        if (problem == mmn::DateProblem::NoSuchDayInFebruary) {
            platform_.showMessage(tr("Please Enter Correct Date Or Month!"),
                                  MessageIcon::Information);
            return false;
        }
        if (problem == mmn::DateProblem::NoThirtyFirst) {
            platform_.showMessage(tr("Please Enter Correct Date Or Month !"),
                                  MessageIcon::Information);
            return false;
        }
    }
    return true;
}

void frmMain::cmdCalculate_Click()
{
    if (ValidateInputs())
        emit generateRequested(user_.inputs(), partner_.inputs());
}

void frmMain::closeEvent(QCloseEvent* event)
{
    emit closing();
    event->accept();
}

void frmMain::cmdOpen_Click()
{
    const auto path =
        platform_.askFileToOpen({tr("Select the source file"), tr("Mayan Astrology (*.man)"),
                                 QStringLiteral("man"), false});
    if (!path || path->isEmpty())
        return;
    OpenReadingFile(*path);
}

void frmMain::OpenReadingFile(const QString& path)
{
    // Only the name's last three characters are examined, and in this letter case.
    if (!path.endsWith(QLatin1String("man"), Qt::CaseSensitive)) {
        platform_.showMessage(tr("Please Check The File."), MessageIcon::Critical);
        return;
    }
    FillFromReadingFile(path);
}

void frmMain::OpenGivenFile(const QString& path)
{
    if (kinmatch::HoldsAReading(path))
        FillFromReadingFile(path);
    else
        OpenReadingFile(path);
}

void frmMain::FillFromReadingFile(const QString& path)
{
    const auto lines = kinmatch::LoadReadingFile(path);
    if (kinmatch::IsNameTooLong(kinmatch::ToUtf8(lines[0]))) {
        platform_.showMessage(tr("Please Check The File."), MessageIcon::Critical);
        return;
    }
    user_.txtName->setText(lines[0]);
    SetListText(user_.cboYear, lines[1]);
    // The file names its month by key, the same in every language.
    if (const int month = mmn::MonthNumber(kinmatch::ToUtf8(lines[2])))
        user_.cboMonth->setCurrentIndex(month - 1);
    SetListText(user_.cboDate, lines[3]);
    cmdCalculate_Click();
}
