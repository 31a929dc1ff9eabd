#include "modTellAFriend.h"

#include "Blanks.h"
#include "modHelp.h"

#include <QCoreApplication>
#include <QUrl>

namespace modTellAFriend {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(modTellAFriend)
};
} // namespace

QString PlaceholderOf(QString ReferAFriendForm::*field)
{
    for (const FormBox& box : FormBoxes)
        if (box.field == field)
            return QCoreApplication::translate("modTellAFriend", box.placeholder);
    return {};
}

ReferAFriendOutcome SendReferAFriendRequest(const ReferAFriendForm& form)
{
    using kinmatch::TrimBlanks;
    const QString taf1 = TrimBlanks(form.name);
    const QString taf2 = TrimBlanks(form.email);
    const QString taf3 = TrimBlanks(form.message);
    const QString taf4 = TrimBlanks(form.friendName);
    const QString taf5 = TrimBlanks(form.friendEmail);
    const auto unfilled = [](const QString& value, QString ReferAFriendForm::*field) {
        return value.isEmpty() || value == PlaceholderOf(field);
    };

    if (taf2 == taf5)
        return {Text::tr("Please Enter Distinct Email Addresses"), {}};
    for (const QChar required : {QLatin1Char('@'), QLatin1Char('.')})
        if (!taf2.contains(required) || !taf5.contains(required))
            return {Text::tr("Please Enter Proper Email Address"), {}};
    if (unfilled(taf1, &ReferAFriendForm::name))
        return {Text::tr("Please Enter Your Name"), {}};
    if (unfilled(taf3, &ReferAFriendForm::message))
        return {Text::tr("Please Enter Your Message"), {}};
    if (unfilled(taf4, &ReferAFriendForm::friendName))
        return {Text::tr("Please Enter Your Friend's Name"), {}};

    // Each value is percent-encoded, so that "&", "#", "%" or a line break in it can neither
    // cut the request short nor add fields to it.
    const auto value = [](const QString& text) {
        return QString::fromLatin1(QUrl::toPercentEncoding(text));
    };
    const QString address = modHelp::MainSite() + QStringLiteral("/ostra-refer-a-friend.php?") +
                            QStringLiteral("taf1=") + value(taf1) + QStringLiteral("&taf2=") +
                            value(taf2) + QStringLiteral("&taf3=") + value(taf3) +
                            QStringLiteral("&taf4=") + value(taf4) + QStringLiteral("&taf5=") +
                            value(taf5) + QStringLiteral("&taf6=") + modHelp::ProgramSite() +
                            QLatin1Char('/');
    return {{}, address};
}

} // namespace modTellAFriend
