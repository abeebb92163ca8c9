// A Chinese reading or saved report named by a FIFO or a socket reads as unreadable at once
// (the Open of each window: the sweep's bad files).
#include <gtest/gtest.h>

#include "chinese/core/chinese_reading.h"
#include "common/non_regular_files.h"
#include "common/test_support.h"

TEST(ChineseNonRegularFiles, AFifoOrASocketReadsAsUnreadableAtOnce) {
  const qztest::FifoAndSocket files("waiting.cnu", "socket.cnu");
  ASSERT_TRUE(files.fifoMade());
  ASSERT_TRUE(files.socketMade());
  for (const QString& path : files.paths()) {
    SCOPED_TRACE(path.toStdString());
    qztest::FifoGuard guard(files.fifo);
    EXPECT_FALSE(chinese::ReadChineseReadingFile(path).has_value());
    EXPECT_FALSE(chinese::ReadFirstField(path).has_value());
  }
}
