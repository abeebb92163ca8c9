#include "dictionary_db.h"

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <QFile>
#include <cstring>

namespace dictionary {
const char* const kDictionaryPassword = "Kx7Pw2Rt9Lm4Qa8Zn5";

namespace {
QString columnText(sqlite3_stmt* st, int column) {
  if (column < 0) return QString();
  const void* text = sqlite3_column_text16(st, column);
  if (!text) return QString();  // NULL reads as empty text
  const int bytes = sqlite3_column_bytes16(st, column);
  return QString(reinterpret_cast<const QChar*>(text), bytes / int(sizeof(QChar)));
}
}  // namespace

DictionaryDb::~DictionaryDb() { Close(); }

bool DictionaryDb::fail() {
  error_ = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("no database");
  return false;
}

bool DictionaryDb::exec(const char* sql) {
  if (!db_) return fail();
  char* message = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
    error_ = QString::fromUtf8(message ? message : "error");
    sqlite3_free(message);
    return false;
  }
  return true;
}

void DictionaryDb::applyKey() {
  sqlite3_key(db_, kDictionaryPassword, int(std::strlen(kDictionaryPassword)));
  // Pages of 4 KiB read in about half the time of the 1 KiB default. The password is the
  // program's own, so a long key derivation guards nothing and only delays every open.
  sqlite3_exec(db_, "PRAGMA cipher_page_size = 4096; PRAGMA kdf_iter = 4000", nullptr, nullptr, nullptr);
}

bool DictionaryDb::Open(const QString& path, bool writable) {
  Close();
  if (path.isEmpty() || !QFile::exists(path)) {
    error_ = QStringLiteral("file not found");
    return false;
  }
  const int flags = writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
  // The path goes to the engine as its own argument.
  if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr) != SQLITE_OK) {
    fail();
    Close();
    return false;
  }
  sqlite3_busy_timeout(db_, 2000);
  applyKey();
  // A wrong key or another format shows here, at the first read of the schema.
  if (!exec("SELECT count(*) FROM sqlite_master")) {
    Close();
    return false;
  }
  return true;
}

bool DictionaryDb::Create(const QString& path) {
  Close();
  QFile::remove(path);
  if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_,
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
    sqlite3_finalize(insert_);
    insert_ = nullptr;
  }
  if (db_) {
    if (inTransaction_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
    db_ = nullptr;
  }
  inTransaction_ = false;
}

bool DictionaryDb::ReadAll(QList<DictionaryRow>& rows) {
  rows.clear();
  if (!db_) return fail();
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(db_, "SELECT * FROM numerology ORDER BY rowid", -1, &st, nullptr) != SQLITE_OK)
    return fail();
  // Fields by name, as the table may hold more of them or lack `Names`.
  int key = -1, link = -1, names = -1;
  for (int c = 0; c < sqlite3_column_count(st); ++c) {
    const QString name = QString::fromUtf8(sqlite3_column_name(st, c));
    if (name.compare(QLatin1String("Key"), Qt::CaseInsensitive) == 0) key = c;
    else if (name.compare(QLatin1String("Link"), Qt::CaseInsensitive) == 0) link = c;
    else if (name.compare(QLatin1String("Names"), Qt::CaseInsensitive) == 0) names = c;
  }
  int rc;
  while ((rc = sqlite3_step(st)) == SQLITE_ROW)
    rows.append({columnText(st, key), columnText(st, link), columnText(st, names)});
  sqlite3_finalize(st);
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
      sqlite3_prepare_v2(db_, "INSERT INTO numerology (Key, Link, Names) VALUES (?, ?, ?)", -1, &insert_,
                         nullptr) != SQLITE_OK) {
    insert_ = nullptr;
    return fail();
  }
  sqlite3_reset(insert_);
  const QString* fields[] = {&row.Key, &row.Link, &row.Names};
  for (int i = 0; i < 3; ++i)
    sqlite3_bind_text16(insert_, i + 1, fields[i]->utf16(), int(fields[i]->size() * sizeof(QChar)),
                        SQLITE_TRANSIENT);
  if (sqlite3_step(insert_) != SQLITE_DONE) return fail();
  return true;
}

bool DictionaryDb::Commit() {
  if (!inTransaction_) return fail();
  if (!exec("COMMIT")) return false;
  inTransaction_ = false;
  return true;
}

void DictionaryDb::Rollback() {
  if (inTransaction_ && db_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  inTransaction_ = false;
}
}  // namespace dictionary
