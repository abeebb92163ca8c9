// Times every calculation of every tool for the longest names its boxes take: each name box
// filled to its length limit (a box without a limit gets 32,767 letters, as many as a reading
// file keeps), then each calculation run as its button runs it. Prints the slowest of the runs.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "chinese/frm_chinese_numerology_main.h"
#include "chinese/frm_chinese_numerology_save.h"
#include "iching/frm_iching_numerology_main.h"
#include "kabbalah/frm_kabbalah_numerology_main.h"
#include "kabbalah/frm_kabbalah_numerology_save.h"
#include "namebirth/frm_numerology_software_one.h"
#include "reading/core/comprehensive.h"
#include "reading/frm_numerology_pro_main.h"
#include "reading/frm_numerology_pro_result.h"
#include "reading/frm_numerology_pro_save.h"
#include "ui/msgbox.h"

namespace {
constexpr int kUnlimited = 32767;

// Fills the box to its limit with letters that give every letter value and many ties.
void fill(ui::Form& form, const char* name) {
  auto* box = form.control<QLineEdit>(QString::fromLatin1(name));
  const int length = std::min(box->maxLength(), kUnlimited);
  QString text(length, QLatin1Char('A'));
  for (int i = 0; i < length; ++i) text[i] = QLatin1Char(char('A' + (i * 7) % 26));
  box->setText(text);
}

void choose(ui::Form& form, const char* name, const QString& item) {
  auto* list = form.control<QComboBox>(QString::fromLatin1(name));
  const int index = list->findText(item);
  if (index >= 0) list->setCurrentIndex(index);
  else list->setEditText(item);
}

double worst = 0;
int runs = 3;
QString said;  // the last message box of a run: a calculation that refused the input

void time(const char* what, const std::function<void()>& prepare, const std::function<void()>& run) {
  double slowest = 0;
  for (int i = 0; i < runs; ++i) {
    prepare();
    said.clear();
    QElapsedTimer t;
    t.start();
    run();
    slowest = std::max(slowest, t.nsecsElapsed() / 1e6);
  }
  worst = std::max(worst, slowest);
  std::printf("  %-34s %8.1f ms%s\n", what, slowest, said.isEmpty() ? "" : qPrintable(" (said: " + said + ")"));
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
  ui::SetMsgBoxHandler([](const ui::MsgBoxCall& call) {
    said = call.prompt;
    return ui::MsgAnswer::Ok;
  });
  ui::SetModalHandler([](ui::Form&) {});
  ui::SetEndProcessHandler([](int) {});  // closing a tool's last window does not end the run
  std::printf("longest names (slowest of %d runs)\n", runs);

  // The reading: every number's button and the comprehensive reading.
  frmNumerologyProMain& input = frmNumerologyProMain::instance();
  for (const char* box : {"txtFirstName", "txtMiddleName", "txtLastName"}) fill(input, box);
  input.cmdNext_Click();
  frmNumerologyProResult& result = frmNumerologyProResult::instance();
  for (const reading::ReadingNumber& number : reading::ReadingNumbers()) {
    const QByteArray label = ("reading " + number.button).toUtf8();
    time(label.constData(), [] {}, [&] { result.RunNumber(number.button); });
  }
  time("reading comprehensive", [] { frmNumerologyProsave::instance().Unload(); },
       [&] { result.cmdComprehensiveReading_Click(); });

  // Kabbalah: the interpretation and its report.
  frmKabbalahNumerologyMain& kabbalah = frmKabbalahNumerologyMain::instance();
  time(
      "kabbalah interpretation",
      [&] {
        kabbalah.Show();
        for (const char* box : {"txtFirstName", "txtMiddleName", "txtLastName"}) fill(kabbalah, box);
        choose(kabbalah, "cmbDate", QStringLiteral("6"));
        choose(kabbalah, "cmbMonth", QStringLiteral("August"));
        choose(kabbalah, "cmbYear", QStringLiteral("1979"));
      },
      [&] { kabbalah.cmdNext_Click(); });
  time("kabbalah report", [] { frmKabbalahNumerologySave::instance().Unload(); },
       [] { frmKabbalahNumerologySave::instance().Load(); });

  // Chinese: the favourable number and the report.
  time(
      "chinese calculate",
      [] {
        frmChineseNumerologyMain& chinese = frmChineseNumerologyMain::instance();
        chinese.Show();
        fill(chinese, "txtName");
        choose(chinese, "cboDate", QStringLiteral("6"));
        choose(chinese, "cboMonth", QStringLiteral("August"));
        choose(chinese, "cboYear", QStringLiteral("1979"));
      },
      [] { frmChineseNumerologyMain::instance().cmdProceed_Click(); });
  time("chinese report", [] { frmChineseNumerologySave::instance().Unload(); },
       [] { frmChineseNumerologySave::instance().Load(); });

  // Name and birth numbers.
  frmNumerologySoftwareOne& software = frmNumerologySoftwareOne::instance();
  time(
      "numerology software calculate",
      [&] {
        software.Option2_Click();
        fill(software, "Text1");
        choose(software, "Combo1", QStringLiteral("August"));
        choose(software, "myday", QStringLiteral("06"));
        choose(software, "myyear", QStringLiteral("1979"));
      },
      [&] { software.option1_Click(); });

  // I Ching: the luck of the name's lengths.
  frmIChingNumerologyMain& iching = frmIChingNumerologyMain::instance();
  time(
      "iching calculate",
      [&] {
        iching.Show();
        iching.cmdBack_Click();
        for (const char* box : {"txtNameFirst", "txtNameMiddle", "txtNameLast"}) fill(iching, box);
      },
      [&] { iching.cmdNext_Click(); });

  std::printf("  %-34s %8.1f ms\n", "slowest calculation", worst);
  return 0;
}
