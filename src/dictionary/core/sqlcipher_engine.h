#pragma once
// The SQLCipher engine, loaded with dlopen on first use so that starting the program never pays
// for it: the functions the dictionary calls, taken from the library by name.
#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <QString>

namespace dictionary {
// The loaded engine's functions; loaded is false (and problem says why) when none can be used.
struct Engine {
  bool loaded = false;
  QString problem;
  decltype(&::sqlite3_bind_text) bind_text = nullptr;
  decltype(&::sqlite3_busy_timeout) busy_timeout = nullptr;
  decltype(&::sqlite3_close) close = nullptr;
  decltype(&::sqlite3_column_bytes) column_bytes = nullptr;
  decltype(&::sqlite3_column_count) column_count = nullptr;
  decltype(&::sqlite3_column_int) column_int = nullptr;
  decltype(&::sqlite3_column_name) column_name = nullptr;
  decltype(&::sqlite3_column_text) column_text = nullptr;
  decltype(&::sqlite3_db_config) db_config = nullptr;
  decltype(&::sqlite3_errcode) errcode = nullptr;
  decltype(&::sqlite3_errmsg) errmsg = nullptr;
  decltype(&::sqlite3_exec) exec = nullptr;
  decltype(&::sqlite3_extended_errcode) extended_errcode = nullptr;
  decltype(&::sqlite3_finalize) finalize = nullptr;
  decltype(&::sqlite3_free) free = nullptr;
  decltype(&::sqlite3_hard_heap_limit64) hard_heap_limit64 = nullptr;
  decltype(&::sqlite3_key) key = nullptr;
  decltype(&::sqlite3_libversion_number) libversion_number = nullptr;
  decltype(&::sqlite3_limit) limit = nullptr;
  decltype(&::sqlite3_open_v2) open_v2 = nullptr;
  decltype(&::sqlite3_prepare_v2) prepare_v2 = nullptr;
  decltype(&::sqlite3_progress_handler) progress_handler = nullptr;
  decltype(&::sqlite3_reset) reset = nullptr;
  decltype(&::sqlite3_step) step = nullptr;
  decltype(&::sqlite3_vfs_find) vfs_find = nullptr;
  decltype(&::sqlite3_vfs_register) vfs_register = nullptr;
};

// The engine, loaded at the first call. A load that failed for a reason that may pass (no memory
// to map the library or to start it) is tried again at the next call; once the engine is loaded,
// or known to be missing or too old, the answer holds for the run.
const Engine& engine();
}  // namespace dictionary
