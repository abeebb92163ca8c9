// A save past the file-size limit fails and says why; the process lives on and the old file stays.
#include <gtest/gtest.h>

#include <QFile>

#include <cerrno>
#include <cstring>

#include "common/test_support.h"
#include "services/file_io.h"

TEST(FileSizeLimit, ASaveOverTheLimitFailsAndKeepsTheOldFile) {
  const QString path = qztest::TempPath("limited.num");
  ASSERT_TRUE(WriteWholeFile(path, "the old reading\r\n"));
  const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));
  // Past the limit at once, and part way through the data.
  for (const qsizetype size : {qsizetype(100000), qsizetype(6000)}) {
    qztest::FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.ok());
    QString error;
    EXPECT_FALSE(WriteWholeFile(path, QByteArray(size, 'x'), &error)) << size;
    EXPECT_EQ(error, tooLarge) << size;
    // Below the limit a save still works.
    EXPECT_TRUE(WriteWholeFile(qztest::TempPath("small.num"), "small\r\n"));
  }
  EXPECT_EQ(ReadFileHead(path), QByteArray("the old reading\r\n"));
}
