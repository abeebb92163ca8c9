// The name and birth numbers window and the I Ching window under bad input.
#include <gtest/gtest.h>

#include <algorithm>

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "common/test_support.h"
#include "iching/frm_iching_numerology_main.h"
#include "namebirth/core/numerology_software.h"
#include "namebirth/frm_numerology_software_one.h"
#include "reading/core/reading_file.h"
#include "services/text_rules.h"
#include "shell/shell_windows.h"
#include "sweep/sweep_support.h"

using qztest::seams;

namespace {
bool isNumber(const QString& text) {
  bool ok = false;
  text.toInt(&ok);
  return ok;
}

class NamebirthSweep : public qztest::SeamTest {
 protected:
  frmNumerologySoftwareOne& form = frmNumerologySoftwareOne::instance();
  void SetUp() override {
    SeamTest::SetUp();
    qztest::RestoreProgramFolder();
  }
  void TearDown() override {
    form.Unload();
    if (frmMain::instance().IsLoaded()) frmMain::instance().Hide();
  }
  QLineEdit* box(const char* name) { return form.control<QLineEdit>(name); }
  QComboBox* combo(const char* name) { return form.control<QComboBox>(name); }
  // Enters the fields and presses Calculate; true when the results are shown (a refused
  // date leaves the window expanded and empty, with its message).
  bool calculate(const QString& name, const QString& day, const QString& month, const QString& year) {
    form.Unload();
    form.Show();
    seams().messages.clear();
    EXPECT_TRUE(sweep::Enter(box("Text1"), name));
    EXPECT_TRUE(sweep::Enter(combo("myday")->lineEdit(), day));
    EXPECT_TRUE(sweep::Enter(combo("Combo1")->lineEdit(), month));
    EXPECT_TRUE(sweep::Enter(combo("myyear")->lineEdit(), year));
    EXPECT_TRUE(sweep::Click(form.control<QPushButton>("option1")));
    const bool shown = seams().messages.empty();
    if (!shown) {
      EXPECT_TRUE(box("Text2")->text().isEmpty());
      EXPECT_TRUE(form.control<QLabel>("zodiac")->text().isEmpty());
      EXPECT_TRUE(box("Text1")->isEnabled());
    }
    return shown;
  }
  // The results are whole: numbers in the number boxes, a meaning and a sign.
  void expectSound(const std::string& what) {
    EXPECT_TRUE(seams().messages.empty()) << what << ": " << seams().lastPrompt().toStdString();
    EXPECT_TRUE(isNumber(box("Text2")->text()) || box("Text2")->text().isEmpty()) << what;
    EXPECT_TRUE(isNumber(box("Text7")->text())) << what << " " << box("Text7")->text().toStdString();
    EXPECT_FALSE(form.control<QLabel>("zodiac")->text().isEmpty()) << what;
  }
};
}  // namespace

TEST_F(NamebirthSweep, NamesOfEveryLengthScriptAndControlCharacter) {
  for (const sweep::NameCase& c : sweep::NameCases()) {
    QElapsedTimer clock;
    clock.start();
    const bool shown = calculate(c.text, "06", "August", "1979");
    EXPECT_LT(clock.elapsed(), 5000) << c.what;
    if (c.text.isEmpty()) {
      EXPECT_FALSE(shown) << c.what;
      ASSERT_EQ(seams().messages.size(), 1u) << c.what;
      EXPECT_EQ(seams().messages[0].prompt, "You Must Enter Your Full Name.") << c.what;
      continue;
    }
    ASSERT_TRUE(shown) << c.what << ": " << seams().lastPrompt().toStdString();
    expectSound(c.what);
  }
}

TEST_F(NamebirthSweep, DatesAtTheEdgesAndTypedIntoTheLists) {
  for (const sweep::DateCase& c : sweep::DateCases(1900, 2010)) {
    const bool shown = calculate("ANNA", QString::number(c.day), sweep::MonthName(c.month), QString::number(c.year));
    // The window checks only that the date falls in a sign's range: 29 February counts in
    // every year (Pisces), as its digits still give a birth number.
    if (!c.valid && !(c.day == 29 && c.month == 2)) {
      EXPECT_FALSE(shown) << c.what;
      ASSERT_FALSE(seams().messages.empty()) << c.what;
      EXPECT_TRUE(seams().messages.back().prompt.contains("Invalid Birthdate")) << c.what;
      continue;
    }
    ASSERT_TRUE(shown) << c.what << ": " << seams().lastPrompt().toStdString();
    expectSound(c.what);
  }
  // The lists take typed text: each of these is refused with the message.
  struct Typed {
    const char* what;
    QString day, month, year;
  };
  const Typed typed[] = {
      {"day 0", "0", "August", "1979"},
      {"day 32", "32", "August", "1979"},
      {"day -1", "-1", "August", "1979"},
      {"day of letters", "ab", "August", "1979"},
      {"day too long", QString(10000, '9'), "August", "1979"},
      {"month not a month", "06", "Augustus", "1979"},
      {"month in capitals", "06", "AUGUST", "1979"},
      {"month of control characters", "06", "Aug\tust\n", "1979"},
      {"year 0", "06", "August", "0"},
      {"year of letters", "06", "August", "19x9"},
      {"year of five digits", "06", "August", "19790"},
      {"blank year", "06", "August", "   "},
      {"emoji", "😀", "August", "1979"},
  };
  for (const Typed& t : typed) {
    const bool shown = calculate("ANNA", t.day, t.month, t.year);
    if (shown) {
      expectSound(t.what);
    } else {
      ASSERT_FALSE(seams().messages.empty()) << t.what;
      EXPECT_TRUE(seams().messages.back().prompt.contains("Invalid Birthdate")) << t.what;
    }
  }
}

// --- I Ching -------------------------------------------------------------------------

namespace {
class IchingSweep : public qztest::SeamTest {
 protected:
  frmIChingNumerologyMain& form = frmIChingNumerologyMain::instance();
  void SetUp() override {
    SeamTest::SetUp();
    form.Unload();
    form.Show();
  }
  void TearDown() override {
    sweep::CleanUpBadFiles();
    form.Unload();
    if (frmMain::instance().IsLoaded()) frmMain::instance().Hide();
    if (frmNagScreen2::instance().IsLoaded()) frmNagScreen2::instance().Hide();
  }
  QLineEdit* box(const char* name) { return form.control<QLineEdit>(name); }
  QString page() { return form.control<QStackedWidget>("pages")->currentWidget()->objectName(); }
  void back() {
    if (page() == "Frame2") {
      EXPECT_TRUE(sweep::Click(form.control<QPushButton>("cmdBack")));
    }
  }
  // The result page, with the four name lines filled (the suggestion lines may be empty).
  void expectSound(const std::string& what) {
    EXPECT_EQ(page(), "Frame2") << what;
    for (int i = 0; i < 4; ++i)
      EXPECT_FALSE(form.control<QLabel>(frmIChingNumerologyMain::lblResultName(i))->text().isEmpty()) << what << i;
  }
};
}  // namespace

TEST_F(IchingSweep, NamesOfEveryLengthScriptAndControlCharacter) {
  for (const sweep::NameInBox& n : sweep::NamesInBoxes({"txtNameFirst", "txtNameMiddle", "txtNameLast"})) {
    const std::string& what = n.what;
    back();
    seams().messages.clear();
    EXPECT_TRUE(sweep::Enter(box("txtNameFirst"), "ANN"));
    EXPECT_TRUE(sweep::Enter(box("txtNameMiddle"), QString()));
    EXPECT_TRUE(sweep::Enter(box("txtNameLast"), "LEE"));
    // The boxes refuse a typed key that is no letter with a message: a name of letters is
    // typed, the rest comes by paste.
    const bool typed = std::all_of(n.name.text.begin(), n.name.text.end(),
                                   [](QChar ch) { return (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z'); });
    EXPECT_TRUE(typed ? sweep::Enter(box(n.box), n.name.text) : sweep::Paste(box(n.box), n.name.text));
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(sweep::Click(form.control<QPushButton>("cmdNext")));
    EXPECT_LT(clock.elapsed(), 5000) << what;
    // Blank names pass this window's check and count nothing; only an empty one is refused.
    if (box(n.box)->text().isEmpty() && QByteArray(n.box) != "txtNameMiddle") {
      ASSERT_EQ(seams().messages.size(), 1u) << what;
      EXPECT_EQ(page(), "Frame1") << what;
      continue;
    }
    EXPECT_TRUE(seams().messages.empty()) << what << ": " << seams().lastPrompt().toStdString();
    expectSound(what);
  }
}

TEST_F(IchingSweep, OpenOfBadFiles) {
  const reading::Person good{"JOHN", "PAUL", "SMITH", "October", "29", "1999"};
  for (const sweep::BadFile& f : sweep::BadFiles("num", reading::ReadingFile::ToBytes(good))) {
    back();
    seams().messages.clear();
    EXPECT_TRUE(sweep::Enter(box("txtNameFirst"), "ANN"));
    EXPECT_TRUE(sweep::Enter(box("txtNameLast"), "LEE"));
    SCOPED_TRACE(std::string("IchingSweep: ") + f.what);
    const QByteArray before = sweep::OpenQuickly(form.control<QPushButton>("cmdOpen"), f);
    if (f.sound) {
      EXPECT_TRUE(seams().messages.empty()) << f.what << ": " << seams().lastPrompt().toStdString();
      EXPECT_EQ(box("txtNameFirst")->text(), "JOHN") << f.what;
      expectSound(f.what);
    } else if (seams().messages.empty()) {
      // A cut-short file that still holds a first and a last name: their reading shows.
      EXPECT_FALSE(box("txtNameFirst")->text().isEmpty()) << f.what;
      EXPECT_FALSE(box("txtNameLast")->text().isEmpty()) << f.what;
      expectSound(f.what);
    } else {
      // The file's message, or names that fail the check's message.
      ASSERT_EQ(seams().messages.size(), 1u) << f.what;
      EXPECT_FALSE(seams().messages[0].prompt.isEmpty()) << f.what;
      EXPECT_EQ(page(), "Frame1") << f.what;
    }
    if (f.unreadable) {
      ASSERT_EQ(seams().messages.size(), 1u) << f.what;
      EXPECT_EQ(seams().messages[0].prompt, frmIChingNumerologyMain::kUnreadableFile) << f.what;
      EXPECT_EQ(seams().messages[0].style, ui::MsgStyle::Critical) << f.what;
    }
    if (!before.isEmpty()) {
      EXPECT_EQ(qztest::ReadAll(f.path), before) << f.what;
    }
  }
}
