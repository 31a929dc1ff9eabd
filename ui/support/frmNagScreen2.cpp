#include "frmNagScreen2.h"

#include "Blanks.h"
#include "Controls.h"
#include "Links.h"
#include "Placement.h"
#include "modHelp.h"
#include "modTellAFriend.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using look::Twips;
using modTellAFriend::ReferAFriendForm;

namespace {

const char* const PlaceholderProperty = "placeholder";

template <typename Box>
Box* AddBox(QWidget* parent, QString ReferAFriendForm::*field, const QRect& geometry)
{
    const QString placeholder = modTellAFriend::PlaceholderOf(field);
    auto* box = new Box(parent);
    for (const modTellAFriend::FormBox& row : modTellAFriend::FormBoxes)
        if (row.field == field)
            box->setObjectName(QString::fromLatin1(row.objectName));
    box->setProperty(PlaceholderProperty, placeholder);
    box->setAccessibleName(placeholder);
    box->setGeometry(geometry);
    box->setFont(look::UiFont()); // not the frame's bold caption font
    return box;
}

} // namespace

std::array<QString, frmNagScreen2::SupportMessageCount> frmNagScreen2::SupportMessages()
{
    const QString site = modHelp::MainSiteForDisplay();
    return {
        tr("Programs like Kinmatch can only be created and maintained with your support. Please "
           "visit the Quorvane Softwares forum at %1 regularly and take part in its discussions "
           "and activities, so that we can keep developing this and our other programs.")
            .arg(site),
        tr("We cannot support and maintain Kinmatch and our other programs without your regular "
           "visits. Please drop in at the Quorvane Softwares forum, %1, often and join in its "
           "discussions and activities.")
            .arg(site),
        tr("The Quorvane Softwares forum at %1 is a free online discussion forum for all things "
           "mystic. Visit it regularly and take part in its discussions and activities: your "
           "visits keep this and our other programs developed and maintained.")
            .arg(site),
        tr("Our forum at %1 needs your help. Visiting it regularly and taking part in its "
           "discussions and activities is what keeps Kinmatch and the other Quorvane Softwares "
           "programs developed and maintained.")
            .arg(site),
    };
}

frmNagScreen2::frmNagScreen2(kinmatch::Platform& platform) : platform_(platform)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    // Stays above other windows, and showing it takes the focus from them only as Show asks.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(look::UiFont());
    setFixedSize(741, 315);

    auto* Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(Twips(120, 120, 540, 540));
    Picture1->setPixmap(look::ProgramPicture(this, 36));
    Picture1->setAccessibleName(tr("Kinmatch"));
    look::AddLabel(this, "Label1", look::Title(), Twips(840, 240, 6375, 435),
                   {look::UiFont(12, true)});
    QLabel* Label2 =
        look::AddLabel(this, "Label2", QString(), Twips(120, 840, 6975, 1095),
                       {look::UiFont(), Qt::black, Qt::AlignLeft | Qt::AlignTop, true});

    auto* Check1 =
        new QCheckBox(tr("Click Here To Visit %1 Now").arg(modHelp::MainSiteForDisplay()), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(Twips(30, 2040, 7185, 555));
    connect(Check1, &QCheckBox::clicked, this, [Check1, &platform](bool ticked) {
        if (!ticked)
            return;
        Check1->setChecked(false);
        modHelp::OpenHomePage(platform);
    });

    QPushButton* cmdClose =
        look::AddButton(this, "cmdClose", tr("E&xit"), Twips(6000, 2760, 1245, 375));
    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::endRequested);

    QGroupBox* Frame2 =
        look::AddFrame(this, "Frame2", tr("Refer A Friend"), Twips(120, 3240, 7065, 1455),
                       palette().color(QPalette::Window), Qt::black, look::UiFont(8.25, true));
    auto* txtName = AddBox<QLineEdit>(Frame2, &ReferAFriendForm::name, Twips(85, 360, 3375, 285));
    auto* txtEmail =
        AddBox<QLineEdit>(Frame2, &ReferAFriendForm::email, Twips(3600, 360, 3375, 285));
    auto* txtFriendName =
        AddBox<QLineEdit>(Frame2, &ReferAFriendForm::friendName, Twips(85, 720, 3375, 285));
    auto* txtFriendEmail =
        AddBox<QLineEdit>(Frame2, &ReferAFriendForm::friendEmail, Twips(3600, 720, 3375, 285));
    QPushButton* cmdSubmit = look::AddButton(Frame2, "cmdSubmit", tr("Refer A Friend &Now"),
                                             Twips(1920, 1080, 3375, 285));
    connect(cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    // Placed below the frame's visible area, as it always was: out of sight, yet in the tab
    // order and sent with every request.
    txtMessage =
        AddBox<QPlainTextEdit>(Frame2, &ReferAFriendForm::message, Twips(4800, 3600, 1815, 495));
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    for (QWidget* box :
         std::initializer_list<QWidget*>{txtName, txtEmail, txtFriendName, txtFriendEmail})
        setTextOf(box, box->property(PlaceholderProperty).toString());
    setTextOf(txtMessage,
              modTellAFriend::PlaceholderOf(&ReferAFriendForm::message) + QStringLiteral("\r\n"));

    QGroupBox* Frame6 = look::AddFrame(
        this, "Frame6", tr("Download Quorvane Softwares"), Twips(7320, 120, 3735, 4575),
        palette().color(QPalette::Window), Qt::black, look::UiFont(8.25, true));
    look::AddLabel(Frame6, "Label3",
                   tr("Enjoyed Kinmatch? Quorvane Softwares makes a large range of other programs "
                      "for every seeker: astrology, psychic and tarot readings, numerology, and "
                      "software on the occult.\n\nEach is as easy to use as this one, and many of "
                      "them are free to try. Have a look at them all and find your next "
                      "favourite."),
                   Twips(120, 360, 3495, 3855),
                   {look::UiFont(), Qt::black, Qt::AlignLeft | Qt::AlignTop, true});
    auto* lblGoToHome = look::AddLink(
        Frame6, "lblGoToHome", tr("Click Here To Visit Quorvane Softwares"),
        Twips(75, 4250, 3585, 210), {look::UiFont(), look::LinkBlue, Qt::AlignCenter});
    connect(lblGoToHome, &look::LinkLabel::clicked, this,
            [&platform] { modHelp::OpenSoftwareCatalogue(platform); });

    for (QWidget* box : std::initializer_list<QWidget*>{txtName, txtEmail, txtFriendName,
                                                        txtFriendEmail, txtMessage})
        box->installEventFilter(this);
    const QList<QWidget*> tabOrder = {cmdClose, Check1,         txtName,       cmdSubmit,
                                      txtEmail, txtFriendEmail, txtFriendName, txtMessage};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // Load: one of the support messages, at random.
    platform.seedRandomFromClock();
    const int message =
        std::clamp(int(platform.randomUniform() * SupportMessageCount), 0, SupportMessageCount - 1);
    Label2->setText(SupportMessages()[std::size_t(message)]);
    Label2->setAccessibleName(Label2->text());

    look::FinishWindow(this);
    cmdClose->setFocus();
}

// A multi-line box's lines end in CR LF, as they always have in this form.
QString frmNagScreen2::textOf(QObject* box) const
{
    if (box == txtMessage)
        return txtMessage->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return static_cast<QLineEdit*>(box)->text();
}

void frmNagScreen2::setTextOf(QObject* box, const QString& text)
{
    if (box == txtMessage)
        txtMessage->setPlainText(QString(text).remove(QLatin1Char('\r')));
    else
        static_cast<QLineEdit*>(box)->setText(text);
}

bool frmNagScreen2::eventFilter(QObject* watched, QEvent* event)
{
    const QString placeholder = watched->property(PlaceholderProperty).toString();
    if (placeholder.isEmpty())
        return QWidget::eventFilter(watched, event);
    const bool emailBox = watched->objectName() == QLatin1String("txtEmail") ||
                          watched->objectName() == QLatin1String("txtFriendEmail");
    switch (event->type()) {
    case QEvent::FocusIn:
        if (kinmatch::TrimBlanks(textOf(watched)) == placeholder)
            setTextOf(watched, QString());
        break;
    case QEvent::FocusOut:
        if (kinmatch::TrimBlanks(textOf(watched)).isEmpty())
            setTextOf(watched, placeholder);
        break;
    case QEvent::KeyPress:
        // A typed blank is refused in an e-mail address; a pasted one is left for the trim.
        if (emailBox && static_cast<QKeyEvent*>(event)->text() == QLatin1String(" ")) {
            platform_.showMessage(tr("Email Address Cannot Contain Space"),
                                  kinmatch::MessageIcon::Critical);
            static_cast<QWidget*>(watched)->setFocus();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmNagScreen2::cmdSubmit_Click()
{
    ReferAFriendForm form;
    for (const modTellAFriend::FormBox& box : modTellAFriend::FormBoxes)
        form.*box.field = textOf(findChild<QWidget*>(QString::fromLatin1(box.objectName)));
    const auto outcome = modTellAFriend::SendReferAFriendRequest(form);
    if (!outcome.refusal.isEmpty())
        platform_.showMessage(outcome.refusal, kinmatch::MessageIcon::Critical);
    else
        modHelp::OpenWebPage(platform_, outcome.address);
}

void frmNagScreen2::Show(bool takeFocus)
{
    takesFocus_ = takeFocus;
    setAttribute(Qt::WA_ShowWithoutActivating, !takeFocus);
    show();
    if (takeFocus) {
        raise();
        activateWindow();
    }
}

void frmNagScreen2::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!takesFocus_)
        look::ShowWithoutTakingFocus(this);
}

void frmNagScreen2::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit endRequested();
}
