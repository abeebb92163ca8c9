// Renders the three windows to PNG files in $QZ_SCREENSHOT_DIR for a look by eye.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "chinese/frm_chinese_numerology_display.h"
#include "chinese/frm_chinese_numerology_main.h"
#include "chinese/frm_chinese_numerology_save.h"
#include "common/test_support.h"

TEST(ChineseScreenshots, ThreeWindows) {
  const QString dir = qEnvironmentVariable("QZ_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "QZ_SCREENSHOT_DIR not set";
  QDir().mkpath(dir);
  qztest::seams().reset();
  auto& input = frmChineseNumerologyMain::instance();
  input.Show();
  QTest::qWait(100);
  input.window()->grab().save(QDir(dir).filePath("chinese-main.png"));
  input.control<QLineEdit>("txtName")->setText(qEnvironmentVariable("QZ_SCREENSHOT_NAME", "Ann"));
  input.control<QComboBox>("cboDate")->setCurrentText(qEnvironmentVariable("QZ_SCREENSHOT_DAY", "12"));
  input.control<QComboBox>("cboMonth")->setCurrentText(qEnvironmentVariable("QZ_SCREENSHOT_MONTH", "March"));
  input.control<QComboBox>("cboYear")->setCurrentText(qEnvironmentVariable("QZ_SCREENSHOT_YEAR", "2013"));
  input.cmdProceed_Click();
  auto& display = frmChineseNumerologyDisplay::instance();
  QTest::qWait(100);
  display.window()->grab().save(QDir(dir).filePath("chinese-display.png"));
  qztest::seams().onModal = [dir](ui::Form& form) {
    QTest::qWait(100);
    form.window()->grab().save(QDir(dir).filePath("chinese-save.png"));
  };
  display.cmdSave_Click();
  frmChineseNumerologySave::instance().Unload();
  display.Unload();
}
