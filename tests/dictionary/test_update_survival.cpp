// Updates at the edge of the limits, merges killed midway, out of memory or two at once, and
// files beside an update or the dictionary: the dictionary stays readable and whole, nothing
// beside an update file is opened or made, and no merge waits on a file a stranger placed.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <chrono>
#include <functional>
#include <future>
#include <string>

#include "dictionary/core/dictionary_store.h"
#include "dictionary/core/dictionary_merge.h"
#include "dictionary/dictionary_test_support.h"
#include "dictionary/frm_mdi.h"
#include "common/non_regular_files.h"

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

// A child process that runs body and hands back what it returns. Given a pipe (go), it starts
// only once the parent closes the pipe's write end, so that two children start at one moment.
struct Child {
  pid_t pid = -1;
  int report = -1;
  // Waits for the child's end: its report, and "ended by signal N" or "exit N" when it did not
  // end by itself with code 0.
  std::string Wait() {
    std::string out;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(report, buffer, sizeof buffer)) > 0) out.append(buffer, size_t(n));
    ::close(report);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status)) return out + " [ended by signal " + std::to_string(WTERMSIG(status)) + "]";
    if (WEXITSTATUS(status) != 0) return out + " [exit " + std::to_string(WEXITSTATUS(status)) + "]";
    return out;
  }
};
Child StartChild(const std::function<std::string()>& body, const int* go = nullptr) {
  int out[2];
  if (::pipe(out) != 0) return {};
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(out[0]);
    char c;
    if (go) {
      ::close(go[1]);
      (void)!::read(go[0], &c, 1);
    }
    // The child never goes back into the test runner.
    std::string report;
    try {
      report = body();
    } catch (const std::exception& e) {
      report = std::string("threw ") + e.what();
    } catch (...) {
      report = "threw";
    }
    (void)!::write(out[1], report.data(), report.size());
    ::_exit(0);
  }
  ::close(out[1]);
  return {pid, out[0]};
}

std::string OutcomeName(MergeOutcome outcome) {
  switch (outcome) {
    case MergeOutcome::NothingToUpdate: return "NothingToUpdate";
    case MergeOutcome::WrongFile: return "WrongFile";
    case MergeOutcome::NotChanged: return "NotChanged";
    case MergeOutcome::Updated: return "Updated";
  }
  return "?";
}

// Starts a merge of update into dictionary in a child process and kills it once the merge's
// transaction has written pages into the dictionary file, leaving its journal. False when the
// merge ended before that.
bool KillMergeMidway(const QString& update, const QString& dictionary) {
  const QString journal = dictionary + "-journal";
  const qint64 sizeBefore = QFileInfo(dictionary).size();
  std::fflush(nullptr);
  pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    MergeUpdateFile(update);
    ::_exit(0);
  }
  bool midway = false;
  (void)qztest::WaitFor(
      [&] {
        midway = QFileInfo::exists(journal) && QFileInfo(dictionary).size() > sizeBefore;
        if (!midway && ::waitpid(child, nullptr, WNOHANG) == child) child = -1;  // ended by itself
        return midway || child < 0;
      },
      120000);
  if (child > 0) {
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
  }
  return midway && QFileInfo::exists(journal);
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
  ASSERT_TRUE(KillMergeMidway(update, programDictionary())) << "the merge ended before it could be killed";

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
// A sender who controls the update's folder renames a pipe over the update the moment the merge
// first opens it: the merge reads the file it checked, or refuses, and never waits on the pipe.
TEST_F(UpdateSurvival, AnUpdateSwappedForAPipeAtItsFirstOpenNeverBlocksTheMerge) {
  for (const bool earlierFormat : {true, false}) {
    SCOPED_TRACE(earlierFormat ? "update in the earlier format" : "update in the current format");
    WriteDictionary(programDictionary(), {{"A", "https://a.example/", "numerology"}});
    const QString folder = tempFile(earlierFormat ? "swap-earlier" : "swap-current");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString update = folder + "/update.dll";
    WriteCrafted(update, {kTable, "INSERT INTO numerology VALUES ('Swapped', 'https://swapped.example/', 'astro')"},
                 earlierFormat ? kLegacyCipherSettings : kCipherSettings);
    const QByteArray pipe = QFile::encodeName(folder + "/pipe");
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    // The sender's process: watches the update and swaps the pipe in at the first open.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const QByteArray updateName = QFile::encodeName(update);
    Child sender = StartChild([&] {
      const int watch = ::inotify_init1(IN_CLOEXEC);
      if (watch < 0 || ::inotify_add_watch(watch, updateName.constData(), IN_OPEN) < 0) return std::string("no watch");
      (void)!::write(ready[1], "r", 1);
      char event[4096];
      if (::read(watch, event, sizeof event) <= 0) return std::string("no event");
      return std::string(::rename(pipe.constData(), updateName.constData()) == 0 ? "swapped" : "not swapped");
    });
    ::close(ready[1]);
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1) << "the sender's watch did not start";
    ::close(ready[0]);

    MergeResult result;
    {
      qztest::FifoGuard guard(update, std::chrono::seconds(10));
      result = MergeUpdateFile(update);
    }
    ::kill(sender.pid, SIGKILL);  // when nothing opened the update
    EXPECT_EQ(sender.Wait(), "swapped");
    EXPECT_TRUE(result.outcome == MergeOutcome::Updated || result.outcome == MergeOutcome::NotChanged)
        << OutcomeName(result.outcome);
    EXPECT_EQ(links(), result.outcome == MergeOutcome::Updated
                           ? QStringList({"https://a.example/", "https://swapped.example/"})
                           : QStringList({"https://a.example/"}));
  }
}

// A pipe in the place of the dictionary's journal: the frame's read and the merge say the
// dictionary could not be opened or updated, at once, and leave the pipe alone.
TEST_F(UpdateSurvival, APipeInTheJournalsPlaceIsRefusedWithoutBlocking) {
  for (const bool userCopy : {false, true}) {
    SCOPED_TRACE(userCopy ? "the user's own copy" : "the program's dictionary");
    qztest::seams().messages.clear();
    const QString dictionary = userCopy ? userDictionary() : programDictionary();
    WriteDictionary(programDictionary(), {{"Old", "https://old.example/", "numerology"}});
    if (userCopy) WriteDictionary(userDictionary(), {{"Own", "https://own.example/", "numerology"}});
    const QString journal = dictionary + "-journal";
    ASSERT_TRUE(qztest::MakeFifo(journal));
    const QString update = tempFile("update.dll");
    WriteDictionary(update, {{"New", "https://new.example/", "astro"}});
    {
      qztest::FifoGuard guard(journal);
      MDI& frame = MDI::instance();
      frame.Show();
      auto* box = frame.control<QLineEdit>("txtKey");
      QTest::keyClicks(box, "o");
      QTest::keyClick(box, Qt::Key_Return);
      qztest::seams().fileAnswers.push_back(update);
      EXPECT_TRUE(qztest::MenuItem(frame.window(), Qt::Key_F, Qt::Key_U));
      frame.Unload();
    }
    QStringList prompts;
    for (const auto& m : qztest::seams().messages) prompts.append(m.prompt.section('\r', 0, 0));
    ASSERT_FALSE(prompts.isEmpty());
    EXPECT_TRUE(prompts.contains("The numerology dictionary could not be opened.")) << prompts.join(" | ").toStdString();
    EXPECT_EQ(prompts.last(), "The Numerology Dictionary could not be updated.");
    QFileInfo pipe(journal);
    EXPECT_FALSE(pipe.isFile());
    EXPECT_TRUE(pipe.exists());
    QFile::remove(journal);
    EXPECT_EQ(ReadRows(dictionary).size(), 1);
    QFile::remove(userDictionary());
  }
}

// A merge that runs out of memory (an address-space limit, as ulimit -v sets) while it reads a
// large update ends as a merge that could not update the dictionary, which stays as it was.
TEST_F(UpdateSurvival, AMergeOutOfMemoryLeavesTheDictionaryAsItWas) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's allocator ends the process when memory runs out instead of throwing, "
                  "so the program's own handling of it is not what would run";
#endif
  WriteDictionary(programDictionary(), {{"A", "https://a.example/", "numerology"}});
  const QString update = tempFile("million.dll");
  WriteLargeUpdate(update, 1000000);
  Child child = StartChild([&] {
    // Room for what the process holds now and a little more: far less than the update's rows.
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return std::string("no status");
    const QByteArray text = status.readAll();
    const qsizetype at = text.indexOf("VmSize:");
    const rlim_t size = rlim_t(text.mid(at + 7, text.indexOf('\n', at) - at - 7).replace("kB", "").trimmed().toLongLong()) << 10;
    const rlimit limit{size + (40 << 20), size + (40 << 20)};
    if (at < 0 || ::setrlimit(RLIMIT_AS, &limit) != 0) return std::string("no limit");
    const MergeResult result = MergeUpdateFile(update);
    return OutcomeName(result.outcome);
  });
  EXPECT_EQ(child.Wait(), "NotChanged");
  EXPECT_EQ(links(), QStringList{"https://a.example/"});
  EXPECT_FALSE(QFileInfo::exists(programDictionary() + "-journal"));
}

// Two copies of the program merge into a dictionary of the earlier format at the same moment,
// again and again: each merge that says it updated the dictionary left its rows there, and the
// dictionary keeps its own.
TEST_F(UpdateSurvival, TwoMergesAtOnceIntoAnEarlierFormatDictionaryKeepEveryRow) {
  const QString own = QStringLiteral(
      "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c LIMIT 40) "
      "INSERT INTO numerology SELECT 'own ' || x, 'https://own.example/' || x, 'numerology' FROM c");
  const QString updates[] = {tempFile("one.dll"), tempFile("two.dll")};
  for (int u = 0; u < 2; ++u) {
    WriteCrafted(updates[u], {kTable, QStringLiteral("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 "
                                                     "FROM c LIMIT 20) INSERT INTO numerology SELECT 'k' || x, "
                                                     "'https://u%1.example/' || x, 'astro' FROM c")
                                          .arg(u)});
  }
  QElapsedTimer timer;
  timer.start();
  int round = 0;
  for (; round < 200 && timer.elapsed() < 20000; ++round) {
    WriteCrafted(programDictionary(), {kTable, own}, kLegacyCipherSettings);
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    Child merges[2];
    for (int u = 0; u < 2; ++u)
      merges[u] = StartChild([&, u] { return OutcomeName(MergeUpdateFile(updates[u]).outcome); }, go);
    ::close(go[0]);
    ::close(go[1]);
    const std::string said[] = {merges[0].Wait(), merges[1].Wait()};
    int ownRows = 0, added[2] = {0, 0};
    DictionaryDb db;
    QList<DictionaryRow> rows;
    const bool read = db.Open(programDictionary()) && db.ReadAll(rows);
    for (const DictionaryRow& row : rows) {
      if (row.Link.startsWith("https://own.example/")) ++ownRows;
      for (int u = 0; u < 2; ++u) added[u] += row.Link.startsWith(QStringLiteral("https://u%1.example/").arg(u));
    }
    const bool whole = read && ownRows == 40 && rows.size() == 40 + added[0] + added[1] &&
                       [&] {
                         for (int u = 0; u < 2; ++u)
                           if (said[u] == "Updated" ? added[u] != 20 : added[u] != 0) return false;
                         return true;
                       }();
    ASSERT_TRUE(whole) << "round " << round << ": the merges said " << said[0] << " and " << said[1] << "; the "
                       << "dictionary holds " << ownRows << " of its 40 rows, " << added[0] << " and " << added[1]
                       << " of the updates' 20 each";
    EXPECT_EQ(said[0], "Updated") << "round " << round;
    EXPECT_EQ(said[1], "Updated") << "round " << round;
  }
  EXPECT_GE(round, 20);
  EXPECT_EQ(QDir(programDir).entryList(QDir::Files | QDir::System | QDir::Hidden),
            (QStringList{"numerology.dll", "numerology.dll.lock"}));
}

// An administrator's merge into the program's folder is killed midway; a user who may not write
// there reads the dictionary and then updates it: both see the old rows whole, and the user's own
// copy holds them and the update's rows, nothing of the merge that never committed.
TEST_F(UpdateSurvival, AnotherUsersCopyOfAHalfWrittenDictionaryHoldsTheOldRowsWhole) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root: the merge is killed as root and the dictionary read as user 65534";
  SetReadLimits(kNoTimeLimit);
  QList<DictionaryRow> old;
  for (int i = 1; i <= 2000; ++i)
    old.append({QStringLiteral("Old %1").arg(i), QStringLiteral("https://old.example/%1").arg(i), "numerology"});
  WriteDictionary(programDictionary(), old);
  const QString million = tempFile("million.dll");
  WriteLargeUpdate(million, 1000000);
  ASSERT_TRUE(KillMergeMidway(million, programDictionary())) << "the merge ended before it could be killed";
  const QString journal = programDictionary() + "-journal";
  const QString update = tempFile("user-update.dll");
  WriteDictionary(update, {{"New", "https://new.example/", "astro"}});
  // The other user may read the program's folder and the update, and write only its own folder.
  for (const QString& folder : {dir.path(), programDir}) QFile::setPermissions(folder, QFileDevice::Permissions(0x7755));
  for (const QString& file : {programDictionary(), journal, update}) QFile::setPermissions(file, QFileDevice::Permissions(0x6444));
  ASSERT_EQ(::chown(QFile::encodeName(userDir).constData(), 65534, 65534), 0);
  const QByteArray journalBefore = [&] {
    QFile f(journal);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }();

  Child user = StartChild([&] {
    if (::setgroups(0, nullptr) != 0 || ::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0)
      return std::string("could not become user 65534");
    // Counts rows that are not the old ones in their place.
    auto describe = [&](const QList<DictionaryRow>& rows) {
      int inPlace = 0;
      for (qsizetype i = 0; i < rows.size() && i < old.size(); ++i) inPlace += rows[i].Link == old[i].Link;
      QString tail;
      for (qsizetype i = old.size(); i < rows.size() && i < old.size() + 3; ++i) tail += " " + rows[i].Link;
      return QStringLiteral("%1 rows, %2 old in place;%3").arg(rows.size()).arg(inPlace).arg(tail).toStdString();
    };
    std::string report;
    const auto rows = ReadDictionary();
    report += "read: " + (rows ? describe(rows->rows) : std::string("nothing"));
    const MergeResult merged = MergeUpdateFile(update);
    report += " | merge: " + OutcomeName(merged.outcome) + " " + merged.error.toStdString();
    DictionaryDb copy;
    QList<DictionaryRow> copied;
    report += " | copy: " + (copy.Open(userDictionary()) && copy.ReadAll(copied) ? describe(copied) : std::string("none"));
    return report;
  });
  EXPECT_EQ(user.Wait(), "read: 2000 rows, 2000 old in place; | merge: Updated  | copy: 2001 rows, 2000 old in "
                         "place; https://new.example/");
  // The program's folder is as the killed merge left it, for its administrator to roll back.
  QFile after(journal);
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), journalBefore);
  EXPECT_EQ(QDir(userDir).entryList(QDir::Files | QDir::System | QDir::Hidden),
            (QStringList{"numerology.dll", "numerology.dll.lock"}));
}
}  // namespace
