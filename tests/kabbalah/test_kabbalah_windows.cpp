#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QDialog>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "common/planted_links.h"
#include "common/test_support.h"
#include "kabbalah/core/kabbalah_numbers.h"
#include "kabbalah/frm_kabbalah_numerology_display.h"
#include "kabbalah/frm_kabbalah_numerology_main.h"
#include "kabbalah/frm_kabbalah_numerology_save.h"
#include "kabbalah/kabbalah_tool.h"
#include "services/rtb_link_hook.h"
#include "shell/shell_windows.h"
#include "ui/rich_text_box.h"

namespace {
frmKabbalahNumerologyMain& input() { return frmKabbalahNumerologyMain::instance(); }
frmKabbalahNumerologyDisplay& display() { return frmKabbalahNumerologyDisplay::instance(); }
frmKabbalahNumerologySave& report() { return frmKabbalahNumerologySave::instance(); }

QLineEdit* box(const char* name) { return input().control<QLineEdit>(QString::fromLatin1(name)); }
QComboBox* list(const char* name) { return input().control<QComboBox>(QString::fromLatin1(name)); }
QPlainTextEdit* resultBox(int tab) {
  return display().control<QPlainTextEdit>(frmKabbalahNumerologyDisplay::BoxNames()[tab]);
}
QString caption() { return display().control<QLabel>("lblCaption")->text(); }
QTabBar* tabs() { return display().control<QTabBar>("TScript"); }

QString unrtf(const QString& mode, const QString& path) {
  QProcess p;
  p.start("unrtf", {mode, path});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

class KabbalahWindows : public qztest::SeamTest {
 protected:
  void SetUp() override {
    qztest::SeamTest::SetUp();
    report().Unload();
    display().Unload();
    input().Unload();
    input().Show();
    seams().messages.clear();  // the update reminder, if any
  }
  void TearDown() override {
    report().Unload();
    display().Unload();
    input().Unload();
  }
  qztest::Seams& seams() { return qztest::seams(); }

  // Picks list entries by their text.
  void pick(const char* name, const QString& text) { ASSERT_TRUE(qztest::Choose(list(name), text)) << name; }
  // Types the names into their boxes and presses "Get My Interpretation".
  void interpret(const QString& first, const QString& last, const QString& middle = QString()) {
    fillNames(qztest::Enter, first, middle, last);
  }
  // The same with the names pasted, past the key filter (small letters stay small).
  void interpretPasted(const QString& first, const QString& last) {
    fillNames(qztest::Paste, first, QString(), last);
  }
  void openReport() {
    ASSERT_TRUE(qztest::Click(display().control<QPushButton>("cmdPrint")));
    ASSERT_TRUE(report().IsLoaded());
  }
  void back() { ASSERT_TRUE(qztest::Click(display().control<QPushButton>("cmdBack"))); }
  // Selects text of the report with the keyboard: from the start of the line at `position`,
  // `length` characters (or to the line's end when negative).
  void selectInReport(int position, int length) {
    ASSERT_TRUE(qztest::Click(rtb()));
    QTest::keyClick(rtb(), Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 1000 && rtb()->textCursor().position() < position; ++i) QTest::keyClick(rtb(), Qt::Key_Down);
    ASSERT_EQ(rtb()->textCursor().position(), position);
    if (length < 0) QTest::keyClick(rtb(), Qt::Key_End, Qt::ShiftModifier);
    for (int i = 0; i < length; ++i) QTest::keyClick(rtb(), Qt::Key_Right, Qt::ShiftModifier);
  }
  ui::RichTextBox* rtb() { return report().control<ui::RichTextBox>("RTB"); }

 private:
  void fillNames(::testing::AssertionResult (*fill)(QLineEdit*, const QString&), const QString& first,
                 const QString& middle, const QString& last) {
    ASSERT_TRUE(fill(box("txtFirstName"), first));
    ASSERT_TRUE(fill(box("txtMiddleName"), middle));
    ASSERT_TRUE(fill(box("txtLastName"), last));
    ASSERT_TRUE(qztest::Click(input().control<QPushButton>("cmdNext")));
  }
};
}  // namespace

TEST_F(KabbalahWindows, LoadFillsTheListsAndSelectsTheFirstItems) {
  EXPECT_EQ(input().window()->windowTitle(), "QZ Kabbalah Numerology");
  EXPECT_EQ(list("cmbDate")->count(), 31);
  EXPECT_EQ(list("cmbMonth")->count(), 12);
  EXPECT_EQ(list("cmbYear")->count(), 1100);
  EXPECT_EQ(list("cmbYear")->itemText(1099), "2999");
  EXPECT_EQ(list("cboMHH")->count(), 24);
  EXPECT_EQ(list("cboMMM")->count(), 60);
  EXPECT_EQ(list("cboMSS")->count(), 60);
  for (const char* name : {"cmbDate", "cmbMonth", "cmbYear", "cboMHH", "cboMMM", "cboMSS"}) {
    EXPECT_EQ(list(name)->currentIndex(), 0) << name;
    EXPECT_FALSE(list(name)->isEditable()) << name;
  }
  EXPECT_EQ(list("cmbMonth")->currentText(), "January");
  EXPECT_EQ(input().control<QLabel>("Label5")->text(), " Last Name");
  EXPECT_EQ(input().control<QPushButton>("cmdNext")->text(), "&Get My Interpretation");
}

TEST_F(KabbalahWindows, WorkedExampleShowsTheLuckyNumberTab) {
  interpret("ANN", "LEE");
  EXPECT_TRUE(seams().messages.empty());
  EXPECT_FALSE(input().IsVisible());
  EXPECT_TRUE(input().IsLoaded());
  ASSERT_TRUE(display().IsVisible());
  EXPECT_EQ(display().Results().BirthWeekDay, 2);
  EXPECT_EQ(display().Results().BirthHour, 0);
  EXPECT_EQ(caption(), "Lucky Number is  7");
  EXPECT_EQ(tabs()->currentIndex(), 0);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(!resultBox(i)->isHidden(), i == 0) << i;
  EXPECT_EQ(resultBox(0)->toPlainText(), "\n" + kabbalah::LuckyNumberText);
  EXPECT_EQ(resultBox(2)->toPlainText(), "\n" + kabbalah::MoneyText(6));
  EXPECT_EQ(resultBox(3)->toPlainText(), "\n" + kabbalah::HealthText(11));
  EXPECT_EQ(resultBox(5)->toPlainText(), "\n" + kabbalah::HealthText(6));
}

TEST_F(KabbalahWindows, TabsShowTheirBoxAndCaption) {
  pick("cmbDate", "22");
  pick("cmbMonth", "February");
  pick("cmbYear", "2011");  // a Tuesday
  pick("cboMHH", "1");
  pick("cboMMM", "37");  // minutes and seconds change nothing
  interpret("TSAR", "LEE");
  EXPECT_EQ(caption(), "Lucky Number is  4");
  const char* const expected[6] = {"Lucky Number is  4",
                                   "Lucky Color is  Black,White,Brown",
                                   "Money Number is  5",  // 10 + 22 = 32 -> 5
                                   "First Health Indication Number is  18",
                                   "First Health Influence Number is  10",
                                   "Second Health Indication Number is  5"};
  for (int tab = 5; tab >= 0; --tab) {
    ASSERT_TRUE(qztest::ClickTab(tabs(), tab));
    EXPECT_EQ(caption(), expected[tab]) << tab;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(!resultBox(i)->isHidden(), i == tab) << tab << " " << i;
  }
  EXPECT_EQ(resultBox(3)->toPlainText(), "\n" + kabbalah::HealthText(8));
  EXPECT_EQ(resultBox(4)->toPlainText(), "\n" + kabbalah::HealthText(10));
}

TEST_F(KabbalahWindows, KeyFilter) {
  QLineEdit* first = box("txtFirstName");
  ASSERT_TRUE(qztest::Click(first));
  QTest::keyClicks(first, "jo hN");
  EXPECT_EQ(first->text(), "JO HN");
  EXPECT_TRUE(seams().messages.empty());
  QTest::keyClick(first, Qt::Key_Backspace);
  QTest::keyClick(first, Qt::Key_Left);
  QTest::keyClick(first, Qt::Key_Delete);
  QTest::keyClick(first, Qt::Key_Home);
  QTest::keyClick(first, Qt::Key_End);
  EXPECT_EQ(first->text(), "JO ");
  EXPECT_TRUE(seams().messages.empty());

  QApplication::clipboard()->setText("x1");
  struct Refused {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    const char* text;
  };
  const Refused refused[] = {{Qt::Key_1, {}, "1"},           {Qt::Key_Minus, {}, "-"},
                             {Qt::Key_Apostrophe, {}, "'"}, {Qt::Key_V, Qt::ControlModifier, ""},
                             {Qt::Key_Escape, {}, ""},       {Qt::Key_Period, {}, "."}};
  for (const Refused& r : refused) {
    seams().messages.clear();
    QTest::keyClick(first, r.key, r.mods);
    ASSERT_EQ(seams().messages.size(), 1u) << r.text;
    EXPECT_EQ(seams().messages[0].prompt, "Please Enter Only Alphabet");
    EXPECT_EQ(seams().messages[0].style, ui::MsgStyle::Information);
    EXPECT_EQ(seams().messages[0].title, "QZ Orbalinth");
    EXPECT_EQ(first->text(), "JO ") << r.text;
  }
  EXPECT_EQ(input().window()->focusWidget(), first);
  // Same filter on the other boxes.
  ASSERT_TRUE(qztest::Enter(box("txtMiddleName"), "a"));
  ASSERT_TRUE(qztest::Enter(box("txtLastName"), "z"));
  EXPECT_EQ(box("txtMiddleName")->text(), "A");
  EXPECT_EQ(box("txtLastName")->text(), "Z");
}

// A key pressed with Alt, Ctrl+Alt or Meta held types nothing and is not refused: the small
// letters, digits and signs of these keys never reach a name.
TEST_F(KabbalahWindows, KeysWithAltOrMetaHeldTypeNothing) {
  qztest::Activate(input().window());
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
  } keys[] = {{Qt::Key_Q, Qt::AltModifier},     {Qt::Key_1, Qt::AltModifier},
              {Qt::Key_Minus, Qt::AltModifier}, {Qt::Key_Apostrophe, Qt::AltModifier},
              {Qt::Key_Z, Qt::AltModifier},     {Qt::Key_Q, Qt::MetaModifier},
              {Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier}};
  for (const char* name : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
    ASSERT_TRUE(qztest::Click(box(name)));
    for (const auto& k : keys) QTest::keyClick(QApplication::focusWidget(), k.key, k.mods);
    EXPECT_EQ(box(name)->text(), "") << name;
    EXPECT_TRUE(seams().messages.empty()) << seams().lastPrompt().toStdString();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q);
    EXPECT_EQ(box(name)->text(), "Q") << name;
  }
}

TEST_F(KabbalahWindows, InputMethodTextGoesThroughTheKeyFilter) {
  qztest::Activate(input().window());
  QLineEdit* first = box("txtFirstName");
  ASSERT_TRUE(qztest::Click(first));
  QTest::keyClicks(first, "jo");
  // Text from an input method: a dead key shows its accent while composing, then the composed
  // text is committed.
  const struct {
    QString preedit, commit;
    const char* text;  // the box afterwards
    bool refused;
  } cases[] = {
      {QString::fromUtf8("\u00b4"), QString::fromUtf8("\u00e9"), "JO", true},
      {"", "h", "JOH", false},
      {"", "N", "JOHN", false},
      {"", " a", "JOHN A", false},
      {"", "b1c", "JOHN ABC", true},
      {"", QString::fromUtf8("\u0416\U0001F600"), "JOHN ABC", true},
      {"", "\x16", "JOHN ABC", true},  // Ctrl+V's code, committed
  };
  for (const auto& c : cases) {
    seams().messages.clear();
    qztest::CommitInputMethodText(c.commit, c.preedit);
    EXPECT_EQ(first->text(), c.text) << c.commit.toStdString();
    if (c.refused) {
      ASSERT_EQ(seams().messages.size(), 1u) << c.commit.toStdString();
      EXPECT_EQ(seams().messages[0].prompt, "Please Enter Only Alphabet");
      EXPECT_EQ(seams().messages[0].style, ui::MsgStyle::Information);
    } else {
      EXPECT_TRUE(seams().messages.empty()) << c.commit.toStdString();
    }
    EXPECT_EQ(QApplication::focusWidget(), first);
  }
  // The same filter in the other boxes.
  QTest::keyClick(first, Qt::Key_Tab);
  qztest::CommitInputMethodText(QString::fromUtf8("z\u00fc"));
  EXPECT_EQ(box("txtMiddleName")->text(), "Z");
}

TEST_F(KabbalahWindows, NameBoxesTakeNoDropsButTheContextMenuPastes) {
  qztest::Activate(input().window());
  QLineEdit* last = box("txtLastName");
  ASSERT_TRUE(qztest::Click(last));
  QTest::keyClicks(last, "lee");
  EXPECT_FALSE(qztest::OfferTextDrop(last, "smith 1"));
  EXPECT_EQ(last->text(), "LEE");
  EXPECT_FALSE(last->acceptDrops());
  EXPECT_TRUE(seams().messages.empty());

  // The box's context menu pastes the text as it is.
  QApplication::clipboard()->setText("-smith");
  ASSERT_TRUE(qztest::PasteFromContextMenu(last));
  EXPECT_EQ(last->text(), "LEE-smith");
  EXPECT_TRUE(seams().messages.empty());
}

TEST_F(KabbalahWindows, ChecksWithTheirMessagesAndFocus) {
  struct Case {
    const char* first;
    const char* last;
    const char* day;
    const char* month;
    const char* year;
    const char* message;  // nullptr: accepted
    const char* focus;    // control that holds the focus after the check
  };
  const char* const kFeb = "Please Enter Correct Date Or Month!";
  const char* const kThirty = "Please Enter Correct Date Or Month !";
  const Case cases[] = {
      {"", "LEE", "1", "January", "1900", "Please Enter Your First Name", "txtFirstName"},
      {"   ", "LEE", "1", "January", "1900", "Please Enter Your First Name", "txtFirstName"},
      {"ANN", "", "1", "January", "1900", "Please Enter Your Last Name", "txtLastName"},
      {"ANN", "  ", "1", "January", "1900", "Please Enter Your Last Name", "txtLastName"},
      {"", "", "31", "April", "1900", "Please Enter Your First Name", "txtFirstName"},
      {"ANN", "LEE", "30", "February", "2000", kFeb, "cmdNext"},
      {"ANN", "LEE", "31", "February", "2004", kFeb, "cmdNext"},
      {"ANN", "LEE", "29", "February", "2001", kFeb, "cmdNext"},
      {"ANN", "LEE", "29", "February", "1900", kFeb, "cmdNext"},
      {"ANN", "LEE", "29", "February", "2100", kFeb, "cmdNext"},
      {"ANN", "LEE", "29", "February", "2000", nullptr, nullptr},
      {"ANN", "LEE", "29", "February", "2400", nullptr, nullptr},
      {"ANN", "LEE", "31", "April", "1990", kThirty, "cmdNext"},
      {"ANN", "LEE", "31", "June", "1990", kThirty, "cmdNext"},
      {"ANN", "LEE", "31", "September", "1990", kThirty, "cmdNext"},
      {"ANN", "LEE", "31", "November", "1990", kThirty, "cmdNext"},
      {"ANN", "LEE", "31", "May", "1990", nullptr, nullptr},
      {"ANN", "LEE", "30", "April", "1990", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.first) + "/" + c.last + " " + c.day + " " + c.month + " " + c.year);
    input().Show();
    display().Unload();
    seams().messages.clear();
    pick("cmbDate", c.day);
    pick("cmbMonth", c.month);
    pick("cmbYear", c.year);
    interpret(c.first, c.last);
    if (!c.message) {
      EXPECT_TRUE(seams().messages.empty());
      EXPECT_TRUE(display().IsVisible());
      continue;
    }
    ASSERT_EQ(seams().messages.size(), 1u);
    EXPECT_EQ(seams().messages[0].prompt, c.message);
    EXPECT_EQ(seams().messages[0].style, ui::MsgStyle::Information);
    EXPECT_FALSE(display().IsLoaded());
    EXPECT_TRUE(input().IsVisible());
    EXPECT_EQ(input().window()->focusWidget()->objectName(), c.focus);
  }
}

TEST_F(KabbalahWindows, BackKeepsTheDateAndANewCalculationShowsTheFirstTab) {
  pick("cmbDate", "5");
  pick("cmbMonth", "March");
  pick("cmbYear", "1985");
  pick("cboMHH", "13");
  interpret("THEO", "LEE", "MAX");
  ASSERT_TRUE(qztest::ClickTab(tabs(), 3));
  EXPECT_EQ(caption(), "First Health Indication Number is  9");
  back();
  EXPECT_FALSE(display().IsVisible());
  EXPECT_TRUE(display().IsLoaded());
  EXPECT_TRUE(input().IsVisible());
  for (const char* name : {"txtFirstName", "txtMiddleName", "txtLastName"}) EXPECT_TRUE(box(name)->text().isEmpty());
  EXPECT_EQ(list("cmbDate")->currentText(), "5");
  EXPECT_EQ(list("cmbMonth")->currentText(), "March");
  EXPECT_EQ(list("cmbYear")->currentText(), "1985");
  EXPECT_EQ(list("cboMHH")->currentText(), "13");

  interpret("ANN", "LEE");
  EXPECT_EQ(tabs()->currentIndex(), 0);
  EXPECT_FALSE(resultBox(0)->isHidden());
  EXPECT_TRUE(resultBox(3)->isHidden());
  EXPECT_EQ(caption(), "Lucky Number is  " + display().Results().LuckyNumber);
}

TEST_F(KabbalahWindows, NumbersWithoutTextNeverKeepThePreviousPersonsText) {
  interpret("ANN", "LEE");
  ASSERT_EQ(resultBox(2)->toPlainText(), "\n" + kabbalah::MoneyText(6));
  back();
  // Small letters pasted past the key filter have no value: every number is 0.
  interpretPasted("ann", "lee");
  EXPECT_EQ(display().Results().MoneyNumber, "0");
  const QString none = "\n" + kabbalah::NoInterpretationText;
  for (int tab : {2, 3, 4, 5}) EXPECT_EQ(resultBox(tab)->toPlainText(), none) << tab;
  EXPECT_EQ(resultBox(0)->toPlainText(), "\n" + kabbalah::LuckyNumberText);
  EXPECT_EQ(resultBox(1)->toPlainText(), "\n" + kabbalah::LuckyColorText);

  // A first name whose sum is 599 has the value 23: no text for its health numbers.
  back();
  interpret(QString(27, 'T') + "DA", "LEE");
  EXPECT_EQ(display().Results().FirstHealthIndication, "23");
  EXPECT_EQ(resultBox(3)->toPlainText(), none);
  EXPECT_EQ(resultBox(4)->toPlainText(), none);
  EXPECT_EQ(resultBox(2)->toPlainText(), "\n" + kabbalah::MoneyText(9));  // 23 + 22 = 45 -> 9
}

TEST_F(KabbalahWindows, VeryLongNamesAreValued) {
  interpret(QString(3000, 'T'), QString(3000, 'Z'));
  EXPECT_TRUE(display().IsVisible());
  EXPECT_EQ(display().Results().FirstHealthInfluence, 12);  // 66000 -> 12
  EXPECT_EQ(display().Results().FullNameTotal, 12 + 3);     // 21000 -> 3
}

TEST_F(KabbalahWindows, ExitUnloadsAndShowsTheLauncher) {
  ASSERT_TRUE(qztest::MenuItem(input().window(), Qt::Key_F, Qt::Key_X));
  EXPECT_FALSE(input().IsLoaded());
  EXPECT_TRUE(frmMain::instance().IsVisible());
  frmMain::instance().Hide();
}

TEST_F(KabbalahWindows, MenuItemsRunTheirButtons) {
  ASSERT_TRUE(qztest::Enter(box("txtFirstName"), "ANN"));
  ASSERT_TRUE(qztest::Enter(box("txtLastName"), "LEE"));
  ASSERT_TRUE(qztest::MenuItem(input().window(), Qt::Key_F, Qt::Key_I));
  ASSERT_TRUE(display().IsVisible());
  EXPECT_EQ(caption(), "Lucky Number is  7");
  // "Print", first in the File menu, has no access key: the menu opens on it and Return takes it.
  ASSERT_TRUE(qztest::MenuItem(display().window(), Qt::Key_F, Qt::Key_Return));
  EXPECT_TRUE(report().IsLoaded());
  report().Unload();
  ASSERT_TRUE(qztest::MenuItem(display().window(), Qt::Key_F, Qt::Key_B));
  EXPECT_TRUE(input().IsVisible());
  EXPECT_FALSE(display().IsVisible());
}

TEST_F(KabbalahWindows, DisplayExitShowsTheLauncherAndKeepsTheInputHidden) {
  interpret("ANN", "LEE");
  // "Exit", last in the File menu, has no access key: Up from the first item wraps onto it.
  ASSERT_TRUE(qztest::MenuItem(display().window(), Qt::Key_F, Qt::Key_Up));
  QWidget* menu = QApplication::activePopupWidget();
  ASSERT_NE(menu, nullptr);
  QTest::keyClick(menu, Qt::Key_Return);
  EXPECT_FALSE(display().IsLoaded());
  EXPECT_TRUE(input().IsLoaded());
  EXPECT_FALSE(input().IsVisible());
  EXPECT_TRUE(frmMain::instance().IsVisible());
  frmMain::instance().Hide();
}

TEST_F(KabbalahWindows, ReportLayout) {
  interpret("ANN", "LEE");
  bool sawModal = false;
  seams().onModal = [&](ui::Form& form) { sawModal = &form == &report(); };
  openReport();
  EXPECT_TRUE(sawModal);
  EXPECT_TRUE(IsRTBHooked(report().window()));
  EXPECT_EQ(report().window()->windowTitle(), "QZ Kabbalah Numerology");

  const QString text = rtb()->Text();
  const QString heading = QString(28, ' ') + "QZ Free Kabbalah Numerology Interpretation";
  EXPECT_TRUE(text.startsWith(heading + "\n\nLucky Number :-7\n" + kabbalah::LuckyNumberText + "\n\n"))
      << text.left(200).toStdString();
  EXPECT_TRUE(text.contains("Lucky Color :-Mauve\n" + kabbalah::LuckyColorText));
  EXPECT_TRUE(text.contains("Money Number :-6\n" + kabbalah::MoneyText(6)));
  EXPECT_TRUE(text.contains("First Health Indication :-11\n" + kabbalah::HealthText(11)));
  EXPECT_TRUE(text.contains("First Health Influence :-11\n" + kabbalah::HealthText(11)));
  EXPECT_TRUE(text.contains("Second Health Indication :-6\n" + kabbalah::HealthText(6)));

  // Formats: red bold heading, dark blue bold labels, black plain bodies.
  auto formatAt = [&](const QString& piece) {
    QTextCursor c(rtb()->document());
    c.setPosition(text.indexOf(piece) + 1);
    return c.charFormat();
  };
  const QTextCharFormat h = formatAt("QZ Free");
  EXPECT_EQ(h.fontWeight(), QFont::Bold);
  EXPECT_EQ(ui::PaletteIndex(h.foreground().color()), 12);
  const QTextCharFormat label = formatAt("Money Number :-");
  EXPECT_EQ(label.fontWeight(), QFont::Bold);
  EXPECT_EQ(ui::PaletteIndex(label.foreground().color()), 1);
  const QTextCharFormat bodyFormat = formatAt(kabbalah::MoneyText(6).left(20));
  EXPECT_NE(bodyFormat.fontWeight(), QFont::Bold);
  EXPECT_EQ(ui::PaletteIndex(bodyFormat.foreground().color()), 0);

  const int hooks = RTBHookCount();
  report().Unload();
  EXPECT_EQ(RTBHookCount(), hooks - 1);
}

TEST_F(KabbalahWindows, ReportShowsTheNoticeForNumbersWithoutText) {
  interpret("ANN", "LEE");
  back();
  interpretPasted("john", "LEE");  // pasted small letters: the first name is worth 0
  openReport();
  const QString text = rtb()->Text();
  EXPECT_TRUE(text.contains("First Health Indication :-0\n" + kabbalah::NoInterpretationText));
  EXPECT_FALSE(text.contains(kabbalah::HealthText(11)));
  EXPECT_FALSE(text.contains(kabbalah::MoneyText(6)));
}

TEST_F(KabbalahWindows, SaveWritesAnRtfFileThatOtherProgramsRead) {
  interpret("ANN", "LEE");
  openReport();
  const QString chosen = qztest::TempPath("kabbalah-report");
  QFile::remove(chosen + ".rtf");
  seams().fileAnswers.push_back(chosen);
  QTest::mouseClick(report().control<QPushButton>("cmdSave"), Qt::LeftButton);
  EXPECT_TRUE(seams().messages.empty());
  ASSERT_EQ(seams().fileRequests.size(), 1u);
  const ui::FileDialogRequest& r = seams().fileRequests[0];
  EXPECT_EQ(r.kind, ui::FileDialogKind::Save);
  EXPECT_EQ(r.filter, "Rich Text Format | *.rtf ");
  EXPECT_EQ(r.filterIndex, 2);
  EXPECT_EQ(r.defaultExt, "rtf");
  EXPECT_TRUE(r.confirmOverwrite);
  EXPECT_EQ(r.title, "QZ Orbalinth");

  const QString path = chosen + ".rtf";
  ASSERT_TRUE(QFile::exists(path));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().startsWith("{\\rtf1"));
  const QString plain = unrtf("--text", path);
  EXPECT_TRUE(plain.contains("QZ Free Kabbalah Numerology Interpretation"));
  EXPECT_TRUE(plain.contains("Lucky Number :-7"));
  EXPECT_TRUE(plain.contains("Second Health Indication :-6"));
  EXPECT_TRUE(plain.contains(kabbalah::LuckyNumberText));
  const QString html = unrtf("--html", path).simplified();
  const qsizetype headingAt = html.indexOf("QZ Free Kabbalah");
  ASSERT_GT(headingAt, 0);
  const QString beforeHeading = html.mid(qMax<qsizetype>(0, headingAt - 200), 200);
  EXPECT_TRUE(beforeHeading.contains("#ff0000", Qt::CaseInsensitive)) << beforeHeading.toStdString();
  EXPECT_TRUE(beforeHeading.contains("<b>")) << beforeHeading.toStdString();
  const qsizetype labelAt = html.indexOf("Money Number :-6");
  ASSERT_GT(labelAt, 0);
  const QString beforeLabel = html.mid(labelAt - 120, 120);
  EXPECT_TRUE(beforeLabel.contains("#000080", Qt::CaseInsensitive)) << beforeLabel.toStdString();
  EXPECT_TRUE(beforeLabel.contains("<b>")) << beforeLabel.toStdString();
}

TEST_F(KabbalahWindows, SaveCancelIsSilentAndAFailedWriteSaysSo) {
  interpret("ANN", "LEE");
  openReport();
  QTest::mouseClick(report().control<QPushButton>("cmdSave"), Qt::LeftButton);  // the queue is empty: Cancel
  EXPECT_EQ(seams().fileRequests.size(), 1u);
  EXPECT_TRUE(seams().messages.empty());

  // The parent of the chosen path is a file: nothing can be written there.
  const QString blocker = qztest::TempPath("not-a-folder");
  QFile b(blocker);
  ASSERT_TRUE(b.open(QIODevice::WriteOnly));
  b.close();
  seams().fileAnswers.push_back(blocker + "/report.rtf");
  QTest::mouseClick(report().control<QPushButton>("cmdSave"), Qt::LeftButton);
  ASSERT_EQ(seams().messages.size(), 1u);
  EXPECT_EQ(seams().messages[0].style, ui::MsgStyle::Critical);
  EXPECT_TRUE(seams().messages[0].prompt.contains("could not be saved"));
  EXPECT_FALSE(QFile::exists(blocker + "/report.rtf"));
}

TEST_F(KabbalahWindows, SaveRefusesALinkToNothingAndAStrangersLink) {
  interpret("ANN", "LEE");
  openReport();
  qztest::ExpectSavesRefuseUnsafeLinks(
      [this](const QString& path) {
        seams().fileAnswers.push_back(path);
        QTest::mouseClick(report().control<QPushButton>("cmdSave"), Qt::LeftButton);
      },
      QStringLiteral("report.rtf"));
}

TEST_F(KabbalahWindows, SavePastTheFileSizeLimitGivesTheSystemsReason) {
  interpret("ANN", "LEE");
  openReport();
  const QString path = qztest::TempPath("limited.rtf");
  seams().fileAnswers.push_back(path);
  {
    qztest::FileSizeLimit limit(16);
    ASSERT_TRUE(limit.ok());
    QTest::mouseClick(report().control<QPushButton>("cmdSave"), Qt::LeftButton);
  }
  ASSERT_EQ(seams().messages.size(), 1u);
  EXPECT_EQ(seams().messages[0].prompt, "The report could not be saved to \"" + path + "\".\r\nFile too large");
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(KabbalahWindows, PrintTheWholeReportThroughThePrinterDialog) {
  interpret("ANN", "LEE");
  openReport();
  const QString pdf = qztest::TempPath("kabbalah-all.pdf");
  QFile::remove(pdf);
  seams().dialogPrinterPdf = pdf;
  QTest::mouseClick(report().control<QPushButton>("cmdPrint"), Qt::LeftButton);
  EXPECT_EQ(seams().printerDialog, (ui::PrintOptions{.selection = false, .pageNumbers = false}));
  const QString text = qztest::PdfText(pdf).simplified();
  EXPECT_TRUE(text.contains("QZ Free Kabbalah Numerology Interpretation"));
  EXPECT_TRUE(text.contains("Lucky Number :-7"));
  EXPECT_TRUE(text.contains("Second Health Indication :-6"));
  EXPECT_TRUE(seams().messages.empty());
  // The report alone, whole: no page numbers.
  EXPECT_EQ(qztest::PrintoutFaults(pdf, rtb()->Text()).toStdString(), "");
}

TEST_F(KabbalahWindows, PrintHonoursTheRangeChosenInTheDialog) {
  interpret("ANN", "LEE");
  openReport();
  const QString text = rtb()->Text();
  selectInReport(static_cast<int>(text.indexOf("Money Number :-6")), -1);
  ASSERT_EQ(rtb()->SelText(), "Money Number :-6");

  const QString selectionPdf = qztest::TempPath("kabbalah-selection.pdf");
  seams().dialogPrinterPdf = selectionPdf;
  seams().dialogPrintSelection = true;
  QTest::mouseClick(report().control<QPushButton>("cmdPrint"), Qt::LeftButton);
  EXPECT_EQ(seams().printerDialog, (ui::PrintOptions{.selection = true, .pageNumbers = false}));
  const QString selection = qztest::PdfText(selectionPdf).simplified();
  EXPECT_TRUE(selection.startsWith("Money Number :-6")) << selection.toStdString();
  EXPECT_FALSE(selection.contains("Lucky"));
  EXPECT_FALSE(selection.contains(kabbalah::MoneyText(6).left(20)));

  // With a selection, the user may still choose the whole report.
  const QString allPdf = qztest::TempPath("kabbalah-range-all.pdf");
  seams().dialogPrinterPdf = allPdf;
  seams().dialogPrintSelection = false;
  QTest::mouseClick(report().control<QPushButton>("cmdPrint"), Qt::LeftButton);
  EXPECT_EQ(seams().printerDialog, (ui::PrintOptions{.selection = true, .pageNumbers = false}));
  const QString all = qztest::PdfText(allPdf).simplified();
  EXPECT_TRUE(all.contains("QZ Free Kabbalah Numerology Interpretation"));
  EXPECT_TRUE(all.contains("Second Health Indication :-6"));
  EXPECT_EQ(rtb()->SelText(), "Money Number :-6");  // the selection is kept

  // Cancel prints nothing and says nothing.
  seams().dialogPrinterPdf.clear();
  QTest::mouseClick(report().control<QPushButton>("cmdPrint"), Qt::LeftButton);
  EXPECT_TRUE(seams().messages.empty());
}

TEST_F(KabbalahWindows, PrinterDialogOffersNoPageNumbersAndIsTitledPrint) {
  interpret("ANN", "LEE");
  openReport();
  // A save first: its dialog's title must not carry over.
  seams().fileAnswers.push_back(qztest::TempPath("before-print.rtf"));
  QTest::mouseClick(report().control<QPushButton>("cmdSave"), Qt::LeftButton);
  ASSERT_TRUE(seams().messages.empty());

  struct Seen {
    QString title;
    QStringList choices;  // the radio buttons the user can see once the options are shown
  };
  std::vector<Seen> seen;
  ui::SetDialogDriver([&](QDialog& dialog) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
      if (b->text() == "&Options >>") QTest::mouseClick(b, Qt::LeftButton);
    Seen s{dialog.windowTitle(), {}};
    for (QRadioButton* r : dialog.findChildren<QRadioButton*>())
      if (r->isVisibleTo(&dialog)) s.choices << r->text();
    seen.push_back(s);
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
      if (b->text() == "Cancel") QTest::mouseClick(b, Qt::LeftButton);
  });
  QTest::mouseClick(report().control<QPushButton>("cmdPrint"), Qt::LeftButton);
  selectInReport(0, 10);
  ASSERT_EQ(rtb()->SelText(), QString(10, ' '));
  QTest::mouseClick(report().control<QPushButton>("cmdPrint"), Qt::LeftButton);

  ASSERT_EQ(seen.size(), 2u);
  for (const Seen& s : seen) {
    EXPECT_EQ(s.title, "Print");
    EXPECT_TRUE(s.choices.contains("Print all")) << s.choices.join(", ").toStdString();
    EXPECT_FALSE(s.choices.contains("Pages from")) << s.choices.join(", ").toStdString();
    EXPECT_FALSE(s.choices.contains("Pages")) << s.choices.join(", ").toStdString();
  }
  EXPECT_FALSE(seen[0].choices.contains("Selection"));
  EXPECT_TRUE(seen[1].choices.contains("Selection"));
  EXPECT_TRUE(seams().messages.empty());
}

TEST_F(KabbalahWindows, APrintThatFailsSaysSo) {
  interpret("ANN", "LEE");
  openReport();
  const QString blocker = qztest::TempPath("not-a-print-folder");
  QFile b(blocker);
  ASSERT_TRUE(b.open(QIODevice::WriteOnly));
  b.close();
  seams().dialogPrinterPdf = blocker + "/report.pdf";
  QTest::mouseClick(report().control<QPushButton>("cmdPrint"), Qt::LeftButton);
  ASSERT_EQ(seams().messages.size(), 1u);
  EXPECT_EQ(seams().messages[0].prompt, "The report could not be printed.");
  EXPECT_EQ(seams().messages[0].style, ui::MsgStyle::Critical);
}
