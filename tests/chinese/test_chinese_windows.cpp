// The Chinese tool's windows: the checks, Calculate, the result, the report, Save, Open, Print.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "chinese/core/chinese_reading.h"
#include "chinese/core/lo_shu.h"
#include "chinese/frm_chinese_numerology_display.h"
#include "chinese/frm_chinese_numerology_main.h"
#include "chinese/frm_chinese_numerology_save.h"
#include "common/planted_links.h"
#include "common/test_support.h"
#include "services/calendar.h"
#include "services/web_pages.h"
#include "shell/shell_windows.h"
#include "ui/rich_text_box.h"

namespace {
frmChineseNumerologyMain& input() { return frmChineseNumerologyMain::instance(); }
frmChineseNumerologyDisplay& display() { return frmChineseNumerologyDisplay::instance(); }
frmChineseNumerologySave& report() { return frmChineseNumerologySave::instance(); }

template <class T>
T* find(ui::Form& form, const char* name) {
  T* widget = form.control<T>(QString::fromUtf8(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// The favourable number box for 1 January 1970: digit 1 three times, its meaning, North.
QString january1970Text() {
  return "Most Favorable Number by Chinese Numerology\n1\nNumber of occurrence: 3\n\n" +
         chinese::NumberMeaning(1).replace("\r\n", "\n") + "\n\nMost Favorable Direction by Chinese Numerology\nNorth";
}

// Alt+O: the button's access key clicks it after its short press animation.
void pressAltO(QWidget* window) {
  const size_t before = qztest::seams().fileRequests.size();
  QTest::keyClick(window, Qt::Key_O, Qt::AltModifier);
  EXPECT_TRUE(qztest::WaitFor([&] { return qztest::seams().fileRequests.size() != before; }))
      << "Alt+O did not press Open";
}

class ChineseWindows : public qztest::SeamTest {
 protected:
  void SetUp() override {
    SeamTest::SetUp();
    unloadAll();
  }
  void TearDown() override { unloadAll(); }

  static void unloadAll() {
    report().Unload();
    display().Unload();
    input().Unload();
    qztest::seams().messages.clear();
  }

  static void click(ui::Form& form, const char* button) { ASSERT_TRUE(qztest::Click(find<QPushButton>(form, button))); }

  // Shows the input window and fills it in as a user does.
  static void enter(const QString& name, const QString& day, const QString& month, const QString& year) {
    input().Show();
    ASSERT_TRUE(qztest::Enter(find<QLineEdit>(input(), "txtName"), name));
    ASSERT_TRUE(qztest::Choose(find<QComboBox>(input(), "cboDate"), day));
    ASSERT_TRUE(qztest::Choose(find<QComboBox>(input(), "cboMonth"), month));
    ASSERT_TRUE(qztest::Choose(find<QComboBox>(input(), "cboYear"), year));
  }
  static void calculate() { click(input(), "cmdProceed"); }

  // Calculates and opens the report from the result window; `inReport` runs while it is shown.
  static void openReport(std::function<void()> inReport = {}) {
    qztest::seams().onModal = [inReport](ui::Form& form) {
      if (&form == &report() && inReport) inReport();
    };
    click(display(), "cmdSave");
  }
  static QString reportText() { return find<ui::RichTextBox>(report(), "RTB")->Text(); }
  // The report the result window opens now: what it says of the calculated person.
  static QString shownReport() {
    QString text;
    openReport([&text] { text = reportText(); });
    return text;
  }
  static QString dateLine(const QDate& date) { return "\nDate of Birth: " + calendar::ShortDateText(date) + "\n"; }
};
}  // namespace

TEST_F(ChineseWindows, InputWindowStartsWithTheDefaults) {
  input().Show();
  auto* day = find<QComboBox>(input(), "cboDate");
  auto* month = find<QComboBox>(input(), "cboMonth");
  auto* year = find<QComboBox>(input(), "cboYear");
  EXPECT_EQ(day->count(), 31);
  EXPECT_EQ(month->count(), 12);
  EXPECT_EQ(year->count(), 151);
  EXPECT_EQ(year->itemText(0), "1900");
  EXPECT_EQ(year->itemText(150), "2050");
  EXPECT_EQ(day->currentText(), "1");
  EXPECT_EQ(month->currentText(), "January");
  EXPECT_EQ(year->currentIndex(), 70);
  EXPECT_EQ(year->currentText(), "1970");
  EXPECT_FALSE(day->isEditable());
  EXPECT_TRUE(find<QLineEdit>(input(), "txtName")->text().isEmpty());
  for (QRadioButton* sex : input().window()->findChildren<QRadioButton*>("optSex")) EXPECT_FALSE(sex->isChecked());
  EXPECT_EQ(input().window()->windowTitle(), "QZ Chinese Numerology");

  // The File menu shows "E&xit" alone.
  QStringList visible;
  for (QMenu* menu : input().window()->menuBar()->findChildren<QMenu*>("mnuFile"))
    for (QAction* a : menu->actions())
      if (a->isVisible()) visible << a->text();
  EXPECT_EQ(visible, QStringList{"E&xit"});
}

TEST_F(ChineseWindows, ChecksRefuseWithTheirMessagesAndFocus) {
  struct {
    const char* name;
    const char* day;
    const char* month;
    const char* year;
    const char* message;
    ui::MsgStyle style;
    bool focusOnName;
  } cases[] = {
      {"", "1", "January", "1970", "Please Enter Your Name", ui::MsgStyle::Critical, true},
      {"   ", "1", "January", "1970", "Please Enter Your Name", ui::MsgStyle::Critical, true},  // blanks are no name
      {"Ann", "30", "February", "2000", "Please Enter Correct Date Or Month!", ui::MsgStyle::Information, false},
      {"Ann", "29", "February", "2001", "Please Enter Correct Date Or Month!", ui::MsgStyle::Information, false},
      {"Ann", "29", "February", "1900", "Please Enter Correct Date Or Month!", ui::MsgStyle::Information, false},
      {"Ann", "31", "April", "1970", "Please Enter Correct Date Or Month !", ui::MsgStyle::Information, false},
      {"Ann", "31", "June", "1970", "Please Enter Correct Date Or Month !", ui::MsgStyle::Information, false},
      {"Ann", "31", "September", "1970", "Please Enter Correct Date Or Month !", ui::MsgStyle::Information, false},
      {"Ann", "31", "November", "1970", "Please Enter Correct Date Or Month !", ui::MsgStyle::Information, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QStringLiteral("'%1' %2 %3 %4").arg(c.name, c.day, c.month, c.year).toStdString());
    qztest::seams().messages.clear();
    enter(c.name, c.day, c.month, c.year);
    ASSERT_TRUE(QTest::qWaitForWindowActive(input().window()));
    auto* cmdProceed = find<QPushButton>(input(), "cmdProceed");
    calculate();  // the click takes the focus to the button
    ASSERT_EQ(qztest::seams().messages.size(), 1u);
    EXPECT_EQ(qztest::seams().messages[0].prompt, QString(c.message));
    EXPECT_EQ(qztest::seams().messages[0].style, c.style);
    EXPECT_EQ(qztest::seams().messages[0].title, "QZ Orbalinth");
    QWidget* expectedFocus = c.focusOnName ? static_cast<QWidget*>(find<QLineEdit>(input(), "txtName")) : cmdProceed;
    EXPECT_EQ(QApplication::focusWidget(), expectedFocus);
    EXPECT_TRUE(input().IsVisible());  // the window stays as it was
    EXPECT_FALSE(display().IsLoaded());
    input().Unload();
  }
}

TEST_F(ChineseWindows, DatesThatPass) {
  for (const auto& [day, month, year] : {std::tuple{"29", "February", "2000"}, {"31", "May", "1970"},
                                         {"29", "February", "2004"}, {"31", "December", "2050"}}) {
    enter("Ann", day, month, year);
    calculate();
    EXPECT_TRUE(qztest::seams().messages.empty()) << day << " " << month << " " << year;
    EXPECT_TRUE(display().IsVisible());
    const QDate date(QString(year).toInt(), calendar::MonthNumber(month), QString(day).toInt());
    EXPECT_TRUE(shownReport().contains(dateLine(date))) << day << " " << month << " " << year;
    display().Unload();
  }
}

TEST_F(ChineseWindows, CalculateShowsTheChartAndTheFavourableNumber) {
  enter("  Ann ", "1", "January", "1970");
  ASSERT_TRUE(qztest::Click(input().window()->findChildren<QRadioButton*>("optSex").at(0)));
  calculate();
  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_FALSE(input().IsLoaded());
  EXPECT_TRUE(display().IsVisible());
  EXPECT_FALSE(frmMain::instance().IsVisible());
  EXPECT_TRUE(shownReport().startsWith("Name: Ann\n" + ReportFooter() + "\n" + dateLine(QDate(1970, 1, 1))));

  EXPECT_EQ(display().lblLoshuGrid(0)->text(), "[1]\r\n111");
  EXPECT_EQ(display().lblLoshuGrid(6)->text(), "[7]\r\n7");
  EXPECT_EQ(display().lblLoshuGrid(8)->text(), "[9]\r\n9");
  EXPECT_EQ(display().lblLoshuGrid(1)->text(), "[2]\r\n");
  const QStringList sides = {"South East", "South", "South West", "West", "North West", "North", "North East", "East"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(display().lblLoshuSides(i)->text(), sides[i]);

  ui::RichTextBox* box = display().RTBLoshu();
  EXPECT_EQ(box->Text(), january1970Text());

  // Heading bold and white at the box's size; the number and all that follows green at 16 points.
  QTextDocument* doc = box->document();
  auto formatAt = [doc](int position) {
    QTextCursor c(doc);
    c.setPosition(position + 1);
    return c.charFormat();
  };
  const int number = static_cast<int>(box->Text().indexOf("1\n"));
  const int heading2 = static_cast<int>(box->Text().indexOf("Most Favorable Direction"));
  const int north = static_cast<int>(box->Text().lastIndexOf("North"));
  EXPECT_EQ(formatAt(0).fontWeight(), QFont::Bold);
  EXPECT_EQ(formatAt(0).foreground().color(), QColor(255, 255, 255));
  EXPECT_NE(formatAt(0).fontPointSize(), 16);
  EXPECT_EQ(formatAt(number).fontPointSize(), 16);
  EXPECT_EQ(formatAt(number).foreground().color(), QColor(0, 255, 0));
  EXPECT_NE(formatAt(number).fontWeight(), QFont::Bold);
  EXPECT_EQ(formatAt(heading2).fontWeight(), QFont::Bold);
  EXPECT_EQ(formatAt(heading2).fontPointSize(), 16);
  EXPECT_EQ(formatAt(north).foreground().color(), QColor(0, 255, 0));
  EXPECT_EQ(formatAt(north).fontPointSize(), 16);
}

TEST_F(ChineseWindows, BackAndCloseBox) {
  enter("Ann", "6", "August", "1979");
  calculate();
  click(display(), "cmdBack");
  EXPECT_FALSE(display().IsLoaded());
  EXPECT_FALSE(frmMain::instance().IsVisible());
  EXPECT_TRUE(input().IsVisible());
  EXPECT_TRUE(find<QLineEdit>(input(), "txtName")->text().isEmpty());
  EXPECT_EQ(find<QComboBox>(input(), "cboYear")->currentText(), "1970");

  enter("Ann", "6", "August", "1979");
  calculate();
  display().window()->close();
  EXPECT_FALSE(display().IsLoaded());
  EXPECT_FALSE(input().IsLoaded());
  EXPECT_TRUE(frmMain::instance().IsVisible());
}

TEST_F(ChineseWindows, ReportHoldsNameDateChartAndFooters) {
  enter("Ann", "1", "January", "1970");
  calculate();
  QString text;
  bool bold = false;
  openReport([&] {
    text = reportText();
    QTextCursor c(find<ui::RichTextBox>(report(), "RTB")->document());
    while (!c.atEnd()) {
      c.movePosition(QTextCursor::NextCharacter);
      if (c.charFormat().fontWeight() == QFont::Bold) bold = true;
    }
  });
  const QString footer = ReportFooter();
  ASSERT_TRUE(footer.startsWith("Report Generated By "));
  const QString date = calendar::ShortDateText(QDate(1970, 1, 1));
  EXPECT_EQ(text, "Name: Ann\n" + footer + "\n\nDate of Birth: " + date + "\n" + footer + "\n\n" + january1970Text() +
                      "\n" + footer + "\n\n\n" + footer);
  EXPECT_TRUE(text.startsWith("Name: Ann\n" + footer + "\n\nDate of Birth: " +
                              calendar::ShortDateText(QDate(1970, 1, 1)) + "\n"));
  EXPECT_EQ(text.count(footer), 4);
  EXPECT_FALSE(bold);
}

TEST_F(ChineseWindows, SaveThenOpenGivesTheSameChart) {
  const QString path = qztest::TempPath("hugh-reading");  // typed without an extension
  enter("Hugh", "8", "August", "1988");
  calculate();
  const QString chartBefore = display().RTBLoshu()->Text();
  qztest::seams().fileAnswers.push_back(path);
  openReport([] { click(report(), "cmdSave"); });

  ASSERT_EQ(qztest::seams().fileRequests.size(), 1u);
  const ui::FileDialogRequest& save = qztest::seams().fileRequests[0];
  EXPECT_EQ(save.kind, ui::FileDialogKind::Save);
  EXPECT_EQ(save.title, "QZ Chinese Numerology");
  EXPECT_EQ(save.filter, "QZ Chinese Numerology | *.cnu");
  EXPECT_EQ(save.filterIndex, 2);
  EXPECT_EQ(save.defaultExt, "cnu");
  EXPECT_TRUE(save.confirmOverwrite);
  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_EQ(qztest::ReadAll(path + ".cnu"),
            QByteArray::fromHex("9DCABCBD0D0A8D0D0A96CABCCAC8C90D0A868E8D8D0D0A"));

  // Back to a fresh input window, then open the file by Alt+O: the same person and chart.
  report().Unload();
  click(display(), "cmdBack");
  qztest::Activate(input().window());
  qztest::seams().fileAnswers.push_back(path + ".cnu");
  pressAltO(input().window());
  ASSERT_EQ(qztest::seams().fileRequests.size(), 2u);
  EXPECT_TRUE(qztest::seams().opened.isEmpty());  // no page of a hidden menu item
  const ui::FileDialogRequest& open = qztest::seams().fileRequests.back();
  EXPECT_EQ(open.kind, ui::FileDialogKind::Open);
  EXPECT_EQ(open.title, "Select the source file");
  EXPECT_EQ(open.filter, "QZ Chinese Numerology (*.cnu)|*.cnu");
  EXPECT_TRUE(open.mustExist);
  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_TRUE(display().IsVisible());
  EXPECT_FALSE(input().IsLoaded());
  EXPECT_TRUE(shownReport().startsWith("Name: Hugh\n" + ReportFooter() + "\n" + dateLine(QDate(1988, 8, 8))));
  EXPECT_EQ(display().RTBLoshu()->Text(), chartBefore);
  EXPECT_EQ(display().lblLoshuGrid(7)->text(), "[8]\r\n8888");
  EXPECT_TRUE(frmNagScreen2::instance().IsLoaded());
  EXPECT_FALSE(frmNagScreen2::instance().IsVisible());
}

// A name typed with the extension in capitals is kept by the save dialog; Open takes it back.
TEST_F(ChineseWindows, AReadingSavedWithTheExtensionInCapitalsOpensAgain) {
  const QString path = qztest::TempPath("Name.CNU");
  enter("Hugh", "8", "August", "1988");
  calculate();
  qztest::seams().fileAnswers.push_back(path);
  openReport([] { click(report(), "cmdSave"); });
  ASSERT_TRUE(QFile::exists(path));
  EXPECT_FALSE(QFile::exists(path + ".cnu"));

  report().Unload();
  click(display(), "cmdBack");
  qztest::seams().fileAnswers.push_back(path);
  click(input(), "cmdOpen");
  EXPECT_TRUE(qztest::seams().messages.empty()) << qztest::seams().lastPrompt().toStdString();
  ASSERT_TRUE(display().IsVisible());
  EXPECT_EQ(display().lblLoshuGrid(7)->text(), "[8]\r\n8888");
}

TEST_F(ChineseWindows, OpenChecksTheExtensionAndKeepsUnmatchedSelections) {
  input().Show();
  for (const char* name : {"shout.txt", "shout.cn", "shout.cnux"}) {
    qztest::seams().reset();
    const QString other = qztest::TempPath(name);
    qztest::WriteAll(other, chinese::EncodeChineseReading({"Ann", "1", "January", "1970"}));
    qztest::seams().fileAnswers.push_back(other);
    click(input(), "cmdOpen");
    ASSERT_EQ(qztest::seams().messages.size(), 1u) << name;
    EXPECT_EQ(qztest::seams().lastPrompt(), "Please Check The File.") << name;
    EXPECT_EQ(qztest::seams().messages[0].style, ui::MsgStyle::Critical) << name;
    EXPECT_FALSE(display().IsLoaded()) << name;
  }
  // The last three letters in any case.
  for (const char* name : {"mixed.Cnu", "nodotCNU"}) {
    qztest::seams().reset();
    const QString path = qztest::TempPath(name);
    qztest::WriteAll(path, chinese::EncodeChineseReading({"Ann", "1", "January", "1970"}));
    qztest::seams().fileAnswers.push_back(path);
    click(input(), "cmdOpen");
    EXPECT_TRUE(qztest::seams().messages.empty()) << name;
    ASSERT_TRUE(display().IsVisible()) << name;
    display().Unload();
    input().Show();
  }

  // Cancel: nothing happens.
  qztest::seams().messages.clear();
  click(input(), "cmdOpen");
  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_TRUE(input().IsVisible());

  // Two lines: name and day filled, month and year keep their selection, Calculate runs.
  const QString twoLines = qztest::TempPath("two-lines.cnu");
  qztest::WriteAll(twoLines, QByteArray::fromHex("96C3C30D0A87860D0A"));  // "Ann", "21"
  ASSERT_TRUE(qztest::Choose(find<QComboBox>(input(), "cboMonth"), "March"));
  qztest::seams().fileAnswers.push_back(twoLines);
  click(input(), "cmdOpen");
  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_TRUE(display().IsVisible());
  EXPECT_TRUE(shownReport().contains(dateLine(QDate(1970, 3, 21))));

  // A file that cannot be read leaves the name empty: Calculate asks for it.
  display().Unload();
  input().Show();
  qztest::seams().fileAnswers.push_back(qztest::TempPath("gone.cnu"));
  click(input(), "cmdOpen");
  EXPECT_EQ(qztest::seams().lastPrompt(), "Please Enter Your Name");
  EXPECT_FALSE(display().IsLoaded());
}

TEST_F(ChineseWindows, SaveCancelIsSilentAndAFailedWriteSaysSo) {
  enter("Ann", "1", "January", "1970");
  calculate();
  openReport([] { click(report(), "cmdSave"); });
  EXPECT_EQ(qztest::seams().fileRequests.size(), 1u);
  EXPECT_TRUE(qztest::seams().messages.empty());

  const QString bad = qztest::TempPath("missing-folder/ann.cnu");
  qztest::seams().fileAnswers.push_back(bad);
  openReport([] { click(report(), "cmdSave"); });
  ASSERT_EQ(qztest::seams().messages.size(), 1u);
  EXPECT_EQ(qztest::seams().messages[0].style, ui::MsgStyle::Critical);
  EXPECT_TRUE(qztest::seams().lastPrompt().contains(bad));
  EXPECT_FALSE(QFile::exists(bad));
}

TEST_F(ChineseWindows, SaveRefusesALinkToNothingAndAStrangersLink) {
  enter("Ann", "1", "January", "1970");
  calculate();
  qztest::ExpectSavesRefuseUnsafeLinks(
      [](const QString& path) {
        qztest::seams().fileAnswers.push_back(path);
        openReport([] { click(report(), "cmdSave"); });
      },
      QStringLiteral("ann.cnu"));
}

TEST_F(ChineseWindows, SavePastTheFileSizeLimitGivesTheSystemsReason) {
  enter("Ann", "1", "January", "1970");
  calculate();
  const QString path = qztest::TempPath("limited.cnu");
  qztest::seams().fileAnswers.push_back(path);
  {
    qztest::FileSizeLimit limit(4);
    ASSERT_TRUE(limit.ok());
    openReport([] { click(report(), "cmdSave"); });
  }
  ASSERT_EQ(qztest::seams().messages.size(), 1u);
  EXPECT_TRUE(qztest::seams().lastPrompt().endsWith("\r\nFile too large")) << qztest::seams().lastPrompt().toStdString();
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ChineseWindows, SaveWarnsAboutCharactersTheFileCannotHold) {
  const QString path = qztest::TempPath("renee.cnu");
  enter(QString::fromUtf8("Renée"), "1", "January", "1970");
  calculate();
  // No: nothing is asked or written.
  openReport([] { click(report(), "cmdSave"); });
  ASSERT_EQ(qztest::seams().messages.size(), 1u);
  EXPECT_EQ(qztest::seams().messages[0].style, ui::MsgStyle::YesNoInformation);
  EXPECT_TRUE(qztest::seams().lastPrompt().contains(QString::fromUtf8("é")));
  EXPECT_TRUE(qztest::seams().fileRequests.empty());

  // Yes: saved without them.
  qztest::seams().messages.clear();
  qztest::seams().answers.push_back(ui::MsgAnswer::Yes);
  qztest::seams().fileAnswers.push_back(path);
  openReport([] { click(report(), "cmdSave"); });
  EXPECT_EQ(qztest::seams().messages.size(), 1u);
  EXPECT_EQ(chinese::ReadChineseReadingFile(path)->personName, "Rene");
}

TEST_F(ChineseWindows, SaveNamesCharactersOutsideTheBasicPlaneWhole) {
  input().Show();
  ASSERT_TRUE(qztest::Paste(find<QLineEdit>(input(), "txtName"), QString::fromUtf8("Ann😀😁")));
  for (const auto& [name, text] : {std::pair{"cboDate", "1"}, {"cboMonth", "January"}, {"cboYear", "1970"}})
    EXPECT_TRUE(qztest::Choose(find<QComboBox>(input(), name), text)) << name;
  calculate();
  openReport([] { QTest::mouseClick(find<QPushButton>(report(), "cmdSave"), Qt::LeftButton); });
  ASSERT_EQ(qztest::seams().messages.size(), 1u);
  EXPECT_TRUE(qztest::seams().lastPrompt().contains(QString::fromUtf8(": 😀 😁\r\n")))
      << qztest::seams().lastPrompt().toStdString();
}

TEST_F(ChineseWindows, PrintsTheFramedReportOnTheDefaultPrinter) {
  enter("Ann", "1", "January", "1970");
  calculate();
  const QString first = qztest::TempPath("print-1.pdf");
  const QString second = qztest::TempPath("print-2.pdf");
  QString printed;
  openReport([&] {
    for (const QString& pdf : {first, second}) {
      qztest::seams().defaultPrinterPdf = pdf;
      click(report(), "cmdPrint");
    }
    printed = find<ui::RichTextBox>(report(), "RTB1")->Text();
  });
  EXPECT_TRUE(qztest::seams().messages.empty());
  const QString text = qztest::PdfText(first);
  EXPECT_TRUE(text.contains("Name: Ann"));
  EXPECT_TRUE(text.contains("Most Favorable Number by Chinese Numerology"));
  EXPECT_TRUE(text.contains("North"));
  EXPECT_EQ(text.count(ReportFooter()), 6);  // four in the report, one above and one below
  EXPECT_TRUE(text.trimmed().startsWith(ReportFooter()));
  EXPECT_EQ(qztest::PdfText(second), text);  // the buffer keeps one copy only
  EXPECT_EQ(qztest::PrintoutFaults(first, printed).toStdString(), "");  // the framed report alone: no page numbers
}

TEST_F(ChineseWindows, PrintWithoutAPrinterSaysSo) {
  enter("Ann", "1", "January", "1970");
  calculate();
  openReport([] { click(report(), "cmdPrint"); });
  ASSERT_EQ(qztest::seams().messages.size(), 1u);
  EXPECT_TRUE(qztest::seams().lastPrompt().contains("printer"));
}

TEST_F(ChineseWindows, HiddenOpenByItsAccessKeySilentlyKeepsTheReportUnlessItReads) {
  enter("Ann", "1", "January", "1970");
  calculate();
  const QString good = qztest::TempPath("saved.qzs");
  qztest::WriteAll(good, QByteArray::fromHex("229DBE7596C3C3225A9F0D0A"));  // "Hi Ann" quoted, then another field
  const QString empty = qztest::TempPath("empty.qzs");
  qztest::WriteAll(empty, QByteArray());
  QString before, afterCancel, afterMissing, afterEmpty, afterGood;
  QRect area, buttonArea;
  openReport([&] {
    QMainWindow* w = report().window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    auto* cmdOpen = find<QPushButton>(report(), "cmdOpen");
    area = cmdOpen->parentWidget()->rect();
    buttonArea = cmdOpen->geometry();
    before = reportText();
    pressAltO(w);  // cancelled

    afterCancel = reportText();
    qztest::seams().fileAnswers.push_back(qztest::TempPath("missing.qzs"));
    pressAltO(w);
    afterMissing = reportText();
    qztest::seams().fileAnswers.push_back(empty);
    pressAltO(w);
    afterEmpty = reportText();
    qztest::seams().fileAnswers.push_back(good);
    pressAltO(w);
    afterGood = reportText();
  });
  EXPECT_FALSE(area.intersects(buttonArea));  // below the visible area
  ASSERT_EQ(qztest::seams().fileRequests.size(), 4u);
  const ui::FileDialogRequest& request = qztest::seams().fileRequests[0];
  EXPECT_EQ(request.title, "Select the source file");
  EXPECT_EQ(request.defaultExt, "qzs");
  EXPECT_TRUE(request.filter.endsWith("|*.qzs"));
  EXPECT_TRUE(request.mustExist);
  EXPECT_FALSE(before.isEmpty());
  EXPECT_EQ(afterCancel, before);
  EXPECT_EQ(afterMissing, before);
  EXPECT_EQ(afterEmpty, before);
  EXPECT_TRUE(qztest::seams().messages.empty()) << qztest::seams().lastPrompt().toStdString();  // none, whatever the file
  EXPECT_EQ(afterGood, "Hi Ann");
}

// Tab and Shift+Tab move the focus out of the editable report; no tab goes into it.
TEST_F(ChineseWindows, TabAndShiftTabLeaveTheReportBox) {
  enter("Ann", "1", "January", "1970");
  calculate();
  QString before, after;
  QStringList reached;
  openReport([&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(report().window()));
    auto* rtb = find<ui::RichTextBox>(report(), "RTB");
    ASSERT_FALSE(rtb->isReadOnly());
    before = reportText();
    for (const auto& [key, mods] : {std::pair{Qt::Key_Tab, Qt::KeyboardModifiers()},
                                    std::pair{Qt::Key_Backtab, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
      QTest::mouseClick(rtb->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
      ASSERT_TRUE(rtb->hasFocus());
      QTest::keyClick(QApplication::focusWidget(), key, mods);
      reached << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
    }
    after = reportText();
  });
  EXPECT_EQ(after, before);
  ASSERT_EQ(reached.size(), 2);
  EXPECT_NE(reached[0], "RTB");
  EXPECT_NE(reached[1], "RTB");
}

// The menu title keeps Alt+F: the first press opens the File menu and calculates nothing.
TEST_F(ChineseWindows, AltFOpensTheFileMenuAtTheFirstPress) {
  input().Show();
  qztest::Activate(input().window());
  QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : input().window(), Qt::Key_F,
                  Qt::AltModifier);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->objectName(), "mnuFile");
  QTest::keyClick(menu, Qt::Key_Escape);
  EXPECT_TRUE(qztest::seams().messages.empty()) << qztest::seams().lastPrompt().toStdString();
  EXPECT_FALSE(display().IsLoaded());
}

TEST_F(ChineseWindows, EachSaveBuildsAFreshReport) {
  enter("Ann", "1", "January", "1970");
  calculate();
  QString scribbled;
  openReport([&] {
    auto* rtb = find<ui::RichTextBox>(report(), "RTB");
    ASSERT_TRUE(qztest::Click(rtb->viewport()));
    QTest::keyClick(rtb, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(rtb, "scribbled over");
    scribbled = reportText();
  });
  ASSERT_TRUE(scribbled.startsWith("scribbled overName: Ann"));
  const QString second = shownReport();
  EXPECT_TRUE(second.startsWith("Name: Ann"));
  EXPECT_FALSE(second.contains("scribbled"));
}
