// A saved-reading name that is a FIFO or a socket reads as no reading at once, never waited
// on (the Open of each window: the sweep's bad files).
#include <gtest/gtest.h>

#include "common/non_regular_files.h"
#include "common/test_support.h"
#include "reading/core/reading_file.h"

TEST(ReadingNonRegularFiles, ReadRefusesAFifoOrASocketAtOnce) {
  const qztest::FifoAndSocket files("waiting.num", "socket.num");
  ASSERT_TRUE(files.fifoMade());
  ASSERT_TRUE(files.socketMade());
  for (const QString& path : files.paths()) {
    SCOPED_TRACE(path.toStdString());
    qztest::FifoGuard guard(files.fifo);
    EXPECT_FALSE(reading::ReadingFile::Read(path).has_value());
  }
}
