#include "common/test_support.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTabBar>
#include <QTest>
#include <QPrinter>
#include <QRegularExpression>
#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "services/file_io.h"
#include "services/platform.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/platform_qt.h"

#include <sys/resource.h>

namespace ui {
void PrintTo(MsgStyle style, std::ostream* os) {
  switch (style) {
    case MsgStyle::OkOnly: *os << "MsgStyle::OkOnly"; return;
    case MsgStyle::Critical: *os << "MsgStyle::Critical"; return;
    case MsgStyle::Information: *os << "MsgStyle::Information"; return;
    case MsgStyle::YesNoInformation: *os << "MsgStyle::YesNoInformation"; return;
  }
  *os << "MsgStyle(" << static_cast<int>(style) << ")";
}
void PrintTo(MsgAnswer answer, std::ostream* os) {
  switch (answer) {
    case MsgAnswer::Ok: *os << "MsgAnswer::Ok"; return;
    case MsgAnswer::Yes: *os << "MsgAnswer::Yes"; return;
    case MsgAnswer::No: *os << "MsgAnswer::No"; return;
  }
  *os << "MsgAnswer(" << static_cast<int>(answer) << ")";
}
void PrintTo(const PrintOptions& options, std::ostream* os) {
  *os << "{selection " << (options.selection ? "true" : "false") << ", pageNumbers "
      << (options.pageNumbers ? "true" : "false") << "}";
}
}  // namespace ui

namespace qztest {
Seams& seams() {
  static Seams s;
  return s;
}

void Seams::reset() {
  messages.clear();
  answers.clear();
  fileRequests.clear();
  fileAnswers.clear();
  defaultPrinterPdf.clear();
  dialogPrinterPdf.clear();
  dialogPrintSelection = false;
  printerDialog.reset();
  opened.clear();
  endCalls.clear();
  onModal = nullptr;
  ui::SetDialogDriver(nullptr);
  platform::ClearRandomQueue();
  SetToday(QDate());
}

QString BuiltProgramFolder() {
  const QString given = qEnvironmentVariable("QZ_PROGRAM_DIR");
  return given.isEmpty() ? QStringLiteral(QZ_BUILT_PROGRAM_DIR) : given;
}
void RestoreProgramFolder() { platform::SetProgramFolder(BuiltProgramFolder()); }

void SetToday(const QDate& date, const QTime& time) {
  if (!date.isValid()) {
    platform::SetClock(nullptr);
    return;
  }
  const QDateTime fixed(date, time);
  platform::SetClock([fixed] { return fixed; });
}

QString TempPath(const QString& name) {
  static QTemporaryDir dir;
  return QDir(dir.path()).filePath(name);
}

::testing::AssertionResult WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  if (QTest::qWaitFor(condition, timeoutMs)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the condition did not hold within " << timeoutMs << " ms";
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

namespace {
std::vector<std::function<void()>>& libraryPutBacks() {
  static std::vector<std::function<void()>> putBacks;
  return putBacks;
}

// The environment's folders for settings and data, as the test's main set them.
struct StartingFolders {
  QByteArray config = qgetenv("XDG_CONFIG_HOME");
  QByteArray data = qgetenv("XDG_DATA_HOME");
  QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
};
const StartingFolders& startingFolders() {
  static const StartingFolders folders;
  return folders;
}

void putBackFolder(const char* name, const QByteArray& value, bool empty) {
  if (value.isNull()) {
    qunsetenv(name);
    return;
  }
  qputenv(name, value);
  if (!empty) return;
  QDir folder(QString::fromLocal8Bit(value));
  if (folder.exists()) folder.removeRecursively();
  folder.mkpath(QStringLiteral("."));
}
}  // namespace

void SeamEnvironment::SetUp() {
  (void)startingFolders();  // taken before the first test changes any
  ui::SetMsgBoxHandler([](const ui::MsgBoxCall& call) {
    seams().messages.push_back(call);
    if (!seams().answers.empty()) {
      const ui::MsgAnswer a = seams().answers.front();
      seams().answers.pop_front();
      return a;
    }
    return call.style == ui::MsgStyle::YesNoInformation ? ui::MsgAnswer::No : ui::MsgAnswer::Ok;
  });
  ui::SetFileDialogHandler([](const ui::FileDialogRequest& request) -> std::optional<QString> {
    seams().fileRequests.push_back(request);
    if (seams().fileAnswers.empty()) return std::nullopt;
    auto a = seams().fileAnswers.front();
    seams().fileAnswers.pop_front();
    return a;
  });
  ui::SetDefaultPrinterHandler([](QPrinter& printer) {
    if (seams().defaultPrinterPdf.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(seams().defaultPrinterPdf);
    return true;
  });
  ui::SetPrinterDialogHandler([](QPrinter& printer, const ui::PrintOptions& options) {
    seams().printerDialog = options;
    if (seams().dialogPrinterPdf.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(seams().dialogPrinterPdf);
    printer.setPrintRange(seams().dialogPrintSelection ? QPrinter::Selection : QPrinter::AllPages);
    return true;
  });
  ui::SetModalHandler([](ui::Form& form) {
    if (seams().onModal) seams().onModal(form);
  });
  ui::SetEndProcessHandler([](int code) { seams().endCalls.push_back(code); });
  platform::SetShellOpener([](const QString& address) { seams().opened << address; });
  RestoreProgramFolder();
  seams().reset();
}


PutBackBeforeEachTest::PutBackBeforeEachTest(std::function<void()> putBack) {
  libraryPutBacks().push_back(std::move(putBack));
}

void PutBackProcessState() {
  ui::ForgetAllForms();
  SeamEnvironment().SetUp();
  ui::SetManualClock(false);
  ui::SetDesktopOpener(nullptr);
  const StartingFolders& folders = startingFolders();
  putBackFolder("XDG_CONFIG_HOME", folders.config, true);
  putBackFolder("XDG_DATA_HOME", folders.data, true);
  putBackFolder("XDG_RUNTIME_DIR", folders.runtime, false);
  for (const auto& putBack : libraryPutBacks()) putBack();
}

FileSizeLimit::FileSizeLimit(long bytes) {
  IgnoreFileSizeLimitSignal();
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  old_ = static_cast<long>(limit.rlim_cur);
  limit.rlim_cur = static_cast<rlim_t>(bytes);
  ok_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = static_cast<rlim_t>(old_);
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

void Activate(QWidget* window) {
  window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window);
  if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window && window->isActiveWindow(); }, 10000))
    ADD_FAILURE() << window->objectName().toStdString() << " did not become the active window within 10 s";
}

bool RealDisplay() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

::testing::AssertionResult WaitForAskedSize(QWidget* window, int timeoutMs) {
  // At a fractional scale (1.25, 1.5) a size in Qt's pixels comes back rounded: a pixel off.
  const qreal ratio = window->devicePixelRatioF();
  const int slack = ratio == std::floor(ratio) ? 0 : 1;
  const auto asked = [window, slack] {
    const QSize size = window->size();
    const QSize bounded = size.expandedTo(window->minimumSize()).boundedTo(window->maximumSize());
    return std::abs(bounded.width() - size.width()) <= slack && std::abs(bounded.height() - size.height()) <= slack;
  };
  if (QTest::qWaitFor(asked, timeoutMs)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << window->objectName().toStdString() << " is " << window->width() << "x"
                                       << window->height() << " after " << timeoutMs << " ms, outside its minimum "
                                       << window->minimumWidth() << "x" << window->minimumHeight() << " and maximum "
                                       << window->maximumWidth() << "x" << window->maximumHeight();
}

::testing::AssertionResult WaitForPlaced(QWidget* window, int timeoutMs) {
  if (!QTest::qWaitForWindowExposed(window, timeoutMs))
    return ::testing::AssertionFailure() << window->objectName().toStdString() << " was not exposed";
  if (!RealDisplay()) return ::testing::AssertionSuccess();
  QWindow* handle = window->windowHandle();
  if (!QTest::qWaitFor([handle] { return !handle->frameMargins().isNull(); }, timeoutMs))
    return ::testing::AssertionFailure() << window->objectName().toStdString() << " got no frame within " << timeoutMs
                                         << " ms (no window manager?)";
  const QRect area = window->screen()->availableGeometry();
  const auto placed = [&] {
    const QRect frame = handle->frameGeometry();
    const QPoint kept(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())),
                      std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    return frame.topLeft() == kept;
  };
  if (QTest::qWaitFor(placed, timeoutMs)) return ::testing::AssertionSuccess();
  const QRect frame = handle->frameGeometry();
  return ::testing::AssertionFailure() << window->objectName().toStdString() << "'s frame stands at " << frame.x() << ","
                                       << frame.y() << " " << frame.width() << "x" << frame.height() << " after "
                                       << timeoutMs << " ms, off the free area " << area.x() << "," << area.y() << " "
                                       << area.width() << "x" << area.height();
}

void UnloadAllWindows() {
  for (int pass = 0; pass < 3 && !ui::Form::LoadedForms().isEmpty(); ++pass)
    for (ui::Form* form : ui::Form::LoadedForms()) form->Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString PdfText(const QString& path) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList PdfPages(const QString& path) {
  QStringList pages = PdfText(path).split(QLatin1Char('\f'));
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();  // after the last page
  return pages;
}

QString PrintoutFaults(const QString& pdf, const QString& text) {
  const QStringList pages = PdfPages(pdf);
  if (pages.isEmpty()) return QStringLiteral("nothing was printed");
  QStringList faults;
  static const QRegularExpression number(QStringLiteral("^\\d+$"));
  for (int i = 0; i < pages.size(); ++i) {
    QStringList lines = pages[i].split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
    if (!lines.isEmpty() && number.match(lines.last().trimmed()).hasMatch())
      faults << QStringLiteral("page %1 ends in the line \"%2\"").arg(i + 1).arg(lines.last().trimmed());
  }
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  // Compatibility forms aside: a PDF font draws "fi" as its ligature.
  const QStringList printed =
      pages.join(QLatin1Char(' ')).normalized(QString::NormalizationForm_KC).split(blanks, Qt::SkipEmptyParts);
  const QStringList wanted = text.normalized(QString::NormalizationForm_KC).split(blanks, Qt::SkipEmptyParts);
  qsizetype same = 0;
  while (same < printed.size() && same < wanted.size() && printed[same] == wanted[same]) ++same;
  if (same < printed.size() || same < wanted.size()) {
    const auto near = [same](const QStringList& words) { return words.mid(same, 6).join(QLatin1Char(' ')); };
    faults << QStringLiteral("after %1 of %2 words, printed \"%3\" where the text has \"%4\" (%5 pages)")
                  .arg(same)
                  .arg(wanted.size())
                  .arg(near(printed), near(wanted))
                  .arg(pages.size());
  }
  return faults.join(QStringLiteral("; "));
}

void CommitInputMethodText(const QString& commit, const QString& preedit) {
  QInputMethodEvent composing(preedit, {});
  QCoreApplication::sendEvent(QApplication::focusWidget(), &composing);
  QInputMethodEvent done;
  done.setCommitString(commit);
  QCoreApplication::sendEvent(QApplication::focusWidget(), &done);
}

bool OfferTextDrop(QWidget* widget, const QString& text) {
  QMimeData data;
  data.setText(text);
  const QPoint at = widget->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(widget, &enter);
  QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(widget, &move);
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(widget, &drop);
  return enter.isAccepted() || move.isAccepted() || drop.isAccepted();
}

::testing::AssertionResult PasteFromContextMenu(QWidget* widget) {
  const QPoint at = widget->rect().center();
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
  QCoreApplication::sendEvent(widget, &menuEvent);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (!menu) return ::testing::AssertionFailure() << "no context menu opened";
  QAction* paste = nullptr;
  for (QAction* a : menu->actions())
    if (a->text().startsWith(QLatin1String("&Paste"))) paste = a;
  if (!paste) return ::testing::AssertionFailure() << "the context menu has no Paste item";
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
  return ::testing::AssertionSuccess();
}
}  // namespace qztest

// --- What a user does ----------------------------------------------------------------------

namespace qztest {
namespace {
::testing::AssertionResult reachable(QWidget* widget) {
  if (!widget) return ::testing::AssertionFailure() << "no such control";
  if (!widget->isVisible())
    return ::testing::AssertionFailure() << widget->objectName().toStdString() << " is not shown";
  return ::testing::AssertionSuccess();
}
void activate(QWidget* widget) {
  QWidget* window = widget->window();
  if (!window->isActiveWindow() && !QApplication::activePopupWidget()) Activate(window);
}
// Clears the focused box with keys that type no character (name boxes refuse Ctrl+A):
// End, Shift+Home to select all, then Backspace.
void clearBox(QLineEdit* box) {
  QTest::keyClick(box, Qt::Key_End);
  QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
  QTest::keyClick(box, Qt::Key_Backspace);
}
// Longer texts are pasted: a key a character for 10,000 characters takes minutes.
constexpr qsizetype kLongestTyped = 100;
}  // namespace

::testing::AssertionResult Click(QWidget* widget) {
  if (auto r = reachable(widget); !r) return r;
  activate(widget);
  QTest::mouseClick(widget, Qt::LeftButton);
  return ::testing::AssertionSuccess();
}

namespace {
// The characters of the text, a surrogate pair as one; empty when a surrogate stands alone.
QStringList characters(const QString& text) {
  QStringList out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      out << text.mid(i++, 2);
    } else if (c.isSurrogate()) {
      return {};
    } else {
      out << QString(c);
    }
  }
  return out;
}
}  // namespace

bool Typeable(const QString& text) {
  const QStringList keys = characters(text);
  if (keys.isEmpty() && !text.isEmpty()) return false;
  for (const QString& k : keys) {
    const char32_t c = k.size() == 2 ? QChar::surrogateToUcs4(k.at(0), k.at(1)) : k.at(0).unicode();
    if (!QChar::isPrint(c)) return false;
  }
  return true;
}

::testing::AssertionResult Paste(QLineEdit* box, const QString& text) {
  if (auto r = Click(box); !r) return r;
  clearBox(box);
  if (text.isEmpty()) return ::testing::AssertionSuccess();
  QApplication::clipboard()->setText(text);
  return PasteFromContextMenu(box);
}

::testing::AssertionResult Enter(QLineEdit* box, const QString& text) {
  if (!Typeable(text) || text.size() > kLongestTyped) return Paste(box, text);
  if (auto r = Click(box); !r) return r;
  clearBox(box);
  // One key a character; a character outside the basic plane comes as one key's text.
  for (const QString& key : characters(text)) {
    const QChar first = key.at(0);
    const Qt::Key code = first.unicode() < 0x80 ? QTest::asciiToKey(char(first.unicode())) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, box, code, key, Qt::NoModifier);
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Choose(QComboBox* list, const QString& text) {
  if (auto r = reachable(list); !r) return r;
  if (list->isEditable()) {
    if (auto r = Enter(list->lineEdit(), text); !r) return r;
    if (list->currentText() != text)
      return ::testing::AssertionFailure() << list->objectName().toStdString() << " shows \""
                                           << list->currentText().toStdString() << "\"";
    return ::testing::AssertionSuccess();
  }
  const int target = list->findText(text);
  if (target < 0)
    return ::testing::AssertionFailure() << list->objectName().toStdString() << " has no \"" << text.toStdString()
                                         << "\"";
  if (auto r = Click(list); !r) return r;
  QAbstractItemView* view = list->view();
  if (!view->isVisible()) return ::testing::AssertionFailure() << list->objectName().toStdString() << " did not open";
  QTest::keyClick(view, Qt::Key_Home);
  QTest::keyClicks(view, text);
  for (int i = 0; i < list->count() && view->currentIndex().row() != target; ++i)
    QTest::keyClick(view, view->currentIndex().row() < target ? Qt::Key_Down : Qt::Key_Up);
  QTest::keyClick(view, Qt::Key_Return);
  if (list->currentText() != text)
    return ::testing::AssertionFailure() << list->objectName().toStdString() << " shows \""
                                         << list->currentText().toStdString() << "\"";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult ClickTab(QTabBar* tabs, int index) {
  if (auto r = reachable(tabs); !r) return r;
  activate(tabs);
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
  if (tabs->currentIndex() != index) return ::testing::AssertionFailure() << "tab " << index << " not taken";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult MenuItem(QWidget* window, Qt::Key menuKey, Qt::Key itemKey) {
  Activate(window);
  QTest::keyClick(window, menuKey, Qt::AltModifier);
  QWidget* menu = QApplication::activePopupWidget();
  if (!menu) return ::testing::AssertionFailure() << "no menu opened";
  QTest::keyClick(menu, itemKey);
  return ::testing::AssertionSuccess();
}
}  // namespace qztest
