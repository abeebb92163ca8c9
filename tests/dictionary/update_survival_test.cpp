// Updates at the edge of the limits, merges killed midway and files beside an update: the
// dictionary stays readable and whole, and nothing beside an update file is opened or made.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <chrono>
#include <future>

#include "dictionary/core/dictionary_store.h"
#include "dictionary/dictionary_test_support.h"
#include "dictionary/frm_mdi.h"

using namespace dictionary;
using namespace dicttest;

namespace {
const QString kTable = QStringLiteral("CREATE TABLE numerology (Key TEXT, Link TEXT, Names TEXT)");

// An update of `count` good rows ("k1" .. with links https://x.example/1 ..), made in one statement.
void WriteLargeUpdate(const QString& path, int count) {
  WriteCrafted(path, {kTable, QStringLiteral("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c "
                                             "LIMIT %1) INSERT INTO numerology "
                                             "SELECT 'k' || x, 'https://x.example/' || x, 'astro' FROM c")
                                  .arg(count)});
}

class UpdateSurvival : public DictionaryTest {
 protected:
  void TearDown() override {
    SetReadLimits();
    DictionaryTest::TearDown();
  }
  QStringList links() {
    QStringList out;
    for (const auto& row : ReadRows(programDictionary())) out.append(row.Link);
    return out;
  }
};

// The update's time limit is off where a large update is merged: on a busy machine a million rows
// take longer than it allows, and the sizes are under test, not the machine's speed.
constexpr ReadLimits kNoTimeLimit{.maxMilliseconds = 0};

TEST_F(UpdateSurvival, AMillionRowUpdateLeavesADictionaryTheSearchesRead) {
  SetReadLimits(kNoTimeLimit);
  WriteDictionary(programDictionary(), {{"A", "https://a.example/", "numerology"}});
  const QString update = tempFile("million.dll");
  WriteLargeUpdate(update, 1000000);
  const MergeResult result = MergeUpdateFile(update);
  ASSERT_EQ(result.outcome, MergeOutcome::Updated) << result.error.toStdString();
  EXPECT_EQ(result.added, 1000000);
  const auto rows = ReadDictionary();
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->rows.size(), 1000001);
  EXPECT_EQ(rows->rows.first().Key, "A");
  EXPECT_EQ(rows->rows.last().Link, "https://x.example/1000000");
}

// A merge whose result the dictionary's own reads would refuse is refused before it commits, and
// the dictionary stays as it was.
TEST_F(UpdateSurvival, AMergeTheDictionaryCouldNotReadIsRefusedBeforeItCommits) {
  const QString update = tempFile("fifty.dll");
  WriteLargeUpdate(update, 50);
  // The dictionary's one row holds 29 bytes of text; the update's fifty, 1,382.
  struct Case {
    const char* name;
    ReadLimits dictionary;
    MergeOutcome outcome;
  };
  for (const Case& c : {Case{"one row too many", {.maxRows = 50}, MergeOutcome::NotChanged},
                        Case{"just room for the rows", {.maxRows = 51}, MergeOutcome::Updated},
                        Case{"one byte too many", {.maxTotalBytes = 29 + 1382 - 1}, MergeOutcome::NotChanged},
                        Case{"just room for the text", {.maxTotalBytes = 29 + 1382}, MergeOutcome::Updated}}) {
    SCOPED_TRACE(c.name);
    WriteDictionary(programDictionary(), {{"A", "https://a.example/", "numerology"}});
    SetReadLimits({}, c.dictionary);
    const MergeResult result = MergeUpdateFile(update);
    EXPECT_EQ(result.outcome, c.outcome) << result.error.toStdString();
    ASSERT_TRUE(ReadDictionary());
    EXPECT_EQ(ReadDictionary()->rows.size(), c.outcome == MergeOutcome::Updated ? 51 : 1);
    if (c.outcome != MergeOutcome::Updated) {
      EXPECT_EQ(links(), QStringList{"https://a.example/"});
    }
  }
}

// A merge killed while its transaction has written pages into the dictionary leaves a journal
// that the next read rolls back: a search finds the old rows, all of them and nothing else.
TEST_F(UpdateSurvival, AMergeKilledMidwayLeavesTheOldRowsWhole) {
  SetReadLimits(kNoTimeLimit);
  QList<DictionaryRow> old;
  for (int i = 1; i <= 2000; ++i)
    old.append({QStringLiteral("Old %1").arg(i), QStringLiteral("https://old.example/%1").arg(i), "numerology"});
  WriteDictionary(programDictionary(), old);
  const QString update = tempFile("million.dll");
  WriteLargeUpdate(update, 1000000);
  const QString journal = programDictionary() + "-journal";
  const qint64 sizeBefore = QFileInfo(programDictionary()).size();

  std::fflush(nullptr);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    MergeUpdateFile(update);
    ::_exit(0);
  }
  // Killed once the transaction's pages reach the dictionary file.
  bool midway = false;
  (void)qztest::WaitFor(
      [&] {
        midway = QFileInfo::exists(journal) && QFileInfo(programDictionary()).size() > sizeBefore;
        if (!midway && ::waitpid(child, nullptr, WNOHANG) == child) child = -1;  // ended by itself
        return midway || child < 0;
      },
      120000);
  if (child > 0) {
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
  }
  ASSERT_TRUE(midway) << "the merge ended before it could be killed";
  ASSERT_TRUE(QFileInfo::exists(journal));

  MDI& frame = MDI::instance();
  frame.Show();
  auto* box = frame.control<QLineEdit>("txtKey");
  QTest::keyClicks(box, "old 1999");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(frame.ListedKeys(), QStringList{"Old 1999"});
  const auto rows = ReadDictionary();
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->rows.size(), old.size());
  for (qsizetype i = 0; i < old.size(); ++i) {
    EXPECT_EQ(rows->rows[i].Key, old[i].Key);
    EXPECT_EQ(rows->rows[i].Link, old[i].Link);
  }
  EXPECT_FALSE(QFileInfo::exists(journal));
}

// The engine opens nothing beside an update file: not a pipe in the journal's place (which would
// block the open for ever), nor the write-ahead log and index of an update in that mode.
TEST_F(UpdateSurvival, NothingBesideTheUpdateIsOpenedOrMade) {
  WriteDictionary(programDictionary(), {{"A", "https://a.example/", "numerology"}});
  const QString piped = tempFile("piped");
  ASSERT_TRUE(QDir().mkpath(piped));
  const QString update = piped + "/update.dll";
  WriteDictionary(update, {{"Piped", "https://piped.example/", "astro"}});
  const QByteArray fifo = QFile::encodeName(update + "-journal");
  ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
  auto merge = std::async(std::launch::async, [&] { return MergeUpdateFile(update); });
  const bool finished = merge.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
  if (!finished) {
    // Lets a blocked open go on, so that the test ends.
    const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  }
  EXPECT_TRUE(finished) << "the merge opened the pipe beside the update";
  EXPECT_EQ(merge.get().outcome, MergeOutcome::Updated);

  const QString logged = tempFile("logged");
  ASSERT_TRUE(QDir().mkpath(logged));
  const QString walUpdate = logged + "/update.dll";
  WriteCrafted(walUpdate,
               {"PRAGMA journal_mode = WAL", kTable, "INSERT INTO numerology VALUES ('Wal', 'https://wal.example/', 'astro')"});
  ASSERT_EQ(QDir(logged).entryList(QDir::Files | QDir::System), QStringList{"update.dll"});
  const MergeResult result = MergeUpdateFile(walUpdate);
  EXPECT_EQ(result.outcome, MergeOutcome::Updated) << result.error.toStdString();
  EXPECT_EQ(QDir(logged).entryList(QDir::Files | QDir::System), QStringList{"update.dll"});
  EXPECT_EQ(links(), (QStringList{"https://a.example/", "https://piped.example/", "https://wal.example/"}));
}
}  // namespace
