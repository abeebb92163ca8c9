// The way a user reaches each window of the suite.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "chinese/frm_chinese_numerology_display.h"
#include "chinese/frm_chinese_numerology_main.h"
#include "chinese/frm_chinese_numerology_save.h"
#include "dictionary/frm_mdi.h"
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

namespace fittest {
void launch(Tool tool) {
  frmMain::instance().Show();
  EXPECT_TRUE(qztest::Click(frmMain::instance().cmdSelectOption(tool)));
}
void click(ui::Form& form, const char* name) {
  EXPECT_TRUE(qztest::Click(form.control<QPushButton>(QString::fromLatin1(name)))) << name;
}
void enter(ui::Form& form, const char* box, const char* text) {
  EXPECT_TRUE(qztest::Enter(form.control<QLineEdit>(QString::fromLatin1(box)), QString::fromLatin1(text))) << box;
}
void readingWindow() {
  launch(Tool::Reading);
  enter(frmNumerologyProMain::instance(), "txtFirstName", "JOHN");
  enter(frmNumerologyProMain::instance(), "txtLastName", "SMITH");
  click(frmNumerologyProMain::instance(), "cmdNext");
}
void kabbalahResult() {
  launch(Tool::Kabbalah);
  enter(frmKabbalahNumerologyMain::instance(), "txtFirstName", "JOHN");
  enter(frmKabbalahNumerologyMain::instance(), "txtLastName", "SMITH");
  click(frmKabbalahNumerologyMain::instance(), "cmdNext");
}
void chineseResult() {
  launch(Tool::Chinese);
  enter(frmChineseNumerologyMain::instance(), "txtName", "JOHN SMITH");
  click(frmChineseNumerologyMain::instance(), "cmdProceed");
}


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
         enter(frmNumerologyProMain::instance(), "txtFirstName", "JOHN");
         enter(frmNumerologyProMain::instance(), "txtLastName", "SMITH");
         click(frmNumerologyProMain::instance(), "cmdNext");
         return frmNumerologyProResult::instance();
       },
       {}},
      {"ReadingDisplay",
       []() -> ui::Form& {
         launch(Tool::Reading);
         enter(frmNumerologyProMain::instance(), "txtFirstName", "JOHN");
         enter(frmNumerologyProMain::instance(), "txtLastName", "SMITH");
         click(frmNumerologyProMain::instance(), "cmdNext");
         click(frmNumerologyProResult::instance(), "cmdDestiny");
         return frmNumerologyProDisp::instance();
       },
       {}},
      {"ReadingComprehensive",
       []() -> ui::Form& {
         launch(Tool::Reading);
         enter(frmNumerologyProMain::instance(), "txtFirstName", "JOHN");
         enter(frmNumerologyProMain::instance(), "txtLastName", "SMITH");
         click(frmNumerologyProMain::instance(), "cmdNext");
         click(frmNumerologyProResult::instance(), "cmdComprehensiveReading");
         return frmNumerologyProsave::instance();
       },
       {}},
      {"KabbalahInput", [] () -> ui::Form& { launch(Tool::Kabbalah); return frmKabbalahNumerologyMain::instance(); }, {}},
      {"KabbalahResult",
       []() -> ui::Form& {
         launch(Tool::Kabbalah);
         enter(frmKabbalahNumerologyMain::instance(), "txtFirstName", "JOHN");
         enter(frmKabbalahNumerologyMain::instance(), "txtLastName", "SMITH");
         click(frmKabbalahNumerologyMain::instance(), "cmdNext");
         return frmKabbalahNumerologyDisplay::instance();
       },
       {}},
      {"KabbalahReport",
       []() -> ui::Form& {
         launch(Tool::Kabbalah);
         enter(frmKabbalahNumerologyMain::instance(), "txtFirstName", "JOHN");
         enter(frmKabbalahNumerologyMain::instance(), "txtLastName", "SMITH");
         click(frmKabbalahNumerologyMain::instance(), "cmdNext");
         click(frmKabbalahNumerologyDisplay::instance(), "cmdPrint");
         return frmKabbalahNumerologySave::instance();
       },
       {}},
      {"ChineseInput", [] () -> ui::Form& { launch(Tool::Chinese); return frmChineseNumerologyMain::instance(); }, {}},
      {"ChineseResult",
       []() -> ui::Form& {
         launch(Tool::Chinese);
         enter(frmChineseNumerologyMain::instance(), "txtName", "JOHN SMITH");
         click(frmChineseNumerologyMain::instance(), "cmdProceed");
         return frmChineseNumerologyDisplay::instance();
       },
       {}},
      // The report's Open button is hidden behind its other controls.
      {"ChineseReport",
       []() -> ui::Form& {
         launch(Tool::Chinese);
         enter(frmChineseNumerologyMain::instance(), "txtName", "JOHN SMITH");
         click(frmChineseNumerologyMain::instance(), "cmdProceed");
         click(frmChineseNumerologyDisplay::instance(), "cmdSave");
         return frmChineseNumerologySave::instance();
       },
       {"cmdOpen"}},
      // Collapsed, the window shows only its input: the result area lies beyond it until
      // Calculate expands it.
      {"NameAndBirthNumbers", [] () -> ui::Form& { launch(Tool::NameBirth); return frmNumerologySoftwareOne::instance(); },
       {"planet", "Image1", "Label3", "elements", "Label6", "letters", "zodiac", "Image2", "Label9", "pcolors",
        "Label11", "scolors", "Label2", "Label12", "promotionHolder", "lblFullBrand", "lblCobrand"}},
      {"NameAndBirthNumbersExpanded",
       []() -> ui::Form& {
         launch(Tool::NameBirth);
         frmNumerologySoftwareOne& form = frmNumerologySoftwareOne::instance();
         enter(form, "Text1", "JOHN SMITH");
         EXPECT_TRUE(qztest::Choose(form.control<QComboBox>(QStringLiteral("myday")), QStringLiteral("15")));
         EXPECT_TRUE(qztest::Choose(form.control<QComboBox>(QStringLiteral("Combo1")), QStringLiteral("March")));
         EXPECT_TRUE(qztest::Choose(form.control<QComboBox>(QStringLiteral("myyear")), QStringLiteral("1980")));
         click(form, "option1");
         EXPECT_TRUE(form.IsExpanded()) << qztest::seams().lastPrompt().toStdString();
         return form;
       },
       {}},
      // The Open button lies below the window's client area.
      {"IChingInput", [] () -> ui::Form& { launch(Tool::IChing); return frmIChingNumerologyMain::instance(); }, {"cmdOpen"}},
      {"IChingResult",
       []() -> ui::Form& {
         launch(Tool::IChing);
         enter(frmIChingNumerologyMain::instance(), "txtNameFirst", "John");
         enter(frmIChingNumerologyMain::instance(), "txtNameLast", "Smith");
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

}  // namespace fittest
