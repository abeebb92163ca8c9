// The dictionary file, its rows as the searches see them, and the update merge.
#include <gtest/gtest.h>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <QFile>
#include <QThread>

#include "dictionary/core/dictionary_store.h"
#include "dictionary/core/dictionary_merge.h"
#include "dictionary/dictionary_test_support.h"

using namespace dictionary;
using namespace dicttest;

namespace {
class DictionaryStore : public DictionaryTest {};

TEST_F(DictionaryStore, ReadsRowsInOrderWithNullAsEmptyText) {
  const QString path = tempFile("nulls.dll");
  WriteDictionary(path, {{"First", "https://a.example", "x"}});
  {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    sqlite3_key(db, kDictionaryPassword, int(strlen(kDictionaryPassword)));
    sqlite3_exec(db, "PRAGMA cipher_page_size = 4096; PRAGMA kdf_iter = 4000", nullptr, nullptr, nullptr);
    ASSERT_EQ(sqlite3_exec(db, "INSERT INTO numerology VALUES (NULL, NULL, NULL)", nullptr, nullptr, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "INSERT INTO numerology VALUES ('Last', 'https://z.example', 'astro')", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    sqlite3_close(db);
  }
  const QList<DictionaryRow> rows = ReadRows(path);
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[0].Key, "First");
  EXPECT_TRUE(rows[1].Key.isEmpty() && rows[1].Link.isEmpty() && rows[1].Names.isEmpty());
  EXPECT_EQ(rows[2].Names, "astro");
}

TEST_F(DictionaryStore, UnreadableFilesHaveNoReadableRows) {
  const QString otherKey = tempFile("other-key.dll");
  WriteWithOtherKey(otherKey, {{"A", "https://a.example", "astro"}});
  const QString text = tempFile("text.dll");
  {
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("This is not a database at all, just some text.\n");
  }
  const QString noTable = tempFile("no-table.dll");
  {
    DictionaryDb db;
    ASSERT_TRUE(db.Create(noTable));
    sqlite3* raw = nullptr;
    db.Close();
    ASSERT_EQ(sqlite3_open(QFile::encodeName(noTable).constData(), &raw), SQLITE_OK);
    sqlite3_key(raw, kDictionaryPassword, int(strlen(kDictionaryPassword)));
    sqlite3_exec(raw, "PRAGMA cipher_page_size = 4096; PRAGMA kdf_iter = 4000", nullptr, nullptr, nullptr);
    ASSERT_EQ(sqlite3_exec(raw, "DROP TABLE numerology; CREATE TABLE other (x)", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(raw);
  }
  for (const QString& path : {otherKey, text, noTable, tempFile("missing.dll")}) {
    DictionaryDb db;
    QList<DictionaryRow> rows;
    EXPECT_FALSE(db.Open(path) && db.ReadAll(rows)) << path.toStdString();
    EXPECT_TRUE(rows.isEmpty());
  }
  EXPECT_FALSE(QFile::exists(tempFile("missing.dll")));  // opening never creates a file
}

TEST_F(DictionaryStore, KeptRowsFollowTheFile) {
  WriteDictionary(programDictionary(), {{"One", "https://1", "x"}});
  auto first = ReadDictionary();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->rows.size(), 1);
  EXPECT_EQ(ReadDictionary(), first);  // unchanged file: the same rows
  WriteDictionary(programDictionary(), {{"One", "https://1", "x"}, {"Two", "https://2", "x"}});
  auto second = ReadDictionary();
  ASSERT_TRUE(second);
  EXPECT_EQ(second->rows.size(), 2);
  QFile::remove(programDictionary());
  EXPECT_FALSE(ReadDictionary());
}

// Merge cases: each writes the dictionary and an update file, merges, and checks the outcome
// and the dictionary's links afterwards.
struct MergeCase {
  const char* name;
  QList<DictionaryRow> update;
  MergeOutcome outcome;
  QStringList linksAfter;  // the dictionary starts with https://a.example and https://b.example
  qint64 added;
};

void PrintTo(const MergeCase& c, std::ostream* os) { *os << c.name; }

class MergeCases : public DictionaryStore, public ::testing::WithParamInterface<MergeCase> {};

TEST_P(MergeCases, Merge) {
  const MergeCase& c = GetParam();
  WriteDictionary(programDictionary(),
                  {{"A", "https://a.example", "numerology"}, {"B", "https://b.example", "numerology"}});
  const QString update = tempFile("update.dll");
  WriteDictionary(update, c.update);
  const MergeResult result = MergeUpdateFile(update);
  EXPECT_EQ(result.outcome, c.outcome) << c.name;
  EXPECT_EQ(result.added, c.added) << c.name;
  QStringList links;
  for (const auto& row : ReadRows(programDictionary())) links.append(row.Link);
  EXPECT_EQ(links, c.linksAfter) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, MergeCases,
    ::testing::Values(
        MergeCase{"empty file", {}, MergeOutcome::NothingToUpdate, {"https://a.example", "https://b.example"}, 0},
        MergeCase{"marker Astro first",
                  {{"N", "https://n.example", "Astro"}},
                  MergeOutcome::WrongFile,
                  {"https://a.example", "https://b.example"},
                  0},
        MergeCase{"wrong marker third",
                  {{"N1", "https://n1.example", "astro"},
                   {"N2", "https://n2.example", "astro"},
                   {"N3", "https://n3.example", ""}},
                  MergeOutcome::WrongFile,
                  {"https://a.example", "https://b.example", "https://n1.example", "https://n2.example"},
                  2},
        MergeCase{"all present",
                  {{"A2", "https://a.example", "astro"}, {"B", "https://b.example", "astro"}},
                  MergeOutcome::Updated,
                  {"https://a.example", "https://b.example"},
                  0},
        MergeCase{"duplicate links in one file",
                  {{"N", "https://n.example", "astro"},
                   {"Other key", "https://n.example", "astro"},
                   {"A", "https://A.example", "astro"}},
                  MergeOutcome::Updated,
                  {"https://a.example", "https://b.example", "https://n.example", "https://A.example"},
                  2}),
    [](const auto& info) {
      std::string s = info.param.name;
      for (char& ch : s)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return s;
    });

TEST_F(DictionaryStore, MergeAddsRowsMarkedAstroWithTheirKeys) {
  WriteDictionary(programDictionary(), {{"Destiny", "https://d.example", "numerology"}});
  const QString update = tempFile("update.dll");
  WriteDictionary(update, {{"Destiny", "https://d2.example", "astro"}, {"New", "https://new.example", "astro"}});
  ASSERT_EQ(MergeUpdateFile(update).outcome, MergeOutcome::Updated);
  const auto rows = ReadRows(programDictionary());
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[1].Key, "Destiny");  // a known keyword with a new address is added again
  EXPECT_EQ(rows[2].Key, "New");
  EXPECT_EQ(rows[2].Names, "astro");
}

TEST_F(DictionaryStore, UpdateWithAnotherKeyHasNothingToUpdate) {
  WriteDictionary(programDictionary(), {{"A", "https://a.example", "x"}});
  const QString update = tempFile("update.dll");
  WriteWithOtherKey(update, {{"N", "https://n.example", "astro"}});
  EXPECT_EQ(MergeUpdateFile(update).outcome, MergeOutcome::NothingToUpdate);
  EXPECT_EQ(ReadRows(programDictionary()).size(), 1);
}

TEST_F(DictionaryStore, MergeIntoAMissingOrUnwritableDictionaryChangesNothing) {
  const QString update = tempFile("update.dll");
  WriteDictionary(update, {{"N", "https://n.example", "astro"}});
  // No dictionary at all.
  EXPECT_EQ(MergeUpdateFile(update).outcome, MergeOutcome::NotChanged);
  EXPECT_FALSE(QFile::exists(programDictionary()));
  // A dictionary that another connection holds locked for writing.
  WriteDictionary(programDictionary(), {{"A", "https://a.example", "x"}});
  DictionaryDb locker;
  ASSERT_TRUE(locker.Open(programDictionary(), true));
  ASSERT_TRUE(locker.Begin());
  ASSERT_TRUE(locker.Insert({"Locked", "https://l.example", "x"}));
  const MergeResult result = MergeUpdateFile(update);
  EXPECT_EQ(result.outcome, MergeOutcome::NotChanged);
  EXPECT_EQ(result.added, 0);
  locker.Rollback();
  locker.Close();
  EXPECT_EQ(ReadRows(programDictionary()).size(), 1);
}

TEST_F(DictionaryStore, UnwritableProgramFolderMergesIntoTheUsersCopy) {
  WriteDictionary(programDictionary(), {{"A", "https://a.example", "x"}});
  SetProgramFolderWritable(false);
  EXPECT_EQ(DictionaryPath(), programDictionary());
  const QString update = tempFile("update.dll");
  WriteDictionary(update, {{"N", "https://n.example", "astro"}});
  ASSERT_EQ(MergeUpdateFile(update).outcome, MergeOutcome::Updated);
  EXPECT_EQ(ReadRows(programDictionary()).size(), 1);  // the program's file is untouched
  EXPECT_EQ(ReadRows(userDictionary()).size(), 2);
  EXPECT_EQ(DictionaryPath(), userDictionary());  // and the dictionary reads the copy from now on
  auto rows = ReadDictionary();
  ASSERT_TRUE(rows);
  EXPECT_EQ(rows->rows.size(), 2);
  // A second merge goes to the same copy.
  WriteDictionary(update, {{"M", "https://m.example", "astro"}});
  ASSERT_EQ(MergeUpdateFile(update).outcome, MergeOutcome::Updated);
  EXPECT_EQ(ReadRows(userDictionary()).size(), 3);
}

TEST_F(DictionaryStore, LargeMergeCountsBeyondSixteenBits) {
  QList<DictionaryRow> base, update;
  for (int i = 0; i < 40000; ++i) base.append({QString("K%1").arg(i), QString("https://x.example/%1").arg(i), "n"});
  for (int i = 20000; i < 60000; ++i)
    update.append({QString("K%1").arg(i), QString("https://x.example/%1").arg(i), "astro"});
  WriteDictionary(programDictionary(), base);
  const QString path = tempFile("update.dll");
  WriteDictionary(path, update);
  const MergeResult result = MergeUpdateFile(path);
  EXPECT_EQ(result.outcome, MergeOutcome::Updated);
  EXPECT_EQ(result.added, 20000);
  EXPECT_EQ(result.present, 20000);
  EXPECT_EQ(ReadRows(programDictionary()).size(), 60000);
}
}  // namespace
