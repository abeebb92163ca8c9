// Every top-level window, reached as a user reaches it, shown at the font size the process was
// started with (QT_FONT_DPI): each visible control lies inside its parent and the window, and is
// not squeezed below the height its contents need, and no button's caption runs to its edges.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedLayout>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <cmath>
#include <functional>
#include <iostream>

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
#include "shell/shell_windows.h"

using qztest::seams;

namespace {
QString Where(QWidget* w) {
  QString path = w->objectName();
  if (w->property("Index").isValid()) path += QStringLiteral("(%1)").arg(w->property("Index").toInt());
  return path;
}

QString Rect(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The widgets a layout places, through its nested layouts (not through stacked ones, whose
// pages lie on one spot on purpose).
void LaidOut(QLayout* layout, QList<QWidget*>& out) {
  if (!layout || qobject_cast<QStackedLayout*>(layout)) return;
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (QWidget* w = item->widget()) out.append(w);
    else LaidOut(item->layout(), out);
  }
}

// Inside a scroll area's viewport the contents may lie beyond the visible part by design.
bool InScrolledContent(QWidget* w, QWidget* window) {
  for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
    if (auto* area = qobject_cast<QAbstractScrollArea*>(p->parentWidget()); area && area->viewport() == p) return true;
  return false;
}

// What is wrong with the window's layout: one line per fault.
QStringList FitFaults(QWidget* window, const QStringList& outOfSight) {
  QStringList faults;
  // A fractional scale of the screen rounds the window's size by a pixel.
  const int slack = window->devicePixelRatioF() == std::floor(window->devicePixelRatioF()) ? 0 : 1;
  const QRect windowRect = window->rect().adjusted(0, 0, slack, slack);
  if (window->width() + slack < window->minimumSizeHint().width() ||
      window->height() + slack < window->minimumSizeHint().height())
    faults << QStringLiteral("window %1 below its minimum %2x%3")
                  .arg(Rect(windowRect))
                  .arg(window->minimumSizeHint().width())
                  .arg(window->minimumSizeHint().height());
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->isWindow() || !w->isVisible()) continue;
    const QString name = w->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
    if (outOfSight.contains(name) || InScrolledContent(w, window)) continue;
    QWidget* parent = w->parentWidget();
    if (!parent->rect().adjusted(0, 0, slack, slack).contains(w->geometry()))
      faults << QStringLiteral("%1 at %2 outside its parent %3 (%4)")
                    .arg(Where(w), Rect(w->geometry()), parent->objectName(), Rect(parent->rect()));
    const QRect inWindow(w->mapTo(window, QPoint(0, 0)), w->size());
    if (!windowRect.contains(inWindow))
      faults << QStringLiteral("%1 at %2 outside the window (%3)").arg(Where(w), Rect(inWindow), Rect(windowRect));
    // A stretched picture takes its box's size, whatever the picture's own.
    if (auto* label = qobject_cast<QLabel*>(w); label && label->hasScaledContents()) continue;
    int needed = w->minimumSizeHint().height();
    if (w->hasHeightForWidth()) needed = std::max(needed, w->heightForWidth(w->width()));
    if (w->minimumHeight() > 0 && w->minimumHeight() < needed && w->maximumHeight() == w->minimumHeight())
      needed = w->minimumHeight();  // a height fixed by design
    if (w->height() < needed)
      faults << QStringLiteral("%1 is %2 px high, needs %3").arg(Where(w)).arg(w->height()).arg(needed);
    // A caption keeps a margin of at least half a line's height on either side.
    if (auto* button = qobject_cast<QPushButton*>(w); button && !button->text().isEmpty()) {
      QString caption = button->text();
      caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
      const QFontMetrics metrics = button->fontMetrics();
      const int margin = (button->width() - metrics.horizontalAdvance(caption)) / 2;
      if (margin < metrics.height() / 2)
        faults << QStringLiteral("%1's caption \"%2\" leaves %3 px on either side").arg(Where(w), caption).arg(margin);
    }
  }
  // Controls of one layout do not cover each other.
  for (QWidget* parent : window->findChildren<QWidget*>()) {
    if (!parent->isVisible() || InScrolledContent(parent, window)) continue;
    QList<QWidget*> placed;
    LaidOut(parent->layout(), placed);
    for (int i = 0; i < placed.size(); ++i)
      for (int j = i + 1; j < placed.size(); ++j) {
        QWidget* a = placed[i];
        QWidget* b = placed[j];
        if (!a->isVisible() || !b->isVisible() || !a->geometry().intersects(b->geometry())) continue;
        faults << QStringLiteral("%1 (%2) overlaps %3 (%4)")
                      .arg(Where(a), Rect(a->geometry()), Where(b), Rect(b->geometry()));
      }
  }
  return faults;
}

class WindowsFit : public fittest::AllWindowsTest, public ::testing::WithParamInterface<fittest::Scenario> {};

TEST_P(WindowsFit, EveryControlShowsWhole) {
  ui::Form& form = GetParam().open();
  ASSERT_TRUE(form.IsVisible()) << seams().lastPrompt().toStdString();
  QWidget* window = form.window();
  EXPECT_TRUE(qztest::WaitForAskedSize(window));
  QTest::qWait(0);  // layouts settle
  const QStringList faults = FitFaults(window, GetParam().outOfSight);
  // A picture of each window for a look by eye, when QZ_SCREENSHOT_DIR names a folder.
  if (const QString folder = qEnvironmentVariable("QZ_SCREENSHOT_DIR"); !folder.isEmpty()) {
    QDir().mkpath(folder);
    const QString dpi = qEnvironmentVariable("QT_FONT_DPI", QStringLiteral("96"));
    const QString file = QStringLiteral("fit-%1-%2.png").arg(QString::fromLatin1(GetParam().name), dpi);
    EXPECT_TRUE(window->grab().save(QDir(folder).filePath(file)));
  }
  EXPECT_TRUE(faults.isEmpty()) << "at QT_FONT_DPI=" << qgetenv("QT_FONT_DPI").toStdString() << ", window " << Rect(window->geometry()).toStdString()
                                << ":\n  " << faults.join(QStringLiteral("\n  ")).toStdString();
}

// The frame the window manager put round the window, once it has framed it and the window has
// been placed (a window is moved back onto the screen when its frame is known).
QRect FrameOf(QWidget* window) {
  EXPECT_TRUE(qztest::WaitForPlaced(window));
  return window->windowHandle()->frameGeometry();
}

TEST_P(WindowsFit, OpensWhollyOnTheScreen) {
  if (!qztest::RealDisplay())
    GTEST_SKIP() << "needs a real screen with a window manager (xcb); offscreen has one fixed screen and no frames";
  ui::Form& form = GetParam().open();
  ASSERT_TRUE(form.IsVisible()) << seams().lastPrompt().toStdString();
  QWidget* window = form.window();
  const QRect area = window->screen()->availableGeometry();
  const QRect frame = FrameOf(window);
  const QMargins margins = window->windowHandle()->frameMargins();
  const QSize smallest = window->minimumSizeHint().expandedTo(window->minimumSize()).grownBy(margins);
  const std::string where = "at QT_FONT_DPI=" + qgetenv("QT_FONT_DPI").toStdString() + ", frame " +
                            Rect(frame).toStdString() + " on the free area " + Rect(area).toStdString() + ", smallest " +
                            std::to_string(smallest.width()) + "x" + std::to_string(smallest.height());
  if (smallest.width() > area.width() || smallest.height() > area.height()) {
    // Larger than the screen at its smallest: its title bar and top left corner stay on it.
    EXPECT_TRUE(area.contains(frame.topLeft())) << where;
    std::cout << GetParam().name << " needs " << smallest.width() << "x" << smallest.height() << " " << where << "\n";
    return;
  }
  EXPECT_TRUE(area.contains(frame)) << where;
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowsFit, ::testing::ValuesIn(fittest::Scenarios()),
                         [](const ::testing::TestParamInfo<fittest::Scenario>& info) { return std::string(info.param.name); });
class ReportFit : public fittest::AllWindowsTest {};

// The Kabbalah report ends below its promotion labels: no empty band under their lines.
TEST_F(ReportFit, KabbalahReportEndsBelowItsPromotionLabels) {
  ui::Form& report = fittest::Scenarios()[9].open();
  ASSERT_STREQ(fittest::Scenarios()[9].name, "KabbalahReport");
  QWidget* window = report.window();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  EXPECT_TRUE(qztest::WaitForAskedSize(window));
  auto* label = report.control<QLabel>(QStringLiteral("lblCobrand"));
  ASSERT_NE(label, nullptr);
  // Where the label's lines end, and the window's edge below them: a margin, no more than two
  // lines' height.
  const int textBottom = label->mapTo(window, QPoint(0, 0)).y() + (label->height() + label->heightForWidth(label->width())) / 2;
  EXPECT_LE(window->height() - textBottom, 2 * label->fontMetrics().height())
      << "window " << window->height() << " px high, the labels' lines end at " << textBottom;
}
// Every border is drawn whole at a fractional scale of the screen (150 %, as 144 DPI gives).
TEST_F(ReportFit, FrameBordersAreWholeAtAFractionalScale) {
  const struct {
    int scenario;
    const char* frame;
  } cases[] = {{3, "fraFullBrand"}, {4, "fraFullBrand"}, {5, "RTB"}};
  for (const auto& c : cases) {
    const fittest::Scenario scenario = fittest::Scenarios()[c.scenario];
    SCOPED_TRACE(std::string(scenario.name) + " " + c.frame);
    qztest::UnloadAllWindows();
    QWidget* window = scenario.open().window();
    auto* frame = window->findChild<QFrame*>(QString::fromLatin1(c.frame));
    ASSERT_NE(frame, nullptr);
    // The whole window as the screen shows it, where the frame may start between two pixels.
    const QColor background = window->palette().window().color();
    QImage picture(window->size() * 3 / 2, QImage::Format_RGB32);
    picture.setDevicePixelRatio(1.5);
    picture.fill(background);
    window->render(&picture);
    const QRect at(frame->mapTo(window, QPoint(0, 0)), frame->size());
    const int left = at.left() * 3 / 2, top = at.top() * 3 / 2;
    const int right = (at.right() + 1) * 3 / 2 - 1, bottom = (at.bottom() + 1) * 3 / 2 - 1;
    // Each edge, across the device pixels at its middle that it covers, shows a line darker
    // than the window.
    const auto edgeShows = [&](QPoint p, QPoint step) {
      for (int i = 0; i < 3; ++i, p += step)
        if (qGray(picture.pixel(p)) + 24 < qGray(background.rgb())) return true;
      return false;
    };
    const int midX = (left + right) / 2, midY = (top + bottom) / 2;
    EXPECT_TRUE(edgeShows({midX, top - 1}, {0, 1})) << "top";
    EXPECT_TRUE(edgeShows({left - 1, midY}, {1, 0})) << "left";
    EXPECT_TRUE(edgeShows({midX, bottom + 1}, {0, -1})) << "bottom";
    EXPECT_TRUE(edgeShows({right + 1, midY}, {-1, 0})) << "right";
  }
}
}  // namespace
