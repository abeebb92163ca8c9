// Update files built from the fuzz input through SQL: the input picks the shape of `numerology`
// (a table of odd fields and types, a view, a virtual table, computed fields, triggers, indexes,
// a schema edited behind the engine's back), its rows (values of every type, size and address
// scheme), one statement of its own and up to 131,072 more schema entries, then the file is
// merged as the Update menu would.
#define SQLITE_HAS_CODEC 1
#include <fuzzer/FuzzedDataProvider.h>
#include <sqlite3.h>

#include <QFile>
#include <string>
#include <vector>

#include "dictionary/core/dictionary_db.h"
#include "fuzz_support.h"
#include "fuzz_update_support.h"

using dictionary::kCipherSettings;
using dictionary::kDictionaryPassword;
using dictionary::kLegacyCipherSettings;

namespace {
const char* const kTypes[] = {"TEXT", "BLOB", "INTEGER", "REAL", "ANY", "", "VARCHAR(5)", "NUMERIC"};
const char* const kFieldNames[] = {"Key", "Link", "Names", "key", "LINK", "Extra", "rowid", "\"Key\""};
const char* const kLinks[] = {
    "'https://example.org/a'", "'http://example.org/b'", "'HTTPS://EXAMPLE.ORG/C'", "'javascript:alert(1)'",
    "'file:///etc/passwd'", "'data:text/html,x'", "'smb://host/share'", "'www.example.org'",
    "'https://www.google.com'", "'https://x/' || hex(randomblob(8))", "'https://'", "'https://a b'",
    "'https://x/' || char(10)", "NULL", "x'00ff'", "42", "'mailto:a@b'", "'https://' || printf('%.*c', 3000, 'h')"};
const char* const kNames[] = {"'astro'", "'Astro'", "''", "NULL", "'astro '", "x'617374726f'", "1"};
const char* const kVirtual[] = {"fts3(Key, Link, Names)", "fts4(Key, Link, Names)", "fts5(Key, Link, Names)",
                                "rtree(id, a, b)"};
const char* const kComputed[] = {"'https://x/' || Key", "hex(fts3_tokenizer('simple'))", "printf('%.*c', 400000000, 'x')",
                                 "randomblob(1000000)", "(SELECT count(*) FROM sqlite_master)", "zeroblob(1 << 30)"};

// The rows of extra schema entries (type, name, table, root page, statement) for x = 1, 2, ...
const char* const kEntries[] = {
    "'table', 'e' || x, 'e' || x, 2, 'CREATE TABLE e' || x || ' (a)'",
    "'view', 'e' || x, 'e' || x, 0, 'CREATE VIEW e' || x || ' AS SELECT * FROM numerology'",
    "'view', 'e' || x, 'e' || x, 0, 'CREATE VIEW e' || x || ' AS SELECT * FROM e' || (x + 1)",
    "'index', 'e' || x, 'numerology', 2, 'CREATE INDEX e' || x || ' ON numerology (Link)'",
    "'trigger', 'e' || x, 'numerology', 0, 'CREATE TRIGGER e' || x || ' AFTER INSERT ON numerology BEGIN SELECT 1; END'",
    "'table', 'e' || x, 'e' || x, x + 2, 'CREATE VIRTUAL TABLE e' || x || ' USING fts4(a)'",
    "'view', 'Numerology', 'Numerology', 0, 'CREATE VIEW Numerology AS SELECT 1'"};

template <size_t N>
const char* pick(FuzzedDataProvider& in, const char* const (&list)[N]) {
  return list[in.ConsumeIntegralInRange<size_t>(0, N - 1)];
}

std::string quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out + "'";
}

std::string value(FuzzedDataProvider& in, int field) {
  switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0: return field == 1 ? pick(in, kLinks) : field == 2 ? pick(in, kNames) : "'Keyword'";
    case 1: return quoted(in.ConsumeRandomLengthString(64));
    case 2: return "printf('%.*c', " + std::to_string(in.ConsumeIntegralInRange(0, 1100000)) + ", 'x')";
    case 3: return std::to_string(in.ConsumeIntegral<int64_t>());
    case 4: return "NULL";
    default: return field == 1 ? pick(in, kLinks) : pick(in, kNames);
  }
}

std::vector<std::string> statements(FuzzedDataProvider& in) {
  std::vector<std::string> out;
  const int shape = in.ConsumeIntegralInRange(0, 7);
  const std::string name = in.ConsumeBool() ? "numerology" : in.ConsumeBool() ? "Numerology" : "other";
  std::string fields;
  const int count = in.ConsumeIntegralInRange(1, 5);
  for (int i = 0; i < count; ++i) {
    if (i) fields += ", ";
    fields += i < 3 && in.ConsumeBool() ? std::string(i == 0 ? "Key" : i == 1 ? "Link" : "Names") : pick(in, kFieldNames);
    fields += std::string(" ") + pick(in, kTypes);
  }
  switch (shape) {
    case 0:
    case 1:
      out.push_back("CREATE TABLE " + name + " (" + fields + ")" + (in.ConsumeBool() ? " STRICT" : ""));
      break;
    case 2:
      out.push_back("CREATE TABLE " + name + " (Key TEXT PRIMARY KEY, Link TEXT, Names TEXT) WITHOUT ROWID");
      break;
    case 3:
      out.push_back("CREATE VIEW " + name + " AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c LIMIT " +
                    std::to_string(in.ConsumeIntegralInRange(0, 1 << 30)) + ") SELECT 'k' || x AS Key, " +
                    pick(in, kLinks) + " AS Link, " + pick(in, kNames) + " AS Names FROM c");
      break;
    case 4:
      out.push_back("CREATE VIRTUAL TABLE " + name + " USING " + pick(in, kVirtual));
      break;
    case 5:
      out.push_back("CREATE TABLE " + name + " (Key TEXT, Names TEXT, Link TEXT AS (" + pick(in, kComputed) + ")" +
                    (in.ConsumeBool() ? " STORED" : "") + ")");
      break;
    case 6:
      out.push_back("CREATE TABLE " + name + " (Key TEXT, Link TEXT, Names TEXT)");
      out.push_back("CREATE TRIGGER t AFTER INSERT ON " + name + " BEGIN UPDATE " + name +
                    " SET Link = 'javascript:x'; END");
      out.push_back("CREATE INDEX i ON " + name + " (" + (in.ConsumeBool() ? "Link" : "lower(Key) || Link") + ")");
      break;
    default:
      out.push_back("CREATE TABLE " + name + " (Key TEXT, Link TEXT, Names TEXT)");
      out.push_back("PRAGMA writable_schema = ON");
      out.push_back("UPDATE sqlite_master SET sql = " + quoted(in.ConsumeRandomLengthString(200)) +
                    " WHERE name = '" + name + "'");
      out.push_back("PRAGMA writable_schema = OFF");
      break;
  }
  const int rows = in.ConsumeIntegralInRange(0, 12);
  for (int r = 0; r < rows; ++r)
    out.push_back("INSERT INTO " + name + " (Key, Link, Names) VALUES (" + value(in, 0) + ", " + value(in, 1) + ", " +
                  value(in, 2) + ")");
  // One statement of the input's own, under the guard below.
  if (in.ConsumeBool()) out.push_back(in.ConsumeRandomLengthString(300));
  // Many more schema entries, written straight into the schema table so the file is made at once.
  if (in.ConsumeBool()) {
    const int count = in.ConsumeIntegralInRange(1, 1 << in.ConsumeIntegralInRange(0, 17));
    out.push_back("PRAGMA writable_schema = ON");
    out.push_back("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c LIMIT " + std::to_string(count) +
                  ") INSERT INTO sqlite_schema SELECT " + pick(in, kEntries) + " FROM c");
    out.push_back("PRAGMA writable_schema = OFF");
  }
  return out;
}

// The statements run on the fuzzer's own connection: it may write only this one file.
int guard(void*, int action, const char* a, const char*, const char*, const char*) {
  if (action == SQLITE_ATTACH || action == SQLITE_DETACH) return SQLITE_DENY;
  if (action == SQLITE_FUNCTION && a && std::string(a) == "load_extension") return SQLITE_DENY;
  return SQLITE_OK;
}

bool build(const QString& path, FuzzedDataProvider& in) {
  QFile::remove(path);
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK) {
    sqlite3_close(db);
    return false;
  }
  sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 4 << 20);
  sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
  sqlite3_set_authorizer(db, guard, nullptr);
  static int ticks;
  ticks = 0;
  sqlite3_progress_handler(db, 10000, [](void* n) { return ++*static_cast<int*>(n) > 2000 ? 1 : 0; }, &ticks);
  sqlite3_key(db, kDictionaryPassword, int(strlen(kDictionaryPassword)));
  sqlite3_exec(db, in.ConsumeIntegralInRange(0, 7) == 0 ? kLegacyCipherSettings : kCipherSettings, nullptr, nullptr,
               nullptr);
  for (const std::string& sql : statements(in)) {
    // VACUUM INTO writes another file.
    if (sql.find("VACUUM") != std::string::npos || sql.find("vacuum") != std::string::npos) continue;
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
  }
  sqlite3_close(db);
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qzfuzz::App();
  qzfuzz::MakeDictionaryTemplate();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const QString update = qzfuzz::Scratch(QStringLiteral("update-schema.dat"));
  if (build(update, in)) qzfuzz::MergeAndCheck(update);
  return 0;
}
