#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include "common/test_support.h"
#include "reading/frm_numerology_pro_disp.h"
#include "reading/frm_numerology_pro_main.h"
#include "reading/frm_numerology_pro_result.h"
#include "reading/frm_numerology_pro_save.h"

// Saves the reading's windows as pictures when QZ_SCREENSHOT_DIR names a folder.
TEST(ReadingScreenshots, InputReadingAndDisplayWindows) {
  const QString folder = qEnvironmentVariable("QZ_SCREENSHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "set QZ_SCREENSHOT_DIR to save the pictures";
  QDir().mkpath(folder);
  const auto save = [&](QWidget* w, const char* name) {
    EXPECT_TRUE(w->grab().save(QDir(folder).filePath(QString::fromLatin1(name))));
  };
  frmNumerologyProMain& input = frmNumerologyProMain::instance();
  input.Show();
  EXPECT_TRUE(qztest::Enter(input.control<QLineEdit>(QStringLiteral("txtFirstName")), QStringLiteral("JOHN")));
  EXPECT_TRUE(qztest::Enter(input.control<QLineEdit>(QStringLiteral("txtMiddleName")), QStringLiteral("PAUL")));
  EXPECT_TRUE(qztest::Enter(input.control<QLineEdit>(QStringLiteral("txtLastName")), QStringLiteral("SMITHERS")));
  save(input.window(), "reading-input.png");
  EXPECT_TRUE(qztest::Click(input.control<QPushButton>(QStringLiteral("cmdNext"))));
  save(frmNumerologyProResult::instance().window(), "reading-result.png");
  qztest::seams().onModal = [&](ui::Form& form) { save(form.window(), "reading-display.png"); };
  EXPECT_TRUE(qztest::Click(frmNumerologyProResult::instance().control<QPushButton>(QStringLiteral("cmdLifePath"))));
  qztest::seams().onModal = [&](ui::Form& form) { save(form.window(), "reading-comprehensive.png"); };
  EXPECT_TRUE(qztest::Click(
      frmNumerologyProResult::instance().control<QPushButton>(QStringLiteral("cmdComprehensiveReading"))));
}
