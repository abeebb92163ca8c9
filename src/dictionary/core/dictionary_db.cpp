#include "dictionary_db.h"

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <dlfcn.h>

#include <QFile>
#include <cstring>
#include <type_traits>

namespace dictionary {
namespace {
// The database engine, loaded on first use so that starting the program never pays for it.
struct Engine {
  bool loaded = false;
  decltype(&::sqlite3_bind_text16) bind_text16 = nullptr;
  decltype(&::sqlite3_busy_timeout) busy_timeout = nullptr;
  decltype(&::sqlite3_close) close = nullptr;
  decltype(&::sqlite3_column_bytes16) column_bytes16 = nullptr;
  decltype(&::sqlite3_column_count) column_count = nullptr;
  decltype(&::sqlite3_column_name) column_name = nullptr;
  decltype(&::sqlite3_column_text16) column_text16 = nullptr;
  decltype(&::sqlite3_errmsg) errmsg = nullptr;
  decltype(&::sqlite3_exec) exec = nullptr;
  decltype(&::sqlite3_finalize) finalize = nullptr;
  decltype(&::sqlite3_free) free = nullptr;
  decltype(&::sqlite3_key) key = nullptr;
  decltype(&::sqlite3_open_v2) open_v2 = nullptr;
  decltype(&::sqlite3_prepare_v2) prepare_v2 = nullptr;
  decltype(&::sqlite3_reset) reset = nullptr;
  decltype(&::sqlite3_step) step = nullptr;
};

const Engine& engine() {
  static const Engine e = [] {
    Engine out;
    void* library = dlopen("libsqlcipher.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!library) return out;
    bool all = true;
    auto bind = [&](auto& fn, const char* name) {
      fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(dlsym(library, name));
      all = all && fn != nullptr;
    };
    bind(out.bind_text16, "sqlite3_bind_text16");
    bind(out.busy_timeout, "sqlite3_busy_timeout");
    bind(out.close, "sqlite3_close");
    bind(out.column_bytes16, "sqlite3_column_bytes16");
    bind(out.column_count, "sqlite3_column_count");
    bind(out.column_name, "sqlite3_column_name");
    bind(out.column_text16, "sqlite3_column_text16");
    bind(out.errmsg, "sqlite3_errmsg");
    bind(out.exec, "sqlite3_exec");
    bind(out.finalize, "sqlite3_finalize");
    bind(out.free, "sqlite3_free");
    bind(out.key, "sqlite3_key");
    bind(out.open_v2, "sqlite3_open_v2");
    bind(out.prepare_v2, "sqlite3_prepare_v2");
    bind(out.reset, "sqlite3_reset");
    bind(out.step, "sqlite3_step");
    out.loaded = all;
    return out;
  }();
  return e;
}
}  // namespace

bool DatabaseEngineAvailable() { return engine().loaded; }

const char* const kDictionaryPassword = "Kx7Pw2Rt9Lm4Qa8Zn5";

namespace {
QString columnText(sqlite3_stmt* st, int column) {
  if (column < 0) return QString();
  const void* text = engine().column_text16(st, column);
  if (!text) return QString();  // NULL reads as empty text
  const int bytes = engine().column_bytes16(st, column);
  return QString(reinterpret_cast<const QChar*>(text), bytes / int(sizeof(QChar)));
}
}  // namespace

DictionaryDb::~DictionaryDb() { Close(); }

bool DictionaryDb::fail() {
  error_ = db_ ? QString::fromUtf8(engine().errmsg(db_)) : QStringLiteral("no database");
  return false;
}

bool DictionaryDb::exec(const char* sql) {
  if (!db_) return fail();
  char* message = nullptr;
  if (engine().exec(db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
    error_ = QString::fromUtf8(message ? message : "error");
    engine().free(message);
    return false;
  }
  return true;
}

void DictionaryDb::applyKey() {
  engine().key(db_, kDictionaryPassword, int(std::strlen(kDictionaryPassword)));
  // Pages of 4 KiB read in about half the time of the 1 KiB default. The password is the
  // program's own, so a long key derivation guards nothing and only delays every open.
  engine().exec(db_, "PRAGMA cipher_page_size = 4096; PRAGMA kdf_iter = 4000", nullptr, nullptr, nullptr);
}

bool DictionaryDb::Open(const QString& path, bool writable) {
  Close();
  if (!engine().loaded) {
    error_ = QStringLiteral("the database engine (libsqlcipher) is not available");
    return false;
  }
  if (path.isEmpty() || !QFile::exists(path)) {
    error_ = QStringLiteral("file not found");
    return false;
  }
  const int flags = writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
  // The path goes to the engine as its own argument.
  if (engine().open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr) != SQLITE_OK) {
    fail();
    Close();
    return false;
  }
  engine().busy_timeout(db_, 2000);
  applyKey();
  // A wrong key or another format shows here, at the first read of the schema.
  if (!exec("SELECT count(*) FROM sqlite_master")) {
    Close();
    return false;
  }
  return true;
}

bool DictionaryDb::Create(const QString& path) {
  if (!engine().loaded) {
    error_ = QStringLiteral("the database engine (libsqlcipher) is not available");
    return false;
  }
  Close();
  QFile::remove(path);
  if (engine().open_v2(QFile::encodeName(path).constData(), &db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
    fail();
    Close();
    return false;
  }
  applyKey();
  if (!exec("CREATE TABLE numerology (Key TEXT, Link TEXT, Names TEXT)")) {
    Close();
    return false;
  }
  return true;
}

void DictionaryDb::Close() {
  if (insert_) {
    engine().finalize(insert_);
    insert_ = nullptr;
  }
  if (db_) {
    if (inTransaction_) engine().exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    engine().close(db_);
    db_ = nullptr;
  }
  inTransaction_ = false;
}

bool DictionaryDb::ReadAll(QList<DictionaryRow>& rows) {
  rows.clear();
  if (!db_) return fail();
  sqlite3_stmt* st = nullptr;
  if (engine().prepare_v2(db_, "SELECT * FROM numerology ORDER BY rowid", -1, &st, nullptr) != SQLITE_OK)
    return fail();
  // Fields by name, as the table may hold more of them or lack `Names`.
  int key = -1, link = -1, names = -1;
  for (int c = 0; c < engine().column_count(st); ++c) {
    const QString name = QString::fromUtf8(engine().column_name(st, c));
    if (name.compare(QLatin1String("Key"), Qt::CaseInsensitive) == 0) key = c;
    else if (name.compare(QLatin1String("Link"), Qt::CaseInsensitive) == 0) link = c;
    else if (name.compare(QLatin1String("Names"), Qt::CaseInsensitive) == 0) names = c;
  }
  int rc;
  while ((rc = engine().step(st)) == SQLITE_ROW)
    rows.append({columnText(st, key), columnText(st, link), columnText(st, names)});
  engine().finalize(st);
  if (rc != SQLITE_DONE) {
    rows.clear();
    return fail();
  }
  return true;
}

bool DictionaryDb::Begin() {
  if (!exec("BEGIN IMMEDIATE")) return false;
  inTransaction_ = true;
  return true;
}

bool DictionaryDb::Insert(const DictionaryRow& row) {
  if (!db_) return fail();
  if (!insert_ &&
      engine().prepare_v2(db_, "INSERT INTO numerology (Key, Link, Names) VALUES (?, ?, ?)", -1, &insert_,
                         nullptr) != SQLITE_OK) {
    insert_ = nullptr;
    return fail();
  }
  engine().reset(insert_);
  const QString* fields[] = {&row.Key, &row.Link, &row.Names};
  for (int i = 0; i < 3; ++i)
    engine().bind_text16(insert_, i + 1, fields[i]->utf16(), int(fields[i]->size() * sizeof(QChar)),
                        SQLITE_TRANSIENT);
  if (engine().step(insert_) != SQLITE_DONE) return fail();
  return true;
}

bool DictionaryDb::Commit() {
  if (!inTransaction_) return fail();
  if (!exec("COMMIT")) return false;
  inTransaction_ = false;
  return true;
}

void DictionaryDb::Rollback() {
  if (inTransaction_ && db_) engine().exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  inTransaction_ = false;
}
}  // namespace dictionary
