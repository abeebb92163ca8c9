// The dictionary frame: its list, searches, Display, double click, merge and web view requests.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <vector>

#include "dictionary/core/web_address.h"
#include "dictionary/core/dictionary_store.h"
#include "dictionary/core/machine_names.h"
#include "dictionary/dictionary_test_support.h"
#include "dictionary/frm_mdi.h"
#include "dictionary/frm_numerology_dictionary_main.h"
#include "dictionary/frm_numerology_dictionary_pb.h"
#include "services/web_pages.h"
#include "shell/shell_windows.h"
#include "ui/controls.h"

using namespace dicttest;

namespace {
const QString kNotFound = QStringLiteral(
    "Keyword not found - Please search in google\rOr write to us so that we can add the term in our dictionary");
const QString kAskForTerm = QStringLiteral("Please Enter Search Term");

// Brings the frame to a size and lets its panels and the client area settle.
void resizeFrame(QMainWindow* w, const QSize& size) {
  w->resize(size);
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

class DictionaryFrame : public DictionaryTest {
 protected:
  void SetUp() override {
    DictionaryTest::SetUp();
    WriteDictionary(programDictionary(), SampleRows());
  }
  MDI& frame() { return MDI::instance(); }
  QLineEdit* box() { return frame().control<QLineEdit>("txtKey"); }
  QListView* list() { return frame().control<QListView>("lstKeys"); }
  void setMode(const char* name) { ASSERT_TRUE(qztest::Click(frame().control<QRadioButton>(name))) << name; }
  // Types into the search box as a user does: what it held is deleted (the emptied box fills
  // the list again), then the text typed.
  void type(const QString& text) { ASSERT_TRUE(qztest::Enter(box(), text)); }
  void press(const char* button) { ASSERT_TRUE(qztest::Click(frame().control<QPushButton>(button))) << button; }
  void pressReturn() { QTest::keyClick(box(), Qt::Key_Return); }
  void clickRow(int row) {
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualRect(list()->model()->index(row, 0)).center());
  }
  // A toolbar button by the key it carries.
  void toolbarButton(const QString& key) {
    for (QAction* action : frame().control<QToolBar>("TB")->actions())
      if (action->data().toString() == key) {
        ASSERT_TRUE(qztest::Click(frame().control<QToolBar>("TB")->widgetForAction(action))) << key.toStdString();
        return;
      }
    FAIL() << "no toolbar button " << key.toStdString();
  }
  QStringList prompts() const {
    QStringList p;
    for (const auto& m : qztest::seams().messages) p.append(m.prompt);
    return p;
  }
  // Opens the dictionary as the launcher does: the frame, then the web view inside it.
  void openFromLauncher() {
    frmNumerologyDictionaryMain::instance().Show();
    browser.requests.clear();
  }
};

TEST_F(DictionaryFrame, LoadListsEveryKeywordWithTheFirstSelected) {
  openFromLauncher();
  EXPECT_TRUE(frame().IsVisible());
  EXPECT_EQ(frame().window()->windowTitle(), "QZ Numerology Dictionary");
  QStringList all;
  for (const auto& row : SampleRows()) all.append(row.Key);
  EXPECT_EQ(frame().ListedKeys(), all);
  EXPECT_EQ(frame().SelectedRow(), 0);
  EXPECT_TRUE(frame().control<QRadioButton>("optExact")->isChecked());
  auto* header = frame().control<QHeaderView>("lstKeysHeader");
  EXPECT_EQ(header->model()->headerData(0, Qt::Horizontal).toString(), "Keywords");
  EXPECT_TRUE(frame().control<QListView>("lstKeys")->uniformItemSizes());
  // The frame's own File menu items.
  EXPECT_TRUE(frame().window()->findChild<QAction*>("mnuUpdate"));
  EXPECT_TRUE(frame().window()->findChild<QAction*>("mnuUpdateSoftware"));
  // The web view sits inside the frame.
  ASSERT_TRUE(frmNumerologyDictionaryMain::instance().subWindow());
  EXPECT_TRUE(frmNumerologyDictionaryMain::instance().subWindow()->isVisible());
  EXPECT_TRUE(qztest::seams().messages.empty());
}

TEST_F(DictionaryFrame, MissingDictionaryOpensEmptyAndHandlersSaySoChangingNothing) {
  openFromLauncher();
  QFile::remove(programDictionary());
  // The load passes over the failure.
  frame().Unload();
  openFromLauncher();
  EXPECT_TRUE(frame().ListedKeys().isEmpty());
  EXPECT_TRUE(qztest::seams().messages.empty());
  WriteDictionary(programDictionary(), SampleRows());
  frame().Unload();
  openFromLauncher();
  ASSERT_EQ(frame().ListedKeys().size(), SampleRows().size());
  QFile::remove(programDictionary());
  const QStringList before = frame().ListedKeys();
  // Each step says so at least once: Search, Return, Display, the emptied box (its refill).
  const std::vector<std::pair<const char*, std::function<void()>>> steps = {
      {"typed", [&] { type("life"); }},
      {"Search", [&] { press("cmdSearch"); }},
      {"Return", [&] { pressReturn(); }},
      {"Display", [&] { press("cmdDisplay"); }},
      {"emptied box", [&] { type(""); }},
      {"blanks", [&] { type("   "); }},
  };
  for (const auto& [what, step] : steps) {
    const size_t said = qztest::seams().messages.size();
    step();
    EXPECT_EQ(qztest::seams().messages.size() > said, std::string(what) != "typed") << what;
  }
  for (const auto& m : qztest::seams().messages) {
    EXPECT_TRUE(m.prompt.startsWith("The numerology dictionary could not be opened.")) << m.prompt.toStdString();
    EXPECT_EQ(m.style, ui::MsgStyle::Information);
  }
  EXPECT_EQ(frame().ListedKeys(), before);
  EXPECT_EQ(box()->text(), "   ");
}

TEST_F(DictionaryFrame, SearchButtonInEachMode) {
  openFromLauncher();
  // Exact: keys beginning with the term; the web view is asked for the typed text, which is
  // not an address, so it stays where it is.
  type("  LIFE ");
  press("cmdSearch");
  EXPECT_EQ(frame().ListedKeys(), QStringList({"Life Path", "lifetime"}));
  EXPECT_EQ(frame().SelectedRow(), 0);
  EXPECT_TRUE(browser.requests.isEmpty());
  // Wildcard: the pattern goes to DictionaryLink.
  setMode("optWildCard");
  type("ac*US");
  press("cmdSearch");
  EXPECT_EQ(frame().ListedKeys(), QStringList({"Abacus"}));
  EXPECT_EQ(WebViewLink(), "acus");
  // Not found: the message, an empty list, the text kept.
  type("zz*z");
  press("cmdSearch");
  EXPECT_TRUE(frame().ListedKeys().isEmpty());
  EXPECT_EQ(box()->text(), "zz*z");
  EXPECT_EQ(WebViewLink(), "zzz");
  // Blanks only ask for a term.
  type("   ");
  qztest::seams().messages.clear();
  press("cmdSearch");
  EXPECT_EQ(prompts(), QStringList({kAskForTerm}));
  EXPECT_TRUE(box()->hasFocus() || !frame().window()->isActiveWindow());
  // Google: the web search with the box text; the list stays.
  setMode("optGoogle");
  type(" Soul Urge");
  const QStringList listed = frame().ListedKeys();
  press("cmdSearch");
  EXPECT_EQ(qztest::seams().opened, QStringList({"https://www.google.com/search?q=%20Soul%20Urge"}));
  EXPECT_EQ(frame().ListedKeys(), listed);
}

TEST_F(DictionaryFrame, NotFoundMessage) {
  openFromLauncher();
  type("nothing like it");
  press("cmdSearch");
  ASSERT_EQ(prompts(), QStringList({kNotFound}));
  EXPECT_EQ(qztest::seams().messages[0].style, ui::MsgStyle::Information);
  EXPECT_EQ(qztest::seams().messages[0].title, "QZ Orbalinth");
}

TEST_F(DictionaryFrame, EnterInTheSearchBox) {
  frame().Show();
  ASSERT_FALSE(frmNumerologyDictionaryMain::instance().IsLoaded());
  // Blanks in exact mode: the empty term lists every keyword and shows the web view.
  type("  ");
  pressReturn();
  EXPECT_EQ(frame().ListedKeys().size(), SampleRows().size());
  EXPECT_TRUE(frmNumerologyDictionaryMain::instance().IsVisible());
  EXPECT_TRUE(qztest::seams().messages.empty());
  // An empty box refills and asks for a term.
  type("destiny");
  QTest::keyClick(box(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(frame().ListedKeys(), QStringList({"Destiny"}));
  type("");
  EXPECT_EQ(frame().ListedKeys().size(), SampleRows().size());
  clickRow(2);
  ASSERT_FALSE(box()->text().isEmpty());
  type("");
  pressReturn();
  EXPECT_EQ(frame().ListedKeys().size(), SampleRows().size());
  EXPECT_EQ(frame().SelectedRow(), 0);
  EXPECT_EQ(prompts(), QStringList({kAskForTerm}));
  EXPECT_TRUE(box()->hasFocus());
  // Google mode searches even with an empty box.
  setMode("optGoogle");
  pressReturn();
  EXPECT_EQ(qztest::seams().opened, QStringList({"https://www.google.com/"}));
  // Other keys do nothing but type.
  QTest::keyClicks(box(), "a");
  QTest::keyClick(box(), Qt::Key_Tab);
  EXPECT_EQ(qztest::seams().opened.size(), 1);
  EXPECT_EQ(prompts(), QStringList({kAskForTerm}));
}

TEST_F(DictionaryFrame, DisplayShowsTheSelectedEntry) {
  openFromLauncher();
  type("li");
  press("cmdSearch");
  clickRow(1);
  press("cmdDisplay");
  EXPECT_EQ(box()->text(), "lifetime");
  EXPECT_EQ(browser.requests, QStringList({"navigate https://example.org/lifetime"}));
  EXPECT_TRUE(WebViewLink().isEmpty() || WebViewLink() == "https://example.org/lifetime");
  // A keyword whose link is the search engine: a web search for the keyword.
  browser.requests.clear();
  type("soul");
  press("cmdSearch");
  press("cmdDisplay");
  EXPECT_EQ(browser.requests, QStringList({"form q=Soul Urge sa"}));
  // Display with an empty list reports not found and changes nothing else.
  type("zzz");
  press("cmdSearch");
  qztest::seams().messages.clear();
  browser.requests.clear();
  press("cmdDisplay");
  EXPECT_EQ(prompts(), QStringList({kNotFound}));
  EXPECT_EQ(box()->text(), "zzz");
  EXPECT_TRUE(browser.requests.isEmpty());
  // Display with an empty box refills and asks.
  type("");
  qztest::seams().messages.clear();
  press("cmdDisplay");
  EXPECT_EQ(frame().ListedKeys().size(), SampleRows().size());
  EXPECT_EQ(prompts(), QStringList({kAskForTerm}));
  // Google mode: a web search of the box text, the list's selection unused.
  setMode("optGoogle");
  type("Numbers");
  press("cmdDisplay");
  EXPECT_EQ(qztest::seams().opened, QStringList({"https://www.google.com/search?q=Numbers"}));
}

TEST_F(DictionaryFrame, DisplayLoadsAClosedWebViewWithoutAnEmptyNavigation) {
  openFromLauncher();
  type("destiny");
  press("cmdSearch");
  frmNumerologyDictionaryMain::instance().subWindow()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_FALSE(frmNumerologyDictionaryMain::instance().IsLoaded());
  browser.requests.clear();
  press("cmdDisplay");
  // The load navigates to the entry and empties DictionaryLink; the request that caused it
  // then carries an empty address, which is ignored.
  EXPECT_EQ(browser.requests, QStringList({"navigate https://example.org/destiny"}));
  EXPECT_TRUE(WebViewLink().isEmpty());
  EXPECT_TRUE(frmNumerologyDictionaryMain::instance().IsVisible());
}

TEST_F(DictionaryFrame, ClickAndDoubleClickAnywhereInTheList) {
  openFromLauncher();
  qztest::Activate(frame().window());
  resizeFrame(frame().window(), frame().DefaultSize());
  auto* list = frame().control<QListView>("lstKeys");
  QWidget* viewport = list->viewport();
  const auto item = [&](int row) { return list->visualRect(list->model()->index(row, 0)).center(); };
  const QPoint below(10, list->visualRect(list->model()->index(list->model()->rowCount() - 1, 0)).bottom() + 12);
  ASSERT_LT(below.y(), viewport->height());
  // In Google mode too: the list has no web search.
  setMode("optGoogle");
  QTest::mouseClick(viewport, Qt::LeftButton, {}, item(3));
  EXPECT_EQ(box()->text(), "Destiny");
  // Below the last keyword: the selected one, copied again and displayed. (Typing over the
  // selected text never empties the box, so the list keeps its selection.)
  ASSERT_TRUE(qztest::Click(box()));
  QTest::keyClick(box(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box(), "typed");
  ASSERT_EQ(box()->text(), "typed");
  QTest::mouseClick(viewport, Qt::LeftButton, {}, below);
  EXPECT_EQ(box()->text(), "Destiny");
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, below);
  EXPECT_EQ(browser.requests, QStringList({"navigate https://example.org/destiny"}));
  EXPECT_TRUE(qztest::seams().opened.isEmpty());
  // On a keyword.
  browser.requests.clear();
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, item(1));
  EXPECT_EQ(box()->text(), "lifetime");
  EXPECT_EQ(browser.requests, QStringList({"navigate https://example.org/lifetime"}));
  // An empty list after a search without a hit: the click leaves the box, the double
  // click reports not found.
  setMode("optExact");
  type("zzz");
  pressReturn();
  ASSERT_TRUE(frame().ListedKeys().isEmpty());
  qztest::seams().messages.clear();
  browser.requests.clear();
  QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(box()->text(), "zzz");
  EXPECT_TRUE(qztest::seams().messages.empty());
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(prompts(), QStringList({kNotFound}));
  EXPECT_TRUE(browser.requests.isEmpty());
}

TEST_F(DictionaryFrame, AltWPutsTheFocusInTheSearchBox) {
  openFromLauncher();
  qztest::Activate(frame().window());
  auto* list = frame().control<QListView>("lstKeys");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  ASSERT_TRUE(list->hasFocus());
  QTest::keyClick(frame().window(), Qt::Key_W, Qt::AltModifier);
  EXPECT_TRUE(box()->hasFocus());
  EXPECT_EQ(box()->text(), "Life Path");  // no "w" typed
}

// The menu title keeps Alt+D: one press opens the donation page once, as the Donate button does.
TEST_F(DictionaryFrame, AltDOpensTheDonationPageAtEachPress) {
  openFromLauncher();
  qztest::Activate(frame().window());
  for (int press = 1; press <= 2; ++press) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : frame().window(), Qt::Key_D,
                    Qt::AltModifier);
    ASSERT_EQ(qztest::seams().opened.size(), press);
  }
  QTest::mouseClick(frame().control<QPushButton>("cmdDonate"), Qt::LeftButton);
  ASSERT_EQ(qztest::seams().opened.size(), 3);
  EXPECT_EQ(qztest::seams().opened[0], qztest::seams().opened[2]);
  EXPECT_EQ(qztest::seams().opened[1], qztest::seams().opened[2]);
  EXPECT_TRUE(browser.requests.isEmpty());  // Display was not pressed
}

TEST_F(DictionaryFrame, LinksThatAreNotWebAddressesShowNothing) {
  WriteDictionary(programDictionary(), {{"Local", "file:///etc/passwd", "astro"},
                                        {"Script", "javascript:alert(1)", "astro"},
                                        {"Web", "http://example.org/web", "astro"}});
  openFromLauncher();
  auto* list = frame().control<QListView>("lstKeys");
  for (int row = 0; row < 3; ++row)
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
  EXPECT_EQ(browser.requests, QStringList({"navigate http://example.org/web"}));
}

TEST_F(DictionaryFrame, EmptiedBoxRefillsTheListWithTheFirstSelected) {
  openFromLauncher();
  type("abacus");
  press("cmdSearch");
  ASSERT_EQ(frame().ListedKeys().size(), 1);
  // Backspace to the last letter: the box keeps text, the list stays.
  QTest::keyClick(box(), Qt::Key_End);
  for (int i = 0; i < 5; ++i) QTest::keyClick(box(), Qt::Key_Backspace);
  EXPECT_EQ(box()->text(), "a");
  EXPECT_EQ(frame().ListedKeys().size(), 1);
  QTest::keyClick(box(), Qt::Key_Backspace);
  EXPECT_EQ(frame().ListedKeys().size(), SampleRows().size());
  EXPECT_EQ(frame().SelectedRow(), 0);
  // A change that leaves text does nothing.
  QTest::keyClicks(box(), "x");
  EXPECT_EQ(frame().ListedKeys().size(), SampleRows().size());
}

TEST_F(DictionaryFrame, SearchesSeeRowsWrittenAfterTheLoad) {
  openFromLauncher();
  QList<DictionaryRow> rows = SampleRows();
  rows.append({"Lifelong", "https://example.org/lifelong", "astro"});
  WriteDictionary(programDictionary(), rows);
  type("life");
  press("cmdSearch");
  EXPECT_EQ(frame().ListedKeys(), QStringList({"Life Path", "lifetime", "Lifelong"}));
}

TEST_F(DictionaryFrame, ClosingTheFrameClosesTheWebViewAndShowsTheLauncher) {
  openFromLauncher();
  QCloseEvent close;
  QCoreApplication::sendEvent(frame().window(), &close);
  EXPECT_FALSE(frame().IsLoaded());
  EXPECT_FALSE(frmNumerologyDictionaryMain::instance().IsLoaded());
  EXPECT_TRUE(frmMain::instance().IsVisible());
  frmMain::instance().Hide();
}

// --- The web view's load steps and toolbar, with a recording browser ---------------------

TEST_F(DictionaryFrame, WebViewLoadSteps) {
  auto& web = frmNumerologyDictionaryMain::instance();
  // Connected, empty link: the site's root page; the link stays empty.
  web.Show();
  EXPECT_EQ(browser.requests, QStringList({"navigate " + SiteAddress}));
  EXPECT_TRUE(WebViewLink().isEmpty());
  EXPECT_EQ(web.internetConnected(), 1);
  EXPECT_FALSE(web.control<QLabel>("lblCaption")->isVisibleTo(web.window()));
  // Not connected: the notice in place of the browser; the link is kept.
  web.Unload();
  connected = false;
  WebViewLink() = "https://example.org/kept";
  browser.requests.clear();
  web.Show();
  EXPECT_EQ(web.internetConnected(), 0);
  EXPECT_TRUE(web.control<QLabel>("lblCaption")->isVisibleTo(web.window()));
  EXPECT_EQ(web.control<QLabel>("lblCaption")->text(),
            "You must be connected to the internet in order to use this software.");
  EXPECT_FALSE(web.control<QWidget>("WB")->isVisibleTo(web.window()));
  EXPECT_TRUE(browser.requests.isEmpty());
  EXPECT_EQ(WebViewLink(), "https://example.org/kept");
  EXPECT_TRUE(qztest::seams().messages.empty());
  // Connected at the next load: the kept page.
  web.Unload();
  connected = true;
  web.Show();
  EXPECT_EQ(browser.requests, QStringList({"navigate https://example.org/kept"}));
  EXPECT_TRUE(WebViewLink().isEmpty());
  // The search engine's address: the search form with the trimmed search box text.
  web.Unload();
  browser.requests.clear();
  frame().Show();
  type("  Lo Shu ");
  WebViewLink() = SearchEngineAddress();
  web.Show();
  EXPECT_EQ(browser.requests, QStringList({"form q=Lo Shu sa"}));
  EXPECT_TRUE(WebViewLink().isEmpty());
  // An address that differs by a trailing slash is an ordinary address.
  web.Unload();
  browser.requests.clear();
  WebViewLink() = SearchEngineAddress() + "/";
  web.Show();
  EXPECT_EQ(browser.requests, QStringList({"navigate https://www.google.com/"}));
}

TEST_F(DictionaryFrame, ToolbarRequests) {
  frame().Show();
  // A button on an unloaded web view loads it first.
  toolbarButton("Home");
  EXPECT_TRUE(frmNumerologyDictionaryMain::instance().IsLoaded());
  EXPECT_EQ(browser.requests, QStringList({"navigate " + SiteAddress, "navigate " + SiteAddress}));
  browser.requests.clear();
  toolbarButton("Back");  // no history: nothing
  browser.canGoBack = true;
  for (const char* key : {"Back", "Forward", "Stop", "Refresh", "Search"}) toolbarButton(key);
  EXPECT_EQ(browser.requests,
            QStringList({"back", "forward", "stop", "reload", "html https://www.google.com/"}));
  EXPECT_TRUE(qztest::seams().messages.empty());
  QStringList captions;
  for (QAction* a : frame().control<QToolBar>("TB")->actions())
    if (!a->text().isEmpty() && !a->isSeparator() && a->data().isValid()) captions.append(a->data().toString());
  EXPECT_EQ(captions, QStringList({"Back", "Forward", "Stop", "Refresh", "Home", "Search"}));
}

// --- The frame's size -------------------------------------------------------------------

TEST_F(DictionaryFrame, WebViewWindowAndSearchPanelFollowTheFrame) {
  openFromLauncher();
  QMainWindow* w = frame().window();
  auto& web = frmNumerologyDictionaryMain::instance();
  QMdiSubWindow* sub = web.subWindow();
  auto* area = frame().control<QMdiArea>("MDIClient");
  auto* picLeft = frame().control<QWidget>("picLeft");
  auto* display = frame().control<QPushButton>("cmdDisplay");
  const auto inWindow = [w](QWidget* widget) { return QRect(widget->mapTo(w, QPoint(0, 0)), widget->size()); };
  int lastListHeight = 0;
  for (const QSize size : {w->minimumSize(), QSize(760, 540), frame().DefaultSize(), QSize(1500, 1050)}) {
    SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
    resizeFrame(w, size);
    ASSERT_EQ(w->size(), size);
    // The web view window stands at the client area's top left and reaches its right edge;
    // what lies beyond the area can be scrolled to, and the browser starts in sight.
    const QWidget* viewport = area->viewport();
    EXPECT_EQ(sub->geometry().topLeft(), QPoint(0, 0));
    EXPECT_GE(sub->geometry().right() + 1, viewport->width());
    EXPECT_LE(sub->geometry().right() + 1, viewport->width() + area->horizontalScrollBar()->maximum());
    EXPECT_LE(sub->geometry().bottom() + 1, viewport->height() + area->verticalScrollBar()->maximum());
    auto* WB = web.control<QWidget>("WB");
    EXPECT_TRUE(WB->isVisible());
    EXPECT_EQ(WB->width(), web.window()->centralWidget()->width());
    EXPECT_GT(WB->height(), 0);
    EXPECT_LT(WB->mapTo(sub, QPoint(0, 0)).x(), viewport->width());
    // The search panel: box, list and buttons at its left edge and within it, Display right
    // under the list; a taller frame gives the list more rows, never fewer.
    for (const char* name : {"txtKey", "lstKeys", "cmdSearch", "cmdDisplay"}) {
      QWidget* control = frame().control<QWidget>(name);
      EXPECT_TRUE(control->isVisible()) << name;
      EXPECT_EQ(control->x(), 0) << name;
      EXPECT_TRUE(picLeft->rect().contains(control->geometry())) << name;
    }
    EXPECT_EQ(display->y(), list()->y() + list()->height());
    EXPECT_GE(list()->height(), lastListHeight);
    EXPECT_GE(list()->viewport()->height(), 3 * list()->visualRect(list()->model()->index(0, 0)).height());
    lastListHeight = list()->height();
    // Donate and Exit whole in their panel, at its right, side by side.
    const QRect donate = inWindow(frame().control<QPushButton>("cmdDonate"));
    const QRect exit = inWindow(frame().control<QPushButton>("cmdExit"));
    for (const char* name : {"cmdDonate", "cmdExit"}) {
      auto* button = frame().control<QPushButton>(name);
      EXPECT_TRUE(button->isVisible()) << name;
      EXPECT_TRUE(button->parentWidget()->rect().contains(button->geometry())) << name;
      EXPECT_GT(inWindow(button).center().x(), w->width() / 2) << name;
    }
    EXPECT_FALSE(donate.intersects(exit));
  }
}

TEST_F(DictionaryFrame, ToolbarShowsWholeAtDefaultSizeAndNeverOverlaps) {
  frame().Show();
  QMainWindow* w = frame().window();
  auto* TB = frame().control<QToolBar>("TB");
  const char* panels[] = {"Picture1", "Picture3", "Picture4", "Picture2"};
  const auto inToolbar = [&](QWidget* widget) {
    return TB->rect().contains(QRect(widget->mapTo(TB, QPoint(0, 0)), widget->size()));
  };
  // The test's screen may be smaller than the size the frame asks for at load.
  resizeFrame(w, frame().DefaultSize());
  auto* extension = TB->findChild<QToolButton*>("qt_toolbar_ext_button");
  EXPECT_FALSE(extension && extension->isVisible());
  for (const char* name : panels) {
    EXPECT_TRUE(frame().control<QWidget>(name)->isVisible()) << name;
    EXPECT_TRUE(inToolbar(frame().control<QWidget>(name))) << name;
  }
  // Narrower: every button stays, panels that do not fit are left out, nothing leaves the
  // toolbar and the toolbar keeps above the panels under it.
  for (const int width : {frame().DefaultSize().width() - 150, 900, w->minimumWidth()}) {
    SCOPED_TRACE(width);
    resizeFrame(w, QSize(width, 740));
    EXPECT_FALSE(extension && extension->isVisible());
    for (QAction* action : TB->actions())
      if (action->data().isValid()) {
        EXPECT_TRUE(inToolbar(TB->widgetForAction(action))) << action->data().toString().toStdString();
      }
    QRect previous;
    for (const char* name : panels) {
      QWidget* panel = frame().control<QWidget>(name);
      if (!panel->isVisible()) continue;
      const QRect r(panel->mapTo(w, QPoint(0, 0)), panel->size());
      EXPECT_TRUE(inToolbar(panel)) << name;
      EXPECT_FALSE(r.intersects(previous)) << name;
      previous = r;
    }
    const QWidget* picTop = frame().control<QWidget>("picTop");
    EXPECT_LE(TB->mapTo(w, QPoint(0, TB->height())).y(), picTop->mapTo(w, QPoint(0, 0)).y());
  }
  EXPECT_FALSE(frame().control<QWidget>("Picture2")->isVisible());
}

// --- The merge from the File menu ----------------------------------------------------------

class DictionaryMerge : public DictionaryFrame {
 protected:
  void SetUp() override {
    DictionaryFrame::SetUp();
    // The progress window's timer runs on a clock the test moves.
    ui::SetManualClock(true);
    qztest::seams().onModal = [this](ui::Form& form) {
      modalShows.append(form.className());
      auto& pb = frmNumerologyDictionaryPB::instance();
      if (&form != &pb) return;
      barMaximum = pb.control<QProgressBar>("PB")->maximum();
      for (shownFor = 0; shownFor < 10000 && pb.IsLoaded(); shownFor += 100) ui::AdvanceManualClock(100);
    };
    frame().Show();
  }
  void TearDown() override {
    ui::SetManualClock(false);
    DictionaryFrame::TearDown();
  }
  void chooseFile(const std::optional<QString>& path) { qztest::seams().fileAnswers.push_back(path); }
  // File, Update.
  void fileUpdate() { ASSERT_TRUE(qztest::MenuItem(frame().window(), Qt::Key_F, Qt::Key_U)); }
  QStringList modalShows;
  int barMaximum = -1;
  int shownFor = 0;  // ms the progress window stayed
};

TEST_F(DictionaryMerge, CancelDoesNothing) {
  chooseFile(std::nullopt);
  fileUpdate();
  ASSERT_EQ(qztest::seams().fileRequests.size(), 1u);
  EXPECT_TRUE(qztest::seams().fileRequests[0].filter.isEmpty());
  EXPECT_TRUE(qztest::seams().fileRequests[0].title.isEmpty());
  EXPECT_FALSE(qztest::seams().fileRequests[0].mustExist);
  EXPECT_EQ(ui::OfferedFilters(qztest::seams().fileRequests[0].filter), QStringList({"All files (*)"}));
  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_TRUE(modalShows.isEmpty());
}

TEST_F(DictionaryMerge, SuccessShowsTheProgressThenTheMessageAndTheListLater) {
  const QString update = tempFile("update.any");
  WriteDictionary(update, {{"Zodiac", "https://example.org/zodiac", "astro"}});
  chooseFile(update);
  fileUpdate();
  EXPECT_EQ(modalShows, QStringList({"frmNumerologyDictionaryPB"}));
  EXPECT_EQ(barMaximum, 50);
  EXPECT_EQ(shownFor, 5100);  // 50 steps of 100 ms fill the bar; the next tick closes it
  EXPECT_FALSE(frmNumerologyDictionaryPB::instance().IsLoaded());  // it closed itself
  EXPECT_EQ(frmNumerologyDictionaryPB::instance().ProgressStep, 0);
  EXPECT_EQ(prompts(), QStringList({"Numerology Dictionary Successfully Updated\rPlease restart dictionary "}));
  EXPECT_FALSE(frame().ListedKeys().contains("Zodiac"));
  frame().Unload();
  frame().Load();
  EXPECT_EQ(frame().ListedKeys().last(), "Zodiac");
}

TEST_F(DictionaryMerge, MessagesOfTheFailedMerges) {
  const QString update = tempFile("update.dll");
  struct Case {
    QList<DictionaryRow> rows;
    QString prompt;
  } cases[] = {
      {{}, "There is nothing to Update"},
      {{{"A", "https://n1.example", "astro"}, {"B", "https://n2.example", "Astro"}},
       "This is the wrong file! Lookup online help"},
  };
  for (const Case& c : cases) {
    qztest::seams().messages.clear();
    WriteDictionary(update, c.rows);
    chooseFile(update);
    fileUpdate();
    EXPECT_EQ(prompts(), QStringList({c.prompt}));
    EXPECT_TRUE(modalShows.isEmpty());
  }
  // A dictionary that cannot be written: no success, no progress, and it says so.
  WriteDictionary(update, {{"N", "https://n9.example", "astro"}});
  QFile::remove(programDictionary());
  qztest::seams().messages.clear();
  chooseFile(update);
  fileUpdate();
  EXPECT_EQ(prompts(), QStringList({"The Numerology Dictionary could not be updated.\rThe dictionary was not changed."}));
  EXPECT_TRUE(modalShows.isEmpty());
}

// A link to one of this machine's own names makes the update a wrong file, as the user sees it
// from the File menu.
TEST_F(DictionaryMerge, ALinkToThisMachinesOwnNameIsTheWrongFile) {
  const QString hosts = tempFile("hosts");
  qztest::WriteAll(hosts, "127.0.1.1 box.corp.example box\n::1 localhost ip6-localhost ip6-loopback\n");
  dictionary::SetMachineNameSources({hosts, tempFile("resolv.conf"), QStringLiteral("box")});
  const QString update = tempFile("update.dll");
  for (const QString link : {"http://box.corp.example/", "http://ip6-localhost:631/", "http://router/"}) {
    qztest::seams().messages.clear();
    WriteDictionary(update, {{"Good", "https://good.example/", "astro"}, {"Own", link, "astro"}});
    chooseFile(update);
    ASSERT_TRUE(qztest::MenuItem(frame().window(), Qt::Key_F, Qt::Key_U));
    EXPECT_EQ(prompts(), QStringList({"This is the wrong file! Lookup online help"})) << link.toStdString();
    EXPECT_TRUE(modalShows.isEmpty());
  }
  QStringList links;
  for (const DictionaryRow& row : ReadRows(programDictionary())) links.append(row.Link);
  EXPECT_FALSE(links.contains("http://router/"));
  EXPECT_FALSE(links.contains("http://box.corp.example/"));
}

TEST_F(DictionaryMerge, ProgressWindowCannotBeClosedEarly) {
  auto& pb = frmNumerologyDictionaryPB::instance();
  pb.Load();
  QMainWindow* w = pb.window();
  EXPECT_FALSE(w->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(w->windowTitle(), "QZ Numerology Dictionary");
  ui::AdvanceManualClock(1000);
  QCloseEvent close;
  QCoreApplication::sendEvent(w, &close);
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &esc);
  EXPECT_TRUE(pb.IsLoaded());
  EXPECT_EQ(pb.ProgressStep, 10);
  EXPECT_EQ(pb.control<QProgressBar>("PB")->value(), 10);
  // A new showing always starts empty.
  pb.Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  pb.Load();
  EXPECT_EQ(pb.ProgressStep, 0);
  EXPECT_EQ(pb.control<QProgressBar>("PB")->value(), 0);
  // Five seconds fill the bar; the next tick closes the window.
  ui::AdvanceManualClock(5000);
  EXPECT_EQ(pb.control<QProgressBar>("PB")->value(), 50);
  EXPECT_TRUE(pb.IsLoaded());
  ui::AdvanceManualClock(100);
  EXPECT_FALSE(pb.IsLoaded());
  EXPECT_EQ(pb.ProgressStep, 0);
}
}  // namespace
