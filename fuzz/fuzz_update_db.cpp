// An update database file merged into a copy of a small dictionary. The bytes are tried as
// the file itself (an SQLCipher file with the dictionary's key); when they are a plain SQLite
// database, it is also keyed and exported first, so the merge reads its tables and rows.
#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <QFile>

#include "dictionary/core/dictionary_db.h"
#include "dictionary/core/dictionary_store.h"
#include "fuzz_support.h"
#include "fuzz_update_support.h"

using namespace dictionary;

namespace {
// A plain SQLite database keyed into an SQLCipher file as the dictionary makes them.
bool exportKeyed(const QString& plain, const QString& keyed) {
  QFile::remove(keyed);
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(QFile::encodeName(plain).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    return false;
  }
  sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 1 << 20);
  const QByteArray sql = QByteArrayLiteral("ATTACH DATABASE '") + QFile::encodeName(keyed) +
                         QByteArrayLiteral("' AS keyed KEY '") + kDictionaryPassword +
                         QByteArrayLiteral("'; PRAGMA keyed.cipher_page_size = 4096; PRAGMA keyed.kdf_iter = 4000;"
                                           " SELECT sqlcipher_export('keyed'); DETACH DATABASE keyed;");
  char* message = nullptr;
  const bool ok = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message) == SQLITE_OK;
  if (!ok && qEnvironmentVariableIsSet("QZ_FUZZ_VERBOSE")) std::fprintf(stderr, "export: %s\n", message ? message : "?");
  sqlite3_free(message);
  sqlite3_close(db);
  return ok;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qzfuzz::App();
  qzfuzz::MakeDictionaryTemplate();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1 << 20)) return 0;
  const QByteArray bytes = qzfuzz::Bytes(data, size);
  const QString update = qzfuzz::Scratch(QStringLiteral("update.dat"));
  {
    QFile f(update);
    QZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QZ_CHECK(f.write(bytes) == bytes.size());
  }
  qzfuzz::MergeAndCheck(update);

  if (bytes.startsWith(QByteArrayLiteral("SQLite format 3"))) {
    const QString keyed = qzfuzz::Scratch(QStringLiteral("update-keyed.dat"));
    if (exportKeyed(update, keyed)) qzfuzz::MergeAndCheck(keyed);
  }
  return 0;
}
