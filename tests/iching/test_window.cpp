#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include "common/test_support.h"
#include "iching/frm_iching_numerology_main.h"
#include "reading/core/reading_file.h"
#include "shell/common_menu.h"
#include "shell/shell_windows.h"

namespace {
const QString kUpTo25 = " 1 3 5 6 7 8 11 13 15 16 17 18 21 23 24 25";
const QString kUpTo39 = kUpTo25 + " 29 31 32 33 35 37 39";

class IchingWindow : public qztest::SeamTest {
 protected:
  frmIChingNumerologyMain& form = frmIChingNumerologyMain::instance();

  void SetUp() override {
    qztest::SeamTest::SetUp();
    form.Show();
  }
  void TearDown() override {
    form.Unload();
    frmMain::instance().Hide();
    frmNagScreen2::instance().Hide();
  }

  QLineEdit* box(const char* name) { return form.control<QLineEdit>(name); }
  QLineEdit* first() { return box("txtNameFirst"); }
  QLineEdit* middle() { return box("txtNameMiddle"); }
  QLineEdit* last() { return box("txtNameLast"); }
  QPushButton* button(const char* name) { return form.control<QPushButton>(name); }
  QWidget* page() { return form.control<QStackedWidget>("pages")->currentWidget(); }
  QString result(int i) { return form.control<QLabel>(frmIChingNumerologyMain::lblResultName(i))->text(); }
  QStringList results() {
    QStringList lines;
    for (int i = 0; i < 9; ++i) lines << result(i);
    return lines;
  }
  // Fills the three boxes as a user does: letters are typed, anything else (which the boxes
  // refuse from the keyboard) is pasted from the box's context menu.
  static ::testing::AssertionResult fill(QLineEdit* b, const QString& text) {
    const bool letters = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
      return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
    return letters ? qztest::Enter(b, text) : qztest::Paste(b, text);
  }
  void enter(const QString& f, const QString& m, const QString& l) {
    ASSERT_TRUE(fill(first(), f));
    ASSERT_TRUE(fill(middle(), m));
    ASSERT_TRUE(fill(last(), l));
    ASSERT_EQ(first()->text() + "|" + middle()->text() + "|" + last()->text(), f + "|" + m + "|" + l);
  }
  void next() { ASSERT_TRUE(qztest::Click(button("cmdNext"))); }
  void back() { ASSERT_TRUE(qztest::Click(button("cmdBack"))); }
  QWidget* focused() { return form.window()->focusWidget(); }
  QString writeReading(const QString& fileName, const reading::Person& person) {
    const QString path = qztest::TempPath(fileName);
    EXPECT_TRUE(reading::ReadingFile::Write(path, person));
    return path;
  }
  QString writeBytes(const QString& fileName, const QByteArray& bytes) {
    const QString path = qztest::TempPath(fileName);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  // Open as the user reaches the button out of sight: Alt+O on the active window. The
  // access key clicks it after its short press animation.
  void open(const std::optional<QString>& answer) {
    qztest::Activate(form.window());
    qztest::seams().fileAnswers.push_back(answer);
    const size_t before = qztest::seams().fileRequests.size();
    QTest::keyClick(form.window(), Qt::Key_O, Qt::AltModifier);
    ASSERT_TRUE(qztest::WaitFor([&] { return qztest::seams().fileRequests.size() != before; }))
        << "Alt+O did not press Open";
    ASSERT_EQ(qztest::seams().fileRequests.size(), before + 1);
    EXPECT_TRUE(qztest::seams().opened.isEmpty()) << qztest::seams().opened.join(' ').toStdString();
  }
};
}  // namespace

TEST_F(IchingWindow, OpensOnTheEmptyInputPage) {
  QMainWindow* w = form.window();
  EXPECT_EQ(w->windowTitle(), "VU VEzovi Dezuzirere");
  EXPECT_EQ(page()->objectName(), "Frame1");
  EXPECT_EQ(focused(), first());
  for (QLineEdit* b : {first(), middle(), last()}) {
    EXPECT_TRUE(b->text().isEmpty());
    EXPECT_GT(b->maxLength(), 1000000);
  }
  EXPECT_EQ(button("cmdNext")->text(), "&Get My IChing Numerology Reading");
  EXPECT_EQ(button("cmdBack")->text(), "&Back");
  EXPECT_EQ(form.control<QGroupBox>("Frame2")->title(), "VU VEzovi Dezuzirere Results");
  EXPECT_TRUE(form.control<QLabel>("lblLabel_3")->text().startsWith("VU VEzovi Dezuzirere tells you"));
  EXPECT_EQ(form.control<QLabel>("lblLabel_1")->text(), "Middle Name");
  for (int i = 0; i < 9; ++i) EXPECT_FALSE(result(i).isEmpty()) << "design caption of " << i;

  // The tab chain: the three boxes, the button, then the open button out of sight.
  QStringList chain;
  QWidget* w0 = first();
  for (QWidget* x = w0; chain.size() < 6; x = x->nextInFocusChain())
    if (x->focusPolicy() & Qt::TabFocus) chain << x->objectName();
  EXPECT_EQ(chain, QStringList({"txtNameFirst", "txtNameMiddle", "txtNameLast", "cmdNext", "cmdBack", "cmdOpen"}));
  ASSERT_TRUE(qztest::Click(last()));
  QTest::keyClick(last(), Qt::Key_Tab);
  ASSERT_EQ(focused(), button("cmdNext"));
  QTest::keyClick(button("cmdNext"), Qt::Key_Tab);
  EXPECT_EQ(focused(), button("cmdOpen"));  // the hidden page's Back is skipped

  // Open lies below the visible client area, yet stays reachable by its access key.
  QPushButton* cmdOpen = button("cmdOpen");
  EXPECT_EQ(cmdOpen->text(), "&Open Previously Saved Reading");
  EXPECT_TRUE(cmdOpen->isVisible());
  EXPECT_GE(cmdOpen->y(), cmdOpen->parentWidget()->height());

  EXPECT_EQ(shell::FrontOf(form.control<QWidget>("fraFullBrand")), shell::PromoFront::FullBrand);
  EXPECT_NE(form.control<QLabel>("Label61"), nullptr);
}

TEST_F(IchingWindow, MenuBarHoldsItsRow) {
  QMenuBar* bar = form.window()->menuBar();
  QStringList visibleTop;
  for (QAction* a : bar->actions())
    if (a->isVisible()) visibleTop << a->text();
  EXPECT_EQ(visibleTop, QStringList({"&File", "&Help", "&Donate"}));
  auto* file = form.window()->findChild<QMenu*>("nuFile");
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(file->actions().size(), 1);
  EXPECT_EQ(file->actions()[0]->text(), "E&xit");
  auto* makeMoney = form.window()->findChild<QAction*>("mnuMakeMoney");
  ASSERT_NE(makeMoney, nullptr);
  EXPECT_FALSE(makeMoney->isVisible());

  form.window()->findChild<QAction*>("mnuExit")->trigger();
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_TRUE(frmMain::instance().IsVisible());
}

TEST_F(IchingWindow, NameBoxesTakeLettersAndBackspaceOnly) {
  QLineEdit* b = middle();
  ASSERT_TRUE(qztest::Click(b));
  QTest::keyClicks(b, "anN");
  QTest::keyClick(b, Qt::Key_Backspace);
  EXPECT_EQ(b->text(), "an");
  QTest::keyClick(b, Qt::Key_Left);  // keys without a character pass silently
  EXPECT_TRUE(qztest::seams().messages.empty());

  QTest::keyClick(b, Qt::Key_End);
  QTest::keyClick(b, Qt::Key_Home, Qt::ShiftModifier);  // the text selected
  const struct {
    Qt::Key key;
    const char* what;
  } refused[] = {{Qt::Key_Space, "blank"}, {Qt::Key_Minus, "hyphen"}, {Qt::Key_5, "digit"},
                 {Qt::Key_Return, "Enter"}, {Qt::Key_Period, "full stop"}};
  for (const auto& r : refused) {
    qztest::seams().reset();
    QTest::keyClick(b, r.key);
    ASSERT_EQ(qztest::seams().messages.size(), 1u) << r.what;
    EXPECT_EQ(qztest::seams().messages[0].prompt, "Please enter character only");
    EXPECT_EQ(qztest::seams().messages[0].style, ui::MsgStyle::Critical);
    EXPECT_EQ(qztest::seams().messages[0].title, "QZ Orbalinth");
    EXPECT_EQ(b->text(), "an") << r.what;  // the key is dropped; the selection is not replaced
    EXPECT_EQ(b->selectedText(), "an") << r.what;
    EXPECT_EQ(focused(), b);
  }
  EXPECT_EQ(page()->objectName(), "Frame1");  // Enter does not press the button
}

// Every key that stands for a control character is refused like any other non-letter, whatever
// the suite does with Ctrl elsewhere: a paste by Ctrl+V would bring digits into a name.
TEST_F(IchingWindow, ControlKeysAreRefusedInEveryNameBox) {
  qztest::Activate(form.window());
  QApplication::clipboard()->setText("x1");
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    const char* what;
  } refused[] = {
      {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
      {Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+V"},
      {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
      {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
      {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
      {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
      {Qt::Key_BracketLeft, Qt::ControlModifier, "Ctrl+["},
      {Qt::Key_Escape, {}, "Esc"},
  };
  for (const char* name : {"txtNameFirst", "txtNameMiddle", "txtNameLast"}) {
    QLineEdit* b = box(name);
    ASSERT_TRUE(qztest::Enter(b, "Ann"));
    QTest::keyClick(b, Qt::Key_Home, Qt::ShiftModifier);  // "Ann" selected: a cut or an undo would show
    for (const auto& r : refused) {
      SCOPED_TRACE(std::string(name) + " " + r.what);
      qztest::seams().reset();
      QTest::keyClick(QApplication::focusWidget(), r.key, r.mods);
      ASSERT_EQ(qztest::seams().messages.size(), 1u);
      EXPECT_EQ(qztest::seams().messages[0].prompt, "Please enter character only");
      EXPECT_EQ(qztest::seams().messages[0].style, ui::MsgStyle::Critical);
      EXPECT_EQ(b->text(), "Ann");
      EXPECT_EQ(b->selectedText(), "Ann");
      EXPECT_EQ(QApplication::focusWidget(), b);
    }
    EXPECT_EQ(QApplication::clipboard()->text(), "x1");  // Ctrl+C and Ctrl+X copied nothing
  }
  // Keys that stand for no character pass silently: Alt and Meta combinations (the menu's
  // access keys among them), Ctrl with a digit, Ctrl+Backspace.
  QLineEdit* b = middle();
  ASSERT_TRUE(qztest::Click(b));
  qztest::seams().reset();
  QTest::keyClick(b, Qt::Key_Q, Qt::AltModifier);
  QTest::keyClick(b, Qt::Key_Q, Qt::MetaModifier);
  QTest::keyClick(b, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
  QTest::keyClick(b, Qt::Key_1, Qt::ControlModifier);
  QTest::keyClick(b, Qt::Key_Backspace, Qt::ControlModifier);
  EXPECT_TRUE(qztest::seams().messages.empty()) << qztest::seams().lastPrompt().toStdString();
  EXPECT_EQ(b->text(), "");
}

TEST_F(IchingWindow, InputMethodTextGoesThroughTheKeyFilter) {
  qztest::Activate(form.window());
  QLineEdit* b = first();
  ASSERT_TRUE(qztest::Click(b));
  QTest::keyClicks(b, "jo");
  // Text from an input method: a dead key shows its accent while composing, then the composed
  // text is committed.
  const struct {
    QString preedit, commit;
    const char* text;  // the box afterwards
    bool refused;
  } cases[] = {
      {QString::fromUtf8("\u00b4"), QString::fromUtf8("\u00e9"), "jo", true},
      {"", "h", "joh", false},
      {"", "N", "johN", false},  // letters keep their case
      {"", "aB", "johNaB", false},
      {"", " x", "johNaBx", true},
      {"", "y-1z", "johNaBxyz", true},
      {"", QString::fromUtf8("\u0416\U0001F600"), "johNaBxyz", true},
      {"", "\x16", "johNaBxyz", true},  // Ctrl+V's code, committed
  };
  for (const auto& c : cases) {
    qztest::seams().messages.clear();
    qztest::CommitInputMethodText(c.commit, c.preedit);
    EXPECT_EQ(b->text(), c.text) << c.commit.toStdString();
    if (c.refused) {
      ASSERT_EQ(qztest::seams().messages.size(), 1u) << c.commit.toStdString();
      EXPECT_EQ(qztest::seams().messages[0].prompt, "Please enter character only");
      EXPECT_EQ(qztest::seams().messages[0].style, ui::MsgStyle::Critical);
    } else {
      EXPECT_TRUE(qztest::seams().messages.empty()) << c.commit.toStdString();
    }
    EXPECT_EQ(QApplication::focusWidget(), b);
  }
  // The same filter in the other boxes.
  for (QLineEdit* other : {middle(), last()}) {
    qztest::seams().messages.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), other);
    qztest::CommitInputMethodText(QString::fromUtf8("z\u00fc"));
    EXPECT_EQ(other->text(), "z");
    EXPECT_EQ(qztest::seams().messages.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), other);
  }
}

TEST_F(IchingWindow, NameBoxesTakeNoDropsButTheContextMenuPastes) {
  qztest::Activate(form.window());
  QLineEdit* b = last();
  ASSERT_TRUE(qztest::Click(b));
  QTest::keyClicks(b, "Lee");
  EXPECT_FALSE(qztest::OfferTextDrop(b, "smith 1"));
  EXPECT_EQ(b->text(), "Lee");
  EXPECT_FALSE(b->acceptDrops());
  EXPECT_TRUE(qztest::seams().messages.empty());

  // The box's context menu pastes the text as it is.
  QApplication::clipboard()->setText(" -smith");
  ASSERT_TRUE(qztest::PasteFromContextMenu(b));
  EXPECT_EQ(b->text(), "Lee -smith");
  EXPECT_TRUE(qztest::seams().messages.empty());
}

TEST_F(IchingWindow, ChecksTheFirstThenTheLastName) {
  const struct {
    QString f, l, prompt;
    const char* focus;
  } cases[] = {
      {"", "", "Please enter your first name", "txtNameFirst"},
      {"", "LEE", "Please enter your first name", "txtNameFirst"},
      {"ANN", "", "Please enter your last name", "txtNameLast"},
  };
  for (const auto& c : cases) {
    qztest::seams().reset();
    enter(c.f, "", c.l);
    ASSERT_TRUE(qztest::Click(middle()));
    next();
    ASSERT_EQ(qztest::seams().messages.size(), 1u);
    EXPECT_EQ(qztest::seams().messages[0].prompt, c.prompt);
    EXPECT_EQ(qztest::seams().messages[0].style, ui::MsgStyle::Critical);
    EXPECT_EQ(focused()->objectName(), c.focus);
    EXPECT_EQ(page()->objectName(), "Frame1");
    EXPECT_EQ(result(0), "First Name is ");  // nothing computed
  }
}

TEST_F(IchingWindow, ShowsTheNineLinesOnTheResultPage) {
  enter("ann", "", "Lee");
  next();
  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_EQ(page()->objectName(), "Frame2");
  const QStringList expected = {
      "First Name is ANN Lucky",
      "Middle Name is Absent",
      "Last Name is LEE Lucky",
      "First Name + 1 is Not Very Lucky",
      "First Name + Last Name is Lucky",
      "Middle Name + Last Name is Lucky",
      "First Name + Middle Name + Last Name is Lucky",
      "Probable Lucky Number for First Name are " + kUpTo25,
      "Probable Lucky Number for Middle Name are " + kUpTo25,
  };
  EXPECT_EQ(results(), expected);

  // The same names again give the same lines: nothing of the first calculation is left over.
  back();
  enter("ann", "", "Lee");
  next();
  EXPECT_EQ(results(), expected);
}

TEST_F(IchingWindow, BackEmptiesTheBoxesAndANewNameGivesOnlyItsOwnLists) {
  enter("JOHN", "PAUL", "SMITH");
  next();
  EXPECT_EQ(result(7), "Probable Lucky Number for First Name are " + kUpTo39);
  EXPECT_EQ(result(8), "");

  back();
  EXPECT_EQ(page()->objectName(), "Frame1");
  EXPECT_EQ(focused(), first());
  EXPECT_TRUE(first()->text().isEmpty() && middle()->text().isEmpty() && last()->text().isEmpty());
  EXPECT_EQ(result(0), "First Name is JOHN Not Very Lucky");  // kept behind the input page

  enter("  SARAH ", "ANN", "LEE");
  next();
  EXPECT_EQ(result(0), "First Name is SARAH Lucky");
  EXPECT_EQ(result(7), "Probable Lucky Number for First Name are ");
  EXPECT_EQ(result(8), "");
}

TEST_F(IchingWindow, BlankNamesPassTheCheckAndCountNothing) {
  enter("   ", "", "LEE");
  next();
  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_EQ(result(0), "First Name is  ");
  EXPECT_EQ(result(3), "First Name + 1 is Lucky");
}

TEST_F(IchingWindow, OpensASavedReadingAndShowsItsResult) {
  frmNagScreen2::instance().Load();
  const QString path = writeReading("john.num", {"JOHN", "", "SMITH", "August", "6", "1979"});
  open(path);
  ASSERT_EQ(qztest::seams().fileRequests.size(), 1u);
  const ui::FileDialogRequest& req = qztest::seams().fileRequests[0];
  EXPECT_EQ(req.kind, ui::FileDialogKind::Open);
  EXPECT_EQ(req.title, "Select the source file");
  EXPECT_EQ(req.filter, "RI Voze Ravudevede Rod (*.num)|*.num");
  EXPECT_TRUE(req.mustExist);
  EXPECT_EQ(req.defaultExt, "num");

  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_EQ(first()->text(), "JOHN");
  EXPECT_EQ(middle()->text(), "");
  EXPECT_EQ(last()->text(), "SMITH");
  EXPECT_EQ(page()->objectName(), "Frame2");
  EXPECT_EQ(result(0), "First Name is JOHN Not Very Lucky");
  EXPECT_EQ(result(2), "Last Name is SMITH Lucky");
  EXPECT_EQ(result(8), "Probable Lucky Number for Middle Name are " + kUpTo25);
  EXPECT_FALSE(frmNagScreen2::instance().IsVisible());

  // Alt+O reaches Open from the result page too; Cancel leaves it as it is.
  open(std::nullopt);
  EXPECT_EQ(page()->objectName(), "Frame2");
  EXPECT_EQ(first()->text(), "JOHN");
}

TEST_F(IchingWindow, OpenKeepsNonAsciiAndVeryLongNames) {
  // The longest name a reading file holds; with the first name the sums pass 32767.
  const QString longName(32767, 'Q');
  open(writeReading("long.num", {QString::fromUtf8("\u0161arah"), "", longName, "May", "1", "1990"}));
  EXPECT_EQ(qztest::seams().lastPrompt(), "");
  EXPECT_EQ(last()->text().size(), 32767);
  EXPECT_EQ(result(0), QString::fromUtf8("First Name is \u0160ARAH Lucky"));
  EXPECT_EQ(result(2), "Last Name is " + longName + " ");
  EXPECT_EQ(result(4), "First Name + Last Name is ");
  EXPECT_EQ(result(6), "First Name + Middle Name + Last Name is ");  // 32772 letters: no verdict
}

TEST_F(IchingWindow, PastedNamesHaveNoLengthLimit) {
  const QString pasted(40000, 'x');
  enter(pasted, "", "LEE");
  next();
  EXPECT_EQ(first()->text().size(), 40000);
  EXPECT_EQ(result(0), "First Name is " + pasted.toUpper() + " ");
  EXPECT_EQ(result(3), "First Name + 1 is ");
  EXPECT_EQ(result(1), "Middle Name is Absent");
}

TEST_F(IchingWindow, OpenWithAnEmptyFirstNameEndsInTheCheck) {
  open(writeReading("nofirst.num", {"", "ANN", "LEE", "May", "1", "1990"}));
  ASSERT_EQ(qztest::seams().messages.size(), 1u);
  EXPECT_EQ(qztest::seams().messages[0].prompt, "Please enter your first name");
  EXPECT_EQ(middle()->text(), "ANN");
  EXPECT_EQ(page()->objectName(), "Frame1");
}

TEST_F(IchingWindow, OpenTakesTheEndingInAnyCaseAsTheReadingToolSavesIt) {
  open(writeReading("READING.NUM", {"ANN", "", "LEE", "May", "1", "1990"}));
  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_EQ(page()->objectName(), "Frame2");
}

TEST_F(IchingWindow, OpenFaultsLeaveTheWindowAsItWas) {
  QDir(qztest::TempPath("")).mkpath("folder.num");
  const struct {
    const char* what;
    std::optional<QString> answer;
    QString prompt;  // empty: no message
  } cases[] = {
      {"cancel", std::nullopt, ""},
      {"other ending", writeBytes("names.txt", "x"), "Please Check The File."},
      {"missing file", qztest::TempPath("missing.num"), "The file could not be read"},
      {"a folder", qztest::TempPath("folder.num"), "The file could not be read"},
  };
  for (const auto& c : cases) {
    enter("KEEP", "THESE", "NAMES");
    qztest::seams().reset();
    open(c.answer);
    if (c.prompt.isEmpty()) {
      EXPECT_TRUE(qztest::seams().messages.empty()) << c.what;
    } else {
      ASSERT_EQ(qztest::seams().messages.size(), 1u) << c.what;
      EXPECT_TRUE(qztest::seams().messages[0].prompt.contains(c.prompt)) << c.what;
      EXPECT_EQ(qztest::seams().messages[0].style, ui::MsgStyle::Critical) << c.what;
    }
    EXPECT_EQ(first()->text(), "KEEP") << c.what;
    EXPECT_EQ(middle()->text(), "THESE") << c.what;
    EXPECT_EQ(last()->text(), "NAMES") << c.what;
    EXPECT_EQ(page()->objectName(), "Frame1") << c.what;
    EXPECT_EQ(result(0), "First Name is ") << c.what;
  }
}

TEST_F(IchingWindow, OpenOfAShortFileTakesTheNamesItHoldsAndChecksThem) {
  const QByteArray full = reading::ReadingFile::ToBytes({"ANN", "", "LEE", "May", "1", "1990"});
  auto firstLines = [&full](int n) {
    qsizetype end = 0;
    for (int i = 0; i < n; ++i) end = full.indexOf("\r\n", end) + 2;
    return full.left(end);
  };
  const struct {
    const char* what;
    QByteArray bytes;
    const char* prompt;  // empty: no message, the result page shows
    const char* first;
    const char* last;
  } cases[] = {
      {"empty file", QByteArray(), "Please enter your first name", "", ""},
      {"first line only", firstLines(1), "Please enter your last name", "ANN", ""},
      {"three lines", firstLines(3), "", "ANN", "LEE"},
      {"five lines, the last one unended", firstLines(5).chopped(2), "", "ANN", "LEE"},
  };
  for (const auto& c : cases) {
    enter("KEEP", "THESE", "NAMES");
    qztest::seams().reset();
    open(writeBytes(QStringLiteral("short.num"), c.bytes));
    EXPECT_EQ(first()->text(), c.first) << c.what;
    EXPECT_EQ(middle()->text(), "") << c.what;
    EXPECT_EQ(last()->text(), c.last) << c.what;
    if (*c.prompt) {
      ASSERT_EQ(qztest::seams().messages.size(), 1u) << c.what;
      EXPECT_EQ(qztest::seams().messages[0].prompt, c.prompt) << c.what;
      EXPECT_EQ(page()->objectName(), "Frame1") << c.what;
    } else {
      EXPECT_TRUE(qztest::seams().messages.empty()) << c.what << ": " << qztest::seams().lastPrompt().toStdString();
      EXPECT_EQ(page()->objectName(), "Frame2") << c.what;
      EXPECT_EQ(result(0), "First Name is ANN Lucky") << c.what;
      back();
    }
  }
}

TEST_F(IchingWindow, OpenTakesANameEndingInNumWithoutADot) {
  open(writeReading("savednum", {"ANN", "", "LEE", "May", "1", "1990"}));
  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_EQ(page()->objectName(), "Frame2");
}

TEST_F(IchingWindow, ReloadShowsTheEmptyInputPage) {
  enter("ANN", "", "LEE");
  next();
  form.window()->close();  // the close box
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_TRUE(frmMain::instance().IsVisible());

  form.Show();
  EXPECT_EQ(page()->objectName(), "Frame1");
  EXPECT_TRUE(first()->text().isEmpty());
  EXPECT_EQ(result(0), "First Name is ");
}

// Both pages fit their labels; saved as pictures when QZ_SCREENSHOT_DIR names a folder.
TEST_F(IchingWindow, PagesFitTheirLabelsAndSaveScreenshots) {
  const QString dir = qEnvironmentVariable("QZ_SCREENSHOT_DIR");
  QMainWindow* w = form.window();
  for (QLabel* label : w->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(w) || label->text().isEmpty()) continue;
    if (label->wordWrap()) continue;
    // One-line labels of the design fit their text.
    if (!label->objectName().startsWith("lblResult")) {
      EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
    }
  }
  if (!dir.isEmpty()) w->grab().save(dir + "/iching_input.png");
  enter("JOHN", "PAUL", "SMITHERS");
  next();
  for (int i = 0; i < 9; ++i) {
    QLabel* label = form.control<QLabel>(frmIChingNumerologyMain::lblResultName(i));
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()) / (i < 7 ? 1 : 2)) << i;
    if (i >= 7) {
      EXPECT_GE(label->height(), label->heightForWidth(label->width())) << i;
    }
  }
  if (!dir.isEmpty()) w->grab().save(dir + "/iching_result.png");

  // Without a middle name both lists show, each on up to two lines.
  back();
  enter("ANN", "", "LEE");
  next();
  QLabel* line7 = form.control<QLabel>(frmIChingNumerologyMain::lblResultName(7));
  QLabel* line8 = form.control<QLabel>(frmIChingNumerologyMain::lblResultName(8));
  EXPECT_GE(line7->height(), line7->heightForWidth(line7->width()));
  EXPECT_GE(line8->height(), line8->heightForWidth(line8->width()));
  EXPECT_LE(line8->geometry().bottom(), line8->parentWidget()->height());
  if (!dir.isEmpty()) w->grab().save(dir + "/iching_result_no_middle.png");
}
