#pragma once

#include <QString>

namespace modTellAFriend {

// The refer-a-friend form as the user left it.
struct ReferAFriendForm {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// Either the refusal to show or the request address to open.
struct ReferAFriendOutcome {
    QString refusal;
    QString address;
};

// Checks the form in a fixed order and builds the request: the maker's refer-a-friend page with
// the five values, each trimmed of blanks and percent-encoded, and this program's site.
ReferAFriendOutcome SendReferAFriendRequest(const ReferAFriendForm& form);

} // namespace modTellAFriend
