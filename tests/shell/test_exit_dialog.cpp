#include <gtest/gtest.h>

#include <QApplication>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>
#include <utility>

#include "common/test_support.h"
#include "services/platform.h"
#include "services/web_pages.h"
#include "shell/common_menu.h"
#include "shell/shell_windows.h"
#include "shell/tell_a_friend.h"
#include "shell/unload_all.h"

using qztest::seams;

class ExitDialog : public qztest::SeamTest {
 protected:
  frmNagScreen2& dialog = frmNagScreen2::instance();
  QLineEdit* box(const char* name) { return dialog.control<QLineEdit>(QString::fromLatin1(name)); }
  void submit() { ASSERT_TRUE(qztest::Click(dialog.control<QPushButton>(QStringLiteral("cmdSubmit")))); }
  void enter(const char* name, const QString& text) { ASSERT_TRUE(qztest::Enter(box(name), text)) << name; }
  void fillValid() {
    enter("txtName", QStringLiteral("  Ann Lee  "));
    enter("txtEmail", QStringLiteral("ann@example.com"));
    enter("txtFriendName", QStringLiteral("Bo"));
    enter("txtFriendEmail", QStringLiteral("bo@example.org"));
  }
  // Presses Tab in the focused control.
  void tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
};

TEST_F(ExitDialog, LoadDrawsOneSupportText) {
  for (int k = 0; k < 4; ++k) {
    platform::QueueRandom({k * 0.25f + 0.1f});
    dialog.Load();
    EXPECT_EQ(dialog.control<QLabel>(QStringLiteral("Label2"))->text(), frmNagScreen2::SupportTexts()[k]);
    EXPECT_EQ(dialog.control<QLabel>(QStringLiteral("lblNagScreen2Caption"))->text(),
              QStringLiteral("QZ Orbalinth v1.30"));
    EXPECT_FALSE(dialog.IsVisible());
    dialog.window()->deleteLater();  // reload without running the unload handler (which ends the program)
    ui::SetEndProcessHandler([](int code) { seams().endCalls.push_back(code); });
    dialog.Unload();
  }
  for (const QString& text : frmNagScreen2::SupportTexts()) EXPECT_TRUE(text.contains(SiteHost));
}

TEST_F(ExitDialog, ReferralChecksInTheirOrder) {
  dialog.Show();
  submit();  // untouched: the placeholders hold no "@"
  EXPECT_EQ(seams().lastPrompt(), QStringLiteral("Please Enter Proper Email Address"));
  EXPECT_EQ(seams().messages.back().style, ui::MsgStyle::Critical);

  enter("txtEmail", QStringLiteral("a@b.c"));
  // Blanks cannot be typed into an e-mail box, but pasted ones are trimmed away.
  ASSERT_TRUE(qztest::Paste(box("txtFriendEmail"), QStringLiteral(" a@b.c ")));
  submit();
  EXPECT_EQ(seams().lastPrompt(), QStringLiteral("Please Enter Distinct Email Addresses"));

  enter("txtFriendEmail", QStringLiteral("A@b.c"));  // other capitals pass
  submit();
  EXPECT_EQ(seams().lastPrompt(), QStringLiteral("Please Enter Your Name"));

  enter("txtFriendEmail", QStringLiteral("a@bc"));
  submit();
  EXPECT_EQ(seams().lastPrompt(), QStringLiteral("Please Enter Proper Email Address"));

  enter("txtFriendEmail", QStringLiteral("x@y.z"));
  enter("txtName", QStringLiteral("Ann"));
  submit();
  EXPECT_EQ(seams().lastPrompt(), QStringLiteral("Please Enter Your Friend's Name"));
  EXPECT_TRUE(seams().opened.isEmpty());
}

TEST_F(ExitDialog, ReferralAddressCarriesEncodedFields) {
  dialog.Show();
  fillValid();
  enter("txtName", QStringLiteral(" Ann & Co =#+% \u00e9 "));
  submit();
  ASSERT_EQ(seams().opened.size(), 1) << seams().lastPrompt().toStdString();
  const QString address = seams().opened[0];
  EXPECT_EQ(address, modTellAFriend::TellAFriendURL);
  EXPECT_TRUE(address.startsWith(PageScriptAddress + QStringLiteral("?page=qzdv-refer-a-friend&taf1=")));
  EXPECT_TRUE(address.endsWith(QStringLiteral("&taf6=") + ProductPageAddress));
  EXPECT_FALSE(address.contains(QLatin1Char('#')));
  // The site receives every field as typed (trimmed), the untouched message with its line break.
  const QUrlQuery query(QUrl(address).query(QUrl::FullyEncoded));
  EXPECT_EQ(query.queryItemValue(QStringLiteral("page")), QStringLiteral("qzdv-refer-a-friend"));
  EXPECT_EQ(QUrl::fromPercentEncoding(query.queryItemValue("taf1", QUrl::FullyEncoded).toLatin1()),
            QStringLiteral("Ann & Co =#+% \u00e9"));
  EXPECT_EQ(QUrl::fromPercentEncoding(query.queryItemValue("taf3", QUrl::FullyEncoded).toLatin1()),
            QStringLiteral("Your Message\r\n"));
  EXPECT_EQ(QUrl::fromPercentEncoding(query.queryItemValue("taf5", QUrl::FullyEncoded).toLatin1()),
            QStringLiteral("bo@example.org"));
  EXPECT_EQ(modTellAFriend::TellAFriendName, QStringLiteral("Ann & Co =#+% \u00e9"));
}

TEST_F(ExitDialog, PlaceholdersAndTheEmptiedMessage) {
  dialog.Show();
  QLineEdit* name = box("txtName");
  ASSERT_TRUE(qztest::Click(name));
  EXPECT_EQ(name->text(), QString());
  tab();
  ASSERT_TRUE(box("txtEmail")->hasFocus());
  EXPECT_EQ(name->text(), QStringLiteral("Your Name"));
  EXPECT_EQ(box("txtEmail")->text(), QString());

  // The message box lies outside the frame's visible part: Tab is the only way into it.
  auto* message = dialog.control<QPlainTextEdit>(QStringLiteral("txtMessage"));
  for (int i = 0; i < 4 && !message->hasFocus(); ++i) tab();
  ASSERT_TRUE(message->hasFocus());
  EXPECT_EQ(box("txtEmail")->text(), QStringLiteral("Your Email Address"));
  EXPECT_EQ(dialog.txtMessageText(), QStringLiteral("Your Message\r\n"));  // the line break keeps it
  QTest::keyClick(message, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(message, QStringLiteral("  "));
  EXPECT_EQ(dialog.txtMessageText(), QStringLiteral("  "));
  tab();
  EXPECT_FALSE(message->hasFocus());
  EXPECT_EQ(dialog.txtMessageText(), QStringLiteral("Your Message"));
  fillValid();
  submit();
  EXPECT_EQ(seams().lastPrompt(), QStringLiteral("Please Enter Your Message"));
}

TEST_F(ExitDialog, TabWalksEveryControlThroughTheUnseenMessage) {
  dialog.Show();
  qztest::Activate(dialog.window());
  QTest::mouseClick(box("txtName"), Qt::LeftButton);
  ASSERT_TRUE(box("txtName")->hasFocus());
  auto walk = [](Qt::Key key, int steps) {
    QStringList names;
    for (int i = 0; i < steps; ++i) {
      QTest::keyClick(QApplication::focusWidget(), key);
      names << QApplication::focusWidget()->objectName();
    }
    return names;
  };
  const QStringList cycle{"txtEmail",   "txtFriendName", "txtFriendEmail", "cmdSubmit",
                          "txtMessage", "Check1",        "cmdClose",       "txtName"};
  EXPECT_EQ(walk(Qt::Key_Tab, 8), cycle);
  EXPECT_EQ(walk(Qt::Key_Tab, 8), cycle);
  EXPECT_EQ(walk(Qt::Key_Backtab, 4), (QStringList{"cmdClose", "Check1", "txtMessage", "cmdSubmit"}));
  EXPECT_EQ(dialog.txtMessageText(), QStringLiteral("Your Message\r\n"));

  // What the user types into the boxes on the way goes into the referral; no tab character.
  for (const auto& [name, typed] : {std::pair{"txtName", "Ann"}, std::pair{"txtEmail", "ann@example.com"},
                                    std::pair{"txtFriendName", "Bo"}, std::pair{"txtFriendEmail", "bo@example.org"}}) {
    QTest::mouseClick(box(name), Qt::LeftButton);
    QTest::keyClicks(box(name), QString::fromLatin1(typed));
  }
  EXPECT_EQ(walk(Qt::Key_Tab, 3), (QStringList{"cmdSubmit", "txtMessage", "Check1"}));
  submit();
  ASSERT_EQ(seams().opened.size(), 1) << seams().lastPrompt().toStdString();
  const QUrlQuery query(QUrl(seams().opened[0]).query(QUrl::FullyEncoded));
  EXPECT_EQ(QUrl::fromPercentEncoding(query.queryItemValue("taf3", QUrl::FullyEncoded).toLatin1()),
            QStringLiteral("Your Message\r\n"));
  EXPECT_EQ(QUrl::fromPercentEncoding(query.queryItemValue("taf4", QUrl::FullyEncoded).toLatin1()),
            QStringLiteral("Bo"));
}

TEST_F(ExitDialog, SpaceInAnEmailBoxIsRefused) {
  dialog.Show();
  for (const char* name : {"txtEmail", "txtFriendEmail"}) {
    seams().messages.clear();
    QLineEdit* email = box(name);
    enter(name, QStringLiteral("ab"));
    QTest::keyClick(email, Qt::Key_Space);
    EXPECT_EQ(email->text(), QStringLiteral("ab")) << name;
    ASSERT_EQ(seams().messages.size(), 1u) << name;
    EXPECT_EQ(seams().lastPrompt(), QStringLiteral("Email Address Cannot Contain Space"));
    EXPECT_EQ(seams().messages.back().style, ui::MsgStyle::Critical);
    EXPECT_TRUE(email->hasFocus()) << name;
  }
  seams().messages.clear();
  enter("txtName", QStringLiteral("a b"));
  EXPECT_EQ(box("txtName")->text(), QStringLiteral("a b"));
  EXPECT_TRUE(seams().messages.empty());
}

TEST_F(ExitDialog, VisitCheckBoxOpensTheHomePageAndStaysCleared) {
  dialog.Show();
  auto* check = dialog.control<QCheckBox>(QStringLiteral("Check1"));
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(qztest::Click(check));
    EXPECT_FALSE(check->isChecked());
  }
  EXPECT_EQ(seams().opened, (QStringList{PageAddress("home-page"), PageAddress("home-page")}));
  QTest::mouseClick(dialog.control<QWidget>(QStringLiteral("lblGoToHome")), Qt::LeftButton);
  EXPECT_EQ(seams().opened.back(), PageAddress(QStringLiteral("dunmorrow")));
}

TEST_F(ExitDialog, ExitUnloadsEveryWindowThenEndsOnce) {
  frmMain::instance().Show();
  frmAbout::instance().Load();
  dialog.Show();
  ASSERT_TRUE(qztest::Click(dialog.control<QPushButton>(QStringLiteral("cmdClose"))));
  EXPECT_EQ(seams().endCalls, std::vector<int>{0});
  // The launcher's unload showed the exit dialog again during the pass; nothing else stays.
  EXPECT_FALSE(frmMain::instance().IsLoaded());
  EXPECT_FALSE(frmAbout::instance().IsLoaded());
}

TEST_F(ExitDialog, CloseBoxEndsTheProgram) {
  dialog.Show();
  dialog.window()->close();
  EXPECT_EQ(seams().endCalls, std::vector<int>{0});
  EXPECT_FALSE(dialog.IsLoaded());
}
