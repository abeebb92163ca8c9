#include "dictionary/core/dictionary_db.h"

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <cstring>

#include "dictionary/core/descriptor_vfs.h"
#include "dictionary/core/sqlcipher_engine.h"
#include "services/file_io.h"

namespace dictionary {
namespace {
// An untrusted file's work: the engine calls back every kTickOps instructions, and stops at the
// deadline or after kMaxTicks calls. Reading the schema runs a few instructions per entry, so the
// calls come often even while the engine parses it.
constexpr int kTickOps = 1000;
constexpr long long kMaxTicks = 200000;

long long steadyNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

ReadLimits& updateLimits() {
  static ReadLimits l;
  return l;
}
ReadLimits& dictionaryLimits() {
  static ReadLimits l = kDictionaryReadLimits;
  return l;
}

}  // namespace

const ReadLimits& UpdateReadLimits() { return updateLimits(); }
const ReadLimits& DictionaryReadLimits() { return dictionaryLimits(); }
void SetReadLimits(const ReadLimits& update, const ReadLimits& dictionary) {
  updateLimits() = update;
  dictionaryLimits() = dictionary;
}

const char* const kDictionaryPassword = "Kx7Pw2Rt9Lm4Qa8Zn5";
const char* const kCipherSettings = "PRAGMA cipher_page_size = 4096; PRAGMA kdf_iter = 4000";
const char* const kLegacyCipherSettings =
    "PRAGMA cipher_compatibility = 3; PRAGMA cipher_page_size = 4096; PRAGMA kdf_iter = 4000";

namespace {
// The engine keeps text as UTF-8; reading it so spares a conversion and a copy per field.
std::string_view columnUtf8(sqlite3_stmt* st, int column) {
  if (column < 0) return {};
  const unsigned char* text = engine().column_text(st, column);
  if (!text) return {};  // NULL reads as empty text
  return {reinterpret_cast<const char*>(text), size_t(engine().column_bytes(st, column))};
}
QString columnText(sqlite3_stmt* st, int column) {
  const std::string_view text = columnUtf8(st, column);
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Settings that make the engine treat a file's schema as data: no code of the file runs, and
// nothing it holds is larger than the program could show.
void harden(sqlite3* db, const ReadLimits& l) {
  const Engine& e = engine();
  e.db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  e.db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
  e.db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
  e.db_config(db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
  e.db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
  e.limit(db, SQLITE_LIMIT_LENGTH, l.maxValueBytes);
  e.limit(db, SQLITE_LIMIT_SQL_LENGTH, 100000);
  e.limit(db, SQLITE_LIMIT_COLUMN, 200);
  e.limit(db, SQLITE_LIMIT_EXPR_DEPTH, 100);
  e.limit(db, SQLITE_LIMIT_COMPOUND_SELECT, 4);
  e.limit(db, SQLITE_LIMIT_VDBE_OP, 100000);
  e.limit(db, SQLITE_LIMIT_FUNCTION_ARG, 8);
  e.limit(db, SQLITE_LIMIT_ATTACHED, 0);
  e.limit(db, SQLITE_LIMIT_LIKE_PATTERN_LENGTH, 100);
  e.limit(db, SQLITE_LIMIT_TRIGGER_DEPTH, 1);
}
}  // namespace

DictionaryDb::~DictionaryDb() { Close(); }

bool DictionaryDb::fail(Failure failure) {
  error_ = db_ ? QString::fromUtf8(engine().errmsg(db_)) : QStringLiteral("no database");
  failure_ = failure;
  return false;
}

bool DictionaryDb::refuse(const QString& why) {
  error_ = why;
  failure_ = Failure::Refused;
  return false;
}

bool DictionaryDb::exec(const char* sql) {
  if (!db_) return fail();
  char* message = nullptr;
  if (engine().exec(db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
    error_ = QString::fromUtf8(message ? message : "error");
    failure_ = Failure::Error;
    engine().free(message);
    return false;
  }
  return true;
}

namespace {
// Finalizes a statement however its reader ends: a reader's callback may throw std::bad_alloc.
struct Finalizer {
  sqlite3_stmt*& st;
  ~Finalizer() {
    engine().finalize(st);
    st = nullptr;
  }
};
}  // namespace

bool DictionaryDb::openAs(const QString& path, Mode mode, bool legacy) {
  hotJournal_ = false;
  const ReadLimits& l = mode == Mode::Untrusted ? updateLimits() : dictionaryLimits();
  const int flags = mode == Mode::ReadWrite   ? SQLITE_OPEN_READWRITE
                    : mode == Mode::Untrusted ? SQLITE_OPEN_READONLY | SQLITE_OPEN_URI
                                              : SQLITE_OPEN_READONLY;
  // The path goes to the engine as its own argument. A file from outside is read as it stands,
  // through its checked descriptor: immutable, so the engine neither locks it nor looks for a
  // journal or log beside it nor creates one.
  const QByteArray name = mode == Mode::Untrusted ? DescriptorUri(source_) : QFile::encodeName(path);
  const char* vfs = mode == Mode::Untrusted ? DescriptorVfs() : nullptr;
  if (mode == Mode::Untrusted && !vfs) return refuse(QStringLiteral("no file system for checked files"));
  if (engine().open_v2(name.constData(), &db_, flags, vfs) != SQLITE_OK) {
    fail();
    Close();
    return false;
  }
  legacy_ = legacy;
  mode_ = mode;
  engine().busy_timeout(db_, 2000);
  harden(db_, l);
  if (mode == Mode::Untrusted) {
    ticks_ = 0;
    engine().progress_handler(
        db_, kTickOps,
        [](void* self) {
          auto* db = static_cast<DictionaryDb*>(self);
          return ++db->ticks_ > kMaxTicks || (db->deadlineNs_ && steadyNs() > db->deadlineNs_) ? 1 : 0;
        },
        this);
  }
  engine().key(db_, kDictionaryPassword, int(std::strlen(kDictionaryPassword)));
  engine().exec(db_, legacy ? kLegacyCipherSettings : kCipherSettings, nullptr, nullptr, nullptr);
  if (mode != Mode::ReadWrite) engine().exec(db_, "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
  // Damaged pages of a file from outside are found before they are used; what the engine sorts
  // stays in memory, as its file system makes no temporary files.
  if (mode == Mode::Untrusted)
    engine().exec(db_, "PRAGMA cell_size_check = 1; PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
  // A wrong key or another format shows here, at the first read of the schema.
  sqlite3_stmt* st = nullptr;
  qint64 entries = 0;
  int rc = engine().prepare_v2(db_, "SELECT count(*) FROM sqlite_master", -1, &st, nullptr);
  if (rc == SQLITE_OK) {
    rc = engine().step(st) == SQLITE_ROW ? SQLITE_OK : engine().errcode(db_);
    if (rc == SQLITE_OK) entries = engine().column_int(st, 0);
  }
  engine().finalize(st);
  if (rc != SQLITE_OK) {
    hotJournal_ = engine().extended_errcode(db_) == SQLITE_READONLY_ROLLBACK;
    fail(rc == SQLITE_NOTADB ? Failure::NotDictionary : Failure::Refused);
    const QString error = error_;
    Close();
    error_ = error;
    return false;
  }
  if (l.maxSchemaEntries > 0 && entries > l.maxSchemaEntries) {
    Close();
    return refuse(QStringLiteral("more than %1 schema entries").arg(l.maxSchemaEntries));
  }
  return true;
}

// A writer killed amid a transaction leaves its journal: the next reader must put the old pages
// back, which takes a writable connection. Where the file and its folder are writable, one is
// opened for that and closed again.
bool DictionaryDb::rollBackHotJournal(const QString& path, bool legacy) {
  const QByteArray file = QFile::encodeName(path);
  const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
  if (::access(file.constData(), W_OK) != 0 || ::access(folder.constData(), W_OK) != 0) return false;
  const bool rolledBack = openAs(path, Mode::ReadWrite, legacy);
  Close();
  return rolledBack;
}

// The engine opens the journal (and the log of a file in that mode) beside the file it names at
// every open, to see whether a killed writer left it: a pipe there would block that open for good.
bool DictionaryDb::checkCompanions(const QString& path) {
  // The engine keeps them beside the file a link names.
  const QString file = QFileInfo(path).canonicalFilePath();
  for (const char* suffix : {"-journal", "-wal", "-shm"}) {
    struct stat st {};
    const QString companion = file + QLatin1String(suffix);
    if (::lstat(QFile::encodeName(companion).constData(), &st) == 0 && !S_ISREG(st.st_mode))
      return refuse(QStringLiteral("%1 is not a regular file").arg(companion));
  }
  return true;
}

bool DictionaryDb::Open(const QString& path, Mode mode) {
  Close();
  failure_ = Failure::None;
  if (!engine().loaded) {
    error_ = engine().problem;
    failure_ = Failure::NoEngine;
    return false;
  }
  // A pipe, socket or device would block the engine's reads.
  if (!IsRegularFile(path)) {
    if (!path.isEmpty() && QFileInfo::exists(path)) return refuse(QStringLiteral("not a regular file"));
    error_ = QStringLiteral("file not found");
    failure_ = Failure::NotFound;
    return false;
  }
  if (mode != Mode::Untrusted && !checkCompanions(path)) return false;
  // A file from outside is opened here once, without waiting on a pipe put in its place meanwhile,
  // and checked on its descriptor; the engine reads that descriptor's file at every attempt.
  struct Source {
    int& fd;
    ~Source() {
      if (fd >= 0) ::close(fd);
      fd = -1;
    }
  } source{source_};
  if (mode == Mode::Untrusted) {
    source_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat st {};
    if (source_ < 0 && errno == ENOENT) {
      error_ = QStringLiteral("file not found");
      failure_ = Failure::NotFound;
      return false;
    }
    if (source_ < 0 || ::fstat(source_, &st) != 0 || !S_ISREG(st.st_mode))
      return refuse(QStringLiteral("not a regular file"));
  }
  const qint64 ms = mode == Mode::Untrusted ? updateLimits().maxMilliseconds : 0;
  deadlineNs_ = ms > 0 ? steadyNs() + ms * 1000000 : 0;
  for (const bool legacy : {false, true}) {
    if (openAs(path, mode, legacy)) return true;
    if (hotJournal_) {
      if (rollBackHotJournal(path, legacy) && openAs(path, mode, legacy)) return true;
      error_ = QStringLiteral("a journal beside the file that only a writer of its folder can roll back");
      failure_ = Failure::HalfWritten;
      return false;
    }
    // A file of the earlier releases opens with their settings.
    if (failure_ != Failure::NotDictionary) return false;
  }
  return false;
}

bool DictionaryDb::Create(const QString& path) {
  failure_ = Failure::None;
  if (!engine().loaded) {
    error_ = engine().problem;
    failure_ = Failure::NoEngine;
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
  mode_ = Mode::ReadWrite;
  harden(db_, dictionaryLimits());
  engine().key(db_, kDictionaryPassword, int(std::strlen(kDictionaryPassword)));
  engine().exec(db_, kCipherSettings, nullptr, nullptr, nullptr);
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
  legacy_ = false;
}

bool DictionaryDb::checkPlainTable() {
  // `numerology` must be an ordinary table: a view or a virtual table would run the file's own
  // query or code at every read. Its entry is looked up by name alone: nothing else of the
  // schema is prepared.
  sqlite3_stmt* st = nullptr;
  if (engine().prepare_v2(db_,
                          "SELECT type, rootpage, sql FROM main.sqlite_schema "
                          "WHERE type IN ('table', 'view') AND name = 'numerology' COLLATE NOCASE",
                          -1, &st, nullptr) != SQLITE_OK)
    return fail(Failure::Refused);
  QString type;
  bool plain = false;
  int rc;
  while ((rc = engine().step(st)) == SQLITE_ROW) {
    type = columnText(st, 0);
    // The engine writes an ordinary table's statement so; a virtual table has no pages of its own.
    plain = type == QLatin1String("table") && engine().column_int(st, 1) > 0 &&
            columnText(st, 2).startsWith(QLatin1String("CREATE TABLE "));
  }
  engine().finalize(st);
  if (rc != SQLITE_DONE) return fail(Failure::Refused);
  if (type.isEmpty()) {
    error_ = QStringLiteral("no table numerology");
    failure_ = Failure::NotDictionary;
    return false;
  }
  if (!plain) return refuse(QStringLiteral("numerology is not a plain table (%1)").arg(type));
  // No field whose value is computed at each read.
  if (engine().prepare_v2(db_, "PRAGMA main.table_xinfo(numerology)", -1, &st, nullptr) != SQLITE_OK) return fail();
  bool computed = false;
  while ((rc = engine().step(st)) == SQLITE_ROW) computed = computed || engine().column_int(st, 6) == 2;
  engine().finalize(st);
  if (rc != SQLITE_DONE) return fail(Failure::Refused);
  if (computed) return refuse(QStringLiteral("numerology has computed fields"));
  return true;
}

bool DictionaryDb::selectRows(sqlite3_stmt** st, int* key, int* link, int* names) {
  if (!db_) return fail();
  if (!checkPlainTable()) return false;
  if (engine().prepare_v2(db_, "SELECT * FROM numerology ORDER BY rowid", -1, st, nullptr) != SQLITE_OK)
    return fail(Failure::Refused);
  // Fields by name, as the table may hold more of them or lack `Names`.
  *key = *link = *names = -1;
  for (int c = 0; c < engine().column_count(*st); ++c) {
    const QString name = QString::fromUtf8(engine().column_name(*st, c));
    if (name.compare(QLatin1String("Key"), Qt::CaseInsensitive) == 0) *key = c;
    else if (name.compare(QLatin1String("Link"), Qt::CaseInsensitive) == 0) *link = c;
    else if (name.compare(QLatin1String("Names"), Qt::CaseInsensitive) == 0) *names = c;
  }
  return true;
}

bool DictionaryDb::ReadAllUtf8(const RowVisitor& each) {
  sqlite3_stmt* st = nullptr;
  int key, link, names;
  if (!selectRows(&st, &key, &link, &names)) return false;
  const Finalizer done{st};
  const ReadLimits& l = mode_ == Mode::Untrusted ? updateLimits() : dictionaryLimits();
  qint64 rows = 0, total = 0;
  int rc;
  while ((rc = engine().step(st)) == SQLITE_ROW) {
    if (++rows > l.maxRows) return refuse(QStringLiteral("more than %1 rows").arg(l.maxRows));
    const std::string_view k = columnUtf8(st, key), li = columnUtf8(st, link), n = columnUtf8(st, names);
    total += qint64(k.size() + li.size() + n.size());
    if (total > l.maxTotalBytes) return refuse(QStringLiteral("more than %1 bytes of text").arg(l.maxTotalBytes));
    each(k, li, n);
  }
  if (rc != SQLITE_DONE) fail(Failure::Refused);  // a value over the length limit, an interrupted read, a damaged page
  return rc == SQLITE_DONE;
}

bool DictionaryDb::ReadLinks(const std::function<void(std::string_view, qint64)>& each) {
  sqlite3_stmt* st = nullptr;
  int key, link, names;
  if (!selectRows(&st, &key, &link, &names)) return false;
  const Finalizer done{st};
  // A field's size as text, without reading the text itself.
  auto bytes = [&](int column) { return column < 0 ? 0 : qint64(engine().column_bytes(st, column)); };
  int rc;
  while ((rc = engine().step(st)) == SQLITE_ROW) {
    const std::string_view li = columnUtf8(st, link);
    each(li, bytes(key) + qint64(li.size()) + bytes(names));
  }
  if (rc != SQLITE_DONE) fail(Failure::Refused);
  return rc == SQLITE_DONE;
}

bool DictionaryDb::ReadAll(QList<DictionaryRow>& rows) {
  rows.clear();
  auto text = [](std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); };
  const bool ok = ReadAllUtf8([&](std::string_view key, std::string_view link, std::string_view names) {
    rows.append({text(key), text(link), text(names)});
  });
  if (!ok) rows.clear();
  return ok;
}

bool DictionaryDb::Begin() {
  if (!exec("BEGIN IMMEDIATE")) return false;
  inTransaction_ = true;
  return true;
}

bool DictionaryDb::Insert(const DictionaryRow& row) {
  const QByteArray key = row.Key.toUtf8(), link = row.Link.toUtf8(), names = row.Names.toUtf8();
  return InsertUtf8({key.constData(), size_t(key.size())}, {link.constData(), size_t(link.size())},
                    {names.constData(), size_t(names.size())});
}

bool DictionaryDb::InsertUtf8(std::string_view key, std::string_view link, std::string_view names) {
  if (!db_) return fail();
  if (!insert_ &&
      engine().prepare_v2(db_, "INSERT INTO numerology (Key, Link, Names) VALUES (?, ?, ?)", -1, &insert_,
                         nullptr) != SQLITE_OK) {
    insert_ = nullptr;
    return fail();
  }
  engine().reset(insert_);
  // UTF-8 is the engine's own encoding: stored as it stands. The texts outlive the step.
  const std::string_view fields[] = {key, link, names};
  for (int i = 0; i < 3; ++i)
    engine().bind_text(insert_, i + 1, fields[i].data() ? fields[i].data() : "", int(fields[i].size()), SQLITE_STATIC);
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

bool DictionaryDb::ConvertToCurrentFormat(const QString& path, QString* error) {
  DictionaryDb old;
  auto failWith = [&](const QString& why) {
    if (error) *error = why;
    return false;
  };
  if (!old.Open(path, Mode::ReadWrite)) return failWith(old.LastError());
  if (!old.LegacyFormat()) return true;
  // The current format is written beside the file under a new name of its own, then renamed over
  // it. (The merge that converts holds the dictionary's lock.) An attached file is opened with the
  // main file's flags, which do not create one.
  QByteArray partName = QFile::encodeName(path) + ".XXXXXX";
  const int made = ::mkostemp(partName.data(), O_CLOEXEC);
  if (made < 0) return failWith(QString::fromLocal8Bit(std::strerror(errno)));
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) == 0) ::fchmod(made, st.st_mode & 0777);
  ::close(made);
  const QString part = QFile::decodeName(partName);
  sqlite3_stmt* attach = nullptr;
  engine().limit(old.db_, SQLITE_LIMIT_ATTACHED, 1);
  bool ok = engine().prepare_v2(old.db_, "ATTACH DATABASE ?1 AS current KEY ?2", -1, &attach, nullptr) == SQLITE_OK;
  if (ok) {
    engine().bind_text(attach, 1, partName.constData(), int(partName.size()), SQLITE_TRANSIENT);
    engine().bind_text(attach, 2, kDictionaryPassword, -1, SQLITE_STATIC);
    ok = engine().step(attach) == SQLITE_DONE;
  }
  if (!ok) old.fail();
  engine().finalize(attach);
  ok = ok &&
       old.exec("PRAGMA current.cipher_compatibility = 4; PRAGMA current.cipher_page_size = 4096;"
                " PRAGMA current.kdf_iter = 4000;"
                " SELECT sqlcipher_export('current'); DETACH DATABASE current");
  const QString why = ok ? QString() : old.LastError();
  old.Close();
  if (ok) {
    // Read the new file back before it replaces the old one.
    DictionaryDb check;
    QList<DictionaryRow> rows;
    ok = check.Open(part) && !check.LegacyFormat() && check.ReadAll(rows);
    check.Close();
    ok = ok && ::rename(partName.constData(), QFile::encodeName(path).constData()) == 0;
  }
  if (!ok) {
    QFile::remove(part);
    return failWith(why.isEmpty() ? QStringLiteral("the dictionary could not be rewritten") : why);
  }
  return true;
}
}  // namespace dictionary
