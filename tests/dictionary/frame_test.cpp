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

#include "dictionary/core/web_address.h"
#include "dictionary/core/dictionary_store.h"
#include "dictionary/core/machine_names.h"
#include "dictionary/dictionary_test_support.h"
#include "dictionary/frm_mdi.h"
#include "dictionary/frm_numerology_dictionary_main.h"
#include "dictionary/frm_numerology_dictionary_pb.h"
#include "services/web_pages.h"
#include "shell/shell_windows.h"
#include "ui/screen_fit.h"

using namespace dicttest;

namespace {
const QString kNotFound = QStringLiteral(
    "Keyword not found - Please search in google\rOr write to us so that we can add the term in our dictionary");
const QString kAskForTerm = QStringLiteral("Please Enter Search Term");

// Brings the frame to a size and lets its panels and the client area settle.
void resizeFrame(QMainWindow* w, const QSize& size) {
  w->resize(size);
  QTest::qWait(20);
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
  void setMode(const char* name) { frame().control<QRadioButton>(name)->setChecked(true); }
  // Types into the search box without running the emptied-box refill.
  void type(const QString& text) { box()->setText(text); }
  void selectRow(int row) {
    auto* list = frame().control<QListView>("lstKeys");
    list->setCurrentIndex(list->model()->index(row, 0));
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
  frame().Load();
  EXPECT_TRUE(frame().ListedKeys().isEmpty());
  EXPECT_TRUE(qztest::seams().messages.empty());
  WriteDictionary(programDictionary(), SampleRows());
  frame().Unload();
  frame().Load();
  ASSERT_EQ(frame().ListedKeys().size(), SampleRows().size());
  QFile::remove(programDictionary());
  const QStringList before = frame().ListedKeys();
  type("life");
  frame().cmdSearch_Click();
  frame().txtKey_KeyPress(13);
  frame().cmdDisplay_Click();
  type("   ");  // the emptied box
  ASSERT_EQ(qztest::seams().messages.size(), 4u);
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
  frame().cmdSearch_Click();
  EXPECT_EQ(frame().ListedKeys(), QStringList({"Life Path", "lifetime"}));
  EXPECT_EQ(frame().SelectedRow(), 0);
  EXPECT_TRUE(browser.requests.isEmpty());
  // Wildcard: the pattern goes to DictionaryLink.
  setMode("optWildCard");
  type("ac*US");
  frame().cmdSearch_Click();
  EXPECT_EQ(frame().ListedKeys(), QStringList({"Abacus"}));
  EXPECT_EQ(WebViewLink(), "acus");
  // Not found: the message, an empty list, the text kept.
  type("zz*z");
  frame().cmdSearch_Click();
  EXPECT_TRUE(frame().ListedKeys().isEmpty());
  EXPECT_EQ(box()->text(), "zz*z");
  EXPECT_EQ(WebViewLink(), "zzz");
  // Blanks only ask for a term.
  type("   ");
  qztest::seams().messages.clear();
  frame().cmdSearch_Click();
  EXPECT_EQ(prompts(), QStringList({kAskForTerm}));
  EXPECT_TRUE(box()->hasFocus() || !frame().window()->isActiveWindow());
  // Google: the web search with the box text; the list stays.
  setMode("optGoogle");
  type(" Soul Urge");
  const QStringList listed = frame().ListedKeys();
  frame().cmdSearch_Click();
  EXPECT_EQ(qztest::seams().opened, QStringList({"https://www.google.com/search?q=%20Soul%20Urge"}));
  EXPECT_EQ(frame().ListedKeys(), listed);
}

TEST_F(DictionaryFrame, NotFoundMessage) {
  openFromLauncher();
  type("nothing like it");
  frame().cmdSearch_Click();
  ASSERT_EQ(prompts(), QStringList({kNotFound}));
  EXPECT_EQ(qztest::seams().messages[0].style, ui::MsgStyle::Information);
  EXPECT_EQ(qztest::seams().messages[0].title, "QZ Orbalinth");
}

TEST_F(DictionaryFrame, EnterInTheSearchBox) {
  frame().Show();
  ASSERT_FALSE(frmNumerologyDictionaryMain::instance().IsLoaded());
  // Blanks in exact mode: the empty term lists every keyword and shows the web view.
  type("  ");
  QTest::keyClick(box(), Qt::Key_Return);
  EXPECT_EQ(frame().ListedKeys().size(), SampleRows().size());
  EXPECT_TRUE(frmNumerologyDictionaryMain::instance().IsVisible());
  EXPECT_TRUE(qztest::seams().messages.empty());
  // An empty box refills and asks for a term.
  type("destiny");
  frame().txtKey_KeyPress(13);
  EXPECT_EQ(frame().ListedKeys(), QStringList({"Destiny"}));
  box()->blockSignals(true);
  box()->clear();
  box()->blockSignals(false);
  frame().txtKey_KeyPress(13);
  EXPECT_EQ(frame().ListedKeys().size(), SampleRows().size());
  EXPECT_EQ(prompts(), QStringList({kAskForTerm}));
  // Google mode searches even with an empty box.
  setMode("optGoogle");
  frame().txtKey_KeyPress(13);
  EXPECT_EQ(qztest::seams().opened, QStringList({"https://www.google.com/"}));
  // Other keys do nothing.
  frame().txtKey_KeyPress('a');
  EXPECT_EQ(qztest::seams().opened.size(), 1);
}

TEST_F(DictionaryFrame, DisplayShowsTheSelectedEntry) {
  openFromLauncher();
  type("li");
  frame().cmdSearch_Click();
  selectRow(1);
  frame().cmdDisplay_Click();
  EXPECT_EQ(box()->text(), "lifetime");
  EXPECT_EQ(browser.requests, QStringList({"navigate https://example.org/lifetime"}));
  EXPECT_TRUE(WebViewLink().isEmpty() || WebViewLink() == "https://example.org/lifetime");
  // A keyword whose link is the search engine: a web search for the keyword.
  browser.requests.clear();
  type("soul");
  frame().cmdSearch_Click();
  frame().cmdDisplay_Click();
  EXPECT_EQ(browser.requests, QStringList({"form q=Soul Urge sa"}));
  // Display with an empty list reports not found and changes nothing else.
  type("zzz");
  frame().cmdSearch_Click();
  qztest::seams().messages.clear();
  browser.requests.clear();
  frame().cmdDisplay_Click();
  EXPECT_EQ(prompts(), QStringList({kNotFound}));
  EXPECT_EQ(box()->text(), "zzz");
  EXPECT_TRUE(browser.requests.isEmpty());
  // Display with an empty box refills and asks.
  box()->blockSignals(true);
  box()->clear();
  box()->blockSignals(false);
  qztest::seams().messages.clear();
  frame().cmdDisplay_Click();
  EXPECT_EQ(frame().ListedKeys().size(), SampleRows().size());
  EXPECT_EQ(prompts(), QStringList({kAskForTerm}));
  // Google mode: a web search of the box text, the list's selection unused.
  setMode("optGoogle");
  type("Numbers");
  frame().cmdDisplay_Click();
  EXPECT_EQ(qztest::seams().opened, QStringList({"https://www.google.com/search?q=Numbers"}));
}

TEST_F(DictionaryFrame, DisplayLoadsAClosedWebViewWithoutAnEmptyNavigation) {
  openFromLauncher();
  type("destiny");
  frame().cmdSearch_Click();
  frmNumerologyDictionaryMain::instance().subWindow()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_FALSE(frmNumerologyDictionaryMain::instance().IsLoaded());
  browser.requests.clear();
  frame().cmdDisplay_Click();
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
  // Below the last keyword: the selected one, copied again and displayed.
  box()->selectAll();
  QTest::keyClicks(box(), "typed");
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
  box()->selectAll();
  QTest::keyClicks(box(), "zzz");
  QTest::keyClick(box(), Qt::Key_Return);
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
  frame().cmdSearch_Click();
  ASSERT_EQ(frame().ListedKeys().size(), 1);
  box()->clear();
  EXPECT_EQ(frame().ListedKeys().size(), SampleRows().size());
  EXPECT_EQ(frame().SelectedRow(), 0);
  // A change that leaves text does nothing.
  type("x");
  EXPECT_EQ(frame().ListedKeys().size(), SampleRows().size());
}

TEST_F(DictionaryFrame, SearchesSeeRowsWrittenAfterTheLoad) {
  openFromLauncher();
  QList<DictionaryRow> rows = SampleRows();
  rows.append({"Lifelong", "https://example.org/lifelong", "astro"});
  WriteDictionary(programDictionary(), rows);
  type("life");
  frame().cmdSearch_Click();
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
  box()->setText("  Lo Shu ");
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
  frame().window()->findChild<QAction*>("Home")->trigger();
  EXPECT_TRUE(frmNumerologyDictionaryMain::instance().IsLoaded());
  EXPECT_EQ(browser.requests, QStringList({"navigate " + SiteAddress, "navigate " + SiteAddress}));
  browser.requests.clear();
  frame().TB_ButtonClick("Back");  // no history: nothing
  browser.canGoBack = true;
  for (const char* key : {"Back", "Forward", "Stop", "Refresh", "Search", "back", "Other"}) frame().TB_ButtonClick(key);
  EXPECT_EQ(browser.requests, QStringList({"back", "forward", "stop", "reload", "html https://www.google.com/"}));
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
  const auto px = [w](int twips) { return ui::TwipsToPixels(w, twips); };
  EXPECT_EQ(area->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
  EXPECT_EQ(area->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
  for (const QSize size : {frame().DefaultSize(), w->minimumSize(), QSize(760, 540), QSize(1500, 1050)}) {
    SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
    resizeFrame(w, size);
    ASSERT_EQ(w->size(), size);
    // Sizes of the rules are outer sizes, with the window's frame.
    const MDI::Metrics m = frame().FrameMetrics();
    const QSize outer = w->frameGeometry().size();
    ASSERT_EQ(m.frame, outer);
    // The web view window and its browser.
    EXPECT_EQ(sub->width(), outer.width() - m.picLeftWidth - px(250));
    EXPECT_EQ(sub->height(), outer.height());
    auto* WB = web.control<QWidget>("WB");
    EXPECT_EQ(WB->pos(), QPoint(0, 0));
    EXPECT_EQ(WB->width(), web.window()->centralWidget()->width());
    EXPECT_EQ(WB->height(), outer.height() - m.picTopHeight - m.picBottomHeight - m.tbHeight - px(750));
    // The client area scrolls to every part of the window, and the browser is in sight.
    const QWidget* viewport = area->viewport();
    EXPECT_LE(sub->geometry().right() + 1, viewport->width() + area->horizontalScrollBar()->maximum());
    EXPECT_LE(sub->geometry().bottom() + 1, viewport->height() + area->verticalScrollBar()->maximum());
    EXPECT_LE(WB->mapTo(sub, QPoint(WB->width(), 0)).x(), viewport->width());
    // The search panel: the list follows the frame's height, Display under it, both in the panel.
    auto* picLeft = frame().control<QWidget>("picLeft");
    auto* list = frame().control<QListView>("lstKeys");
    auto* display = frame().control<QPushButton>("cmdDisplay");
    // A frame too narrow for the bottom panel's text in two lines leaves less room: the
    // list then ends where Display still fits.
    const int room = picLeft->height() - list->y() - display->height();
    EXPECT_EQ(list->height(), std::min(outer.height() - px(4850), room));
    if (size.width() >= 760) {
      EXPECT_EQ(list->height(), outer.height() - px(4850));
    }
    EXPECT_EQ(display->y(), list->y() + list->height());
    EXPECT_LE(display->geometry().bottom(), picLeft->height());
    for (const char* name : {"txtKey", "lstKeys", "cmdSearch", "cmdDisplay"})
      EXPECT_EQ(frame().control<QWidget>(name)->x(), 0) << name;
    EXPECT_EQ(frame().control<QWidget>("txtKey")->width(), m.picLeftWidth - px(75));
    for (const char* name : {"lstKeys", "cmdSearch", "cmdDisplay"})
      EXPECT_EQ(frame().control<QWidget>(name)->width(), m.picLeftWidth - px(50)) << name;
    // Donate and Exit at the right edge.
    for (const char* name : {"cmdDonate", "cmdExit"}) {
      auto* button = frame().control<QPushButton>(name);
      EXPECT_EQ(button->x() + button->width(), outer.width() - px(300)) << name;
      EXPECT_TRUE(button->parentWidget()->rect().contains(button->geometry())) << name;
    }
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
    qztest::seams().onModal = [this](ui::Form& form) {
      modalShows.append(form.className());
      auto& pb = frmNumerologyDictionaryPB::instance();
      if (&form != &pb) return;
      barMaximum = pb.control<QProgressBar>("PB")->maximum();
      for (int tick = 0; tick < 51 && pb.IsLoaded(); ++tick) pb.Timer1_Timer();
    };
    frame().Show();
  }
  void chooseFile(const std::optional<QString>& path) { qztest::seams().fileAnswers.push_back(path); }
  QStringList modalShows;
  int barMaximum = -1;
};

TEST_F(DictionaryMerge, CancelDoesNothing) {
  chooseFile(std::nullopt);
  frame().mnuUpdate_Click();
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
  frame().mnuUpdate_Click();
  EXPECT_EQ(modalShows, QStringList({"frmNumerologyDictionaryPB"}));
  EXPECT_EQ(barMaximum, 50);
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
    frame().mnuUpdate_Click();
    EXPECT_EQ(prompts(), QStringList({c.prompt}));
    EXPECT_TRUE(modalShows.isEmpty());
  }
  // A dictionary that cannot be written: no success, no progress, and it says so.
  WriteDictionary(update, {{"N", "https://n9.example", "astro"}});
  QFile::remove(programDictionary());
  qztest::seams().messages.clear();
  chooseFile(update);
  frame().mnuUpdate_Click();
  EXPECT_EQ(prompts(),
            QStringList({"The Numerology Dictionary could not be updated.\rThe dictionary was not changed."}));
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
  for (int i = 0; i < 10; ++i) pb.Timer1_Timer();
  QCloseEvent close;
  QCoreApplication::sendEvent(w, &close);
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &esc);
  EXPECT_TRUE(pb.IsLoaded());
  EXPECT_EQ(pb.ProgressStep, 10);
  EXPECT_EQ(pb.control<QProgressBar>("PB")->value(), 10);
  // A new showing always starts empty.
  pb.Unload();
  pb.Load();
  EXPECT_EQ(pb.ProgressStep, 0);
  EXPECT_EQ(pb.control<QProgressBar>("PB")->value(), 0);
  // 50 ticks fill the bar, the 51st closes the window.
  for (int i = 0; i < 50; ++i) pb.Timer1_Timer();
  EXPECT_EQ(pb.control<QProgressBar>("PB")->value(), 50);
  EXPECT_TRUE(pb.IsLoaded());
  pb.Timer1_Timer();
  EXPECT_FALSE(pb.IsLoaded());
  EXPECT_EQ(pb.ProgressStep, 0);
}
}  // namespace
