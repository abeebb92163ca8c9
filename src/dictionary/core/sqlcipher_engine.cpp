#include "dictionary/core/sqlcipher_engine.h"

#include <dlfcn.h>

#include <QRegularExpression>
#include <QVersionNumber>
#include <atomic>
#include <mutex>
#include <optional>
#include <type_traits>

#include "dictionary/core/dictionary_db.h"

namespace dictionary {
namespace {
// The oldest engine the program accepts: SQLCipher 4.6.1 with the SQLite it carries.
constexpr int kMinSqliteVersion = 3046000;
const QVersionNumber kMinCipherVersion(4, 6, 1);
// The engine's own memory, whatever a file asks of it.
constexpr sqlite3_int64 kEngineHeapLimit = 512ll << 20;
const QString kNoEngine = QStringLiteral(
    "The database engine SQLCipher (libsqlcipher) is not installed, so the dictionary cannot be opened.");

// A library that exists but could not be loaded or started: nothing says it is missing.
QString notLoaded(const QString& why) {
  return QStringLiteral("The database engine SQLCipher could not be loaded (%1), so the dictionary cannot be opened.")
      .arg(why);
}

// The engine's SQLCipher version text; empty when it names none, nullopt when the engine had no
// memory to answer.
std::optional<QString> cipherVersionOf(const Engine& e) {
  sqlite3* db = nullptr;
  QString version;
  int rc = e.open_v2(":memory:", &db, SQLITE_OPEN_READWRITE, nullptr);
  if (rc == SQLITE_OK) {
    sqlite3_stmt* st = nullptr;
    // A file of another key or format is an answer, not an error worth printing.
    if (e.prepare_v2(db, "PRAGMA cipher_log_source = NONE", -1, &st, nullptr) == SQLITE_OK) e.step(st);
    e.finalize(st);
    st = nullptr;
    rc = e.prepare_v2(db, "PRAGMA cipher_version", -1, &st, nullptr);
    if (rc == SQLITE_OK) rc = e.step(st);
    if (rc == SQLITE_ROW) version = QString::fromUtf8(reinterpret_cast<const char*>(e.column_text(st, 0)));
    e.finalize(st);
  }
  e.close(db);
  if (rc == SQLITE_NOMEM) return std::nullopt;
  return version;
}

// Loads the engine; settled is false when the failure may pass.
Engine load(bool* settled) {
  Engine out;
  out.problem = kNoEngine;
  *settled = true;
  // The current library first; an older one is loaded only to name it in the message.
  void* library = dlopen("libsqlcipher.so.1", RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    const QString why = QString::fromLocal8Bit(dlerror());
    library = dlopen("libsqlcipher.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
      // Only a library that is not there is missing; one that could not be mapped is tried again.
      if (!why.contains(QLatin1String("No such file"))) {
        *settled = false;
        out.problem = notLoaded(why);
      }
      return out;
    }
  }
  bool all = true;
  auto bind = [&](auto& fn, const char* name) {
    fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(dlsym(library, name));
    all = all && fn != nullptr;
  };
  bind(out.libversion_number, "sqlite3_libversion_number");
  bind(out.open_v2, "sqlite3_open_v2");
  bind(out.prepare_v2, "sqlite3_prepare_v2");
  bind(out.step, "sqlite3_step");
  bind(out.column_text, "sqlite3_column_text");
  bind(out.finalize, "sqlite3_finalize");
  bind(out.close, "sqlite3_close");
  if (!all) return out;
  const std::optional<QString> cipher = cipherVersionOf(out);
  if (!cipher) {
    *settled = false;
    out.problem = notLoaded(QStringLiteral("out of memory"));
    return out;
  }
  out.problem = EngineVersionProblem(out.libversion_number(), *cipher);
  if (!out.problem.isEmpty()) return out;
  bind(out.bind_text, "sqlite3_bind_text");
  bind(out.busy_timeout, "sqlite3_busy_timeout");
  bind(out.column_bytes, "sqlite3_column_bytes");
  bind(out.column_count, "sqlite3_column_count");
  bind(out.column_int, "sqlite3_column_int");
  bind(out.column_name, "sqlite3_column_name");
  bind(out.db_config, "sqlite3_db_config");
  bind(out.errcode, "sqlite3_errcode");
  bind(out.errmsg, "sqlite3_errmsg");
  bind(out.exec, "sqlite3_exec");
  bind(out.extended_errcode, "sqlite3_extended_errcode");
  bind(out.free, "sqlite3_free");
  bind(out.hard_heap_limit64, "sqlite3_hard_heap_limit64");
  bind(out.key, "sqlite3_key");
  bind(out.limit, "sqlite3_limit");
  bind(out.progress_handler, "sqlite3_progress_handler");
  bind(out.reset, "sqlite3_reset");
  bind(out.vfs_find, "sqlite3_vfs_find");
  bind(out.vfs_register, "sqlite3_vfs_register");
  if (!all) {
    out.problem = kNoEngine;
    return out;
  }
  out.hard_heap_limit64(kEngineHeapLimit);
  out.loaded = true;
  out.problem.clear();
  return out;
}
}  // namespace

const Engine& engine() {
  // Every engine call goes through here: once settled, the answer is read without a lock.
  static std::atomic<bool> settled{false};
  static Engine e;
  if (settled.load(std::memory_order_acquire)) return e;
  static std::mutex loading;
  std::lock_guard<std::mutex> lock(loading);
  if (!settled.load(std::memory_order_relaxed)) {
    bool done = false;
    e = load(&done);
    if (done) settled.store(true, std::memory_order_release);
  }
  return e;
}

QString EngineVersionProblem(int sqliteVersionNumber, const QString& cipherVersion) {
  // "4.6.1 community" and the like: the leading dotted number.
  const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^\\s*(\\d+(\\.\\d+)*)")).match(cipherVersion);
  const QVersionNumber cipher = m.hasMatch() ? QVersionNumber::fromString(m.captured(1)) : QVersionNumber();
  if (sqliteVersionNumber >= kMinSqliteVersion && !cipher.isNull() && cipher >= kMinCipherVersion) return QString();
  const QString found = cipher.isNull() ? QStringLiteral("an unknown version") : QStringLiteral("version ") + cipher.toString();
  return QStringLiteral("The database engine SQLCipher is too old (%1 is installed, %2 or later is needed), "
                        "so the dictionary cannot be opened.")
      .arg(found, kMinCipherVersion.toString());
}

bool DatabaseEngineAvailable() { return engine().loaded; }
QString DatabaseEngineProblem() { return engine().problem; }
}  // namespace dictionary
