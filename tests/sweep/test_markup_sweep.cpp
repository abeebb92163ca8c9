// Markup in names and in the fields of reading files, through every window that shows them:
// each shows the text as written, never as rich text (no picture loaded, no tags taken).
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>
#include <functional>

#include "chinese/core/chinese_reading.h"
#include "chinese/frm_chinese_numerology_display.h"
#include "chinese/frm_chinese_numerology_main.h"
#include "chinese/frm_chinese_numerology_save.h"
#include "common/test_support.h"
#include "common/shown_text.h"
#include "iching/frm_iching_numerology_main.h"
#include "reading/core/comprehensive.h"
#include "reading/core/reading_file.h"
#include "reading/core/reading_numbers.h"
#include "reading/frm_numerology_pro_disp.h"
#include "reading/frm_numerology_pro_main.h"
#include "reading/frm_numerology_pro_result.h"
#include "reading/frm_numerology_pro_save.h"
#include "sweep/sweep_support.h"
#include "ui/msgbox.h"
#include "ui/rich_text_box.h"

using qztest::seams;

namespace {
constexpr int kPictureSide = 240;

// A picture in the test's folder, named by markup that capitals leave working (the windows
// show names in capitals): the path's every byte as a percent escape.
QString PictureMarkup() {
  const QString path = qztest::TempPath(QStringLiteral("markup-picture.png"));
  if (!QFile::exists(path)) {
    QImage picture(kPictureSide, kPictureSide, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(path, "PNG");
  }
  QString escaped;
  for (const char byte : QFile::encodeName(path)) escaped += QStringLiteral("%%1").arg(uchar(byte), 2, 16, QLatin1Char('0'));
  return QStringLiteral("<IMG SRC=FILE:") + escaped.toUpper() + QStringLiteral(">");
}

struct Markup {
  const char* what;
  QString text;
};
std::vector<Markup> Markups() { return {{"a picture", PictureMarkup()}, {"bold", QStringLiteral("<B>BOLD</B>")}}; }

using qztest::ShownText;
using qztest::ShownToolTip;

// The mouse rests on the widget: its tool tip shows the text as written and no picture.
void ExpectToolTipAsWritten(QWidget* widget, const std::string& what) {
  QToolTip::hideText();
  EXPECT_TRUE(qztest::WaitFor([] { return !QToolTip::isVisible(); }, 5000)) << what << ": the last tool tip stays";
  qztest::Activate(widget->window());
  const QPoint spot = widget->rect().center();
  QTest::mouseMove(widget, spot - QPoint(1, 0));
  QTest::mouseMove(widget, spot);
  ASSERT_TRUE(qztest::WaitFor([] { return QToolTip::isVisible(); }, 5000)) << what << ": no tool tip";
  EXPECT_EQ(ShownText(QToolTip::text(), Qt::AutoText), widget->toolTip()) << what;
  if (QWidget* tip = ShownToolTip()) {
    EXPECT_LT(tip->height(), kPictureSide) << what << ": the tool tip holds a picture";
  }
  QToolTip::hideText();
}

// Every loaded window shows the markup as written wherever it shows it: labels, text boxes with
// rich text, tool tips (rested on with the mouse when the window shows) and the message boxes
// recorded since the last look. Returns how many places showed it.
int ExpectShownAsWritten(const QString& markup, const std::string& what) {
  int places = 0;
  for (ui::Form* form : ui::Form::LoadedForms()) {
    QMainWindow* window = form->window();
    const std::string where = what + ", " + form->className().toStdString();
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (!label->text().contains(markup)) continue;
      ++places;
      EXPECT_TRUE(ShownText(label->text(), label->textFormat()).contains(markup))
          << where << " " << label->objectName().toStdString() << " shows rich text: " << label->text().toStdString();
    }
    for (QTextEdit* box : window->findChildren<QTextEdit*>()) {
      if (!box->toPlainText().contains(markup)) continue;
      ++places;
      for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
          EXPECT_FALSE(it.fragment().charFormat().isImageFormat()) << where << " " << box->objectName().toStdString();
    }
    for (QWidget* widget : window->findChildren<QWidget*>()) {
      if (!widget->toolTip().contains(markup)) continue;
      ++places;
      if (widget->isVisible()) ExpectToolTipAsWritten(widget, where + " " + widget->objectName().toStdString());
    }
  }
  for (const ui::MsgBoxCall& call : seams().messages) {
    if (!call.prompt.contains(markup)) continue;
    ++places;
    const std::unique_ptr<QMessageBox> box = ui::MakeMessageBox(call);
    EXPECT_TRUE(ShownText(box->text(), box->textFormat()).contains(markup)) << what << ": message box";
  }
  seams().messages.clear();
  return places;
}

QString WriteReadingFile(const reading::Person& person) {
  const QString path = qztest::TempPath(QStringLiteral("markup.num"));
  qztest::WriteAll(path, reading::ReadingFile::ToBytes(person));
  return path;
}

// A person with the markup in one field of a reading file (0 to 5: three names, month, day, year).
reading::Person PersonWith(int field, const QString& markup) {
  reading::Person p{"ANN", "MAY", "LEE", "August", "6", "1979"};
  QString* fields[] = {&p.firstName, &p.middleName, &p.lastName, &p.monthName, &p.day, &p.year};
  *fields[field] = field < 3 ? *fields[field] + QLatin1Char(' ') + markup : markup;
  return p;
}
const char* const kReadingFields[] = {"first name", "middle name", "last name", "month", "day", "year"};

class MarkupSweep : public sweep::WindowSweep {
 protected:
  void SetUp() override {
    WindowSweep::SetUp();
    qztest::SetToday(QDate(2024, 3, 15));
  }
  void TearDown() override {
    QToolTip::hideText();
    seams().onModal = nullptr;
    WindowSweep::TearDown();
  }
};
}  // namespace

// --- I Ching: the result lines and their tool tips ---------------------------------------

TEST_F(MarkupSweep, IChingShowsNamesFromAReadingFileAndPastedAsWritten) {
  frmIChingNumerologyMain& form = frmIChingNumerologyMain::instance();
  auto page = [&] { return form.control<QStackedWidget>("pages")->currentWidget()->objectName(); };
  for (const Markup& m : Markups()) {
    for (int field = 0; field < 6; ++field) {
      const std::string what = std::string("I Ching, ") + m.what + " in a file's " + kReadingFields[field];
      Restart(form);
      seams().fileAnswers.push_back(WriteReadingFile(PersonWith(field, m.text)));
      EXPECT_TRUE(sweep::Click(form.control<QPushButton>("cmdOpen")));
      ASSERT_EQ(page(), "Frame2") << what << ": " << seams().lastPrompt().toStdString();
      const int places = ExpectShownAsWritten(m.text.toUpper(), what);
      // The names show on the result lines (each with its tool tip); the birth date is not read.
      if (field < 3) EXPECT_EQ(places, 2) << what;
      else EXPECT_EQ(places, 0) << what;
    }
    const std::string what = std::string("I Ching, ") + m.what + " pasted into the first name";
    Restart(form);
    EXPECT_TRUE(sweep::Paste(form.control<QLineEdit>("txtNameFirst"), "ANN " + m.text));
    EXPECT_TRUE(sweep::Enter(form.control<QLineEdit>("txtNameLast"), "LEE"));
    EXPECT_TRUE(sweep::Click(form.control<QPushButton>("cmdNext")));
    ASSERT_EQ(page(), "Frame2") << what;
    EXPECT_EQ(ExpectShownAsWritten(m.text.toUpper(), what), 2) << what;
  }
}

// --- The reading: result window, each number's window and the comprehensive reading ------

namespace {
frmNumerologyProMain& readingInput() { return frmNumerologyProMain::instance(); }
frmNumerologyProResult& readingResult() { return frmNumerologyProResult::instance(); }

// Every number's window and the comprehensive reading, each looked at while it shows.
int ReadEveryNumber(const QString& markup, const std::string& what) {
  int places = ExpectShownAsWritten(markup, what + ", result window");
  seams().onModal = [&](ui::Form& form) {
    places += ExpectShownAsWritten(markup, what + ", " + form.className().toStdString());
  };
  for (const reading::ReadingNumber& n : reading::ReadingNumbers()) {
    if (QPushButton* button = readingResult().control<QPushButton>(n.button); button && button->isVisible()) {
      EXPECT_TRUE(sweep::Click(button)) << what;
    }
  }
  EXPECT_TRUE(sweep::Click(readingResult().control<QPushButton>("cmdComprehensiveReading"))) << what;
  places += ExpectShownAsWritten(markup, what + ", comprehensive reading");
  seams().onModal = nullptr;
  return places;
}
}  // namespace

TEST_F(MarkupSweep, ReadingShowsNamesFromAReadingFileAndTypedAsWritten) {
  for (const Markup& m : Markups()) {
    for (int field = 0; field < 6; ++field) {
      const std::string what = std::string("reading, ") + m.what + " in a file's " + kReadingFields[field];
      Restart(readingInput());
      seams().fileAnswers.push_back(WriteReadingFile(PersonWith(field, m.text)));
      EXPECT_TRUE(sweep::Click(readingInput().control<QPushButton>("cmdOpen")));
      if (field >= 3) {
        // A date no list holds: the file is refused with the window's own message.
        ASSERT_EQ(seams().messages.size(), 1u) << what;
        EXPECT_EQ(seams().messages[0].prompt, frmNumerologyProMain::kCheckFileMessage) << what;
        EXPECT_EQ(ExpectShownAsWritten(m.text, what), 0) << what;
        continue;
      }
      ASSERT_TRUE(readingResult().IsVisible()) << what << ": " << seams().lastPrompt().toStdString();
      EXPECT_GT(ReadEveryNumber(m.text, what), 0) << what;
    }
    const std::string what = std::string("reading, ") + m.what + " typed into the last name";
    Restart(readingInput());
    EXPECT_TRUE(sweep::Enter(readingInput().control<QLineEdit>("txtFirstName"), "ANN"));
    EXPECT_TRUE(sweep::Enter(readingInput().control<QLineEdit>("txtLastName"), "LEE " + m.text));
    EXPECT_TRUE(sweep::Click(readingInput().control<QPushButton>("cmdNext")));
    ASSERT_TRUE(readingResult().IsVisible()) << what << ": " << seams().lastPrompt().toStdString();
    EXPECT_GT(ReadEveryNumber(m.text, what), 0) << what;
  }
}

// --- Chinese: the result and report windows, the report's Open, a failed save's message ---

namespace {
frmChineseNumerologyMain& chineseInput() { return frmChineseNumerologyMain::instance(); }
frmChineseNumerologyDisplay& chineseDisplay() { return frmChineseNumerologyDisplay::instance(); }
frmChineseNumerologySave& chineseReport() { return frmChineseNumerologySave::instance(); }

// The result window, then the report while it shows, where `inReport` runs too.
int ReadChineseReading(const QString& markup, const std::string& what,
                       const std::function<void()>& inReport = nullptr) {
  int places = ExpectShownAsWritten(markup, what + ", result window");
  bool shown = false;
  seams().onModal = [&](ui::Form& form) {
    if (&form != &chineseReport()) return;
    shown = true;
    places += ExpectShownAsWritten(markup, what + ", report");
    if (inReport) inReport();
  };
  EXPECT_TRUE(sweep::Click(chineseDisplay().control<QPushButton>("cmdSave"))) << what;
  seams().onModal = nullptr;
  EXPECT_TRUE(shown) << what;
  return places;
}
}  // namespace

TEST_F(MarkupSweep, ChineseShowsTheNameFromAChineseFileAndTypedAsWritten) {
  const char* const fields[] = {"name", "day", "month", "year"};
  for (const Markup& m : Markups()) {
    for (int field = 0; field < 4; ++field) {
      const std::string what = std::string("Chinese, ") + m.what + " in a file's " + fields[field];
      chinese::ChineseReadingFile file{"ANN LEE", "6", "August", "1979"};
      QString* texts[] = {&file.personName, &file.birthDay, &file.birthMonth, &file.birthYear};
      *texts[field] = field == 0 ? "ANN " + m.text : m.text;
      const QString path = qztest::TempPath(QStringLiteral("markup.cnu"));
      qztest::WriteAll(path, chinese::EncodeChineseReading(file));
      Restart(chineseInput());
      seams().fileAnswers.push_back(path);
      EXPECT_TRUE(sweep::Click(chineseInput().control<QPushButton>("cmdOpen")));
      // A date field no list holds leaves the list's choice: the reading shows all the same.
      ASSERT_TRUE(chineseDisplay().IsLoaded() && chineseDisplay().IsVisible())
          << what << ": " << seams().lastPrompt().toStdString();
      const int places = ReadChineseReading(m.text, what);
      if (field == 0) EXPECT_GT(places, 0) << what;
      else EXPECT_EQ(places, 0) << what;
    }

    const std::string what = std::string("Chinese, ") + m.what + " typed into the name";
    Restart(chineseInput());
    EXPECT_TRUE(sweep::Enter(chineseInput().control<QLineEdit>("txtName"), "ANN " + m.text));
    EXPECT_TRUE(sweep::Click(chineseInput().control<QPushButton>("cmdProceed")));
    ASSERT_TRUE(chineseDisplay().IsVisible()) << what << ": " << seams().lastPrompt().toStdString();
    int inReport = 0;
    EXPECT_GT(ReadChineseReading(m.text, what,
                                 [&] {
                                   // The report's Open shows a saved text's first field.
                                   const QString saved = qztest::TempPath(QStringLiteral("markup.qzs"));
                                   qztest::WriteAll(saved, chinese::EncodeChineseReading(
                                                               {m.text + " SAVED", "1", "January", "2000"}));
                                   seams().fileAnswers.push_back(saved);
                                   EXPECT_TRUE(sweep::Click(chineseReport().control<QPushButton>("cmdOpen")));
                                   inReport += ExpectShownAsWritten(m.text + " SAVED", what + ", report's Open");
                                   // A save to a folder that is not there names the path in its message.
                                   seams().fileAnswers.push_back(
                                       qztest::TempPath(QStringLiteral("missing ") + m.text + QStringLiteral("/r.cnu")));
                                   EXPECT_TRUE(sweep::Click(chineseReport().control<QPushButton>("cmdSave")));
                                   EXPECT_TRUE(seams().lastPrompt().contains(m.text)) << what;
                                   ExpectShownAsWritten(m.text, what + ", report's failed save");
                                 }),
              0)
        << what;
    EXPECT_EQ(inReport, 1) << what;
  }
}
