// The typing manners every text box of a window keeps: keys with Ctrl, Alt or Meta held type
// nothing while their commands still act, and single-line boxes take no control characters.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>

#include "common/test_support.h"
#include "ui/form.h"

namespace {
class frmBoxes : public ui::FormOf<frmBoxes> {
 public:
  frmBoxes() : FormOf("frmBoxes") {}
  QLineEdit* line = nullptr;
  QLineEdit* shown = nullptr;  // read-only, written by the program
  QTextEdit* text = nullptr;

 protected:
  void CreateControls(QMainWindow* w) override {
    auto* central = new QWidget(w);
    w->setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    line = new QLineEdit(central);
    line->setObjectName(QStringLiteral("txtLine"));
    shown = new QLineEdit(central);
    shown->setReadOnly(true);
    text = new QTextEdit(central);
    text->setObjectName(QStringLiteral("txtText"));
    layout->addWidget(line);
    layout->addWidget(shown);
    layout->addWidget(text);
  }
};

class TextBoxManners : public qztest::SeamTest {
 protected:
  frmBoxes& form() { return frmBoxes::instance(); }
  void SetUp() override {
    SeamTest::SetUp();
    form().Show();
    qztest::Activate(form().window());
  }
};

TEST_F(TextBoxManners, PastedTextKeepsItsFirstLineWithoutControlCharacters) {
  const struct {
    const char* what;
    QString before;
    int cursor, selected;  // the caret, and how many characters before it are selected
    QString pasted;
    QString after;
    int caret;
  } cases[] = {
      {"lines into an empty box", "", 0, 0, "mary\nann", "mary", 4},
      {"tabs and a blank", "", 0, 0, "\tsmith ", "smith ", 6},
      {"CR LF in the middle", "AB", 1, 0, "c\td\r\ne", "AcdB", 3},
      {"a line break first", "AB", 2, 0, "\nann", "AB", 2},
      {"over a selection", "ABCD", 3, 2, "x\x01y\rz", "AxyD", 3},
      {"the same letters as the text", "A", 0, 0, "A\nB", "AA", 1},
      {"a lone CR", "", 0, 0, "ann\rlee", "ann", 3},
      {"line and paragraph separators", "", 0, 0, QStringLiteral("ann\u2028lee\u2029x"), "ann", 3},
      {"NUL, DEL and C1 controls", "", 0, 0, QStringLiteral("a") + QChar(0) + QChar(0x7f) + QChar(0x9b) + "b", "ab", 2},
      {"plain text", "A", 1, 0, QStringLiteral("nn é 😀"), QStringLiteral("Ann é 😀"), 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(qztest::Enter(form().line, c.before));
    QTest::keyClick(form().line, Qt::Key_End);
    for (int i = c.before.size(); i > c.cursor; --i) QTest::keyClick(form().line, Qt::Key_Left);
    for (int i = 0; i < c.selected; ++i) QTest::keyClick(form().line, Qt::Key_Left, Qt::ShiftModifier);
    QApplication::clipboard()->setText(c.pasted);
    QTest::keyClick(form().line, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form().line->text(), c.after);
    EXPECT_EQ(form().line->cursorPosition(), c.caret);
  }
  // The context menu's Paste is held to the same rule; a box the program writes keeps its text.
  ASSERT_TRUE(qztest::Paste(form().line, "one\ntwo"));
  EXPECT_EQ(form().line->text(), "one");
  form().shown->setText("first\nsecond");
  EXPECT_EQ(form().shown->text(), "first\nsecond");
}

TEST_F(TextBoxManners, KeysWithModifiersTypeNothingButTheirCommandsAct) {
  for (QWidget* box : {static_cast<QWidget*>(form().line), static_cast<QWidget*>(form().text)}) {
    SCOPED_TRACE(box->objectName().toStdString());
    const auto text = [box] {
      auto* line = qobject_cast<QLineEdit*>(box);
      return line ? line->text() : static_cast<QTextEdit*>(box)->toPlainText();
    };
    ASSERT_TRUE(qztest::Click(box));
    QTest::keyClicks(box, "ab");
    QTest::keyClick(box, Qt::Key_Q, Qt::AltModifier);
    QTest::keyClick(box, Qt::Key_Apostrophe, Qt::AltModifier);
    QTest::keyClick(box, Qt::Key_Q, Qt::MetaModifier);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(box, Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(text(), "ab");
    // Ctrl+A and Ctrl+X cut everything, Ctrl+V pastes it back twice.
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(text(), "");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(), "abab");
    QTest::keyClick(box, Qt::Key_C);
    EXPECT_EQ(text(), "ababc");
  }
}
}  // namespace
