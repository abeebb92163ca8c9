// The Kabbalah and Chinese windows under bad input: names, dates, files and failing saves.
#include <gtest/gtest.h>

#include <algorithm>

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

#include "chinese/core/chinese_reading.h"
#include "chinese/frm_chinese_numerology_display.h"
#include "chinese/frm_chinese_numerology_main.h"
#include "chinese/frm_chinese_numerology_save.h"
#include "common/test_support.h"
#include "kabbalah/frm_kabbalah_numerology_display.h"
#include "kabbalah/frm_kabbalah_numerology_main.h"
#include "kabbalah/frm_kabbalah_numerology_save.h"
#include "services/text_rules.h"
#include "shell/shell_windows.h"
#include "sweep/sweep_support.h"
#include "ui/rich_text_box.h"

using qztest::seams;

namespace {
void pick(QComboBox* list, const QString& text) {
  ASSERT_TRUE(sweep::Choose(list, text));
  ASSERT_EQ(list->currentText(), text) << list->objectName().toStdString();
}

// --- Kabbalah ---------------------------------------------------------------------------

frmKabbalahNumerologyMain& kInput() { return frmKabbalahNumerologyMain::instance(); }
frmKabbalahNumerologyDisplay& kDisplay() { return frmKabbalahNumerologyDisplay::instance(); }
frmKabbalahNumerologySave& kReport() { return frmKabbalahNumerologySave::instance(); }

class KabbalahSweep : public sweep::WindowSweep {
 protected:
  void SetUp() override {
    WindowSweep::SetUp();
    restart();
  }
  static void restart() { Restart(kInput()); }
  static QLineEdit* box(const char* name) { return kInput().control<QLineEdit>(name); }
  static QComboBox* list(const char* name) { return kInput().control<QComboBox>(name); }
  static void next() { EXPECT_TRUE(sweep::Click(kInput().control<QPushButton>("cmdNext"))); }
  // Every tab, then the report: each shows text.
  static void readEverything(const std::string& what) {
    QTabBar* tabs = kDisplay().control<QTabBar>("TScript");
    for (int i = 0; i < tabs->count(); ++i) {
      EXPECT_TRUE(sweep::ClickTab(tabs, i)) << what;
      EXPECT_FALSE(kDisplay().control<QLabel>("lblCaption")->text().isEmpty()) << what << " tab " << i;
    }
    EXPECT_TRUE(sweep::Click(kDisplay().control<QPushButton>("cmdPrint")));
    ASSERT_TRUE(kReport().IsLoaded()) << what;
    EXPECT_FALSE(kReport().control<ui::RichTextBox>("RTB")->Text().isEmpty()) << what;
  }
};
}  // namespace

TEST_F(KabbalahSweep, NamesOfEveryLengthScriptAndControlCharacter) {
  for (const sweep::NameInBox& n : sweep::NamesInBoxes({"txtFirstName", "txtMiddleName", "txtLastName"})) {
    const std::string& what = n.what;
    restart();
    EXPECT_TRUE(sweep::Enter(box("txtFirstName"), "ANN"));
    EXPECT_TRUE(sweep::Enter(box("txtLastName"), "LEE"));
    // The boxes refuse a typed key other than a letter or a blank with a message: a name of
    // those is typed, what else a name holds comes by paste.
    const bool typed = std::all_of(n.name.text.begin(), n.name.text.end(), [](QChar ch) {
      return (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z') || ch == u' ';
    });
    EXPECT_TRUE(typed ? sweep::Enter(box(n.box), n.name.text) : sweep::Paste(box(n.box), n.name.text));
    QElapsedTimer clock;
    clock.start();
    next();
    if (TrimBlanks(box(n.box)->text()).isEmpty() && QByteArray(n.box) != "txtMiddleName") {
      ASSERT_EQ(seams().messages.size(), 1u) << what;
      EXPECT_TRUE(kInput().IsVisible()) << what;
      continue;
    }
    EXPECT_TRUE(seams().messages.empty()) << what << ": " << seams().lastPrompt().toStdString();
    ASSERT_TRUE(kDisplay().IsVisible()) << what;
    readEverything(what);
    EXPECT_LT(clock.elapsed(), 10000) << what;
  }
}

TEST_F(KabbalahSweep, DatesAndHoursAtTheEdgesOfTheLists) {
  for (const sweep::DateCase& c : sweep::DateCases(1900, 2999)) {
    for (const char* hour : {"0", "23"}) {
      restart();
      pick(list("cmbDate"), QString::number(c.day));
      pick(list("cmbMonth"), sweep::MonthName(c.month));
      pick(list("cmbYear"), QString::number(c.year));
      for (const char* part : {"cboMHH", "cboMMM", "cboMSS"}) {
        QComboBox* l = list(part);
        pick(l, l->itemText(QByteArray(hour) == "0" ? 0 : l->count() - 1));
      }
      EXPECT_TRUE(sweep::Enter(box("txtFirstName"), "ANN"));
      EXPECT_TRUE(sweep::Enter(box("txtLastName"), "LEE"));
      next();
      const std::string what = std::string(c.what) + " at hour " + hour;
      if (!c.valid) {
        ASSERT_EQ(seams().messages.size(), 1u) << what;
        EXPECT_TRUE(seams().messages[0].prompt.startsWith("Please Enter Correct Date Or Month")) << what;
        EXPECT_FALSE(kDisplay().IsLoaded()) << what;
        continue;
      }
      EXPECT_TRUE(seams().messages.empty()) << what << ": " << seams().lastPrompt().toStdString();
      ASSERT_TRUE(kDisplay().IsVisible()) << what;
      readEverything(what);
    }
  }
}

TEST_F(KabbalahSweep, ReportSavesThatFailSaySoAndKeepTheOldFile) {
  EXPECT_TRUE(sweep::Enter(box("txtFirstName"), "ANN"));
  EXPECT_TRUE(sweep::Enter(box("txtLastName"), "LEE"));
  next();
  EXPECT_TRUE(sweep::Click(kDisplay().control<QPushButton>("cmdPrint")));
  ASSERT_TRUE(kReport().IsLoaded());
  for (const sweep::FailingSave& s : sweep::FailingSaves("rtf")) {
    seams().messages.clear();
    SCOPED_TRACE(std::string("KabbalahSweep, report: ") + s.what);
    sweep::SaveMustFail(
        kReport().control<QPushButton>("cmdSave"), s,
        [](const QString& prompt) { return prompt.contains("could not be saved"); }, s.what);
  }
}

// --- Chinese ----------------------------------------------------------------------------

namespace {
frmChineseNumerologyMain& cInput() { return frmChineseNumerologyMain::instance(); }
frmChineseNumerologyDisplay& cDisplay() { return frmChineseNumerologyDisplay::instance(); }
frmChineseNumerologySave& cReport() { return frmChineseNumerologySave::instance(); }

class ChineseSweep : public sweep::WindowSweep {
 protected:
  void SetUp() override {
    WindowSweep::SetUp();
    restart();
  }
  static void restart() {
    Restart(cInput());
    seams().onModal = nullptr;
  }
  static QLineEdit* name() { return cInput().control<QLineEdit>("txtName"); }
  static QComboBox* list(const char* n) { return cInput().control<QComboBox>(n); }
  static void calculate() { EXPECT_TRUE(sweep::Click(cInput().control<QPushButton>("cmdProceed"))); }
  // Opens the report and runs `inReport` while it is shown.
  static void inReport(const std::function<void()>& run) {
    seams().onModal = [run](ui::Form& form) {
      if (&form == &cReport()) run();
    };
    EXPECT_TRUE(sweep::Click(cDisplay().control<QPushButton>("cmdSave")));
    seams().onModal = nullptr;
  }
  static QString reportText() { return cReport().control<ui::RichTextBox>("RTB")->Text(); }
};
}  // namespace

TEST_F(ChineseSweep, NamesOfEveryLengthScriptAndControlCharacter) {
  for (const sweep::NameCase& c : sweep::NameCases()) {
    restart();
    EXPECT_TRUE(sweep::Enter(name(), c.text));
    const QString entered = name()->text();
    calculate();
    if (TrimBlanks(entered).isEmpty()) {
      ASSERT_EQ(seams().messages.size(), 1u) << c.what;
      EXPECT_EQ(seams().messages[0].prompt, chinese::kNameMissing) << c.what;
      continue;
    }
    EXPECT_TRUE(seams().messages.empty()) << c.what << ": " << seams().lastPrompt().toStdString();
    ASSERT_TRUE(cDisplay().IsVisible()) << c.what;
    bool shown = false;
    inReport([&] {
      shown = true;
      EXPECT_TRUE(reportText().contains("Date of Birth:")) << c.what;
      // Save, answering Yes to saving without what the file cannot hold, and open it again.
      const QString path = qztest::TempPath("sweep-name.cnu");
      QFile::remove(path);
      seams().answers.push_back(ui::MsgAnswer::Yes);
      seams().fileAnswers.push_back(path);
      EXPECT_TRUE(sweep::Click(cReport().control<QPushButton>("cmdSave")));
      ASSERT_TRUE(QFile::exists(path)) << c.what << ": " << seams().lastPrompt().toStdString();
      const auto back = chinese::ReadChineseReadingFile(path);
      ASSERT_TRUE(back.has_value()) << c.what;
      EXPECT_EQ(back->birthMonth, "January") << c.what;
      EXPECT_EQ(back->birthDay, "1") << c.what;
      if (chinese::UnsavableCharacters(entered).isEmpty()) {
        EXPECT_EQ(back->personName, entered) << c.what;
      }
    });
    EXPECT_TRUE(shown) << c.what;
  }
}

TEST_F(ChineseSweep, DatesAtTheEdgesOfTheLists) {
  for (const sweep::DateCase& c : sweep::DateCases(1900, 2050)) {
    restart();
    EXPECT_TRUE(sweep::Enter(name(), "ANN LEE"));
    pick(list("cboDate"), QString::number(c.day));
    pick(list("cboMonth"), sweep::MonthName(c.month));
    pick(list("cboYear"), QString::number(c.year));
    calculate();
    if (!c.valid) {
      ASSERT_EQ(seams().messages.size(), 1u) << c.what;
      EXPECT_TRUE(seams().messages[0].prompt.startsWith("Please Enter Correct Date Or Month")) << c.what;
      EXPECT_FALSE(cDisplay().IsLoaded() && cDisplay().IsVisible()) << c.what;
      continue;
    }
    EXPECT_TRUE(seams().messages.empty()) << c.what << ": " << seams().lastPrompt().toStdString();
    ASSERT_TRUE(cDisplay().IsVisible()) << c.what;
    EXPECT_FALSE(cDisplay().RTBLoshu()->Text().isEmpty()) << c.what;
    inReport([&] { EXPECT_TRUE(reportText().contains("Date of Birth:")) << c.what; });
  }
}

TEST_F(ChineseSweep, OpenOfBadFiles) {
  const chinese::ChineseReadingFile good{"JOHN SMITH", "29", "October", "1999"};
  for (const sweep::BadFile& f : sweep::BadFiles("cnu", chinese::EncodeChineseReading(good))) {
    restart();
    EXPECT_TRUE(sweep::Enter(name(), "ANN"));
    SCOPED_TRACE(std::string("ChineseSweep, input window: ") + f.what);
    const QByteArray before = sweep::OpenQuickly(cInput().control<QPushButton>("cmdOpen"), f);
    // Either a sound reading on the result window, or a message and nothing shown.
    if (cDisplay().IsLoaded() && cDisplay().IsVisible()) {
      EXPECT_TRUE(seams().messages.empty()) << f.what << ": " << seams().lastPrompt().toStdString();
      EXPECT_FALSE(TrimBlanks(cInput().CalculatedPerson().PersonName).isEmpty()) << f.what;
      EXPECT_LE(cInput().CalculatedPerson().PersonName.size(), 32767) << f.what;
    } else {
      ASSERT_EQ(seams().messages.size(), 1u) << f.what;
      EXPECT_FALSE(seams().messages[0].prompt.isEmpty()) << f.what;
    }
    if (f.unreadable) {
      // Read as four empty fields: the name box is emptied and Calculate asks for the name.
      EXPECT_EQ(name()->text(), QString()) << f.what;
      EXPECT_EQ(seams().lastPrompt(), chinese::kNameMissing) << f.what;
    }
    if (f.sound) {
      EXPECT_TRUE(cDisplay().IsLoaded() && cDisplay().IsVisible()) << f.what;
      EXPECT_EQ(cInput().CalculatedPerson().PersonName, "JOHN SMITH") << f.what;
    }
    if (!before.isEmpty()) {
      EXPECT_EQ(qztest::ReadAll(f.path), before) << f.what;
    }
  }
}

TEST_F(ChineseSweep, ReportOpenOfBadFilesKeepsTheReport) {
  EXPECT_TRUE(sweep::Enter(name(), "ANN LEE"));
  calculate();
  ASSERT_TRUE(cDisplay().IsVisible());
  inReport([&] {
    for (const sweep::BadFile& f : sweep::BadFiles("qzs", "\"A saved text\",1\r\n")) {
      seams().messages.clear();
      SCOPED_TRACE(std::string("ChineseSweep, report: ") + f.what);
      sweep::OpenQuickly(cReport().control<QPushButton>("cmdOpen"), f);
      EXPECT_TRUE(seams().messages.empty()) << f.what;
      EXPECT_FALSE(reportText().isEmpty()) << f.what;
      EXPECT_LE(reportText().size(), 1 << 20) << f.what;
    }
  });
}

TEST_F(ChineseSweep, SavesThatFailSaySoAndKeepTheOldFile) {
  EXPECT_TRUE(sweep::Enter(name(), "ANN LEE"));
  calculate();
  ASSERT_TRUE(cDisplay().IsVisible());
  inReport([&] {
    for (const sweep::FailingSave& s : sweep::FailingSaves("cnu")) {
      seams().messages.clear();
      SCOPED_TRACE(std::string("ChineseSweep, report: ") + s.what);
      sweep::SaveMustFail(
          cReport().control<QPushButton>("cmdSave"), s,
          [](const QString& prompt) { return prompt.startsWith("The reading could not be saved"); }, s.what);
    }
  });
}
