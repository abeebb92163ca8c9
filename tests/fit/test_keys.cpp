// Keys on every window, as a user presses them: each access key acts at its first press, a key
// pressed with Ctrl, Alt or Meta held types nothing, a single-line box keeps the first line of
// a pasted text without control characters, and Return presses every button drawn as default.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcutEvent>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

#include "common/test_support.h"
#include "fit/all_windows.h"

using qztest::seams;

namespace {
// The letter an access key marks in a caption ('\0' for none).
QChar AccessKey(const QString& caption) {
  const QKeySequence key = QKeySequence::mnemonic(caption);
  return key.isEmpty() ? QChar() : QChar(char16_t(key[0].key()));
}

struct Holders {
  QMap<QChar, QStringList> byKey;  // who holds each access key
  QMap<QChar, QAction*> menuTitles;
  void add(const QString& caption, const QString& who) {
    if (const QChar key = AccessKey(caption); !key.isNull()) byKey[key] << who;
  }
};

// The access keys of the window's menu titles and of its controls on the screen.
Holders AccessKeys(QWidget* window) {
  Holders h;
  auto* bar = qobject_cast<QMenuBar*>(static_cast<QMainWindow*>(window)->menuWidget());
  if (bar && bar->isVisible())
    for (QAction* title : bar->actions()) {
      h.add(title->text(), QStringLiteral("menu \"%1\"").arg(title->text()));
      if (const QChar key = AccessKey(title->text()); !key.isNull()) h.menuTitles[key] = title;
    }
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisible() || (bar && (w == bar || bar->isAncestorOf(w)))) continue;
    const QString name = w->objectName();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) h.add(button->text(), name);
    else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) h.add(label->text(), name);
    else if (auto* frame = qobject_cast<QGroupBox*>(w)) h.add(frame->title(), name);
    else if (auto* tabs = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < tabs->count(); ++i) h.add(tabs->tabText(i), name + QStringLiteral(" tab"));
  }
  return h;
}

// Counts the shortcut events the application delivers, and those Qt found ambiguous.
class ShortcutWatch : public QObject {
 public:
  ShortcutWatch() { qApp->installEventFilter(this); }
  ~ShortcutWatch() override { qApp->removeEventFilter(this); }
  int acted = 0;
  int ambiguous = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Shortcut) ++(static_cast<QShortcutEvent*>(event)->isAmbiguous() ? ambiguous : acted);
    return false;
  }
};

QWidget* Focused(QWidget* window) {
  QWidget* focus = QApplication::focusWidget();
  return focus && focus->window() == window ? focus : window;
}

void PressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(Focused(window), key, modifiers);
}

// The text boxes of the window the user can type into.
QList<QWidget*> EditableBoxes(QWidget* window, const QStringList& outOfSight) {
  QList<QWidget*> boxes;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisible() || !w->isEnabled() || outOfSight.contains(w->objectName())) continue;
    if (auto* line = qobject_cast<QLineEdit*>(w); line && !line->isReadOnly()) boxes << w;
    if (auto* text = qobject_cast<QTextEdit*>(w); text && !text->isReadOnly()) boxes << w;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w); plain && !plain->isReadOnly()) boxes << w;
  }
  return boxes;
}

QString TextOf(QWidget* box) {
  if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text();
  if (auto* text = qobject_cast<QTextEdit*>(box)) return text->toPlainText();
  if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) return plain->toPlainText();
  return QString();
}

class WindowKeys : public fittest::AllWindowsTest, public ::testing::WithParamInterface<fittest::Scenario> {
 protected:
  QWidget* Open() {
    ui::Form& form = GetParam().open();
    EXPECT_TRUE(form.IsVisible()) << seams().lastPrompt().toStdString();
    if (!form.IsVisible()) return nullptr;
    qztest::Activate(form.window());
    // Keys go where the window manager put the focus: wait until it gave it to the window.
    EXPECT_TRUE(qztest::WaitFor([&] { return QApplication::activeWindow() == form.window(); }, 3000));
    seams().messages.clear();
    seams().opened.clear();
    return form.window();
  }
};

// One holder per access key: a menu title keeps its key, a control sharing it gives it up. Each
// menu title's key (the keys some controls' captions also mark) acts at its first press.
TEST_P(WindowKeys, EveryAccessKeyActsAtItsFirstPress) {
  QWidget* window = Open();
  if (!window) return;
  const Holders holders = AccessKeys(window);
  QList<QChar> pressed;
  for (auto it = holders.byKey.cbegin(); it != holders.byKey.cend(); ++it) {
    EXPECT_EQ(it.value().size(), 1) << "Alt+" << QString(it.key()).toStdString() << " is held by "
                                    << it.value().join(QStringLiteral(", ")).toStdString();
    if (it.value().size() > 1 || holders.menuTitles.contains(it.key())) pressed << it.key();
  }
  for (const QChar key : pressed) {
    SCOPED_TRACE(QStringLiteral("Alt+%1").arg(key).toStdString());
    qztest::Activate(window);
    const qsizetype openedBefore = seams().opened.size();
    ShortcutWatch watch;
    PressKey(window, Qt::Key(key.unicode()), Qt::AltModifier);
    EXPECT_EQ(watch.ambiguous, 0) << "the press only moved the focus";
    EXPECT_EQ(watch.acted, 1);
    QAction* title = holders.menuTitles.value(key);
    if (title && title->menu()) {
      QWidget* popup = QApplication::activePopupWidget();
      EXPECT_EQ(popup, title->menu()) << "the menu did not open";
      if (popup) QTest::keyClick(popup, Qt::Key_Escape);
    } else if (title) {
      EXPECT_EQ(seams().opened.size(), openedBefore + 1) << seams().opened.join(' ').toStdString();
    }
    if (QWidget* focus = QApplication::focusWidget(); qobject_cast<QMenuBar*>(focus))
      QTest::keyClick(focus, Qt::Key_Escape);  // the menu bar leaves its keyboard mode
  }
}

// Alt+Q, Alt+1, Alt+-, Alt+', Alt+Z, Meta+Q and Ctrl+Alt+Z type nothing into any box, and no
// box refuses them with a message.
TEST_P(WindowKeys, KeysWithModifiersTypeNothing) {
  QWidget* window = Open();
  if (!window) return;
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  } keys[] = {{Qt::Key_Q, Qt::AltModifier},          {Qt::Key_1, Qt::AltModifier},
              {Qt::Key_Minus, Qt::AltModifier},      {Qt::Key_Apostrophe, Qt::AltModifier},
              {Qt::Key_Z, Qt::AltModifier},          {Qt::Key_Q, Qt::MetaModifier},
              {Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier}};
  for (QWidget* box : EditableBoxes(window, GetParam().outOfSight)) {
    SCOPED_TRACE(box->objectName().toStdString());
    ASSERT_TRUE(qztest::Click(box));
    const QString before = TextOf(box);
    for (const auto& k : keys) PressKey(window, k.key, k.modifiers);
    EXPECT_EQ(TextOf(box), before);
    EXPECT_TRUE(seams().messages.empty()) << seams().lastPrompt().toStdString();
    seams().messages.clear();
  }
}

// A pasted text of several lines with tabs leaves only its first line, without the tabs.
TEST_P(WindowKeys, PastedTextKeepsItsFirstLineInSingleLineBoxes) {
  QWidget* window = Open();
  if (!window) return;
  for (QWidget* w : EditableBoxes(window, GetParam().outOfSight)) {
    auto* box = qobject_cast<QLineEdit*>(w);
    if (!box) continue;
    SCOPED_TRACE(box->objectName().toStdString());
    ASSERT_TRUE(qztest::Paste(box, QStringLiteral("\tab\tc\r\nde\n")));
    EXPECT_EQ(box->text().toLower(), "abc");
    seams().messages.clear();
  }
}

// Return in the window presses the button drawn as default; a window without one draws none.
TEST_P(WindowKeys, ReturnPressesTheButtonDrawnAsDefault) {
  QWidget* window = Open();
  if (!window) return;
  for (QPushButton* button : window->findChildren<QPushButton*>()) {
    if (!button->isVisible() || !button->isDefault()) continue;
    SCOPED_TRACE(button->objectName().toStdString());
    const QList<QWidget*> boxes = EditableBoxes(window, GetParam().outOfSight);
    if (!boxes.isEmpty()) {
      ASSERT_TRUE(qztest::Click(boxes.first()));
    }
    QSignalSpy pressed(button, &QPushButton::clicked);
    PressKey(window, Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(pressed.count(), 1) << "drawn as default, and Return does not press it";
    return;  // a press may have left the window
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowKeys, ::testing::ValuesIn(fittest::Scenarios()),
                         [](const ::testing::TestParamInfo<fittest::Scenario>& info) {
                           return std::string(info.param.name);
                         });
}  // namespace
