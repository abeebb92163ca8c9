// A Chinese reading or saved report named by a FIFO or a socket reads as unreadable at once.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include "chinese_reading.h"
#include "frm_chinese_numerology_main.h"
#include "special_files.h"
#include "test_support.h"

using qztest::seams;

TEST(ChineseSpecialFiles, AFifoOrASocketReadsAsUnreadableAtOnce) {
  seams().reset();
  const QString fifo = qztest::TempPath("waiting.cnu");
  ASSERT_TRUE(qztest::MakeFifo(fifo));
  const QString socketPath = qztest::TempPath("socket.cnu");
  qztest::SocketFile socket(socketPath);
  ASSERT_TRUE(socket.ok());
  frmChineseNumerologyMain& input = frmChineseNumerologyMain::instance();
  input.Show();
  // Each is opened from the input window as a file that cannot be read is: four empty fields,
  // and Calculate asks for the name.
  QStringList prompts;
  for (const QString& path : {qztest::TempPath("missing.cnu"), fifo, socketPath}) {
    SCOPED_TRACE(path.toStdString());
    qztest::FifoGuard guard(fifo);
    EXPECT_FALSE(chinese::ReadChineseReadingFile(path).has_value());
    EXPECT_FALSE(chinese::ReadFirstField(path).has_value());
    QLineEdit* name = input.control<QLineEdit>(QStringLiteral("txtName"));
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Hugh"));
    seams().fileAnswers.push_back(path);
    QTest::mouseClick(input.control<QPushButton>(QStringLiteral("cmdOpen")), Qt::LeftButton);
    EXPECT_EQ(name->text(), QString());
    prompts << seams().lastPrompt();
    seams().messages.clear();
  }
  EXPECT_EQ(prompts, QStringList(3, QStringLiteral("Please Enter Your Name")));
  input.Unload();
  qztest::UnloadAllWindows();
}
