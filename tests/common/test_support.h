#pragma once
// Seams for tests: message boxes, file and printer dialogs, modal shows, the browser,
// the clock and the end of the process, each answered here and read back by the test.
#include <gtest/gtest.h>

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <ostream>
#include <optional>
#include <vector>

#include <functional>

#include <Qt>

class QComboBox;
class QLineEdit;
class QTabBar;
class QWidget;

#include "ui/common_dialog.h"
#include "ui/form.h"
#include "ui/msgbox.h"

// Readable QStrings, message-box styles and answers, and printer options in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
namespace ui {
void PrintTo(MsgStyle style, std::ostream* os);
void PrintTo(MsgAnswer answer, std::ostream* os);
void PrintTo(const PrintOptions& options, std::ostream* os);
}  // namespace ui

namespace qztest {
struct Seams {
  // Message boxes shown, in order; answers are taken from the queue (OK, or No for a question).
  std::vector<ui::MsgBoxCall> messages;
  std::deque<ui::MsgAnswer> answers;
  // File dialogs: requests seen, answers queued (nullopt = Cancel; an empty queue cancels).
  std::vector<ui::FileDialogRequest> fileRequests;
  std::deque<std::optional<QString>> fileAnswers;
  // Printers: PDF files written by the default printer and by the printer dialog.
  QString defaultPrinterPdf;  // empty: "no printer is available"
  QString dialogPrinterPdf;   // empty: the printer dialog is cancelled
  bool dialogPrintSelection = false;
  std::optional<ui::PrintOptions> printerDialog;  // what the last printer dialog offered
  // Addresses handed to the browser.
  QStringList opened;
  // Run when a window is shown modally (the window stays as it leaves it).
  std::function<void(ui::Form&)> onModal;
  // End-of-process calls.
  std::vector<int> endCalls;

  QString lastPrompt() const { return messages.empty() ? QString() : messages.back().prompt; }
  void reset();
};

Seams& seams();

// Fixes today's date (and the time of day) for the clock seam; an invalid date restores the real clock.
void SetToday(const QDate& date, const QTime& time = QTime(12, 0));

// The program folder of the build: QZ_PROGRAM_DIR when it is set, else the build's own. Every
// test starts with it as platform::ProgramFolder(); a test that points elsewhere may put it
// back with RestoreProgramFolder().
QString BuiltProgramFolder();
void RestoreProgramFolder();

// A temporary folder for files a test writes.
QString TempPath(const QString& name);
// A file's bytes (empty when it cannot be read), and a file written with the given bytes.
QByteArray ReadAll(const QString& path);
void WriteAll(const QString& path, const QByteArray& bytes);

// Installs every seam and resets what they recorded.
class SeamEnvironment : public ::testing::Environment {
 public:
  void SetUp() override;
};

// Puts back, before every test (test_main's listener calls it), each piece of process state a
// test can change: every window unloaded and made afresh at its next use (its members as its
// constructor sets them), the seams and what they recorded, the clock and the random queue,
// the manual timer clock, the desktop opener, the program folder, the environment's
// settings and data folders, emptied (the reminder date and a user's copy of a file go with
// them), and what each library's test support put up for putting back.
void PutBackProcessState();

// Process state of a library this support does not link (its seams, folders and caches): that
// library's test support makes one of these at start-up, and the function runs in every
// PutBackProcessState.
class PutBackBeforeEachTest {
 public:
  explicit PutBackBeforeEachTest(std::function<void()> putBack);
};

// Unloads every loaded window (their unload handlers run against the seams).
void UnloadAllWindows();

// A test fixture of window tests. The process state is put back before each test (see
// PutBackProcessState); every window the test loaded is unloaded at its end, while what the
// fixture holds (a browser, a folder) is still there for the unload handlers.
class SeamTest : public ::testing::Test {
 protected:
  void TearDown() override { UnloadAllWindows(); }
};

// Runs the event loop until the condition holds, failing when it still does not after the
// timeout. (Qt's QTRY_* macros report through QTest, which GoogleTest does not hear.)
::testing::AssertionResult WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

// Lowers the soft file-size limit (ulimit -f) for the life of the object, with SIGXFSZ ignored
// as the program ignores it, so that a write past the limit fails instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(long bytes);
  ~FileSizeLimit();
  bool ok() const { return ok_; }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  long old_ = 0;
  bool ok_ = false;
};

// Makes the window active so that focus moves between its controls raise their events; fails
// the test when it is not active within 10 s (under a window manager it comes later, and keys
// sent before it are lost).
void Activate(QWidget* window);

// --- What a window system does in its own time (offscreen, at once) ---

// True on a real display (the xcb platform), where a window manager frames and places windows.
bool RealDisplay();
// The window has the size it asked for: within its minimum and maximum size, a pixel off at a
// fractional scale (a size set on a shown window reaches it when the window system answers).
::testing::AssertionResult WaitForAskedSize(QWidget* window, int timeoutMs = 10000);
// The window is exposed; on a real display the window manager has framed it and the window
// stands where the window layer keeps it: its frame on the screen's free area, or, where it is
// larger, at the area's top or left edge. The window manager frames and moves a window a
// little after it is mapped, later on a busy machine.
::testing::AssertionResult WaitForPlaced(QWidget* window, int timeoutMs = 10000);

// Reads a PDF back as text with pdftotext.
QString PdfText(const QString& path);
// The text of each page of a PDF.
QStringList PdfPages(const QString& path);
// How a printout differs from the text it prints: a page ending in a page number, a word left
// out, doubled or added (words compared in order, blanks and line breaks aside). Empty when the
// pages hold the text whole and nothing else.
QString PrintoutFaults(const QString& pdf, const QString& text);

// What an input method sends to the focused widget: the preedit text while composing (a dead
// key's accent, or nothing), then the composed text committed.
void CommitInputMethodText(const QString& commit, const QString& preedit = QString());

// Drags text over the middle of the widget and drops it there (drag enter, move and drop, each
// sent whatever the one before met); true when the widget accepted any of them.
bool OfferTextDrop(QWidget* widget, const QString& text);

// Opens the widget's context menu over its middle, as a right click does, and clicks its Paste
// item; fails when no menu opens or it has no Paste item.
::testing::AssertionResult PasteFromContextMenu(QWidget* widget);

// --- What a user does, as key and mouse events ---

// A left click on the middle of the widget, its window made active first; fails on a widget
// the user cannot see.
::testing::AssertionResult Click(QWidget* widget);
// True when every character of the text has a key (no control characters, line separators
// or lone surrogates).
bool Typeable(const QString& text);
// Clicks into the box, selects what it holds and deletes it, then types the text key by key;
// a text no keys can type, or one of more than 100 characters, is pasted instead.
::testing::AssertionResult Enter(QLineEdit* box, const QString& text);
// Clicks into the box, clears it and pastes the text from its context menu (Ctrl+V is a
// character the name boxes refuse).
::testing::AssertionResult Paste(QLineEdit* box, const QString& text);
// Chooses the item with this text. An editable list is typed into; a fixed one is opened with
// a click, the item's text typed to jump near it, the arrows move onto it and Return takes it.
::testing::AssertionResult Choose(QComboBox* list, const QString& text);
// Clicks the tab.
::testing::AssertionResult ClickTab(QTabBar* tabs, int index);
// A menu item by its access keys: Alt and the menu's key, then the item's key.
::testing::AssertionResult MenuItem(QWidget* window, Qt::Key menuKey, Qt::Key itemKey);
}  // namespace qztest
