// The reading's input, result, display and save windows under bad input.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/test_support.h"
#include "reading/core/comprehensive.h"
#include "reading/core/reading_file.h"
#include "reading/core/reading_numbers.h"
#include "reading/frm_numerology_pro_disp.h"
#include "reading/frm_numerology_pro_main.h"
#include "reading/frm_numerology_pro_result.h"
#include "reading/frm_numerology_pro_save.h"
#include "services/text_rules.h"
#include "shell/shell_windows.h"
#include "sweep/sweep_support.h"
#include "ui/rich_text_box.h"

using qztest::seams;

namespace {
frmNumerologyProMain& input() { return frmNumerologyProMain::instance(); }
frmNumerologyProResult& result() { return frmNumerologyProResult::instance(); }
frmNumerologyProsave& comprehensive() { return frmNumerologyProsave::instance(); }
QLineEdit* box(const char* name) { return input().control<QLineEdit>(name); }
QComboBox* list(const char* name) { return input().control<QComboBox>(name); }

class ReadingSweep : public sweep::WindowSweep {
 protected:
  void SetUp() override {
    WindowSweep::SetUp();
    qztest::SetToday(QDate(2024, 3, 15));
    restart();
  }
  void restart() {
    Restart(input());
    seams().onModal = [this](ui::Form& form) {
      ++modalShows;
      if (auto* report = dynamic_cast<ReadingReportWindow*>(&form)) lastText = report->RTB()->Text();
    };
  }
  void pick(const char* name, const QString& text) {
    ASSERT_TRUE(sweep::Choose(list(name), text));
    ASSERT_EQ(list(name)->currentText(), text) << name;
  }
  // Next, then every number and the comprehensive reading: each must show its text.
  void readEverything(const std::string& what) {
    for (const reading::ReadingNumber& n : reading::ReadingNumbers()) {
      modalShows = 0;
      lastText.clear();
      EXPECT_TRUE(sweep::Click(result().control<QPushButton>(n.button)));
      EXPECT_EQ(modalShows, 1) << what << " " << n.button.toStdString();
      EXPECT_FALSE(lastText.isEmpty()) << what << " " << n.button.toStdString();
    }
    modalShows = 0;
    EXPECT_TRUE(sweep::Click(result().control<QPushButton>("cmdComprehensiveReading")));
    EXPECT_GE(modalShows, 1) << what;
    EXPECT_TRUE(comprehensive().RTB()->Text().contains("Date of Birth:")) << what;
  }
  int modalShows = 0;
  QString lastText;
};
}  // namespace

TEST_F(ReadingSweep, NamesOfEveryLengthScriptAndControlCharacter) {
  for (const sweep::NameInBox& n : sweep::NamesInBoxes({"txtFirstName", "txtMiddleName", "txtLastName"})) {
    const std::string& what = n.what;
    restart();
    EXPECT_TRUE(sweep::Enter(box("txtFirstName"), "ANN"));
    EXPECT_TRUE(sweep::Enter(box("txtLastName"), "LEE"));
    EXPECT_TRUE(sweep::Enter(box(n.box), n.name.text));
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(sweep::Click(input().control<QPushButton>("cmdNext")));
    const bool blank = TrimBlanks(box(n.box)->text()).isEmpty();
    if (blank && QByteArray(n.box) != "txtMiddleName") {
      ASSERT_EQ(seams().messages.size(), 1u) << what;
      EXPECT_FALSE(seams().messages[0].prompt.isEmpty()) << what;
      EXPECT_TRUE(input().IsVisible()) << what;
      continue;
    }
    EXPECT_TRUE(seams().messages.empty()) << what << ": " << seams().lastPrompt().toStdString();
    ASSERT_TRUE(result().IsVisible()) << what;
    readEverything(what);
    EXPECT_LT(clock.elapsed(), 20000) << what;
  }
}

TEST_F(ReadingSweep, DatesAtTheEdgesOfTheLists) {
  for (const sweep::DateCase& c : sweep::DateCases(1900, 2050)) {
    restart();
    EXPECT_TRUE(sweep::Enter(box("txtFirstName"), "ANN"));
    EXPECT_TRUE(sweep::Enter(box("txtLastName"), "LEE"));
    pick("cboDate", QString::number(c.day));
    pick("cboMonth", sweep::MonthName(c.month));
    pick("cboYear", QString::number(c.year));
    EXPECT_TRUE(sweep::Click(input().control<QPushButton>("cmdNext")));
    if (!c.valid) {
      ASSERT_EQ(seams().messages.size(), 1u) << c.what;
      EXPECT_TRUE(seams().messages[0].prompt.startsWith("Please Enter Correct Date Or Month")) << c.what;
      EXPECT_FALSE(result().IsLoaded() && result().IsVisible()) << c.what;
      continue;
    }
    EXPECT_TRUE(seams().messages.empty()) << c.what << ": " << seams().lastPrompt().toStdString();
    ASSERT_TRUE(result().IsVisible()) << c.what;
    readEverything(c.what);
  }
}

TEST_F(ReadingSweep, TodayAtTheEdgesOfTheCalendar) {
  // The personal cycles count from today: a birth later than today, and today on the edges.
  const QDate todays[] = {QDate(2024, 2, 29), QDate(2023, 12, 31), QDate(2024, 1, 1), QDate(1900, 1, 1),
                          QDate(2050, 12, 31)};
  for (const QDate& today : todays) {
    qztest::SetToday(today);
    restart();
    EXPECT_TRUE(sweep::Enter(box("txtFirstName"), "ANN"));
    EXPECT_TRUE(sweep::Enter(box("txtLastName"), "LEE"));
    pick("cboDate", "29");
    pick("cboMonth", "February");
    pick("cboYear", "2000");
    EXPECT_TRUE(sweep::Click(input().control<QPushButton>("cmdNext")));
    ASSERT_TRUE(result().IsVisible()) << today.toString().toStdString();
    readEverything(today.toString(Qt::ISODate).toStdString());
  }
}

TEST_F(ReadingSweep, OpenOfBadFiles) {
  const reading::Person good{"JOHN", "PAUL", "SMITH", "October", "29", "1999"};
  for (const sweep::BadFile& f : sweep::BadFiles("num", reading::ReadingFile::ToBytes(good))) {
    restart();
    EXPECT_TRUE(sweep::Enter(box("txtFirstName"), "ANN"));
    EXPECT_TRUE(sweep::Enter(box("txtLastName"), "LEE"));
    SCOPED_TRACE(std::string("ReadingSweep, input window: ") + f.what);
    const QByteArray before = sweep::OpenQuickly(input().control<QPushButton>("cmdOpen"), f);
    if (f.sound) {
      EXPECT_TRUE(seams().messages.empty()) << f.what << ": " << seams().lastPrompt().toStdString();
      EXPECT_TRUE(result().IsVisible()) << f.what;
      EXPECT_EQ(box("txtFirstName")->text(), "JOHN") << f.what;
    } else {
      ASSERT_EQ(seams().messages.size(), 1u) << f.what;
      EXPECT_EQ(seams().messages[0].prompt, frmNumerologyProMain::kCheckFileMessage) << f.what;
      EXPECT_EQ(seams().messages[0].style, ui::MsgStyle::Critical) << f.what;
      EXPECT_EQ(box("txtFirstName")->text(), "ANN") << f.what;
      EXPECT_TRUE(input().IsVisible()) << f.what;
      EXPECT_FALSE(result().IsLoaded() && result().IsVisible()) << f.what;
    }
    if (!before.isEmpty()) {
      EXPECT_EQ(qztest::ReadAll(f.path), before) << f.what;
    }
  }
}

TEST_F(ReadingSweep, SavesThatFailSaySoAndKeepTheOldFile) {
  EXPECT_TRUE(sweep::Enter(box("txtFirstName"), "ANN"));
  EXPECT_TRUE(sweep::Enter(box("txtLastName"), "LEE"));
  EXPECT_TRUE(sweep::Click(input().control<QPushButton>("cmdNext")));
  ASSERT_TRUE(result().IsVisible());
  for (const char* window : {"display", "comprehensive"}) {
    for (const sweep::FailingSave& s : sweep::FailingSaves("num")) {
      const std::string what = std::string(window) + ": " + s.what;
      seams().messages.clear();
      ReadingReportWindow* report;
      if (QByteArray(window) == "display") {
        EXPECT_TRUE(sweep::Click(result().control<QPushButton>("cmdLifePath")));
        report = &frmNumerologyProDisp::instance();
      } else {
        EXPECT_TRUE(sweep::Click(result().control<QPushButton>("cmdComprehensiveReading")));
        report = &comprehensive();
      }
      SCOPED_TRACE("ReadingSweep, " + what);
      sweep::SaveMustFail(
          report->control<QPushButton>("cmdSave"), s,
          [](const QString& prompt) { return prompt.startsWith("The reading could not be saved."); }, what);
    }
  }
}

TEST_F(ReadingSweep, SavedNamesComeBackAsTheyWereSaved) {
  // What a reading file cannot hold is asked about first; the rest comes back on Open.
  for (const sweep::NameCase& c : sweep::NameCases()) {
    if (TrimBlanks(c.text).isEmpty()) continue;
    restart();
    EXPECT_TRUE(sweep::Enter(box("txtFirstName"), c.text));
    const QString entered = box("txtFirstName")->text();  // a pasted text's first line, without controls
    EXPECT_TRUE(sweep::Enter(box("txtLastName"), "LEE"));
    EXPECT_TRUE(sweep::Click(input().control<QPushButton>("cmdNext")));
    ASSERT_TRUE(result().IsVisible()) << c.what;
    EXPECT_TRUE(sweep::Click(result().control<QPushButton>("cmdLifePath")));
    const QString path = qztest::TempPath(QStringLiteral("roundtrip.num"));
    QFile::remove(path);
    seams().messages.clear();
    seams().answers.push_back(ui::MsgAnswer::Yes);
    seams().fileAnswers.push_back(path);
    EXPECT_TRUE(sweep::Click(frmNumerologyProDisp::instance().control<QPushButton>("cmdSave")));
    ASSERT_TRUE(QFile::exists(path)) << c.what << ": " << seams().lastPrompt().toStdString();
    const QString lost = reading::ReadingFile::UnsavableCharacters({box("txtFirstName")->text(), "", "", "", "", ""});
    restart();
    seams().fileAnswers.push_back(path);
    EXPECT_TRUE(sweep::Click(input().control<QPushButton>("cmdOpen")));
    EXPECT_TRUE(seams().messages.empty()) << c.what << ": " << seams().lastPrompt().toStdString();
    EXPECT_EQ(box("txtLastName")->text(), "LEE") << c.what;
    EXPECT_EQ(list("cboMonth")->currentText(), "August") << c.what;
    if (lost.isEmpty()) {
      EXPECT_EQ(box("txtFirstName")->text(), entered) << c.what;
    }
  }
}
