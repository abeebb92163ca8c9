#include "shell/tell_a_friend.h"

#include <QUrl>

#include "services/platform.h"
#include "services/web_pages.h"
#include "ui/msgbox.h"

QString modTellAFriend::TellAFriendName;
QString modTellAFriend::TellAFriendEmail;
QString modTellAFriend::TellAFriendMessage;
QString modTellAFriend::TellAFriendFriendName;
QString modTellAFriend::TellAFriendFriendEmail;
QString modTellAFriend::TellAFriendURL;

namespace {
QString encoded(const QString& value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); }
}  // namespace

QString TellAFriendAddress() {
  using M = modTellAFriend;
  return PageScriptAddress + QStringLiteral("?page=qzdv-refer-a-friend") + QStringLiteral("&taf1=") +
         encoded(M::TellAFriendName) + QStringLiteral("&taf2=") + encoded(M::TellAFriendEmail) +
         QStringLiteral("&taf3=") + encoded(M::TellAFriendMessage) + QStringLiteral("&taf4=") +
         encoded(M::TellAFriendFriendName) + QStringLiteral("&taf5=") + encoded(M::TellAFriendFriendEmail) +
         QStringLiteral("&taf6=") + ProductPageAddress;
}

void SubmitTellAFriend() {
  using M = modTellAFriend;
  const struct {
    const QString& value;
    const char* placeholder;
    const char* message;
  } fields[] = {
      {M::TellAFriendName, "Your Name", "Please Enter Your Name"},
      {M::TellAFriendEmail, "Your Email Address", "Please Enter Your Email"},
      {M::TellAFriendMessage, "Your Message", "Please Enter Your Message"},
      {M::TellAFriendFriendName, "Friend's Name", "Please Enter Your Friend's Name"},
      {M::TellAFriendFriendEmail, "Friend's Email Address", "Please Enter Your Friend's Email"},
  };
  for (const auto& f : fields) {
    if (f.value.isEmpty() || f.value == QLatin1String(f.placeholder)) {
      ui::MsgBox(QString::fromUtf8(f.message), ui::MsgStyle::Critical);
      return;
    }
  }
  M::TellAFriendURL = TellAFriendAddress();
  OpenTellAFriendPage();
}

void OpenTellAFriendPage() { platform::ShellOpen(modTellAFriend::TellAFriendURL); }
