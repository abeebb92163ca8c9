#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <vector>

#include "common/test_support.h"
#include "services/platform.h"
#include "services/web_pages.h"
#include "shell/common_menu.h"
#include "shell/shell_windows.h"
#include "shell/unload_all.h"
#include "ui/controls.h"

using qztest::seams;

TEST(CoBrand, RoundsHalfToEven) {
  const struct {
    double x;
    int n;
  } cases[] = {{1.5, 2}, {2.5, 2}, {3.5, 4}, {4.5, 4}, {5.5, 6}, {6.5, 6}, {1.0, 1}, {1.49, 1}, {6.51, 7}, {7.0, 7}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.x), c.n) << c.x;
  EXPECT_EQ(CoBrandDraw(0.0f), 1);
  EXPECT_EQ(CoBrandDraw(0.08f), 1);     // below 1/12
  EXPECT_EQ(CoBrandDraw(0.25f), 2);     // x = 2.5 exactly
  EXPECT_EQ(CoBrandDraw(0.75f), 6);     // x = 5.5 exactly
  EXPECT_EQ(CoBrandDraw(0.92f), 7);     // above 11/12
  EXPECT_EQ(CoBrandDraw(0.99999994f), 7);
}

// The launcher's timers run on the test's clock.
class Launcher : public qztest::SeamTest {
 protected:
  void SetUp() override {
    SeamTest::SetUp();
    ui::SetManualClock(true);
  }
  void TearDown() override {
    SeamTest::TearDown();
    ui::SetManualClock(false);
  }
  frmMain& launcher = frmMain::instance();
  QWidget* promotion() { return launcher.control<QWidget>(QStringLiteral("fraFullBrand")); }
  ui::Timer* timer(const char* name) { return launcher.control<ui::Timer>(QString::fromLatin1(name)); }
  ui::Label* banner() { return launcher.control<ui::Label>(QStringLiteral("lblVeltrasse")); }
};

TEST_F(Launcher, WindowAndButtons) {
  launcher.Show();
  EXPECT_EQ(launcher.window()->windowTitle(), QStringLiteral("QZ Orbalinth v1.30"));
  const char* captions[] = {"Chinese Numerology",    "IChing Numerology",       "Kabbalah Numerology",
                            "Numerology Dictionary", "Vidovuzovo Zed Software", "Numerology Software"};
  for (int i = 0; i < 6; ++i) {
    ASSERT_NE(launcher.cmdSelectOption(shell::Tool(i)), nullptr);
    EXPECT_EQ(launcher.cmdSelectOption(shell::Tool(i))->text(), QString::fromLatin1(captions[i]));
  }
  EXPECT_TRUE(launcher.control<QWidget>(QStringLiteral("Label1"))
                  ->property("text").toString().endsWith(QStringLiteral("QZ Orbalint.")));
  EXPECT_EQ(shell::FrontOf(promotion()), shell::PromoFront::CoBrand);
  // The co-brand caption shows one ampersand.
  EXPECT_TRUE(launcher.control<QLabel>(QStringLiteral("lblCobrand"))->text().contains(QStringLiteral("name &  link")));
}

TEST_F(Launcher, PromotionDrawPicksTheFrontLabel) {
  const struct {
    float r;
    shell::PromoFront front;
  } cases[] = {{0.2f, shell::PromoFront::FullBrand},  // n = 2
               {0.3f, shell::PromoFront::CoBrand},    // n = 3
               {0.55f, shell::PromoFront::FullBrand}, // n = 4
               {0.7f, shell::PromoFront::CoBrand}};   // n = 5
  for (const auto& c : cases) {
    platform::QueueRandom({c.r});
    launcher.CoBrand_Randomize();
    EXPECT_EQ(shell::FrontOf(promotion()), c.front) << c.r;
  }
  // n = 7 changes nothing.
  platform::QueueRandom({0.2f, 0.95f});
  launcher.CoBrand_Randomize();
  launcher.CoBrand_Randomize();
  EXPECT_EQ(shell::FrontOf(promotion()), shell::PromoFront::FullBrand);
  // A click on the pair reaches the label in front only.
  launcher.Show();
  QTest::mouseClick(promotion()->findChild<QWidget*>(QStringLiteral("lblFullBrand")), Qt::LeftButton);
  EXPECT_EQ(seams().opened, QStringList{PageAddress(QStringLiteral("fully-branded"))});
}

namespace {
// Counts the mouse moves a widget receives.
class MoveCounter : public QObject {
 public:
  explicit MoveCounter(QWidget* target) : QObject(target) { target->installEventFilter(this); }
  int moves = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseMove) ++moves;
    return false;
  }
};

// A point of the frame itself, over none of its children.
QPoint bareSpot(QWidget* frame) {
  for (int y = frame->height() / 2; y > 0; y -= 3)
    for (int x = 1; x < frame->width() - 1; ++x)
      if (!frame->childAt(x, y)) return {x, y};
  return {};
}

// The banner's visibility after each 10 ms of the clock, for `ms` milliseconds.
std::vector<bool> sampleBanner(QWidget* banner, int ms) {
  std::vector<bool> shown;
  for (int t = 0; t < ms; t += 10) {
    ui::AdvanceManualClock(10);
    shown.push_back(banner->isVisible());
  }
  return shown;
}
}  // namespace

TEST_F(Launcher, BannerBlinksHiddenOneSecondInTwo) {
  launcher.Show();
  EXPECT_TRUE(timer("Timer1")->isActive());
  EXPECT_TRUE(timer("Timer2")->isActive());
  EXPECT_EQ(timer("Timer1")->interval(), 1000);
  EXPECT_EQ(timer("Timer2")->interval(), 2000);
  // Timer2's tick (every 2 s) hides it; Timer1's tick that falls due with it must not show it
  // again at once, so it stays hidden for the second up to Timer1's next tick.
  const std::vector<bool> shown = sampleBanner(banner(), 6000);
  for (size_t i = 0; i < shown.size(); ++i) {
    const int ms = int(i + 1) * 10;
    const bool hidden = ms >= 2000 && (ms / 1000) % 2 == 0;
    EXPECT_EQ(shown[i], !hidden) << "at " << ms << " ms";
  }
}

TEST_F(Launcher, MovingOverTheBannerStopsTheBlinkAndOnlyThreeFramesRestartIt) {
  launcher.Show();
  qztest::Activate(launcher.window());
  auto frame = [&](const char* name) { return launcher.control<ui::Frame>(QString::fromLatin1(name)); };
  auto* received = new MoveCounter(banner());
  auto* frame2Received = new MoveCounter(frame("Frame2"));
  // A move reaches the banner only while it shows; a hidden banner leaves the move to Frame2.
  ASSERT_TRUE(banner()->isVisible());
  QTest::mouseMove(banner(), banner()->rect().center());
  ASSERT_GE(received->moves, 1);
  EXPECT_EQ(frame2Received->moves, 0);  // the move stays with the banner
  EXPECT_FALSE(timer("Timer1")->isActive());
  EXPECT_FALSE(timer("Timer2")->isActive());
  EXPECT_TRUE(banner()->isVisible());
  QTest::mouseMove(banner(), banner()->rect().center() + QPoint(7, 1));
  EXPECT_FALSE(timer("Timer1")->isActive());
  // Stopped, it stays visible.
  const std::vector<bool> stopped = sampleBanner(banner(), 4000);
  EXPECT_EQ(std::count(stopped.begin(), stopped.end(), false), 0);

  for (const char* name : {"Frame4", "Frame5", "Frame6", "Frame7"}) {
    auto* counter = new MoveCounter(frame(name));
    QTest::mouseMove(frame(name), bareSpot(frame(name)));
    EXPECT_GE(counter->moves, 1) << name;
    EXPECT_FALSE(timer("Timer1")->isActive()) << name;
    EXPECT_FALSE(timer("Timer2")->isActive()) << name;
  }
  int step = 0;
  for (const char* name : {"Frame1", "Frame2", "Frame3"}) {
    QTest::mouseMove(banner(), banner()->rect().center() + QPoint(++step, 0));
    ASSERT_FALSE(timer("Timer1")->isActive()) << name;
    QTest::mouseMove(frame(name), bareSpot(frame(name)));
    EXPECT_TRUE(timer("Timer1")->isActive()) << name;
    EXPECT_TRUE(timer("Timer2")->isActive()) << name;
  }
  // Moving on over a frame does not restart a running timer.
  ui::AdvanceManualClock(60);
  EXPECT_EQ(timer("Timer2")->remainingTime(), 2000 - 60);
  QTest::mouseMove(frame("Frame1"), bareSpot(frame("Frame1")) + QPoint(0, 2));
  EXPECT_EQ(timer("Timer2")->remainingTime(), 2000 - 60);
}

TEST_F(Launcher, ToolButtonShowsTheToolThenHidesLauncherAndLoadsTheExitDialogHidden) {
  bool launcherVisibleAtShow = false;
  bool dialogLoadedAtShow = true;
  shell::RegisterTool(shell::Tool::Chinese, [&] {
    launcherVisibleAtShow = launcher.IsVisible();
    dialogLoadedAtShow = frmNagScreen2::instance().IsLoaded();
  });
  launcher.Show();
  platform::QueueRandom({0.6f});  // the exit dialog's support text: index 2
  EXPECT_TRUE(qztest::Click(launcher.cmdSelectOption(shell::Tool::Chinese)));
  EXPECT_TRUE(launcherVisibleAtShow);
  EXPECT_FALSE(dialogLoadedAtShow);
  EXPECT_FALSE(launcher.IsVisible());
  EXPECT_TRUE(launcher.IsLoaded());
  ASSERT_TRUE(frmNagScreen2::instance().IsLoaded());
  EXPECT_FALSE(frmNagScreen2::instance().IsVisible());
  EXPECT_EQ(frmNagScreen2::instance().control<QLabel>(QStringLiteral("Label2"))->text(),
            frmNagScreen2::SupportTexts()[2]);

  // Shown again: the promotion label and the timers as they were.
  launcher.Show();
  EXPECT_TRUE(timer("Timer1")->isActive());
  // Closing it shows the exit dialog with the text drawn at that first load.
  launcher.window()->close();
  EXPECT_FALSE(launcher.IsLoaded());
  EXPECT_TRUE(frmNagScreen2::instance().IsVisible());
  EXPECT_EQ(frmNagScreen2::instance().control<QLabel>(QStringLiteral("Label2"))->text(),
            frmNagScreen2::SupportTexts()[2]);
  EXPECT_TRUE(seams().endCalls.empty());
}

TEST_F(Launcher, ClosingWithNoToolOpenedLoadsAndShowsTheExitDialog) {
  launcher.Show();
  launcher.window()->close();
  EXPECT_TRUE(frmNagScreen2::instance().IsVisible());
  EXPECT_TRUE(frmNagScreen2::instance().window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(frmNagScreen2::instance().window()->windowTitle(), QStringLiteral("QZ Orbalinth v1.30"));
}

namespace {
QStringList visibleCaptions(QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions())
    if (a->isVisible()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return out;
}
}  // namespace

TEST_F(Launcher, MenuBarCaptionsAndActions) {
  launcher.Show();
  QMenuBar* bar = launcher.window()->menuBar();
  QStringList top;
  for (QAction* a : bar->actions())
    if (a->isVisible()) top << a->text();
  EXPECT_EQ(top, (QStringList{"&File", "&Help", "&Donate"}));
  auto* makeMoney = launcher.window()->findChild<QAction*>(QStringLiteral("mnumakemoney"));
  ASSERT_NE(makeMoney, nullptr);
  EXPECT_FALSE(makeMoney->isVisible());
  EXPECT_EQ(makeMoney->text(), QStringLiteral("Make Money &Online"));
  EXPECT_EQ(visibleCaptions(launcher.window()->findChild<QMenu*>(QStringLiteral("nuFile"))),
            QStringList{"E&xit"});
  EXPECT_EQ(visibleCaptions(launcher.window()->findChild<QMenu*>(QStringLiteral("mnuHelp"))),
            (QStringList{"&Online Help", "&Visit Us Online", "-", "&Check for Software Update", "-", "&About Software"}));

  const struct {
    const char* item;
    const char* page;
  } links[] = {{"mnuOnline", "help-web-page"}, {"mnuVisit", "home-page"}, {"mnuUpdate", "download-web-page"},
               {"mnuDonate", "donate"}};
  for (const auto& l : links) {
    seams().opened.clear();
    launcher.window()->findChild<QAction*>(QString::fromLatin1(l.item))->trigger();
    EXPECT_EQ(seams().opened, QStringList{PageAddress(QString::fromLatin1(l.page))}) << l.item;
  }

  bool aboutShownModally = false;
  seams().onModal = [&](ui::Form& form) {
    aboutShownModally = &form == &frmAbout::instance();
    EXPECT_EQ(form.window()->windowTitle(), QStringLiteral("QZ Orbalinth v1.30"));
    EXPECT_TRUE(qztest::Click(form.control<QPushButton>(QStringLiteral("cmdOK"))));
  };
  launcher.window()->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
  EXPECT_TRUE(aboutShownModally);
  EXPECT_FALSE(frmAbout::instance().IsLoaded());

  launcher.window()->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
  EXPECT_FALSE(launcher.IsLoaded());
  EXPECT_TRUE(frmNagScreen2::instance().IsVisible());
}

TEST_F(Launcher, AboutBoxLinks) {
  frmAbout& about = frmAbout::instance();
  about.Show();
  QTest::mouseClick(about.control<QWidget>(QStringLiteral("lblCobrand")), Qt::LeftButton);
  QTest::mouseClick(about.control<QWidget>(QStringLiteral("lblHomePage")), Qt::LeftButton);
  EXPECT_EQ(seams().opened,
            (QStringList{PageAddress(QStringLiteral("fully-branded")), PageAddress(QStringLiteral("home-page"))}));
  EXPECT_EQ(about.control<QLabel>(QStringLiteral("lblHomePage"))->text(),
            QStringLiteral("Click here to visit ") + SiteAddress);
  about.Unload();
}
