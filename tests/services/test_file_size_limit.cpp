// A save past the file-size limit fails and says so; the process lives on and the old file stays.
#include <gtest/gtest.h>

#include <QFile>

#include <sys/resource.h>

#include "file_io.h"
#include "test_support.h"

namespace {
// Lowers the soft file-size limit for the life of the object.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit lowered = old_;
    lowered.rlim_cur = bytes;
    ok_ = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
  }
  ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old_); }
  bool ok() const { return ok_; }

 private:
  rlimit old_{};
  bool ok_ = false;
};
}  // namespace

TEST(FileSizeLimit, ASaveOverTheLimitFailsAndKeepsTheOldFile) {
  IgnoreFileSizeLimitSignal();
  const QString path = qztest::TempPath("limited.num");
  ASSERT_TRUE(WriteWholeFile(path, "the old reading\r\n"));
  {
    FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.ok());
    QString error;
    EXPECT_FALSE(WriteWholeFile(path, QByteArray(100000, 'x'), &error));
    EXPECT_FALSE(error.isEmpty());
    // Below the limit a save still works.
    EXPECT_TRUE(WriteWholeFile(qztest::TempPath("small.num"), "small\r\n"));
  }
  EXPECT_EQ(ReadFileHead(path), QByteArray("the old reading\r\n"));
}
