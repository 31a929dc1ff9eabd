#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>

namespace modTellAFriend {

// The refer-a-friend form as the user left it.
struct ReferAFriendForm {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// Each box of the form with the text it shows until the user fills it in, in the form's order.
struct FormBox {
    QString ReferAFriendForm::*field;
    const char* objectName;
    const char* placeholder; // translated in the context "modTellAFriend"
};
inline constexpr std::array<FormBox, 5> FormBoxes = {{
    {&ReferAFriendForm::name, "txtName", QT_TRANSLATE_NOOP("modTellAFriend", "Your Name")},
    {&ReferAFriendForm::email, "txtEmail",
     QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address")},
    {&ReferAFriendForm::message, "txtMessage", QT_TRANSLATE_NOOP("modTellAFriend", "Your Message")},
    {&ReferAFriendForm::friendName, "txtFriendName",
     QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name")},
    {&ReferAFriendForm::friendEmail, "txtFriendEmail",
     QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address")},
}};

// The placeholder of the box that holds field, as the user sees it.
QString PlaceholderOf(QString ReferAFriendForm::*field);

// Either the refusal to show or the request address to open.
struct ReferAFriendOutcome {
    QString refusal;
    QString address;
};

// Checks the form in a fixed order and builds the request: the maker's refer-a-friend page with
// the five values, each trimmed of blanks and percent-encoded, and this program's site.
ReferAFriendOutcome SendReferAFriendRequest(const ReferAFriendForm& form);

} // namespace modTellAFriend
