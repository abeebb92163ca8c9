// Times the comprehensive reading: all twenty-two sections laid out into the comprehensive
// window's rich text box, from the person on the input window. Prints the median of the runs.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "reading/frm_numerology_pro_main.h"
#include "reading/frm_numerology_pro_result.h"
#include "reading/frm_numerology_pro_save.h"
#include "ui/msgbox.h"
#include "ui/rich_text_box.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
  ui::SetMsgBoxHandler([](const ui::MsgBoxCall&) { return ui::MsgAnswer::Ok; });
  ui::SetModalHandler([](ui::Form&) {});

  frmNumerologyProMain& input = frmNumerologyProMain::instance();
  input.control<QLineEdit>(QStringLiteral("txtFirstName"))->setText(QStringLiteral("JOHN"));
  input.control<QLineEdit>(QStringLiteral("txtMiddleName"))->setText(QStringLiteral("PAUL"));
  input.control<QLineEdit>(QStringLiteral("txtLastName"))->setText(QStringLiteral("SMITHERS"));
  input.cmdNext_Click();

  std::vector<double> ms;
  int characters = 0;
  for (int i = 0; i < runs; ++i) {
    frmNumerologyProsave::instance().Unload();  // each reading starts from an empty box
    QElapsedTimer t;
    t.start();
    frmNumerologyProResult::instance().cmdComprehensiveReading_Click();
    ms.push_back(t.nsecsElapsed() / 1e6);
    characters = frmNumerologyProsave::instance().control<ui::RichTextBox>(QStringLiteral("RTB"))->Text().size();
  }
  std::sort(ms.begin(), ms.end());
  std::printf("comprehensive reading   %8.1f ms  (median of %d, %d characters)\n", ms[ms.size() / 2], runs,
              characters);
  return 0;
}
