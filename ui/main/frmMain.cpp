#include "frmMain.h"

#include "Blanks.h"
#include "CoBrand.h"
#include "Look.h"
#include "Menus.h"
#include "Program.h"
#include "ReadingFileIO.h"
#include "frmMayanCompatibilityResult.h"
#include "modHelp.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

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

mmn::BirthDetails DetailsOf(const frmMain::PersonControls& person)
{
    auto noBlanks = [](QString text) { return text.remove(QLatin1Char(' ')); };
    return {kinmatch::TrimBlanks(person.txtName->text()).toStdString(),
            static_cast<std::int16_t>(noBlanks(person.cboYear->currentText()).toInt()),
            noBlanks(person.cboMonth->currentText()).toStdString(),
            static_cast<std::int16_t>(noBlanks(person.cboDate->currentText()).toInt())};
}

} // namespace

frmMain::frmMain(kinmatch::Program& program) : program_(program)
{
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    QWidget* client = look::AddClientArea(this, {480, 384});
    kinmatch::Platform& platform = program_.platform();

    auto* Label14 = look::AddLink(client, "Label14", look::ForumCaption(), {63, 0, 355, 29},
                                  look::OfferLinkStyle());
    connect(Label14, &look::LinkLabel::clicked, this,
            [&platform] { modHelp::OpenHomePage(platform); });
    look::AddLabel(client, "Label2",
                   QStringLiteral("Know your compatibility with your partner based on advanced "
                                  "Mayan Astrology! Enter the following details and get started."),
                   {8, 40, 465, 33},
                   {look::UiFont(9, true), look::Navy, Qt::AlignCenter, true, false});

    const PersonControls you =
        AddPersonFrame(client, "Frame1", QStringLiteral("Your Personal Details"), 88, 0, 'M');
    txtNameM = you.txtName;
    cboMonthM = you.cboMonth;
    cboDateM = you.cboDate;
    cboYearM = you.cboYear;
    const PersonControls yourPartner = AddPersonFrame(
        client, "Frame2", QStringLiteral("Your Partner's Personal Details"), 176, 2, 'F');
    txtNameF = yourPartner.txtName;
    cboMonthF = yourPartner.cboMonth;
    cboDateF = yourPartner.cboDate;
    cboYearF = yourPartner.cboYear;

    cmdCalculate = look::AddButton(
        client, "cmdCalculate", QStringLiteral("&Generate Mayan Astrology Compatibility Reading"),
        {76, 264, 329, 25}, look::UiFont(8.25, true));
    connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    // The open button gets a row of its own below the generate button; the bottom strip moves
    // down by that row.
    cmdOpen = look::AddButton(client, "cmdOpen", QStringLiteral("&Open Previously Saved Reading"),
                              {76, 295, 329, 25}, look::UiFont(9, true));
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);

    const look::OfferStrip offers = look::AddOfferStrip(client, {1, 327, 479, 57}, 463, platform);
    lblFullBrand = offers.lblFullBrand;
    lblCobrand = offers.lblCobrand;

    QMenu* file = look::AddMenu(menuBar(), "mnuFile", QStringLiteral("&File"));
    look::AddMenuAction(this, file, "mnuMayan", QStringLiteral("&Generate Mayan Birth Chart"),
                        [this] { cmdCalculate_Click(); });
    file->addSeparator();
    look::AddMenuAction(this, file, "mnuExit", QStringLiteral("E&xit"), [this] { close(); });
    look::AddHelpAndOfferMenus(this, menuBar(), platform,
                               [this] { program_.showAboutWindow(this); });

    // The partner's lists run year, day, month: the reverse of the user's.
    const QList<QWidget*> tabOrder = {txtNameM,     cboMonthM, cboDateM, cboYearM, cmdOpen,
                                      cmdCalculate, txtNameF,  cboYearF, cboDateF, cboMonthF};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    Form_Load();
    look::FinishWindow(this);
    txtNameM->setFocus();
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
    look::AddLabel(frame, nameLabel.constData(), QStringLiteral("Name"), {8, 30, 0, 0}, labelStyle);
    look::AddLabel(frame, dateLabel.constData(), QStringLiteral("Date of Birth"), {8, 57, 0, 0},
                   labelStyle);

    const QString end{QLatin1Char(suffix)};
    auto* name = new QLineEdit(frame);
    name->setObjectName(QStringLiteral("txtName") + end);
    name->setGeometry(102, 24, 220, 19);
    name->setFont(look::UiFont());
    name->setAccessibleName(caption + QStringLiteral(": Name"));
    PersonControls person{name, AddList(frame, QStringLiteral("cboMonth") + end, {102, 51, 93, 21}),
                          AddList(frame, QStringLiteral("cboDate") + end, {202, 51, 47, 21}),
                          AddList(frame, QStringLiteral("cboYear") + end, {255, 51, 67, 21})};
    person.cboMonth->setAccessibleName(caption + QStringLiteral(": Month of birth"));
    person.cboDate->setAccessibleName(caption + QStringLiteral(": Day of birth"));
    person.cboYear->setAccessibleName(caption + QStringLiteral(": Year of birth"));
    return person;
}

void frmMain::Form_Load()
{
    QStringList months;
    for (const std::string_view month : mmn::MonthNames)
        months << QString::fromLatin1(month.data(), qsizetype(month.size()));
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    QStringList years;
    for (int year = mmn::FirstYear; year <= mmn::LastYear; ++year)
        years << QString::number(year);

    for (QComboBox* list : {cboMonthM, cboMonthF})
        list->addItems(months);
    for (QComboBox* list : {cboDateM, cboDateF})
        list->addItems(days);
    for (QComboBox* list : {cboYearM, cboYearF})
        list->addItems(years);
    for (QComboBox* list : {cboMonthM, cboDateM, cboYearM, cboMonthF, cboDateF, cboYearF})
        list->setCurrentIndex(0);
}

void frmMain::CoBrand_Randomize()
{
    switch (kinmatch::CoBrandChoice(program_.platform().randomUniform())) {
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
    kinmatch::Platform& platform = program_.platform();
    const std::pair<QLineEdit*, const char*> names[] = {
        {txtNameM, "Please Enter Your Name"}, {txtNameF, "Please Enter Your Partner's Name"}};
    for (const auto& [box, message] : names) {
        if (kinmatch::TrimBlanks(box->text()).isEmpty()) {
            platform.showMessage(QString::fromLatin1(message), MessageIcon::Critical);
            box->setFocus();
            return false;
        }
    }
    for (const PersonControls& person : {user(), partner()}) {
        const auto problem = mmn::CheckDayOfMonth(person.cboYear->currentText().toInt(),
                                                  person.cboMonth->currentIndex(),
                                                  person.cboDate->currentIndex() + 1);
        if (problem == mmn::DateProblem::NoSuchDayInFebruary) {
            platform.showMessage(QStringLiteral("Please Enter Correct Date Or Month!"),
                                 MessageIcon::Information);
            return false;
        }
        if (problem == mmn::DateProblem::NoThirtyFirst) {
            platform.showMessage(QStringLiteral("Please Enter Correct Date Or Month !"),
                                 MessageIcon::Information);
            return false;
        }
    }
    return true;
}

void frmMain::cmdCalculate_Click()
{
    if (!ValidateInputs())
        return;
    modMayanCompatibility::SharedRecords& records = program_.records();
    records.UserDetails = DetailsOf(user());
    records.PartnerDetails = DetailsOf(partner());
    for (const bool isUser : {true, false}) {
        const mmn::BirthDetails& details = isUser ? records.UserDetails : records.PartnerDetails;
        mmn::ComputeReading(records, details.BirthMonth, details.BirthDay, details.BirthYear,
                            isUser);
    }
    frmMayanCompatibilityResult* result = program_.resultWindow();
    result->ShowComposite(modMayanCompatibility::ComputeComposite(records));
    result->show();
    close();
    program_.hideSupportWindow();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!program_.ending())
        program_.showSupportWindow();
    event->accept();
}

namespace {
// Selects the item equal to text; any other text leaves the selection as it was.
void SetListText(QComboBox* list, const QString& text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
}
} // namespace

void frmMain::cmdOpen_Click()
{
    kinmatch::Platform& platform = program_.platform();
    const auto path = platform.askFileToOpen({QStringLiteral("Select the source file"),
                                              QStringLiteral("Mayan Astrology (*.man)"),
                                              QStringLiteral("man"), false});
    if (!path || path->isEmpty())
        return;
    OpenReadingFile(*path);
}

void frmMain::OpenReadingFile(const QString& path)
{
    // Only the name's last three characters are examined, and in this letter case.
    if (!path.endsWith(QLatin1String("man"), Qt::CaseSensitive)) {
        program_.platform().showMessage(QStringLiteral("Please Check The File."),
                                        MessageIcon::Critical);
        return;
    }
    const auto lines = kinmatch::LoadReadingFile(path);
    txtNameM->setText(lines[0]);
    SetListText(cboYearM, lines[1]);
    SetListText(cboMonthM, lines[2]);
    SetListText(cboDateM, lines[3]);
    cmdCalculate_Click();
}
