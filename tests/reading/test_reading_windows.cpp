#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include "common/planted_links.h"
#include "common/test_support.h"
#include "reading/core/comprehensive.h"
#include "reading/core/core_numbers.h"
#include "reading/core/reading_file.h"
#include "reading/core/reading_numbers.h"
#include "reading/frm_numerology_pro_disp.h"
#include "reading/frm_numerology_pro_main.h"
#include "reading/frm_numerology_pro_result.h"
#include "reading/frm_numerology_pro_save.h"
#include "reading/reading_tool.h"
#include "services/rtb_link_hook.h"
#include "shell/shell_windows.h"
#include "ui/rich_text_box.h"

using qztest::seams;

namespace {
struct Fields {
  QString first, middle, last, month, day, year;
};

// What a modal show of one of the reading's report windows left on screen.
struct Shown {
  QString window;
  QString title;
  QString text;
};

class ReadingWindows : public qztest::SeamTest {
 protected:
  void SetUp() override {
    SeamTest::SetUp();
    qztest::SetToday(QDate(2024, 3, 15));
    input().Show();
    seams().messages.clear();
    seams().onModal = [this](ui::Form& form) {
      auto* report = dynamic_cast<ReadingReportWindow*>(&form);
      shown.push_back({form.className(), form.window()->windowTitle(), report ? report->RTB()->Text() : QString()});
    };
  }

  void TearDown() override {
    frmNumerologyProDisp::instance().Unload();
    frmNumerologyProsave::instance().Unload();
    frmNumerologyProResult::instance().Unload();
    frmNumerologyProMain::instance().Unload();
    if (frmMain::instance().IsLoaded()) frmMain::instance().Hide();
    if (frmNagScreen2::instance().IsLoaded()) frmNagScreen2::instance().Hide();
  }

  static frmNumerologyProMain& input() { return frmNumerologyProMain::instance(); }
  static QStringList saved(const reading::Person& p) {
    return {p.firstName, p.middleName, p.lastName, p.monthName, p.day, p.year};
  }
  static frmNumerologyProResult& result() { return frmNumerologyProResult::instance(); }
  static QLineEdit* box(const char* name) { return input().control<QLineEdit>(name); }
  static QComboBox* list(const char* name) { return input().control<QComboBox>(name); }

  // Types the names and chooses the date from its lists. An empty date field is no item of its
  // list, a state no key reaches: that list is left without an item directly.
  static void Enter(const Fields& f) {
    EXPECT_TRUE(qztest::Enter(box("txtFirstName"), f.first));
    EXPECT_TRUE(qztest::Enter(box("txtMiddleName"), f.middle));
    EXPECT_TRUE(qztest::Enter(box("txtLastName"), f.last));
    const std::pair<const char*, QString> dates[] = {{"cboMonth", f.month}, {"cboDate", f.day}, {"cboYear", f.year}};
    for (const auto& [name, text] : dates) {
      if (text.isEmpty()) {
        list(name)->setCurrentIndex(-1);
      } else {
        EXPECT_TRUE(qztest::Choose(list(name), text)) << name;
      }
    }
  }
  // Tabs on until the control has the focus.
  static void TabTo(const char* name) {
    for (int i = 0; i < 20 && QApplication::focusWidget() && QApplication::focusWidget()->objectName() != name; ++i)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr) << name;
    ASSERT_EQ(QApplication::focusWidget()->objectName(), name);
  }

  static void Click(ui::Form& form, const char* name) {
    QPushButton* button = form.control<QPushButton>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }

  // Next for JOHN SMITH, 6 August 1979 (or the given fields).
  void NextFor(const Fields& f = {"JOHN", "", "SMITH", "August", "6", "1979"}) {
    Enter(f);
    Click(input(), "cmdNext");
    ASSERT_TRUE(result().IsVisible()) << seams().lastPrompt().toStdString();
  }

  static QString SavedText() { return frmNumerologyProsave::instance().RTB()->Text(); }

  std::vector<Shown> shown;
};

// The reading window's number buttons, their captions and the display window's title of each.
struct NumberButton {
  const char* button;
  const char* caption;
  const char* title;
};
const NumberButton kNumberButtons[] = {
    {"cmdLifePath", "LifePath Number", "LifePath Number"},
    {"cmdDestiny", "Destiny or Expressions Number", "Destiny / Expression Number"},
    {"cmdSoulUrge", "Soul Urge or Heart's Desire Number", "Soul Urge Number"},
    {"cmdInnerDreams", "Inner Dreams or Personality Number", "Inner Dream Number"},
    {"cmdBirthDay", "Birthday Number", "BirthDay Number"},
    {"cmdBalanceNumber", "Balance Number", "Balance Number"},
    {"cmdChallenge", "Challenge Number", "Challenge Number"},
    {"cmdEssence", "Essence", "Essence"},
    {"cmdHiddenPassionNumber", "Hidden Passion Number", "Hidden Passion Number"},
    {"cmdKarmicLessonsNumber", "Karmic Lessons Number", "Karmic Lesson Number"},
    {"cmdKarmicDebtNumbers", "Karmic Debt Numbers", "Karmic Debt Numbers"},
    {"cmdHPBridgeNumber", "H/P Bridge Number", "H/P Bridge Number"},
    {"cmdLEBidgeNumber", "L/E Bridge Number", "L/E Bridge Number"},
    {"cmdLifePathPeriods", "Life Path Periods", "LifePath Periods"},
    {"cmdPinnaclePhases", "Pinnacle Phases", "Pinnacle Phases"},
    {"cmdPersonal", "Personal Year", "Personal Year"},
    {"cmdPersonalMonth", "Personal Month", "Personal Month"},
    {"cmdPersonalDay", "Personal Day", "Personal Day"},
    {"cmdMaturityNumber", "Realization or Maturity Number", "Maturity Number"},
    {"cmdRationalThoughtNumber", "Rational Thought Number", "Rational Thought Number"},
    {"cmdSubconsciousSelfNumber", "Subconscious Self Number", "Subconscious Self Number"},
    {"cmdPersonalAspects", "Planes of Expression or Personal Aspects", "Personal Aspects"},
};

// The text a rich text box shows for runs: each CR LF is a paragraph break.
QString BoxText(const reading::SectionRuns& runs) {
  QString text = reading::PlainText(runs);
  text.replace("\r\n", "\n");
  return text;
}
}  // namespace

TEST_F(ReadingWindows, InputWindowStartsWithItsListsAndTheDefaultDate) {
  EXPECT_EQ(input().window()->windowTitle(), "QZ Vidovuzovo Zed Software");
  EXPECT_EQ(list("cboDate")->count(), 31);
  EXPECT_EQ(list("cboMonth")->count(), 12);
  EXPECT_EQ(list("cboYear")->count(), 151);
  EXPECT_EQ(list("cboYear")->itemText(0), "1900");
  EXPECT_EQ(list("cboYear")->itemText(150), "2050");
  EXPECT_EQ(list("cboMonth")->currentText(), "August");
  EXPECT_EQ(list("cboDate")->currentText(), "6");
  EXPECT_EQ(list("cboYear")->currentText(), "1979");
  EXPECT_FALSE(list("cboMonth")->isEditable());
  for (const char* name : {"txtFirstName", "txtMiddleName", "txtLastName"}) EXPECT_TRUE(box(name)->text().isEmpty());
  // The comprehensive window is loaded hidden, with its links hooked.
  EXPECT_TRUE(frmNumerologyProsave::instance().IsLoaded());
  EXPECT_FALSE(frmNumerologyProsave::instance().IsVisible());
  EXPECT_TRUE(IsRTBHooked(frmNumerologyProsave::instance().window()));
  // The File menu holds Next and Exit; Make Money stays hidden.
  auto* mnuNext = input().window()->findChild<QAction*>("mnuNext");
  ASSERT_NE(mnuNext, nullptr);
  EXPECT_EQ(mnuNext->text(), "&Next");
  auto* mnuMakeMoney = input().window()->findChild<QAction*>("mnuMakeMoney");
  ASSERT_NE(mnuMakeMoney, nullptr);
  EXPECT_FALSE(mnuMakeMoney->isVisible());
}

TEST_F(ReadingWindows, ChecksShowTheirMessagesAndMoveTheFocus) {
  struct Case {
    Fields fields;
    QString message;  // empty: the check passes
    QString focus;    // the control that has the focus afterwards
  };
  const QString kFeb = "Please Enter Correct Date Or Month!";
  const QString kThirty = "Please Enter Correct Date Or Month !";
  const Case cases[] = {
      {{"", "", "SMITH", "August", "6", "1979"}, "Please Enter Your First Name", "txtFirstName"},
      {{"   ", "", "SMITH", "August", "6", "1979"}, "Please Enter Your First Name", "txtFirstName"},
      {{"JOHN", "", "", "August", "6", "1979"}, "Please Enter Your Last Name", "txtLastName"},
      {{"JOHN", "ANN", "  ", "August", "6", "1979"}, "Please Enter Your Last Name", "txtLastName"},
      {{"JOHN", "", "SMITH", "August", "", "1979"}, "Please Specify Your Birth Date", "cboDate"},
      {{"JOHN", "", "SMITH", "", "6", "1979"}, "Please Specify Your Birth Month", "cboMonth"},
      {{"JOHN", "", "SMITH", "August", "6", ""}, "Please Specify Your Birth Year", "cboYear"},
      // Gregorian leap years: 1900 is not one, 2000 is.
      {{"JOHN", "", "SMITH", "February", "29", "1900"}, kFeb, "cmdOpen"},
      {{"JOHN", "", "SMITH", "February", "29", "2000"}, "", ""},
      {{"JOHN", "", "SMITH", "February", "29", "2001"}, kFeb, "cmdOpen"},
      {{"JOHN", "", "SMITH", "February", "30", "2000"}, kFeb, "cmdOpen"},
      {{"JOHN", "", "SMITH", "April", "31", "1979"}, kThirty, "cmdOpen"},
      {{"JOHN", "", "SMITH", "November", "31", "1979"}, kThirty, "cmdOpen"},
      {{"JOHN", "", "SMITH", "May", "31", "1979"}, "", ""},
      {{"JOHN", "", "SMITH", "December", "31", "2050"}, "", ""},
  };
  for (const Case& c : cases) {
    const std::string what = (c.fields.first + "|" + c.fields.last + "|" + c.fields.month + " " + c.fields.day + " " +
                              c.fields.year).toStdString();
    result().Unload();
    input().Show();
    seams().messages.clear();
    const reading::Person before = input().SavedPerson();
    Enter(c.fields);
    // Tab on to Open, then Next from the File menu (Alt+F, N): the focus stays on Open unless
    // a check moves it.
    TabTo("cmdOpen");
    EXPECT_TRUE(qztest::MenuItem(input().window(), Qt::Key_F, Qt::Key_N)) << what;
    if (c.message.isEmpty()) {
      EXPECT_TRUE(seams().messages.empty()) << what << ": " << seams().lastPrompt().toStdString();
      EXPECT_TRUE(result().IsVisible()) << what;
      EXPECT_FALSE(input().IsVisible()) << what;
      continue;
    }
    ASSERT_EQ(seams().messages.size(), 1u) << what;
    EXPECT_EQ(seams().messages[0].prompt, c.message) << what;
    EXPECT_EQ(seams().messages[0].style, ui::MsgStyle::Information) << what;
    EXPECT_EQ(seams().messages[0].title, "QZ Orbalinth") << what;
    ASSERT_NE(input().window()->focusWidget(), nullptr) << what;
    EXPECT_EQ(input().window()->focusWidget()->objectName(), c.focus) << what;
    EXPECT_FALSE(result().IsLoaded() && result().IsVisible()) << what;
    // A failed check keeps the fields of the last successful Next.
    EXPECT_EQ(saved(input().SavedPerson()), saved(before)) << what;
  }
}

TEST_F(ReadingWindows, NextKeepsTheTrimmedFieldsAndShowsTheReadingWindow) {
  Enter({"  JOHN ", "   ", " SMITH", "October", "29", "1999"});
  ASSERT_NE(input().window()->findChild<QAction*>("mnuNext"), nullptr);
  ASSERT_TRUE(qztest::MenuItem(input().window(), Qt::Key_F, Qt::Key_N));
  EXPECT_EQ(saved(input().SavedPerson()), QStringList({"JOHN", "", "SMITH", "October", "29", "1999"}));
  EXPECT_TRUE(result().IsVisible());
  // Hidden, not unloaded: the launcher later shows the same contents.
  EXPECT_TRUE(input().IsLoaded());
  EXPECT_FALSE(input().IsVisible());
  EXPECT_EQ(box("txtFirstName")->text(), "  JOHN ");
}

TEST_F(ReadingWindows, NameBoxesTakeCapitalsWhetherTypedOrPasted) {
  QTest::keyClicks(box("txtFirstName"), "john-o 1");
  EXPECT_EQ(box("txtFirstName")->text(), "JOHN-O 1");

  ASSERT_TRUE(qztest::Paste(box("txtLastName"), "smith é"));
  EXPECT_EQ(box("txtLastName")->text(), "SMITH é");

  // Pasting inside the text keeps the cursor after the pasted part.
  ASSERT_TRUE(qztest::Enter(box("txtMiddleName"), "AB"));
  QTest::keyClick(box("txtMiddleName"), Qt::Key_Home);
  QTest::keyClick(box("txtMiddleName"), Qt::Key_Right);
  QApplication::clipboard()->setText("cd");
  ASSERT_TRUE(qztest::PasteFromContextMenu(box("txtMiddleName")));
  EXPECT_EQ(box("txtMiddleName")->text(), "ACDB");
  EXPECT_EQ(box("txtMiddleName")->cursorPosition(), 3);

  // So the pasted name counts: SMITH gives Destiny 8 with JOHN.
  ASSERT_TRUE(qztest::Enter(box("txtMiddleName"), ""));
  ASSERT_TRUE(qztest::Enter(box("txtFirstName"), "JOHN"));
  ASSERT_TRUE(qztest::Paste(box("txtLastName"), "smith"));
  EXPECT_EQ(reading::Destiny(input().PersonOnScreen()).number, 8);
}

TEST_F(ReadingWindows, ExitUnloadsAndTheNextShowStartsAfresh) {
  Enter({"JOHN", "", "SMITH", "May", "31", "2001"});
  Click(input(), "cmdExit");
  EXPECT_FALSE(input().IsLoaded());
  EXPECT_TRUE(frmMain::instance().IsVisible());

  RegisterReadingTool();
  EXPECT_TRUE(qztest::Click(frmMain::instance().cmdSelectOption(shell::Tool::Reading)));
  EXPECT_TRUE(input().IsVisible());
  EXPECT_TRUE(box("txtFirstName")->text().isEmpty());
  EXPECT_EQ(list("cboMonth")->currentText(), "August");
}

TEST_F(ReadingWindows, ReadingWindowHasEveryNumberButtonInThreeColumns) {
  NextFor();
  for (const NumberButton& n : kNumberButtons) {
    auto* button = result().control<QPushButton>(n.button);
    ASSERT_NE(button, nullptr) << n.button;
    EXPECT_EQ(button->text(), n.caption);
    EXPECT_TRUE(button->isVisible()) << n.button;
    EXPECT_TRUE(button->isEnabled()) << n.button;
  }
  auto* comprehensive = result().control<QPushButton>("cmdComprehensiveReading");
  ASSERT_NE(comprehensive, nullptr);
  EXPECT_EQ(comprehensive->text(), "Comprehensive Reading");

  auto* grid = qobject_cast<QGridLayout*>(result().control<QWidget>("fraButtons")->layout());
  ASSERT_NE(grid, nullptr);
  auto cell = [grid](const char* name) {
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(grid->indexOf(result().control<QWidget>(name)), &row, &column, &rowSpan, &columnSpan);
    return std::make_tuple(row, column, rowSpan);
  };
  EXPECT_EQ(cell("cmdPersonalMonth"), std::make_tuple(0, 0, 1));
  EXPECT_EQ(cell("cmdKarmicLessonsNumber"), std::make_tuple(8, 0, 1));
  EXPECT_EQ(cell("cmdBirthDay"), std::make_tuple(0, 1, 1));
  EXPECT_EQ(cell("cmdEssence"), std::make_tuple(8, 1, 1));
  EXPECT_EQ(cell("cmdMaturityNumber"), std::make_tuple(3, 2, 1));
  EXPECT_EQ(cell("cmdSoulUrge"), std::make_tuple(6, 2, 1));
  EXPECT_EQ(cell("cmdComprehensiveReading"), std::make_tuple(7, 2, 2));
  EXPECT_GT(comprehensive->height(), result().control<QWidget>("cmdSoulUrge")->height() * 3 / 2);

  EXPECT_FALSE(result().control<QWidget>("cmdBack")->isVisible());
  EXPECT_FALSE(result().control<QWidget>("fraAllLabels")->isVisible());
  EXPECT_TRUE(result().control<QWidget>("cmdExit")->isVisible());
}

TEST_F(ReadingWindows, EachNumberShowsOneSectionInAFreshDisplayWindow) {
  NextFor();
  Click(result(), "cmdLifePath");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].window, "frmNumerologyProDisp");
  EXPECT_EQ(shown[0].title, "LifePath Number");
  EXPECT_TRUE(shown[0].text.startsWith("Your LifePath Number is: 22\n\nThis is one of the most important numbers."));
  EXPECT_TRUE(IsRTBHooked(frmNumerologyProDisp::instance().window()));

  // Bold, dark cyan.
  QTextCursor c(frmNumerologyProDisp::instance().RTB()->document());
  c.setPosition(3);
  EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(c.charFormat().foreground().color(), QColor(0, 128, 128));

  Click(result(), "cmdDestiny");
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1].title, "Destiny / Expression Number");
  EXPECT_TRUE(shown[1].text.startsWith("Your Destiny Number is: 8\n\nThis number describes"));
  EXPECT_EQ(shown[1].text.count("Report Generated By "), 1);
  EXPECT_EQ(result().control<QLabel>("lblDestiny")->text(), "8");

  // Back unloads the display window and its hook; the reading window stays.
  const int hooks = RTBHookCount();
  Click(frmNumerologyProDisp::instance(), "cmdBack");
  EXPECT_FALSE(frmNumerologyProDisp::instance().IsLoaded());
  EXPECT_EQ(RTBHookCount(), hooks - 1);
  EXPECT_TRUE(result().IsVisible());

  // Every number button shows its own caption and a section.
  shown.clear();
  for (const NumberButton& n : kNumberButtons) Click(result(), n.button);
  ASSERT_EQ(shown.size(), std::size(kNumberButtons));
  for (size_t i = 0; i < shown.size(); ++i) {
    EXPECT_EQ(shown[i].title, kNumberButtons[i].title);
    EXPECT_TRUE(shown[i].text.contains("Report Generated By ")) << shown[i].title.toStdString();
  }
}

TEST_F(ReadingWindows, NumbersReadThePersonOnScreen) {
  // The input window is hidden but keeps its controls; a number reads them when pressed.
  NextFor({"LYNN", "", "SMITH", "August", "6", "1979"});
  Click(result(), "cmdDestiny");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.startsWith("Your Destiny Number is: 8\n")) << shown[0].text.left(40).toStdString();

  // Numbers built on others, pressed first after the reading window reopens, use this person.
  result().Unload();
  result().Show();
  shown.clear();
  Click(result(), "cmdLEBidgeNumber");
  Click(result(), "cmdMaturityNumber");
  Click(result(), "cmdKarmicDebtNumbers");
  ASSERT_EQ(shown.size(), 3u);
  // LYNN SMITH, 6 August 1979: Life Path 22, Destiny 8 (LYNN 20 and SMITH 24 make 44); no source
  // holds a debt number.
  EXPECT_TRUE(shown[0].text.startsWith("Your L/E Bridge Number is: 5\n\nThis number answers the 'whom' in you."))
      << shown[0].text.left(80).toStdString();
  EXPECT_TRUE(shown[1].text.startsWith("Your Maturity Number is: 3\n\nThe Maturity Number describes"))
      << shown[1].text.left(80).toStdString();
  EXPECT_TRUE(shown[2].text.startsWith("Karmic Debt Number: 0\n\nThis number signifies some mistake"))
      << shown[2].text.left(80).toStdString();
  EXPECT_TRUE(shown[2].text.contains("\n\nNot Applicable\n\nReport Generated By ")) << shown[2].text.toStdString();
}

TEST_F(ReadingWindows, ComprehensiveReadingFillsTheComprehensiveWindow) {
  NextFor();
  Click(result(), "cmdComprehensiveReading");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].window, "frmNumerologyProsave");
  EXPECT_EQ(shown[0].title, "QZ Vidovuzovo Zed Software");
  const QString text = shown[0].text;
  EXPECT_TRUE(text.startsWith("Name: JOHN  SMITH\nDate of Birth: August 6, 1979\n\n\n\n\nYour LifePath Number is: 22\n\n"));
  EXPECT_EQ(text, BoxText(reading::ComprehensiveReadingRuns(input().PersonOnScreen(), QDate(2024, 3, 15))));
  EXPECT_EQ(text.count("Report Generated By "), 22);
  // The header is in the default format.
  QTextCursor c(frmNumerologyProsave::instance().RTB()->document());
  c.setPosition(2);
  EXPECT_NE(c.charFormat().fontWeight(), QFont::Bold);

  // A second reading starts from an empty box; a single number afterwards goes to the display window.
  Click(result(), "cmdComprehensiveReading");
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1].text, text);
  Click(result(), "cmdSoulUrge");
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[2].window, "frmNumerologyProDisp");
  EXPECT_EQ(SavedText(), text);
}

TEST_F(ReadingWindows, MaturityGuardForANameWithoutValuedLetters) {
  NextFor({"123", "", "456", "August", "6", "1979"});
  Click(result(), "cmdMaturityNumber");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].window, "frmNumerologyProDisp");
  EXPECT_EQ(shown[0].title, "QZ Vidovuzovo Zed Software");
  EXPECT_EQ(shown[0].text, reading::MaturityGuardText());

  shown.clear();
  Click(result(), "cmdComprehensiveReading");
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, reading::MaturityGuardText());
  EXPECT_EQ(shown[1].window, "frmNumerologyProsave");
  EXPECT_FALSE(shown[1].text.contains("Your Maturity Number is"));
  EXPECT_TRUE(shown[1].text.contains("Your Destiny Number is: 0"));
}

TEST_F(ReadingWindows, SaveWritesTheReadingFileOfTheLastNext) {
  NextFor();
  Click(result(), "cmdComprehensiveReading");
  const QString path = qztest::TempPath("saved.num");
  QFile::remove(path);
  seams().fileAnswers.push_back(path);
  Click(frmNumerologyProsave::instance(), "cmdSave");
  ASSERT_EQ(seams().fileRequests.size(), 1u);
  const ui::FileDialogRequest& request = seams().fileRequests[0];
  EXPECT_EQ(request.kind, ui::FileDialogKind::Save);
  EXPECT_EQ(request.title, "Save Your Vidovuzovo Zed Result ....");
  EXPECT_EQ(request.filter, "Rich Text Format | *.num");
  EXPECT_EQ(request.defaultExt, "num");
  EXPECT_TRUE(request.confirmOverwrite);
  EXPECT_TRUE(seams().messages.empty());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toHex(), QByteArray("9fa49da30d0a0d0aa8a29ea99d0d0a96cabccac8c90d0a8b0d0a868e8c8e0d0a"));
}

TEST_F(ReadingWindows, SaveCancelIsSilentAndFailureSaysSo) {
  NextFor();
  Click(result(), "cmdLifePath");
  frmNumerologyProDisp& disp = frmNumerologyProDisp::instance();

  seams().fileAnswers.push_back(std::nullopt);
  Click(disp, "cmdSave");
  EXPECT_EQ(seams().fileRequests.size(), 1u);
  EXPECT_TRUE(seams().messages.empty());

  seams().fileAnswers.push_back(qztest::TempPath("no-such-folder/reading.num"));
  Click(disp, "cmdSave");
  ASSERT_EQ(seams().messages.size(), 1u);
  EXPECT_TRUE(seams().messages[0].prompt.startsWith("The reading could not be saved."));
  EXPECT_EQ(seams().messages[0].style, ui::MsgStyle::Critical);
}

TEST_F(ReadingWindows, SaveRefusesALinkToNothingAndAStrangersLink) {
  NextFor();
  Click(result(), "cmdLifePath");
  qztest::ExpectSavesRefuseUnsafeLinks(
      [](const QString& path) {
        seams().fileAnswers.push_back(path);
        Click(frmNumerologyProDisp::instance(), "cmdSave");
      },
      QStringLiteral("name.num"));
}

TEST_F(ReadingWindows, SavePastTheFileSizeLimitGivesTheSystemsReason) {
  NextFor();
  Click(result(), "cmdLifePath");
  const QString path = qztest::TempPath("limited-reading.num");
  ASSERT_TRUE(reading::ReadingFile::Write(path, reading::Person{"OLD", "", "READING", "May", "1", "1990"}));
  const QByteArray before = [&] {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }();
  seams().fileAnswers.push_back(path);
  {
    qztest::FileSizeLimit limit(8);
    ASSERT_TRUE(limit.ok());
    Click(frmNumerologyProDisp::instance(), "cmdSave");
  }
  ASSERT_EQ(seams().messages.size(), 1u);
  EXPECT_EQ(seams().messages[0].prompt, "The reading could not be saved.\r\nFile too large");
  QFile after(path);
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), before);
}

TEST_F(ReadingWindows, SaveWarnsAboutCharactersTheFileCannotHold) {
  NextFor({"JOSÉ", "", "NÚÑEZ", "August", "6", "1979"});
  Click(result(), "cmdLifePath");
  frmNumerologyProDisp& disp = frmNumerologyProDisp::instance();
  const QString path = qztest::TempPath("jose.num");
  QFile::remove(path);

  // No: nothing is asked and nothing written.
  seams().fileAnswers.push_back(path);
  Click(disp, "cmdSave");
  ASSERT_EQ(seams().messages.size(), 1u);
  EXPECT_EQ(seams().messages[0].style, ui::MsgStyle::YesNoInformation);
  EXPECT_TRUE(seams().messages[0].prompt.contains("É Ú Ñ")) << seams().messages[0].prompt.toStdString();
  EXPECT_TRUE(seams().fileRequests.empty());
  EXPECT_FALSE(QFile::exists(path));

  // Yes: saved without them.
  seams().answers.push_back(ui::MsgAnswer::Yes);
  Click(disp, "cmdSave");
  ASSERT_TRUE(QFile::exists(path));
  const std::optional<reading::Person> back = reading::ReadingFile::Read(path);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->firstName, "JOS");
  EXPECT_EQ(back->lastName, "NEZ");
}

TEST_F(ReadingWindows, SaveNamesCharactersOutsideTheBasicPlaneWhole) {
  // Two characters outside the basic plane that share their first UTF-16 unit.
  const QString first = QString::fromUtf8("Иван😀😁");
  ASSERT_TRUE(qztest::Paste(box("txtFirstName"), first));
  ASSERT_EQ(box("txtFirstName")->text(), first);
  EXPECT_TRUE(qztest::Enter(box("txtLastName"), "SMITH"));
  for (const auto& [name, text] : {std::pair{"cboMonth", "August"}, {"cboDate", "6"}, {"cboYear", "1979"}})
    EXPECT_TRUE(qztest::Choose(list(name), text)) << name;
  Click(input(), "cmdNext");
  ASSERT_TRUE(result().IsVisible()) << seams().lastPrompt().toStdString();
  Click(result(), "cmdLifePath");
  const QString path = qztest::TempPath("ivan.num");
  QFile::remove(path);
  seams().messages.clear();
  seams().answers.push_back(ui::MsgAnswer::Yes);
  seams().fileAnswers.push_back(path);
  Click(frmNumerologyProDisp::instance(), "cmdSave");
  ASSERT_EQ(seams().messages.size(), 1u);
  EXPECT_TRUE(seams().messages[0].prompt.contains(QString::fromUtf8(": И в а н 😀 😁\r\n")))
      << seams().messages[0].prompt.toStdString();
  EXPECT_TRUE(QFile::exists(path));
}

TEST_F(ReadingWindows, OpenRestoresTheSavedReading) {
  NextFor({"JOHN", "PAUL", "SMITH", "October", "29", "1999"});
  Click(result(), "cmdComprehensiveReading");
  const QString before = SavedText();
  const QString path = qztest::TempPath("Round Trip.NUM");
  seams().fileAnswers.push_back(path);
  Click(frmNumerologyProsave::instance(), "cmdSave");
  ASSERT_TRUE(QFile::exists(path));

  // A fresh input window, then Open of the file (named in capitals).
  frmNumerologyProsave::instance().Unload();
  result().Unload();
  input().Unload();
  input().Show();
  seams().messages.clear();
  seams().fileAnswers.push_back(path);
  Click(input(), "cmdOpen");
  ASSERT_EQ(seams().fileRequests.size(), 2u);
  EXPECT_EQ(seams().fileRequests[1].kind, ui::FileDialogKind::Open);
  EXPECT_EQ(seams().fileRequests[1].title, "Select the source file");
  EXPECT_EQ(seams().fileRequests[1].filter, "RI Voze Ravudevede Rod (*.num)|*.num");
  EXPECT_TRUE(seams().messages.empty()) << seams().lastPrompt().toStdString();
  EXPECT_EQ(box("txtFirstName")->text(), "JOHN");
  EXPECT_EQ(box("txtMiddleName")->text(), "PAUL");
  EXPECT_EQ(box("txtLastName")->text(), "SMITH");
  EXPECT_EQ(list("cboMonth")->currentText(), "October");
  EXPECT_EQ(list("cboDate")->currentText(), "29");
  EXPECT_EQ(list("cboYear")->currentText(), "1999");
  EXPECT_TRUE(result().IsVisible());
  EXPECT_FALSE(input().IsVisible());
  EXPECT_TRUE(frmNagScreen2::instance().IsLoaded());
  EXPECT_FALSE(frmNagScreen2::instance().IsVisible());

  shown.clear();
  Click(result(), "cmdComprehensiveReading");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, before);
}

TEST_F(ReadingWindows, OpenDialogOpensAFileTypedAsItIsNamed) {
  // A name without a dot that ends in "num", typed into the real dialog.
  const QString path = qztest::TempPath("datanum");
  ASSERT_TRUE(reading::ReadingFile::Write(path, reading::Person{"MARY", "", "LEE", "May", "1", "1990"}));
  bool openOffered = false;
  QString typed;
  ui::SetDialogDriver([&](QDialog& dialog) {
    qztest::Activate(&dialog);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus && dialog.isAncestorOf(focus));
    QTest::keyClicks(focus, path);
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) typed = edit->text();
    QPushButton* open = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
    openOffered = open && open->isEnabled();
    if (openOffered) QTest::keyClick(focus, Qt::Key_Return);
  });
  Click(input(), "cmdOpen");
  EXPECT_EQ(typed, path);
  EXPECT_TRUE(openOffered);
  EXPECT_TRUE(seams().messages.empty()) << seams().lastPrompt().toStdString();
  EXPECT_EQ(box("txtFirstName")->text(), "MARY");
  EXPECT_EQ(box("txtLastName")->text(), "LEE");
  EXPECT_TRUE(result().IsVisible());
}

TEST_F(ReadingWindows, OpenOfABadFileSaysSoAndChangesNothing) {
  auto write = [](const char* name, const reading::Person& p, int lines = 6) {
    const QString path = qztest::TempPath(name);
    QList<QByteArray> all = reading::ReadingFile::ToBytes(p).split('\n');
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    for (int i = 0; i < lines; ++i) f.write(all[i] + "\n");
    return path;
  };
  struct Case {
    const char* what;
    QString path;
  };
  const Case cases[] = {
      {"wrong extension", write("reading.txt", {"JOHN", "", "SMITH", "August", "6", "1979"})},
      {"missing file", qztest::TempPath("missing.num")},
      {"unknown month", write("month.num", {"JOHN", "", "SMITH", "Augustus", "6", "1979"})},
      {"day out of the list", write("day.num", {"JOHN", "", "SMITH", "August", "32", "1979"})},
      {"year out of the list", write("year.num", {"JOHN", "", "SMITH", "August", "6", "1850"})},
      {"short file", write("short.num", {"JOHN", "", "SMITH", "August", "6", "1979"}, 3)},
  };
  Enter({"ANN", "", "LEE", "May", "5", "2005"});
  for (const Case& c : cases) {
    seams().messages.clear();
    seams().fileAnswers.push_back(c.path);
    EXPECT_TRUE(qztest::Click(input().control<QPushButton>("cmdOpen"))) << c.what;
    ASSERT_EQ(seams().messages.size(), 1u) << c.what;
    EXPECT_EQ(seams().messages[0].prompt, "Please Check The File.") << c.what;
    EXPECT_EQ(seams().messages[0].style, ui::MsgStyle::Critical) << c.what;
    EXPECT_EQ(box("txtFirstName")->text(), "ANN") << c.what;
    EXPECT_EQ(list("cboMonth")->currentText(), "May") << c.what;
    EXPECT_EQ(list("cboYear")->currentText(), "2005") << c.what;
    EXPECT_FALSE(result().IsLoaded()) << c.what;
    EXPECT_TRUE(input().IsVisible()) << c.what;
  }

  // Cancel shows nothing.
  seams().messages.clear();
  seams().fileAnswers.push_back(std::nullopt);
  EXPECT_TRUE(qztest::Click(input().control<QPushButton>("cmdOpen")));
  EXPECT_TRUE(seams().messages.empty());

  // A file whose names fail the checks ends in the check's message, with the names in their boxes.
  seams().fileAnswers.push_back(write("blank.num", {"  ", "", "SMITH", "August", "6", "1979"}));
  EXPECT_TRUE(qztest::Click(input().control<QPushButton>("cmdOpen")));
  ASSERT_EQ(seams().messages.size(), 1u);
  EXPECT_EQ(seams().messages[0].prompt, "Please Enter Your First Name");
  EXPECT_EQ(box("txtLastName")->text(), "SMITH");
}

TEST_F(ReadingWindows, PrintGoesToTheDefaultPrinterOrSaysThereIsNone) {
  NextFor();
  Click(result(), "cmdComprehensiveReading");
  frmNumerologyProsave& save = frmNumerologyProsave::instance();

  Click(save, "cmdPrint");
  ASSERT_EQ(seams().messages.size(), 1u);
  EXPECT_EQ(seams().messages[0].prompt, ui::NoPrinterMessage());
  EXPECT_EQ(seams().messages[0].style, ui::MsgStyle::Information);

  seams().messages.clear();
  seams().defaultPrinterPdf = qztest::TempPath("reading.pdf");
  // A selection does not narrow what is printed.
  save.RTB()->SetSelStart(10);
  save.RTB()->SetSelLength(5);
  Click(save, "cmdPrint");
  EXPECT_TRUE(seams().messages.empty());
  const QString pdf = qztest::PdfText(seams().defaultPrinterPdf);
  EXPECT_TRUE(pdf.contains("Date of Birth: August 6, 1979")) << pdf.left(300).toStdString();
  EXPECT_TRUE(pdf.contains("Your LifePath Number is: 22"));
  EXPECT_TRUE(pdf.contains("Your Rational Thought Number is:"));
}

// The display and comprehensive windows print the reading whole on as many pages as it takes,
// and nothing else: no page numbers.
TEST_F(ReadingWindows, PrintoutHoldsTheReadingAloneOnEveryPage) {
  NextFor();
  for (const char* button : {"cmdComprehensiveReading", "cmdDestiny"}) {
    SCOPED_TRACE(button);
    Click(result(), button);
    ReadingReportWindow& window = std::string(button) == "cmdDestiny"
                                      ? static_cast<ReadingReportWindow&>(frmNumerologyProDisp::instance())
                                      : frmNumerologyProsave::instance();
    seams().defaultPrinterPdf = qztest::TempPath(QString::fromLatin1(button) + ".pdf");
    Click(window, "cmdPrint");
    EXPECT_TRUE(seams().messages.empty()) << seams().lastPrompt().toStdString();
    EXPECT_EQ(qztest::PrintoutFaults(seams().defaultPrinterPdf, window.RTB()->Text()).toStdString(), "");
    if (std::string(button) == "cmdComprehensiveReading") {
      EXPECT_GT(qztest::PdfPages(seams().defaultPrinterPdf).size(), 2);
    }
    window.Unload();
  }
}

namespace {
// Alt+O on the window; the button's access key clicks it after its short press animation.
void PressAltO(QWidget* window) {
  const size_t before = seams().fileRequests.size();
  QTest::keyClick(window, Qt::Key_O, Qt::AltModifier);
  EXPECT_TRUE(qztest::WaitFor([&] { return seams().fileRequests.size() != before; })) << "Alt+O did not press Open";
}
}  // namespace

TEST_F(ReadingWindows, AltOOpensASavedReading) {
  const QString path = qztest::TempPath("alt-o.num");
  ASSERT_TRUE(reading::ReadingFile::Write(path, {"JOHN", "", "SMITH", "May", "31", "2001"}));
  qztest::Activate(input().window());
  seams().fileAnswers.push_back(path);
  PressAltO(input().window());
  ASSERT_EQ(seams().fileRequests.size(), 1u);
  EXPECT_EQ(seams().fileRequests[0].title, "Select the source file");
  EXPECT_TRUE(seams().opened.isEmpty()) << seams().opened.join(' ').toStdString();
  EXPECT_TRUE(seams().messages.empty()) << seams().lastPrompt().toStdString();
  EXPECT_EQ(box("txtLastName")->text(), "SMITH");
  EXPECT_EQ(list("cboDate")->currentText(), "31");
  EXPECT_TRUE(result().IsVisible());
}

// The menu title keeps Alt+D: one press opens the donation page once, as the Donate button does.
TEST_F(ReadingWindows, AltDOpensTheDonationPageAtEachPress) {
  NextFor();
  qztest::Activate(result().window());
  for (int press = 1; press <= 2; ++press) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : result().window(), Qt::Key_D,
                    Qt::AltModifier);
    ASSERT_EQ(seams().opened.size(), press);
  }
  Click(result(), "cmdDonate");
  ASSERT_EQ(seams().opened.size(), 3);
  EXPECT_EQ(seams().opened[0], seams().opened[2]);
  EXPECT_EQ(seams().opened[1], seams().opened[2]);
}

// Alt, Ctrl+Alt or Meta held: the key types nothing into a name box.
TEST_F(ReadingWindows, KeysWithAltOrMetaHeldTypeNothing) {
  qztest::Activate(input().window());
  for (const char* name : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
    ASSERT_TRUE(qztest::Click(box(name)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_1, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::MetaModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
    EXPECT_EQ(box(name)->text(), "A") << name;
  }
}

// Pasted text, by the context menu or Ctrl+V, keeps its first line and no control character:
// the reading's header stays on one line and only the names on screen count.
TEST_F(ReadingWindows, PastedNamesKeepTheirFirstLineWithoutControlCharacters) {
  ASSERT_TRUE(qztest::Paste(box("txtFirstName"), "mary\nann"));
  ASSERT_TRUE(qztest::Click(box("txtLastName")));
  QApplication::clipboard()->setText("\tsmith ");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box("txtFirstName")->text(), "MARY");
  EXPECT_EQ(box("txtLastName")->text(), "SMITH ");
  // Inside a name, only the pasted text's first line goes in, at the cursor.
  ASSERT_TRUE(qztest::Enter(box("txtMiddleName"), "AB"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
  QApplication::clipboard()->setText("c\td\r\ne");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box("txtMiddleName")->text(), "ACDB");
  EXPECT_EQ(box("txtMiddleName")->cursorPosition(), 3);
  ASSERT_TRUE(qztest::Enter(box("txtMiddleName"), ""));

  Click(input(), "cmdNext");
  ASSERT_TRUE(result().IsVisible());
  Click(result(), "cmdComprehensiveReading");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.startsWith("Name: MARY  SMITH \nDate of Birth: August 6, 1979\n\n"))
      << shown[0].text.left(80).toStdString();
  EXPECT_EQ(shown[0].text, BoxText(reading::ComprehensiveReadingRuns({"MARY", "", "SMITH ", "August", "6", "1979"},
                                                                     QDate(2024, 3, 15))));
}

// No button of the input window is drawn as default: Return in a name box presses nothing.
TEST_F(ReadingWindows, NoButtonIsDrawnAsDefault) {
  for (QPushButton* button : input().window()->findChildren<QPushButton*>())
    EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
  ASSERT_TRUE(qztest::Enter(box("txtFirstName"), "JOHN"));
  ASSERT_TRUE(qztest::Enter(box("txtLastName"), "SMITH"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_FALSE(result().IsLoaded());
  EXPECT_TRUE(seams().messages.empty());
}

TEST_F(ReadingWindows, LauncherShowsTheInputWindowWithTheFirstNameFocused) {
  input().Unload();
  RegisterReadingTool();
  frmMain& launcher = frmMain::instance();
  launcher.Show();
  qztest::Activate(launcher.window());
  QTest::mouseClick(launcher.cmdSelectOption(shell::Tool::Reading), Qt::LeftButton);
  ASSERT_TRUE(input().IsVisible());
  ASSERT_TRUE(QTest::qWaitForWindowActive(input().window()));
  QWidget* focused = QApplication::focusWidget();
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(focused->objectName(), "txtFirstName");
  QTest::keyClicks(focused, "john");
  EXPECT_EQ(box("txtFirstName")->text(), "JOHN");

  // Tab walks the names, the date lists, Next, Exit, then Open.
  QStringList chain;
  for (int i = 0; i < 9; ++i) {
    chain << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(chain.join(' '), "txtFirstName txtMiddleName txtLastName cboMonth cboDate cboYear cmdNext cmdExit cmdOpen");
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "txtFirstName");
}
