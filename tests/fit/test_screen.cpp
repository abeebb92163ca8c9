// Every top-level window as the screen shows it. Each is reached as a user reaches it, then
// grabbed from the screen (the composed pixels, OpenGL included): its controls are painted
// (no large black area where a control is), it lies wholly on the screen's free area with the
// window manager's frame, and no warning of the OpenGL path was logged. No control becomes a
// native window. The launcher stands still while its banner blinks, and a window the user may
// resize shows every control at its smallest.
//
// The screen's part needs a real display (the xcb platform, ideally with a window manager):
// offscreen composes no OpenGL and has no frames, so there it is skipped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>

#include <xcb/xcb.h>

#include "chinese/frm_chinese_numerology_display.h"
#include "chinese/frm_chinese_numerology_main.h"
#include "chinese/frm_chinese_numerology_save.h"
#include "common/test_support.h"
#include "dictionary/core/web_address.h"
#include "dictionary/frm_mdi.h"
#include "dictionary/frm_numerology_dictionary_main.h"
#include "dictionary/frm_numerology_dictionary_pb.h"
#include "dictionary/web_view_loader.h"
#include "dictionary/webview/web_view_interface.h"
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
#include "shell/shell_windows.h"
#include "ui/msgbox.h"

using qztest::seams;

namespace {
QString Rect(const QRect& r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

using qztest::RealDisplay;
const char* kNeedsDisplay = "needs a real display (QT_QPA_PLATFORM=xcb): offscreen composes no OpenGL and has no "
                            "window manager; scripts/test-display runs it";

// Warnings of the OpenGL path: Qt's contexts and the rendering interface that composes the
// web view.
QStringList& glWarnings() {
  static QStringList warnings;
  return warnings;
}
QtMessageHandler previousHandler = nullptr;
void RecordMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  static const QRegularExpression gl(QStringLiteral("OpenGL|QRhi|GLX|EGL|makeCurrent|non-opengl"));
  if (type != QtDebugMsg && type != QtInfoMsg && gl.match(message).hasMatch()) glWarnings() << message;
  if (previousHandler) previousHandler(type, context, message);
}

// Answers every GET on 127.0.0.1 with one page of text on white. The browser reaches it as the
// public site.example: its proxy resolves that name as the test says and connects here.
class PageServer {
 public:
  PageServer() {
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
          if (!socket->peek(65536).contains("\r\n\r\n")) return;
          socket->readAll();
          const QByteArray body =
              "<html><head><title>Life Path</title></head><body style='background:#fff'>"
              "<h1>Life Path</h1><p>The page of an entry, served by the test.</p></body></html>";
          socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: " +
                        QByteArray::number(body.size()) + "\r\n\r\n" + body);
          socket->disconnectFromHost();
        });
      }
    });
    server_.listen(QHostAddress::LocalHost);
  }
  QString address() const { return QStringLiteral("http://site.example:%1").arg(server_.serverPort()); }

 private:
  QTcpServer server_;
};

class OnScreen;

// The way a user reaches each window; the window to look at is left shown.
struct Scenario {
  const char* name;
  std::function<QWidget*(OnScreen&)> open;
};
void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

class OnScreen : public fittest::AllWindowsTest {
 protected:
  void SetUp() override {
    AllWindowsTest::SetUp();
    glWarnings().clear();
    previousHandler = qInstallMessageHandler(RecordMessage);
    // A message box is built as the program builds it and left on the screen to be looked at.
    ui::SetMsgBoxHandler([this](const ui::MsgBoxCall& call) {
      seams().messages.push_back(call);
      box.reset();  // one box at a time, never a child of the one before
      box = ui::MakeMessageBox(call, QApplication::activeWindow());
      box->show();
      return call.style == ui::MsgStyle::YesNoInformation ? ui::MsgAnswer::No : ui::MsgAnswer::Ok;
    });
  }
  void TearDown() override {
    box.reset();
    AllWindowsTest::TearDown();
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    qztest::SeamEnvironment().SetUp();  // the recording message box again
  }

 public:
  std::unique_ptr<QMessageBox> box;
  PageServer server;

  // The real browser, showing a page of the test's server.
  void UseRealBrowser() {
    dictionary::SetWebViewFactory(nullptr);
    dictionary::SetWebViewPluginFolder(qztest::BuiltProgramFolder());
    if (IWebViewFactory* factory = dictionary::WebViewFactory())
      factory->SetTestNetwork(
          [](const QString& host) { return host == "site.example" ? QStringList{"203.0.113.7"} : QStringList(); },
          [](const QString&) { return QStringLiteral("127.0.0.1"); });
    dicttest::WebViewLink() = server.address() + QStringLiteral("/life-path");
  }
};

using namespace fittest;
// A birth date chosen and the name typed (none: left empty), then Calculate.
void nameAndBirth(const char* name) {
  launch(Tool::NameBirth);
  frmNumerologySoftwareOne& form = frmNumerologySoftwareOne::instance();
  if (*name) enter(form, "Text1", name);
  EXPECT_TRUE(qztest::Choose(form.control<QComboBox>(QStringLiteral("myday")), QStringLiteral("15")));
  EXPECT_TRUE(qztest::Choose(form.control<QComboBox>(QStringLiteral("Combo1")), QStringLiteral("March")));
  EXPECT_TRUE(qztest::Choose(form.control<QComboBox>(QStringLiteral("myyear")), QStringLiteral("1980")));
  click(form, "option1");
}

std::vector<Scenario> Scenarios() {
  return {
      {"Launcher", [](OnScreen&) -> QWidget* { frmMain::instance().Show(); return frmMain::instance().window(); }},
      {"AboutBox",
       [](OnScreen&) -> QWidget* {
         frmMain::instance().Show();
         frmAbout::instance().ShowModal();
         return frmAbout::instance().window();
       }},
      {"ExitDialog",
       [](OnScreen&) -> QWidget* {
         frmMain::instance().Show();
         frmMain::instance().window()->close();
         return frmNagScreen2::instance().window();
       }},
      {"ReadingInput", [](OnScreen&) -> QWidget* { launch(Tool::Reading); return frmNumerologyProMain::instance().window(); }},
      {"ReadingWindow", [](OnScreen&) -> QWidget* { readingWindow(); return frmNumerologyProResult::instance().window(); }},
      {"ReadingDisplay",
       [](OnScreen&) -> QWidget* {
         readingWindow();
         click(frmNumerologyProResult::instance(), "cmdDestiny");
         return frmNumerologyProDisp::instance().window();
       }},
      {"ReadingComprehensive",
       [](OnScreen&) -> QWidget* {
         readingWindow();
         click(frmNumerologyProResult::instance(), "cmdComprehensiveReading");
         return frmNumerologyProsave::instance().window();
       }},
      {"KabbalahInput", [](OnScreen&) -> QWidget* { launch(Tool::Kabbalah); return frmKabbalahNumerologyMain::instance().window(); }},
      {"KabbalahResult", [](OnScreen&) -> QWidget* { kabbalahResult(); return frmKabbalahNumerologyDisplay::instance().window(); }},
      {"KabbalahReport",
       [](OnScreen&) -> QWidget* {
         kabbalahResult();
         click(frmKabbalahNumerologyDisplay::instance(), "cmdPrint");
         return frmKabbalahNumerologySave::instance().window();
       }},
      {"ChineseInput", [](OnScreen&) -> QWidget* { launch(Tool::Chinese); return frmChineseNumerologyMain::instance().window(); }},
      {"ChineseResult", [](OnScreen&) -> QWidget* { chineseResult(); return frmChineseNumerologyDisplay::instance().window(); }},
      {"ChineseReport",
       [](OnScreen&) -> QWidget* {
         chineseResult();
         click(frmChineseNumerologyDisplay::instance(), "cmdSave");
         return frmChineseNumerologySave::instance().window();
       }},
      {"NameAndBirthNumbers", [](OnScreen&) -> QWidget* { launch(Tool::NameBirth); return frmNumerologySoftwareOne::instance().window(); }},
      {"NameAndBirthNumbersExpanded",
       [](OnScreen&) -> QWidget* { nameAndBirth("JOHN SMITH"); return frmNumerologySoftwareOne::instance().window(); }},
      {"IChingInput", [](OnScreen&) -> QWidget* { launch(Tool::IChing); return frmIChingNumerologyMain::instance().window(); }},
      {"IChingResult",
       [](OnScreen&) -> QWidget* {
         launch(Tool::IChing);
         enter(frmIChingNumerologyMain::instance(), "txtNameFirst", "John");
         enter(frmIChingNumerologyMain::instance(), "txtNameLast", "Smith");
         click(frmIChingNumerologyMain::instance(), "cmdNext");
         return frmIChingNumerologyMain::instance().window();
       }},
      // The frame with the real browser showing a page; the picture waits for the page.
      {"DictionaryFrame",
       [](OnScreen& test) -> QWidget* {
         test.UseRealBrowser();
         launch(Tool::Dictionary);
         IWebView* view = frmNumerologyDictionaryMain::instance().browser();
         EXPECT_NE(view, nullptr) << "the browser plugin did not load";
         if (!view) return MDI::instance().window();
         bool loaded = false;
         view->SetLoadFinishedHandler([&loaded](bool ok) { loaded = loaded || ok; });
         EXPECT_TRUE(QTest::qWaitFor([&] { return loaded; }, 30000)) << "the page did not load";
         view->SetLoadFinishedHandler(nullptr);
         // The page is composed a moment after it loaded: its heading shows dark on the white page.
         QWidget* browser = frmNumerologyDictionaryMain::instance().control<QWidget>(QStringLiteral("WB"));
         EXPECT_TRUE(qztest::WaitFor(
             [browser] {
               const QPoint at = browser->mapToGlobal(QPoint(0, 0));
               const QImage shown = browser->screen()
                                        ->grabWindow(0, at.x(), at.y(), browser->width(), browser->height() / 3)
                                        .toImage();
               for (int y = 0; y < shown.height(); y += 2)
                 for (int x = 0; x < shown.width(); x += 2)
                   if (qGray(shown.pixel(x, y)) < 64) return true;
               return false;
             },
             15000))
             << "the page's text did not show";
         return MDI::instance().window();
       }},
      {"DictionaryProgress",
       [](OnScreen&) -> QWidget* {
         launch(Tool::Dictionary);
         frmNumerologyDictionaryPB::instance().Show();
         return frmNumerologyDictionaryPB::instance().window();
       }},
      // Message boxes of each style, as the user meets them.
      {"MessageMissingInformation",
       [](OnScreen& test) -> QWidget* { nameAndBirth(""); return test.box.get(); }},
      {"MessageInformation",
       [](OnScreen& test) -> QWidget* {
         launch(Tool::Kabbalah);
         click(frmKabbalahNumerologyMain::instance(), "cmdNext");
         return test.box.get();
       }},
      {"MessageCritical",
       [](OnScreen& test) -> QWidget* {
         launch(Tool::IChing);
         click(frmIChingNumerologyMain::instance(), "cmdNext");
         return test.box.get();
       }},
  };
}

// Child widgets that became native windows: Qt's OpenGL composition cannot paint them.
QStringList NativeChildren(QWidget* window) {
  QStringList out;
  for (QWidget* w : window->findChildren<QWidget*>())
    if (!w->isWindow() && w->testAttribute(Qt::WA_NativeWindow))
      out << QStringLiteral("%1 (%2) is a native window").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
  return out;
}

// The screen's pixels of a rectangle in global coordinates, once they no longer change.
QImage SettledGrab(QScreen* screen, const QRect& area) {
  QImage last;
  QImage now;
  [[maybe_unused]] const bool settled = QTest::qWaitFor(
      [&] {
        now = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
        const bool same = !last.isNull() && now == last;
        last = now;
        return same;
      },
      5000);
  return now;
}

// Layouts done and painted: each nested layout's request reaches its parent's in a pass.
void SettleLayouts() {
  for (int pass = 0; pass < 4; ++pass) QCoreApplication::sendPostedEvents();
}

bool Black(QRgb p) { return qRed(p) < 8 && qGreen(p) < 8 && qBlue(p) < 8; }

// The share of a part of the window that the screen shows black where the window's own
// painting (without the screen's composition) is not.
double BlackOnScreen(const QImage& screen, const QImage& own, const QRect& part) {
  const QRect r = part.intersected(screen.rect()).intersected(own.rect());
  if (r.isEmpty()) return 0;
  qint64 black = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (Black(screen.pixel(x, y)) && !Black(own.pixel(x, y))) ++black;
  return double(black) / (qint64(r.width()) * r.height());
}

// Controls of the window that the screen leaves mostly black.
QStringList BlackControls(QWidget* window, const QImage& screen, const QImage& own) {
  QStringList out;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->isWindow() || !w->isVisible() || w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
      continue;
    // The part of the control its ancestors let show.
    QRect shown(w->mapTo(window, QPoint(0, 0)), w->size());
    for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
      shown &= QRect(p->mapTo(window, QPoint(0, 0)), p->size());
    if (shown.width() < 8 || shown.height() < 8) continue;
    if (const double share = BlackOnScreen(screen, own, shown); share > 0.5)
      out << QStringLiteral("%1 at %2 is %3% black on the screen").arg(w->objectName(), Rect(shown)).arg(qRound(share * 100));
  }
  if (const double share = BlackOnScreen(screen, own, screen.rect()); share > 0.2)
    out << QStringLiteral("the window is %1% black on the screen").arg(qRound(share * 100));
  return out;
}

class WindowsOnScreen : public OnScreen, public ::testing::WithParamInterface<Scenario> {};

TEST_P(WindowsOnScreen, PaintedWhollyOnTheScreenWithoutGlWarnings) {
  QWidget* window = GetParam().open(*this);
  ASSERT_NE(window, nullptr) << "the window did not open; last message: " << seams().lastPrompt().toStdString();
  ASSERT_TRUE(window->isVisible());
  EXPECT_EQ(NativeChildren(window), QStringList());
  if (!RealDisplay()) GTEST_SKIP() << kNeedsDisplay;

  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  QWindow* handle = window->windowHandle();
  ASSERT_NE(handle, nullptr);
  // Judged once the window manager has framed the window and the window has been placed.
  EXPECT_TRUE(qztest::WaitForPlaced(window));
  EXPECT_TRUE(qztest::WaitForAskedSize(window));
  QScreen* screen = handle->screen();
  const QRect free = screen->availableGeometry();
  const QRect frame = window->frameGeometry();
  const QImage client = SettledGrab(screen, window->geometry());
  const QImage own = window->grab().toImage().scaled(client.size());
  QStringList faults = BlackControls(window, client, own);
  if (!free.contains(frame))
    faults << QStringLiteral("its frame %1 leaves the screen's free area %2").arg(Rect(frame), Rect(free));
  faults << glWarnings();

  const QString dpi = qEnvironmentVariable("QT_FONT_DPI", QStringLiteral("96"));
  if (const QString folder = qEnvironmentVariable("QZ_SCREENSHOT_DIR"); !folder.isEmpty()) {
    QDir().mkpath(folder);
    const QSize pixels = screen->size() * screen->devicePixelRatio();
    const QString file = QStringLiteral("screen-%1-%2x%3-%4.png")
                             .arg(QString::fromLatin1(GetParam().name))
                             .arg(pixels.width())
                             .arg(pixels.height())
                             .arg(dpi);
    EXPECT_TRUE(screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).save(QDir(folder).filePath(file)));
  }
  EXPECT_TRUE(faults.isEmpty()) << "at QT_FONT_DPI=" << dpi.toStdString() << " on " << Rect(screen->geometry()).toStdString()
                                << ", window " << Rect(window->geometry()).toStdString() << ":\n  "
                                << faults.join(QStringLiteral("\n  ")).toStdString();
}

// A window the user may resize, dragged to its smallest: every control still shows whole.
TEST_P(WindowsOnScreen, EveryControlShowsAtTheSmallestSize) {
  QWidget* window = GetParam().open(*this);
  ASSERT_NE(window, nullptr) << "the window did not open; last message: " << seams().lastPrompt().toStdString();
  if (window->minimumSize() == window->maximumSize()) return;  // a fixed size: nothing to drag
  const auto inWindow = [window](QWidget* w) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); };
  // Controls out of sight at the window's own size are so on purpose (the fit test knows them).
  QList<QWidget*> inSight;
  for (QWidget* w : window->findChildren<QWidget*>())
    if (!w->isWindow() && w->isVisible() && window->rect().contains(inWindow(w))) inSight << w;
  window->resize(1, 1);  // stops at the window's minimum size, as a drag does
  SettleLayouts();
  QStringList faults;
  for (QWidget* w : inSight) {
    // A window may leave out what has no room (the dictionary's advertising panels).
    if (!w->isVisible() || w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
    if (!window->rect().contains(inWindow(w)))
      faults << QStringLiteral("%1 at %2 outside the window").arg(w->objectName(), Rect(inWindow(w)));
    if (!w->parentWidget()->rect().contains(w->geometry()))
      faults << QStringLiteral("%1 at %2 outside its parent %3").arg(w->objectName(), Rect(w->geometry()), w->parentWidget()->objectName());
    int needed = w->minimumSizeHint().height();
    if (w->hasHeightForWidth()) needed = std::max(needed, w->heightForWidth(w->width()));
    if (w->minimumHeight() == w->maximumHeight()) needed = w->minimumHeight();  // fixed by design
    if (w->height() < needed) faults << QStringLiteral("%1 is %2 px high, needs %3").arg(w->objectName()).arg(w->height()).arg(needed);
    if (w->width() < w->minimumSizeHint().width())
      faults << QStringLiteral("%1 is %2 px wide, needs %3").arg(w->objectName()).arg(w->width()).arg(w->minimumSizeHint().width());
  }
  EXPECT_TRUE(faults.isEmpty()) << "at its minimum " << Rect(window->geometry()).toStdString() << ":\n  "
                                << faults.join(QStringLiteral("\n  ")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Screen, WindowsOnScreen, ::testing::ValuesIn(Scenarios()),
                         [](const ::testing::TestParamInfo<Scenario>& info) { return std::string(info.param.name); });

// A property of an X window as 32-bit values (none when it is not set).
std::vector<quint32> CardinalProperty(xcb_connection_t* connection, xcb_window_t window, const char* name) {
  const xcb_intern_atom_cookie_t atomCookie = xcb_intern_atom(connection, 1, static_cast<uint16_t>(strlen(name)), name);
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(connection, atomCookie, nullptr);
  if (!atom) return {};
  const xcb_atom_t id = atom->atom;
  std::free(atom);
  if (id == XCB_ATOM_NONE) return {};
  xcb_get_property_reply_t* reply =
      xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, id, XCB_ATOM_CARDINAL, 0, 16), nullptr);
  if (!reply) return {};
  std::vector<quint32> values;
  if (reply->format == 32) {
    const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
    values.assign(data, data + xcb_get_property_value_length(reply) / 4);
  }
  std::free(reply);
  return values;
}

// The window's frame and the free area in the X server's own pixels. Qt's geometry is in
// logical pixels, which a fractional device pixel ratio (1.25 at 120 DPI) rounds: a frame
// within the logical area can still end past the screen's last pixel.
struct DevicePlace {
  QRect window;
  QRect frame;
  QRect free;
};
std::optional<DevicePlace> OnTheDevice(QWidget* window) {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (!connection) return std::nullopt;
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const auto id = static_cast<xcb_window_t>(window->winId());
  xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr);
  xcb_translate_coordinates_reply_t* at =
      xcb_translate_coordinates_reply(connection, xcb_translate_coordinates(connection, id, screen->root, 0, 0), nullptr);
  std::optional<DevicePlace> place;
  if (geometry && at) {
    const QRect client(at->dst_x, at->dst_y, geometry->width, geometry->height);
    QRect frame = client;
    if (const std::vector<quint32> e = CardinalProperty(connection, id, "_NET_FRAME_EXTENTS"); e.size() == 4)
      frame = frame.marginsAdded(QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3])));
    QRect free(0, 0, screen->width_in_pixels, screen->height_in_pixels);
    if (const std::vector<quint32> w = CardinalProperty(connection, screen->root, "_NET_WORKAREA"); w.size() >= 4)
      free = QRect(int(w[0]), int(w[1]), int(w[2]), int(w[3]));
    place = DevicePlace{client, frame, free};
  }
  std::free(geometry);
  std::free(at);
  return place;
}

class GrownOnScreen : public OnScreen {};

// The name and birth numbers window moved against the right edge of the screen, then grown by
// a calculation: it grows from where it stands and moves back, frame and all, onto the screen.
TEST_F(GrownOnScreen, TheNameAndBirthWindowGrownAtTheRightEdgeStaysOnTheScreen) {
  if (!RealDisplay()) GTEST_SKIP() << kNeedsDisplay;
  launch(Tool::NameBirth);
  QWidget* window = frmNumerologySoftwareOne::instance().window();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  QWindow* handle = window->windowHandle();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !handle->frameMargins().isNull(); }, 3000)) << "no window manager framed it";
  const QRect free = handle->screen()->availableGeometry();
  // Dragged until the frame's right edge meets the screen's.
  const QSize before = window->frameGeometry().size();
  const QPoint atEdge(free.right() + 1 - before.width(), free.top() + (free.height() - before.height()) / 3);
  window->move(atEdge);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->frameGeometry().topLeft() == atEdge; }, 3000))
      << "the window stands at " << Rect(window->frameGeometry()).toStdString();

  nameAndBirth("JOHN SMITH");
  ASSERT_TRUE(frmNumerologySoftwareOne::instance().IsExpanded()) << seams().lastPrompt().toStdString();
  const QSize grown = window->maximumSize();
  const QSize grownOnTheDevice = (QSizeF(grown) * window->devicePixelRatioF()).toSize();
  // Sizes differ by a pixel at most where a fractional ratio rounds them (at 1.5 Qt asks the
  // window manager for sizes in steps of two device pixels).
  const auto about = [](const QSize& a, const QSize& b) {
    return std::abs(a.width() - b.width()) <= 1 && std::abs(a.height() - b.height()) <= 1;
  };
  // On the screen's pixels as well as in Qt's, once the X server has the new size.
  std::optional<DevicePlace> device;
  const bool settled = QTest::qWaitFor(
      [&] {
        device = OnTheDevice(window);
        return about(window->size(), grown) && free.contains(window->frameGeometry()) && device &&
               about(device->window.size(), grownOnTheDevice) && device->free.contains(device->frame);
      },
      3000);
  ASSERT_TRUE(device) << "the X server did not tell where the window is";
  EXPECT_TRUE(settled) << "at QT_FONT_DPI=" << qEnvironmentVariable("QT_FONT_DPI", QStringLiteral("96")).toStdString()
                       << " the frame " << Rect(window->frameGeometry()).toStdString() << " (window "
                       << Rect(window->geometry()).toStdString() << ", to be " << grown.width() << "x" << grown.height()
                       << "; on the screen's pixels " << Rect(device->frame).toStdString()
                       << ") leaves the screen's free area " << Rect(free).toStdString() << " ("
                       << Rect(device->free).toStdString() << ")";
  // It moved back no further than it must: the frame ends at the right edge, but for the few
  // device pixels that rounding its position, size and frame may cost.
  EXPECT_LE(device->free.right() - device->frame.right(), 3) << Rect(device->frame).toStdString();
}

class LauncherOnScreen : public OnScreen {};

// Where each control of the launcher but the banner lies, in the window.
QStringList Places(QWidget* window, QWidget* banner) {
  QStringList places;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w == banner || w->isWindow() || !w->isVisible() || w->objectName().isEmpty()) continue;
    QString name = w->objectName();
    if (w->property("Index").isValid()) name += QStringLiteral("(%1)").arg(w->property("Index").toInt());
    places << name + QStringLiteral(" at ") + Rect(QRect(w->mapTo(window, QPoint(0, 0)), w->size()));
  }
  return places;
}

TEST_F(LauncherOnScreen, StandsStillWhileTheBannerBlinks) {
  frmMain::instance().Show();
  QWidget* window = frmMain::instance().window();
  auto* banner = frmMain::instance().control("lblVeltrasse");
  ASSERT_NE(banner, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  QScreen* screen = window->screen();
  // Below the banner's frame: the text, the tool frames and the promotion.
  QWidget* frame2 = frmMain::instance().control("Frame2");
  const int below = frame2->mapTo(window, QPoint(0, frame2->height())).y();
  const auto lower = [&] {
    const QRect client = window->geometry();
    return QRect(client.x(), client.y() + below, client.width(), client.height() - below);
  };

  ASSERT_TRUE(QTest::qWaitFor([&] { return banner->isVisible(); }, 3000));
  SettleLayouts();
  const QStringList shown = Places(window, banner);
  const QImage shownPixels = RealDisplay() ? SettledGrab(screen, lower()) : QImage();

  ASSERT_TRUE(QTest::qWaitFor([&] { return !banner->isVisible(); }, 3000)) << "the banner does not blink";
  SettleLayouts();
  EXPECT_EQ(Places(window, banner), shown) << "the launcher's controls moved when the banner hid";
  if (RealDisplay()) {
    EXPECT_TRUE(SettledGrab(screen, lower()) == shownPixels) << "the screen below the banner changed";
  }

  ASSERT_TRUE(QTest::qWaitFor([&] { return banner->isVisible(); }, 3000));
  SettleLayouts();
  EXPECT_EQ(Places(window, banner), shown) << "the launcher's controls moved when the banner showed";
}
}  // namespace
