// The desktop manners of the suite's windows: modal windows are dialogs of the window that
// opened them, the about box closes on Esc, file dialogs name each pattern once, print jobs
// carry a name, and every tool says the same when there is no printer; fixed windows keep their
// size, tooltips look like the desktop's, and a message box shows its whole title.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QResizeEvent>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <cstdlib>
#include <functional>

#include <xcb/xcb.h>

#include "chinese/frm_chinese_numerology_display.h"
#include "chinese/frm_chinese_numerology_main.h"
#include "chinese/frm_chinese_numerology_save.h"
#include "common/test_support.h"
#include "dictionary/frm_mdi.h"
#include "dictionary/frm_numerology_dictionary_main.h"
#include "dictionary/frm_numerology_dictionary_pb.h"
#include "fit/all_windows.h"
#include "iching/frm_iching_numerology_main.h"
#include "kabbalah/frm_kabbalah_numerology_display.h"
#include "kabbalah/frm_kabbalah_numerology_main.h"
#include "kabbalah/frm_kabbalah_numerology_save.h"
#include "namebirth/frm_numerology_software_one.h"
#include "reading/frm_numerology_pro_disp.h"
#include "reading/frm_numerology_pro_main.h"
#include "reading/frm_numerology_pro_result.h"
#include "reading/frm_numerology_pro_save.h"
#include "services/web_pages.h"
#include "shell/shell_windows.h"
#include "ui/common_dialog.h"
#include "ui/msgbox.h"

using qztest::seams;

namespace {
using namespace fittest;

// A menu item by its access keys: Alt and the menu's key, then the item's key.
void menuItem(ui::Form& form, Qt::Key menuKey, Qt::Key itemKey) {
  QWidget* w = form.window();
  qztest::Activate(w);
  QTest::keyClick(w, menuKey, Qt::AltModifier);
  QWidget* menu = QApplication::activePopupWidget();
  ASSERT_NE(menu, nullptr) << "no menu opened";
  QTest::keyClick(menu, itemKey);
}
void aboutFromMenu(ui::Form& form) { menuItem(form, Qt::Key_H, Qt::Key_A); }

// Alt+O, for Open buttons placed out of sight; waits for the dialog it asks for.
void pressAltO(ui::Form& form) {
  qztest::Activate(form.window());
  QTest::keyClick(form.window(), Qt::Key_O, Qt::AltModifier);
  EXPECT_TRUE(qztest::WaitFor([] { return !seams().fileRequests.empty(); })) << "Alt+O did not press Open";
}

// The title a PDF printer gave the job.
QString PdfTitle(const QString& path) {
  QProcess p;
  p.start(QStringLiteral("pdfinfo"), {path});
  p.waitForFinished(30000);
  for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
    if (line.startsWith(QLatin1String("Title:"))) return line.mid(6).trimmed();
  return QString();
}

using qztest::RealDisplay;

// The owner the X server holds for a window (its WM_TRANSIENT_FOR), what the window manager
// reads; 0 for none. Asked on the program's own connection, after everything it sent before.
quint32 OwnerOnTheDesktop(QWidget* window) {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (!connection) return 0;
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(connection, 0, static_cast<xcb_window_t>(window->winId()), XCB_ATOM_WM_TRANSIENT_FOR,
                       XCB_ATOM_WINDOW, 0, 1);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
  if (!reply) return 0;
  quint32 owner = 0;
  if (reply->format == 32 && xcb_get_property_value_length(reply) == 4)
    owner = *static_cast<const quint32*>(xcb_get_property_value(reply));
  std::free(reply);
  return owner;
}

class WindowManners : public fittest::AllWindowsTest {};

TEST_F(WindowManners, EachLauncherButtonOpensItsTool) {
  struct ToolCase {
    int index;
    const char* caption;
    std::function<ui::Form&()> first;  // the window the tool opens with
  };
  const ToolCase tools[] = {
      {0, "Chinese Numerology", []() -> ui::Form& { return frmChineseNumerologyMain::instance(); }},
      {1, "IChing Numerology", []() -> ui::Form& { return frmIChingNumerologyMain::instance(); }},
      {2, "Kabbalah Numerology", []() -> ui::Form& { return frmKabbalahNumerologyMain::instance(); }},
      {3, "Numerology Dictionary", []() -> ui::Form& { return MDI::instance(); }},
      {4, "Vidovuzovo Zed Software", []() -> ui::Form& { return frmNumerologyProMain::instance(); }},
      {5, "Numerology Software", []() -> ui::Form& { return frmNumerologySoftwareOne::instance(); }},
  };
  for (const ToolCase& t : tools) {
    SCOPED_TRACE(t.caption);
    qztest::UnloadAllWindows();
    seams().reset();
    browser.requests.clear();
    frmMain& launcher = frmMain::instance();
    launcher.Show();
    QPushButton* button = launcher.cmdSelectOption(shell::Tool(t.index));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QString::fromLatin1(t.caption));
    EXPECT_TRUE(qztest::Click(button));
    EXPECT_TRUE(t.first().IsVisible());
    EXPECT_FALSE(launcher.IsVisible());
    EXPECT_TRUE(seams().messages.empty()) << seams().lastPrompt().toStdString();
    if (t.index == 3) {
      // The dictionary opens its web view inside the frame, on the site's page.
      EXPECT_TRUE(frmNumerologyDictionaryMain::instance().IsVisible());
      EXPECT_EQ(browser.requests, QStringList({"navigate " + SiteAddress}));
    }
  }
}

struct ModalCase {
  const char* name;
  std::function<void()> reachOwner;
  std::function<ui::Form&()> owner;
  std::function<void()> openModal;
  std::function<ui::Form&()> modal;
};

TEST_F(WindowManners, ModalWindowsAreDialogsOfTheWindowThatOpenedThem) {
  const std::vector<ModalCase> cases = {
      {"about box over the launcher", [] { frmMain::instance().Show(); }, []() -> ui::Form& { return frmMain::instance(); },
       [] { aboutFromMenu(frmMain::instance()); }, []() -> ui::Form& { return frmAbout::instance(); }},
      {"about box over the Chinese input", [] { launch(Tool::Chinese); },
       []() -> ui::Form& { return frmChineseNumerologyMain::instance(); },
       [] { aboutFromMenu(frmChineseNumerologyMain::instance()); }, []() -> ui::Form& { return frmAbout::instance(); }},
      {"reading display", readingWindow, []() -> ui::Form& { return frmNumerologyProResult::instance(); },
       [] { click(frmNumerologyProResult::instance(), "cmdLifePath"); },
       []() -> ui::Form& { return frmNumerologyProDisp::instance(); }},
      {"comprehensive reading", readingWindow, []() -> ui::Form& { return frmNumerologyProResult::instance(); },
       [] { click(frmNumerologyProResult::instance(), "cmdComprehensiveReading"); },
       []() -> ui::Form& { return frmNumerologyProsave::instance(); }},
      {"Kabbalah report", kabbalahResult, []() -> ui::Form& { return frmKabbalahNumerologyDisplay::instance(); },
       [] { click(frmKabbalahNumerologyDisplay::instance(), "cmdPrint"); },
       []() -> ui::Form& { return frmKabbalahNumerologySave::instance(); }},
      {"Chinese report", chineseResult, []() -> ui::Form& { return frmChineseNumerologyDisplay::instance(); },
       [] { click(frmChineseNumerologyDisplay::instance(), "cmdSave"); },
       []() -> ui::Form& { return frmChineseNumerologySave::instance(); }},
      {"dictionary progress",
       [this] {
         launch(Tool::Dictionary);
         const QString update = tempFile("update.any");
         dicttest::WriteDictionary(update, {{"Zodiac", "https://example.org/zodiac", "astro"}});
         seams().fileAnswers.push_back(update);
       },
       []() -> ui::Form& { return MDI::instance(); }, [] { menuItem(MDI::instance(), Qt::Key_F, Qt::Key_U); },
       []() -> ui::Form& { return frmNumerologyDictionaryPB::instance(); }},
  };
  for (const ModalCase& c : cases) {
    SCOPED_TRACE(c.name);
    qztest::UnloadAllWindows();
    seams().reset();
    c.reachOwner();
    ui::Form& owner = c.owner();
    ASSERT_TRUE(owner.IsVisible());
    ui::Form& expected = c.modal();
    QWindow* parent = nullptr;
    quint32 desktopOwner = 0;
    bool shown = false;
    seams().onModal = [&](ui::Form& form) {
      if (&form != &expected) return;
      shown = true;
      parent = form.window()->windowHandle() ? form.window()->windowHandle()->transientParent() : nullptr;
      if (RealDisplay()) desktopOwner = OwnerOnTheDesktop(form.window());
      EXPECT_TRUE(form.window()->isVisible());
    };
    c.openModal();
    ASSERT_TRUE(shown) << seams().lastPrompt().toStdString();
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(parent, owner.window()->windowHandle());
    // The window manager knows the owner too (X11).
    if (RealDisplay()) EXPECT_EQ(desktopOwner, owner.window()->winId()) << "WM_TRANSIENT_FOR";
  }
}

TEST_F(WindowManners, ModelessWindowsHaveNoOwner) {
  readingWindow();
  click(frmNumerologyProResult::instance(), "cmdLifePath");  // a modal show first
  ASSERT_TRUE(frmNumerologyProDisp::instance().IsVisible());
  click(frmNumerologyProDisp::instance(), "cmdBack");
  for (ui::Form* form : ui::Form::LoadedForms()) {
    if (!form->IsVisible() || !form->window()->windowHandle()) continue;
    EXPECT_EQ(form->window()->windowHandle()->transientParent(), nullptr) << form->className().toStdString();
  }
}

TEST_F(WindowManners, EscAndEnterCloseTheAboutBox) {
  for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
    frmMain::instance().Show();
    bool closed = false;
    seams().onModal = [&](ui::Form& form) {
      qztest::Activate(form.window());
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.window(), key);
      closed = !form.IsLoaded();
    };
    aboutFromMenu(frmMain::instance());
    EXPECT_TRUE(closed) << key;
  }
}

TEST_F(WindowManners, FileDialogsNameEachPatternOnce) {
  struct Case {
    const char* name;
    std::function<void()> open;
    QStringList filters;  // as the dialog shows them
  };
  const std::vector<Case> cases = {
      {"reading input Open", [] { launch(Tool::Reading); click(frmNumerologyProMain::instance(), "cmdOpen"); },
       {"RI Voze Ravudevede Rod (*.num)"}},
      {"reading Save",
       [] {
         readingWindow();
         click(frmNumerologyProResult::instance(), "cmdLifePath");
         click(frmNumerologyProDisp::instance(), "cmdSave");
       },
       {"Rich Text Format (*.num)"}},
      {"I Ching Open",
       [] {
         launch(Tool::IChing);
         pressAltO(frmIChingNumerologyMain::instance());
       },
       {"RI Voze Ravudevede Rod (*.num)"}},
      {"Chinese input Open", [] { launch(Tool::Chinese); click(frmChineseNumerologyMain::instance(), "cmdOpen"); },
       {"QZ Chinese Numerology (*.cnu)"}},
      {"Chinese report Save",
       [] {
         chineseResult();
         click(frmChineseNumerologyDisplay::instance(), "cmdSave");
         click(frmChineseNumerologySave::instance(), "cmdSave");
       },
       {"QZ Chinese Numerology (*.cnu)"}},
      {"Chinese report Open",
       [] {
         chineseResult();
         click(frmChineseNumerologyDisplay::instance(), "cmdSave");
         pressAltO(frmChineseNumerologySave::instance());
       },
       {"QZ Saved Reading (*.qzs)"}},
      {"Kabbalah report Save",
       [] {
         kabbalahResult();
         click(frmKabbalahNumerologyDisplay::instance(), "cmdPrint");
         click(frmKabbalahNumerologySave::instance(), "cmdSave");
       },
       {"Rich Text Format (*.rtf)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    qztest::UnloadAllWindows();
    seams().reset();
    c.open();
    ASSERT_EQ(seams().fileRequests.size(), 1u);
    EXPECT_EQ(ui::QtFilters(seams().fileRequests[0].filter), c.filters);
  }
}

TEST_F(WindowManners, PrintJobsAreNamedAfterTheirWindow) {
  struct Case {
    const char* name;
    std::function<void()> print;
    QString title;
  };
  const std::vector<Case> cases = {
      {"reading display",
       [] {
         readingWindow();
         click(frmNumerologyProResult::instance(), "cmdLifePath");
         click(frmNumerologyProDisp::instance(), "cmdPrint");
       },
       "LifePath Number"},
      {"Chinese report",
       [] {
         chineseResult();
         click(frmChineseNumerologyDisplay::instance(), "cmdSave");
         click(frmChineseNumerologySave::instance(), "cmdPrint");
       },
       "QZ Chinese Numerology"},
      {"Kabbalah report",
       [] {
         kabbalahResult();
         click(frmKabbalahNumerologyDisplay::instance(), "cmdPrint");
         click(frmKabbalahNumerologySave::instance(), "cmdPrint");
       },
       "QZ Kabbalah Numerology"},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    qztest::UnloadAllWindows();
    seams().reset();
    const QString pdf = qztest::TempPath(QStringLiteral("job%1.pdf").arg(++n));
    seams().defaultPrinterPdf = pdf;
    seams().dialogPrinterPdf = pdf;
    c.print();
    EXPECT_TRUE(seams().messages.empty()) << seams().lastPrompt().toStdString();
    EXPECT_EQ(PdfTitle(pdf), c.title);
  }
}

TEST_F(WindowManners, EveryToolSaysTheSameWhenThereIsNoPrinter) {
  const std::vector<std::pair<const char*, std::function<void()>>> cases = {
      {"reading display",
       [] {
         readingWindow();
         click(frmNumerologyProResult::instance(), "cmdLifePath");
         click(frmNumerologyProDisp::instance(), "cmdPrint");
       }},
      {"comprehensive reading",
       [] {
         readingWindow();
         click(frmNumerologyProResult::instance(), "cmdComprehensiveReading");
         click(frmNumerologyProsave::instance(), "cmdPrint");
       }},
      {"Chinese report",
       [] {
         chineseResult();
         click(frmChineseNumerologyDisplay::instance(), "cmdSave");
         click(frmChineseNumerologySave::instance(), "cmdPrint");
       }},
  };
  for (const auto& [name, print] : cases) {
    SCOPED_TRACE(name);
    qztest::UnloadAllWindows();
    seams().reset();
    print();
    ASSERT_EQ(seams().messages.size(), 1u);
    EXPECT_EQ(seams().messages[0].prompt, ui::NoPrinterMessage());
    EXPECT_EQ(seams().messages[0].style, ui::MsgStyle::Information);
  }
}

// The name and birth numbers window after a calculation, with every result shown.
// A name and a birth date typed into the name and birth window, then Calculate.
void calculateNameAndBirth() {
  ui::Form& form = frmNumerologySoftwareOne::instance();
  enter(form, "Text1", "JOHN SMITH");
  for (const auto& [box, text] : {std::pair{"myday", "06"}, {"Combo1", "August"}, {"myyear", "1979"}}) {
    auto* combo = form.control<QComboBox>(QString::fromLatin1(box));
    ASSERT_NE(combo, nullptr) << box;
    QTest::keyClicks(combo->lineEdit(), QString::fromLatin1(text));
  }
  click(form, "option1");
}

void nameWindowExpanded() {
  launch(Tool::NameBirth);
  calculateNameAndBirth();
}

// Counts the size reports of the window system that reach a window, and the last one's size.
class SizeReports : public QObject {
 public:
  explicit SizeReports(QWidget* window) { window->installEventFilter(this); }
  int count = 0;
  QSize last;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize && event->spontaneous()) {
      ++count;
      last = static_cast<QResizeEvent*>(event)->size();
    }
    return false;
  }
};

// A window manager slow to answer reports a window's size from before Calculate grew it, after
// the window has grown (as when Calculate comes before the window was framed): the window keeps
// the size it fixed. The report is sent as a window manager sends one, a synthetic
// ConfigureNotify.
TEST_F(WindowManners, AFixedWindowKeepsItsSizeWhenAStaleSizeIsReported) {
  if (!RealDisplay()) GTEST_SKIP() << "needs a real screen with a window manager (xcb)";
  launch(Tool::NameBirth);
  QWidget* w = frmNumerologySoftwareOne::instance().window();
  ASSERT_TRUE(qztest::WaitForPlaced(w));
  ASSERT_TRUE(qztest::WaitForAskedSize(w));
  const QSize collapsed = w->size();
  SizeReports reports(w);
  calculateNameAndBirth();
  const QSize expanded = w->minimumSize();
  ASSERT_GT(expanded.width(), collapsed.width() + 1);
  const auto near = [](QSize a, QSize b) {
    return std::abs(a.width() - b.width()) <= 1 && std::abs(a.height() - b.height()) <= 1;
  };
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  ASSERT_NE(x11, nullptr);
  const qreal ratio = w->devicePixelRatioF();
  const auto window = static_cast<xcb_window_t>(w->winId());
  // The window has grown on the X server.
  const auto serverSize = [&] {
    xcb_connection_t* connection = x11->connection();
    xcb_get_geometry_reply_t* reply = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    if (!reply) return QSize();
    const QSize size(qRound(reply->width / ratio), qRound(reply->height / ratio));
    std::free(reply);
    return size;
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return near(serverSize(), expanded); }))
      << "the window did not grow to " << expanded.width() << "x" << expanded.height();
  QCoreApplication::processEvents();
  xcb_configure_notify_event_t stale{};
  stale.response_type = XCB_CONFIGURE_NOTIFY;
  stale.event = window;
  stale.window = window;
  stale.x = static_cast<int16_t>(qRound(w->geometry().x() * ratio));
  stale.y = static_cast<int16_t>(qRound(w->geometry().y() * ratio));
  stale.width = static_cast<uint16_t>(qRound(collapsed.width() * ratio));
  stale.height = static_cast<uint16_t>(qRound(collapsed.height() * ratio));
  const int before = reports.count;
  xcb_send_event(x11->connection(), 0, window, XCB_EVENT_MASK_STRUCTURE_NOTIFY, reinterpret_cast<const char*>(&stale));
  xcb_flush(x11->connection());
  ASSERT_TRUE(QTest::qWaitFor([&] { return reports.count > before && near(reports.last, collapsed); }))
      << "the stale report did not arrive";
  EXPECT_TRUE(near(w->size(), expanded)) << w->width() << "x" << w->height();
  EXPECT_TRUE(near(w->windowHandle()->size(), expanded))
      << w->windowHandle()->width() << "x" << w->windowHandle()->height();
}

TEST_F(WindowManners, FixedWindowsCannotBeMaximisedOrResized) {
  const std::vector<std::pair<const char*, std::function<ui::Form&()>>> cases = {
      {"about box",
       []() -> ui::Form& {
         frmMain::instance().Show();
         frmAbout::instance().ShowModal();
         return frmAbout::instance();
       }},
      {"exit dialog", []() -> ui::Form& { frmNagScreen2::instance().Show(); return frmNagScreen2::instance(); }},
      {"Chinese result", []() -> ui::Form& { chineseResult(); return frmChineseNumerologyDisplay::instance(); }},
      {"Chinese report",
       []() -> ui::Form& {
         chineseResult();
         click(frmChineseNumerologyDisplay::instance(), "cmdSave");
         return frmChineseNumerologySave::instance();
       }},
      {"name and birth numbers", []() -> ui::Form& { nameWindowExpanded(); return frmNumerologySoftwareOne::instance(); }},
      {"I Ching", []() -> ui::Form& { launch(Tool::IChing); return frmIChingNumerologyMain::instance(); }},
  };
  for (const auto& [name, open] : cases) {
    SCOPED_TRACE(name);
    qztest::UnloadAllWindows();
    seams().reset();
    QWidget* w = open().window();
    ASSERT_TRUE(w->isVisible()) << seams().lastPrompt().toStdString();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    // No maximise button: none asked for, or a fixed size, for which window managers offer none.
    EXPECT_TRUE(!(w->windowFlags() & Qt::WindowMaximizeButtonHint) || w->minimumSize() == w->maximumSize());
    // A fixed size reaches the window once the window system has answered.
    EXPECT_TRUE(qztest::WaitForAskedSize(w));
    // Sizes differ by a pixel at most, where a fractional scale rounds them.
    const QSize size = w->size();
    const auto same = [&] { return std::abs(w->width() - size.width()) <= 1 && std::abs(w->height() - size.height()) <= 1; };
    // What dragging an edge of the frame asks for.
    w->resize(size + QSize(120, 90));
    QCoreApplication::processEvents();
    EXPECT_TRUE(same()) << w->width() << "x" << w->height();
    if (RealDisplay()) {
      // The window manager's maximise, asked for as its title bar's menu does.
      w->showMaximized();
      (void)QTest::qWaitFor([&] { return !same(); }, 500);
      EXPECT_TRUE(same()) << w->width() << "x" << w->height();
      w->showNormal();
    }
  }
}

// The tooltip on the screen, if any.
QWidget* ShownTip() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String("qtooltip_label") && w->isVisible()) return w;
  return nullptr;
}

// The tooltip the mouse brings up, resting over the widget (moved a little again if none
// shows, as a user does): null when none shows.
QWidget* HoverTip(QWidget* widget) {
  QWidget* tip = nullptr;
  for (int attempt = 0; attempt < 3 && !tip; ++attempt) {
    QTest::mouseMove(widget, widget->rect().center() + QPoint(attempt, attempt));
    const bool shown = QTest::qWaitFor(
        [&] {
          auto* label = qobject_cast<QLabel*>(ShownTip());
          return label && label->text() == widget->toolTip();
        },
        1500);
    if (shown) tip = ShownTip();
  }
  return tip;
}

TEST_F(WindowManners, TooltipsLookLikeTheDesktopsWhateverControlTheyBelongTo) {
  const std::vector<std::pair<const char*, std::function<ui::Form&()>>> windows = {
      {"name and birth numbers", []() -> ui::Form& { nameWindowExpanded(); return frmNumerologySoftwareOne::instance(); }},
  };
  for (const auto& [name, open] : windows) {
    SCOPED_TRACE(name);
    QWidget* window = open().window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    int tips = 0;
    for (QWidget* control : window->findChildren<QWidget*>()) {
      if (control->toolTip().isEmpty() || !control->isVisible()) continue;
      SCOPED_TRACE(control->objectName().toStdString());
      ++tips;
      qztest::Activate(window);
      QWidget* tip = HoverTip(control);
      ASSERT_NE(tip, nullptr);
      const QImage shown = tip->grab().toImage();
      const QFont font = tip->font();
      QToolTip::hideText();
      // The desktop's tip of the same text, belonging to no control.
      QToolTip::showText(window->geometry().center(), control->toolTip());
      QWidget* plain = ShownTip();
      ASSERT_NE(plain, nullptr);
      EXPECT_EQ(font.weight(), plain->font().weight());
      EXPECT_TRUE(shown == plain->grab().toImage()) << "the tip is drawn in the control's own style";
      QToolTip::hideText();
    }
    EXPECT_GE(tips, 10);
  }
}

TEST_F(WindowManners, AMessageBoxIsAtLeastAsWideAsItsTitle) {
  // Calculate with a birth date and no name.
  launch(Tool::NameBirth);
  for (const auto& [box, text] : {std::pair{"myday", "06"}, {"Combo1", "August"}, {"myyear", "1979"}})
    QTest::keyClicks(frmNumerologySoftwareOne::instance().control<QComboBox>(QString::fromLatin1(box))->lineEdit(),
                     QString::fromLatin1(text));
  click(frmNumerologySoftwareOne::instance(), "option1");
  ASSERT_FALSE(seams().messages.empty());
  const ui::MsgBoxCall call = seams().messages.back();
  ASSERT_EQ(call.title, QStringLiteral("Missing Information"));
  const std::unique_ptr<QMessageBox> box = ui::MakeMessageBox(call, frmNumerologySoftwareOne::instance().window());
  box->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
  // Title bars show the title in bold: the box is at least as wide as that text, so the
  // title is not cut short.
  QFont bold = box->font();
  bold.setBold(true);
  EXPECT_GE(box->width(), QFontMetrics(bold).horizontalAdvance(call.title));
}
}  // namespace
