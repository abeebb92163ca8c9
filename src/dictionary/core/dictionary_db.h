#pragma once
// The dictionary database: an SQLCipher file holding the table `numerology` with the text
// fields `Key`, `Link` and `Names`, keyed with the dictionary's one fixed password.
#include <QList>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace dictionary {
// Whether the database engine could be loaded.
bool DatabaseEngineAvailable();

struct DictionaryRow {
  QString Key;
  QString Link;
  QString Names;
};

// The password every dictionary and update file is keyed with.
extern const char* const kDictionaryPassword;

class DictionaryDb {
 public:
  DictionaryDb() = default;
  ~DictionaryDb();
  DictionaryDb(const DictionaryDb&) = delete;
  DictionaryDb& operator=(const DictionaryDb&) = delete;

  // Opens an existing file (never creates one). False when the file is missing or
  // is not a dictionary database with this password.
  bool Open(const QString& path, bool writable = false);
  // Creates a new, empty dictionary file (an existing file is replaced).
  bool Create(const QString& path);
  void Close();
  bool IsOpen() const { return db_ != nullptr; }

  // Every row of the table in a stable order (by row id); NULL fields read as empty text.
  // False when the table cannot be read (no table `numerology`, another format).
  bool ReadAll(QList<DictionaryRow>& rows);

  // Writing: inserts run inside Begin() ... Commit(); Rollback() drops them.
  bool Begin();
  bool Insert(const DictionaryRow& row);
  bool Commit();
  void Rollback();

  QString LastError() const { return error_; }

 private:
  void applyKey();
  bool exec(const char* sql);
  bool fail();
  sqlite3* db_ = nullptr;
  sqlite3_stmt* insert_ = nullptr;
  bool inTransaction_ = false;
  QString error_;
};
}  // namespace dictionary
