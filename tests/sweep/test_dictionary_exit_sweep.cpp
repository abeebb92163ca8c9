// The dictionary frame (without the web view) and the exit dialog's referral form under bad input.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>

#include "common/test_support.h"
#include "dictionary/core/web_address.h"
#include "dictionary/core/dictionary_store.h"
#include "dictionary/dictionary_test_support.h"
#include "dictionary/frm_mdi.h"
#include "dictionary/frm_numerology_dictionary_pb.h"
#include "shell/shell_windows.h"
#include "sweep/sweep_support.h"
#include "ui/controls.h"

using qztest::seams;

namespace {
const QString kCannotOpen = QStringLiteral("The numerology dictionary could not be opened.");

class DictionarySweep : public dicttest::DictionaryTest {
 protected:
  void SetUp() override {
    DictionaryTest::SetUp();
    ui::SetManualClock(true);
    seams().onModal = [](ui::Form& form) {
      auto& pb = frmNumerologyDictionaryPB::instance();
      if (&form != &pb) return;
      for (int tick = 0; tick < 100 && pb.IsLoaded(); ++tick) ui::AdvanceManualClock(100);
    };
  }
  void TearDown() override {
    sweep::SetImmutable(programDictionary(), false);
    sweep::CleanUpBadFiles();
    ui::SetManualClock(false);
    DictionaryTest::TearDown();
  }
  MDI& frame() { return MDI::instance(); }
  QLineEdit* box() { return frame().control<QLineEdit>("txtKey"); }

  // The dictionaries the program folder may hold; each is written in place of the last.
  struct Dict {
    const char* what;
    std::function<void(const QString&)> make;
    bool readable;
  };
  std::vector<Dict> dictionaries() {
    return {
        {"sound", [](const QString& p) { dicttest::WriteDictionary(p, dicttest::SampleRows()); }, true},
        {"missing", [](const QString& p) { QFile::remove(p); }, false},
        {"empty", [](const QString& p) { qztest::WriteAll(p, QByteArray()); }, false},
        {"corrupt",
         [](const QString& p) {
           QByteArray bytes;
           for (int i = 0; i < 8192; ++i) bytes.append(char((i * 131 + 7) & 0xFF));
           qztest::WriteAll(p, bytes);
         },
         false},
        {"truncated",
         [](const QString& p) {
           dicttest::WriteDictionary(p, dicttest::SampleRows());
           QFile(p).resize(1500);
         },
         false},
        {"of another key", [](const QString& p) { dicttest::WriteWithOtherKey(p, dicttest::SampleRows()); }, false},
        {"a folder", [](const QString& p) { QDir().mkpath(p); }, false},
        {"read-only (mode 444 and immutable)",
         [](const QString& p) {
           dicttest::WriteDictionary(p, dicttest::SampleRows());
           QFile::setPermissions(p, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
           sweep::SetImmutable(p, true);
         },
         true},
    };
  }
  void place(const Dict& d) {
    const QString p = programDictionary();
    sweep::SetImmutable(p, false);
    QDir(p).removeRecursively();
    QFile::remove(p);
    QFile::remove(userDictionary());
    d.make(p);
  }
};
}  // namespace

TEST_F(DictionarySweep, EveryDictionaryWithOddSearchTermsInEachMode) {
  for (const Dict& d : dictionaries()) {
    place(d);
    const QByteArray before = qztest::ReadAll(programDictionary());
    frame().Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    seams().messages.clear();
    frame().Show();
    EXPECT_EQ(frame().ListedKeys().isEmpty(), !d.readable) << d.what;
    for (const char* mode : {"optExact", "optWildCard"}) {
      if (auto* option = frame().control<QRadioButton>(mode)) {
        EXPECT_TRUE(sweep::Click(option)) << mode;
      }
      for (const sweep::NameCase& c : sweep::NameCases()) {
        const std::string what = std::string(d.what) + ", " + mode + ", " + c.what;
        seams().messages.clear();
        EXPECT_TRUE(sweep::Enter(box(), c.text)) << what;
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(sweep::Click(frame().control<QPushButton>("cmdSearch"))) << what;
        QTest::keyClick(box(), Qt::Key_Return);
        EXPECT_TRUE(sweep::Click(frame().control<QPushButton>("cmdDisplay"))) << what;
        EXPECT_LT(clock.elapsed(), 5000) << what;
        for (const ui::MsgBoxCall& m : seams().messages) EXPECT_FALSE(m.prompt.isEmpty()) << what;
        if (!d.readable && !c.text.trimmed().isEmpty()) {
          ASSERT_FALSE(seams().messages.empty()) << what;
          EXPECT_TRUE(seams().messages[0].prompt.startsWith(kCannotOpen)) << what << ": "
                                                                         << seams().messages[0].prompt.toStdString();
        }
      }
    }
    EXPECT_EQ(qztest::ReadAll(programDictionary()), before) << d.what;
  }
}

TEST_F(DictionarySweep, MergesOfBadUpdatesChangeNothing) {
  dicttest::WriteDictionary(programDictionary(), dicttest::SampleRows());
  dictionary::SetProgramFolderWritable(true);
  frame().Show();
  std::vector<sweep::BadFile> updates = sweep::BadFiles("dll", QByteArray("SQLite format 3"));
  const QString otherKey = tempFile("other-key.dll");
  dicttest::WriteWithOtherKey(otherKey, {{"N", "https://n", "astro"}});
  updates.push_back({"of another key", otherKey});
  const QString same = tempFile("same.dll");
  QFile::copy(programDictionary(), same);
  updates.push_back({"the dictionary itself", programDictionary()});
  const QByteArray before = qztest::ReadAll(programDictionary());
  for (const sweep::BadFile& u : updates) {
    seams().messages.clear();
    seams().fileAnswers.push_back(u.path);
    const sweep::FifoWatch watch(u.path);
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(sweep::MenuItem(frame().window(), Qt::Key_F, Qt::Key_U));
    EXPECT_LT(clock.elapsed(), 10000) << u.what;
    ASSERT_EQ(seams().messages.size(), 1u) << u.what;
    EXPECT_FALSE(seams().messages[0].prompt.startsWith("Numerology Dictionary Successfully Updated")) << u.what;
    EXPECT_EQ(qztest::ReadAll(programDictionary()), before) << u.what;
  }
  // Into a dictionary that is missing, corrupt or of another key: it says so and changes nothing.
  const QString update = tempFile("good-update.dll");
  dicttest::WriteDictionary(update, {{"Zodiac", "https://example.org/zodiac", "astro"}});
  for (const Dict& d : dictionaries()) {
    if (d.readable) continue;
    place(d);
    const QByteArray target = qztest::ReadAll(programDictionary());
    seams().messages.clear();
    seams().fileAnswers.push_back(update);
    EXPECT_TRUE(sweep::MenuItem(frame().window(), Qt::Key_F, Qt::Key_U));
    ASSERT_EQ(seams().messages.size(), 1u) << d.what;
    EXPECT_FALSE(seams().messages[0].prompt.startsWith("Numerology Dictionary Successfully Updated")) << d.what;
    EXPECT_EQ(qztest::ReadAll(programDictionary()), target) << d.what;
  }
  // Into a dictionary nobody may write, root included: the program's copy keeps its bytes and
  // the message tells the truth (a success means the user's own copy holds the new row).
  for (std::optional<bool> writable : {std::optional<bool>(true), std::optional<bool>()}) {
    place(dictionaries().back());
    dictionary::SetProgramFolderWritable(writable);
    const QByteArray target = qztest::ReadAll(programDictionary());
    seams().messages.clear();
    seams().fileAnswers.push_back(update);
    EXPECT_TRUE(sweep::MenuItem(frame().window(), Qt::Key_F, Qt::Key_U));
    ASSERT_EQ(seams().messages.size(), 1u);
    EXPECT_EQ(qztest::ReadAll(programDictionary()), target);
    if (seams().messages[0].prompt.startsWith("Numerology Dictionary Successfully Updated")) {
      ASSERT_TRUE(QFile::exists(userDictionary())) << writable.has_value();
      EXPECT_EQ(dicttest::ReadRows(userDictionary()).last().Key, "Zodiac");
    }
  }
}

// --- The exit dialog's referral form ------------------------------------------------------

namespace {
class ReferralSweep : public qztest::SeamTest {
 protected:
  frmNagScreen2& dialog = frmNagScreen2::instance();
  QLineEdit* box(const char* name) { return dialog.control<QLineEdit>(QString::fromLatin1(name)); }
  void TearDown() override {
    if (dialog.IsLoaded()) dialog.Hide();
  }
};
}  // namespace

TEST_F(ReferralSweep, OddNamesAndAddressesGiveAMessageOrAWellFormedAddress) {
  dialog.Show();
  const char* fields[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};
  for (const sweep::NameCase& c : sweep::NameCases()) {
    for (const char* field : fields) {
      const std::string what = std::string(c.what) + " in " + field;
      EXPECT_TRUE(sweep::Enter(box("txtName"), "Ann"));
      EXPECT_TRUE(sweep::Enter(box("txtEmail"), "ann@example.com"));
      EXPECT_TRUE(sweep::Enter(box("txtFriendName"), "Bo"));
      EXPECT_TRUE(sweep::Enter(box("txtFriendEmail"), "bo@example.org"));
      EXPECT_TRUE(sweep::Enter(box(field), QString(field).contains("Email") ? c.text + "@x.org" : c.text)) << what;
      seams().messages.clear();
      seams().opened.clear();
      EXPECT_TRUE(sweep::Click(dialog.control<QPushButton>("cmdSubmit"))) << what;
      if (!seams().messages.empty()) {
        EXPECT_TRUE(seams().opened.isEmpty()) << what;
        EXPECT_FALSE(seams().lastPrompt().isEmpty()) << what;
        continue;
      }
      ASSERT_EQ(seams().opened.size(), 1) << what;
      const QString address = seams().opened[0];
      const QUrl url(address, QUrl::StrictMode);
      EXPECT_TRUE(url.isValid()) << what << ": " << address.left(200).toStdString();
      for (QChar ch : address) EXPECT_TRUE(ch.unicode() > 0x20 && ch.unicode() < 0x7F) << what;
    }
  }
}
