// Every top-level window, reached as a user reaches it, shown at the font size the process was
// started with (QT_FONT_DPI): each visible control lies inside its parent and the window, and is
// not squeezed below the height its contents need, and no button's caption runs to its edges.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedLayout>
#include <QTest>
#include <functional>

#include "all_windows_test.h"
#include "frm_chinese_numerology_display.h"
#include "frm_chinese_numerology_main.h"
#include "frm_chinese_numerology_save.h"
#include "frm_iching_numerology_main.h"
#include "frm_kabbalah_numerology_display.h"
#include "frm_kabbalah_numerology_main.h"
#include "frm_kabbalah_numerology_save.h"
#include "frm_mdi.h"
#include "frm_numerology_dictionary_main.h"
#include "frm_numerology_dictionary_pb.h"
#include "frm_numerology_pro_disp.h"
#include "frm_numerology_pro_main.h"
#include "frm_numerology_pro_result.h"
#include "frm_numerology_pro_save.h"
#include "frm_numerology_software_one.h"
#include "shell_windows.h"
#include "test_support.h"

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
  const QRect windowRect = window->rect();
  if (window->width() < window->minimumSizeHint().width() || window->height() < window->minimumSizeHint().height())
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
    if (!parent->rect().contains(w->geometry()))
      faults << QStringLiteral("%1 at %2 outside its parent %3 (%4)")
                    .arg(Where(w), Rect(w->geometry()), parent->objectName(), Rect(parent->rect()));
    const QRect inWindow(w->mapTo(window, QPoint(0, 0)), w->size());
    if (!windowRect.contains(inWindow))
      faults << QStringLiteral("%1 at %2 outside the window (%3)").arg(Where(w), Rect(inWindow), Rect(windowRect));
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

template <class T = QWidget>
T* find(ui::Form& form, const char* name) {
  T* w = form.control<T>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

void click(ui::Form& form, const char* name) {
  if (auto* button = find<QPushButton>(form, name)) QTest::mouseClick(button, Qt::LeftButton);
}

void type(ui::Form& form, const char* box, const char* text) {
  if (auto* edit = find<QLineEdit>(form, box)) QTest::keyClicks(edit, QString::fromLatin1(text));
}

using shell::Tool;
void launch(Tool tool) {
  frmMain::instance().Show();
  QTest::mouseClick(frmMain::instance().cmdSelectOption(tool), Qt::LeftButton);
}

// The way a user reaches each window; the window is left shown (a modal show in tests returns
// with the window still on the screen).
struct Scenario {
  const char* name;
  std::function<ui::Form&()> open;
  QStringList outOfSight;  // controls placed out of sight on purpose
};
void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

std::vector<Scenario> Scenarios() {
  return {
      {"Launcher", [] () -> ui::Form& { frmMain::instance().Show(); return frmMain::instance(); }, {}},
      {"AboutBox",
       []() -> ui::Form& {
         frmMain::instance().Show();
         frmAbout::instance().ShowModal();
         return frmAbout::instance();
       },
       {}},
      // The referral form's message box lies below the frame's visible area.
      {"ExitDialog", [] () -> ui::Form& { frmNagScreen2::instance().Show(); return frmNagScreen2::instance(); },
       {"txtMessage"}},
      {"ReadingInput", [] () -> ui::Form& { launch(Tool::Reading); return frmNumerologyProMain::instance(); }, {}},
      {"ReadingWindow",
       []() -> ui::Form& {
         launch(Tool::Reading);
         type(frmNumerologyProMain::instance(), "txtFirstName", "JOHN");
         type(frmNumerologyProMain::instance(), "txtLastName", "SMITH");
         click(frmNumerologyProMain::instance(), "cmdNext");
         return frmNumerologyProResult::instance();
       },
       {}},
      {"ReadingDisplay",
       []() -> ui::Form& {
         launch(Tool::Reading);
         type(frmNumerologyProMain::instance(), "txtFirstName", "JOHN");
         type(frmNumerologyProMain::instance(), "txtLastName", "SMITH");
         click(frmNumerologyProMain::instance(), "cmdNext");
         click(frmNumerologyProResult::instance(), "cmdDestiny");
         return frmNumerologyProDisp::instance();
       },
       {}},
      {"ReadingComprehensive",
       []() -> ui::Form& {
         launch(Tool::Reading);
         type(frmNumerologyProMain::instance(), "txtFirstName", "JOHN");
         type(frmNumerologyProMain::instance(), "txtLastName", "SMITH");
         click(frmNumerologyProMain::instance(), "cmdNext");
         click(frmNumerologyProResult::instance(), "cmdComprehensiveReading");
         return frmNumerologyProsave::instance();
       },
       {}},
      {"KabbalahInput", [] () -> ui::Form& { launch(Tool::Kabbalah); return frmKabbalahNumerologyMain::instance(); }, {}},
      {"KabbalahResult",
       []() -> ui::Form& {
         launch(Tool::Kabbalah);
         type(frmKabbalahNumerologyMain::instance(), "txtFirstName", "JOHN");
         type(frmKabbalahNumerologyMain::instance(), "txtLastName", "SMITH");
         click(frmKabbalahNumerologyMain::instance(), "cmdNext");
         return frmKabbalahNumerologyDisplay::instance();
       },
       {}},
      {"KabbalahReport",
       []() -> ui::Form& {
         launch(Tool::Kabbalah);
         type(frmKabbalahNumerologyMain::instance(), "txtFirstName", "JOHN");
         type(frmKabbalahNumerologyMain::instance(), "txtLastName", "SMITH");
         click(frmKabbalahNumerologyMain::instance(), "cmdNext");
         click(frmKabbalahNumerologyDisplay::instance(), "cmdPrint");
         return frmKabbalahNumerologySave::instance();
       },
       {}},
      {"ChineseInput", [] () -> ui::Form& { launch(Tool::Chinese); return frmChineseNumerologyMain::instance(); }, {}},
      {"ChineseResult",
       []() -> ui::Form& {
         launch(Tool::Chinese);
         type(frmChineseNumerologyMain::instance(), "txtName", "JOHN SMITH");
         click(frmChineseNumerologyMain::instance(), "cmdProceed");
         return frmChineseNumerologyDisplay::instance();
       },
       {}},
      // The report's Open button is hidden behind its other controls.
      {"ChineseReport",
       []() -> ui::Form& {
         launch(Tool::Chinese);
         type(frmChineseNumerologyMain::instance(), "txtName", "JOHN SMITH");
         click(frmChineseNumerologyMain::instance(), "cmdProceed");
         click(frmChineseNumerologyDisplay::instance(), "cmdSave");
         return frmChineseNumerologySave::instance();
       },
       {"cmdOpen"}},
      {"NameAndBirthNumbers", [] () -> ui::Form& { launch(Tool::NameBirth); return frmNumerologySoftwareOne::instance(); }, {}},
      // The Open button lies below the window's client area.
      {"IChingInput", [] () -> ui::Form& { launch(Tool::IChing); return frmIChingNumerologyMain::instance(); }, {"cmdOpen"}},
      {"IChingResult",
       []() -> ui::Form& {
         launch(Tool::IChing);
         type(frmIChingNumerologyMain::instance(), "txtNameFirst", "John");
         type(frmIChingNumerologyMain::instance(), "txtNameLast", "Smith");
         click(frmIChingNumerologyMain::instance(), "cmdNext");
         return frmIChingNumerologyMain::instance();
       },
       {"cmdOpen"}},
      {"DictionaryFrame", [] () -> ui::Form& { launch(Tool::Dictionary); return MDI::instance(); }, {}},
      {"DictionaryProgress",
       []() -> ui::Form& {
         launch(Tool::Dictionary);
         frmNumerologyDictionaryPB::instance().Show();
         return frmNumerologyDictionaryPB::instance();
       },
       {}},
  };
}

class WindowsFit : public fittest::AllWindowsTest, public ::testing::WithParamInterface<Scenario> {};

TEST_P(WindowsFit, EveryControlShowsWhole) {
  ui::Form& form = GetParam().open();
  ASSERT_TRUE(form.IsVisible()) << seams().lastPrompt().toStdString();
  QWidget* window = form.window();
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

INSTANTIATE_TEST_SUITE_P(Windows, WindowsFit, ::testing::ValuesIn(Scenarios()),
                         [](const ::testing::TestParamInfo<Scenario>& info) { return std::string(info.param.name); });
}  // namespace
