#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include "frm_numerology_pro_disp.h"
#include "frm_numerology_pro_main.h"
#include "frm_numerology_pro_result.h"
#include "frm_numerology_pro_save.h"
#include "test_support.h"

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
  input.control<QLineEdit>(QStringLiteral("txtFirstName"))->setText(QStringLiteral("JOHN"));
  input.control<QLineEdit>(QStringLiteral("txtMiddleName"))->setText(QStringLiteral("PAUL"));
  input.control<QLineEdit>(QStringLiteral("txtLastName"))->setText(QStringLiteral("SMITHERS"));
  save(input.window(), "reading-input.png");
  input.control<QPushButton>(QStringLiteral("cmdNext"))->click();
  save(frmNumerologyProResult::instance().window(), "reading-result.png");
  qztest::seams().onModal = [&](ui::Form& form) { save(form.window(), "reading-display.png"); };
  frmNumerologyProResult::instance().control<QPushButton>(QStringLiteral("cmdLifePath"))->click();
  qztest::seams().onModal = [&](ui::Form& form) { save(form.window(), "reading-comprehensive.png"); };
  frmNumerologyProResult::instance().control<QPushButton>(QStringLiteral("cmdComprehensiveReading"))->click();
}
