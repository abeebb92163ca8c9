// A Chinese reading or saved report named by a FIFO or a socket reads as unreadable at once.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QStringList>
#include <QTest>

#include "chinese_reading.h"
#include "frm_chinese_numerology_main.h"
#include "non_regular_files.h"
#include "test_support.h"

using qztest::seams;

TEST(ChineseNonRegularFiles, AFifoOrASocketReadsAsUnreadableAtOnce) {
  seams().reset();
  const qztest::FifoAndSocket files("waiting.cnu", "socket.cnu");
  ASSERT_TRUE(files.fifoMade());
  ASSERT_TRUE(files.socketMade());
  frmChineseNumerologyMain& input = frmChineseNumerologyMain::instance();
  input.Show();
  // Each is opened from the input window as a file that cannot be read is: four empty fields,
  // and Calculate asks for the name.
  QStringList prompts;
  for (const QString& path : QStringList{qztest::TempPath("missing.cnu")} + files.paths()) {
    SCOPED_TRACE(path.toStdString());
    {
      qztest::FifoGuard guard(files.fifo);
      EXPECT_FALSE(chinese::ReadChineseReadingFile(path).has_value());
      EXPECT_FALSE(chinese::ReadFirstField(path).has_value());
    }
    QLineEdit* name = input.control<QLineEdit>(QStringLiteral("txtName"));
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Hugh"));
    qztest::OpenThroughDialog(input, path, files.fifo);
    EXPECT_EQ(name->text(), QString());
    prompts << seams().lastPrompt();
    seams().messages.clear();
  }
  EXPECT_EQ(prompts, QStringList(3, QStringLiteral("Please Enter Your Name")));
  input.Unload();
  qztest::UnloadAllWindows();
}
