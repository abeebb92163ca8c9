#pragma once
// The refer-a-friend data and the address that carries it to the site.
#include <QString>

struct modTellAFriend {
  static QString TellAFriendName;
  static QString TellAFriendEmail;
  static QString TellAFriendMessage;
  static QString TellAFriendFriendName;
  static QString TellAFriendFriendEmail;
  static QString TellAFriendURL;
};

// The referral address of the stored fields; each user field percent-encoded (UTF-8).
QString TellAFriendAddress();
// Checks the stored fields in order; the first that is empty or still its placeholder
// gives its message. With all present, builds TellAFriendURL and opens it.
void SubmitTellAFriend();
void OpenTellAFriendPage();
