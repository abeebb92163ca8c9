#pragma once
// The dictionary database: an SQLCipher file holding the table `numerology` with the text
// fields `Key`, `Link` and `Names`, keyed with the dictionary's one fixed password.
#include <QList>
#include <QString>
#include <functional>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace dictionary {
// Whether a current database engine could be loaded.
bool DatabaseEngineAvailable();
// Why the engine cannot be used, for the user; empty when it can.
QString DatabaseEngineProblem();
// The verdict on a loaded engine's versions (SQLite's version number, SQLCipher's version
// text): empty when they are recent enough, else the message for the user.
QString EngineVersionProblem(int sqliteVersionNumber, const QString& cipherVersion);

struct DictionaryRow {
  QString Key;
  QString Link;
  QString Names;
};

// The password every dictionary and update file is keyed with.
extern const char* const kDictionaryPassword;
// The cipher settings of the files the program writes (SQLCipher 4 with 4 KiB pages and a short
// key derivation: the key is the program's own password, so a long derivation guards nothing).
extern const char* const kCipherSettings;
// The settings of files written by the earlier SQLCipher 3 releases of the program.
extern const char* const kLegacyCipherSettings;

// What a file may hold at most before it is refused unread. The defaults are an update file's.
struct ReadLimits {
  qint64 maxRows = 1000000;
  int maxValueBytes = 1 << 20;         // one field, or one stored row
  qint64 maxTotalBytes = 256ll << 20;  // the text of every row together, in UTF-8
  int maxSchemaEntries = 100;          // tables, indexes, views and triggers together; 0: no limit
  qint64 maxMilliseconds = 5000;       // the engine's work from the open on; 0: no limit
};
// The dictionary's own reads: room for what merges add. A merge whose result would pass them is
// refused, so the dictionary stays readable.
inline constexpr ReadLimits kDictionaryReadLimits{
    .maxRows = 2000000, .maxValueBytes = 1 << 20, .maxTotalBytes = 512ll << 20, .maxSchemaEntries = 0,
    .maxMilliseconds = 0};
// The limits in force: an update file's (Mode::Untrusted) or the dictionary's.
const ReadLimits& UpdateReadLimits();
const ReadLimits& DictionaryReadLimits();
// Tests: the limits for every open from now on (default arguments restore the defaults).
void SetReadLimits(const ReadLimits& update = {}, const ReadLimits& dictionary = kDictionaryReadLimits);

class DictionaryDb {
 public:
  enum class Mode {
    ReadOnly,   // the program's own dictionary
    ReadWrite,  // the dictionary a merge writes
    Untrusted,  // a file from outside: read as data only, under every limit
  };
  enum class Failure {
    None,
    NoEngine,       // no current database engine
    NotFound,       // no such file
    NotDictionary,  // not a database with this password, or no table `numerology`
    Refused,        // not a plain file, a table of an unsafe shape, or over a limit
    HalfWritten,    // a killed merge's journal lies beside the file, and its folder is not writable
                    // here to roll it back
    Error,          // the engine failed
  };

  DictionaryDb() = default;
  ~DictionaryDb();
  DictionaryDb(const DictionaryDb&) = delete;
  DictionaryDb& operator=(const DictionaryDb&) = delete;

  // Opens an existing file (never creates one), in the current format or that of the earlier
  // releases. False when the file is missing or is not a dictionary database with this password.
  // A file from outside (Mode::Untrusted) is opened once, checked on its descriptor, and every
  // attempt reads that descriptor's file. The dictionary is refused when anything but a regular
  // file stands where the engine looks for its journal or log.
  bool Open(const QString& path, Mode mode = Mode::ReadOnly);
  bool Open(const QString& path, bool writable) { return Open(path, writable ? Mode::ReadWrite : Mode::ReadOnly); }
  // Creates a new, empty dictionary file (an existing file is replaced).
  bool Create(const QString& path);
  void Close();
  bool IsOpen() const { return db_ != nullptr; }
  // True when the open file is in the format of the earlier releases.
  bool LegacyFormat() const { return legacy_; }

  // Every row of the table in a stable order (by row id); NULL fields read as empty text.
  // False when the table cannot be read (no plain table `numerology`, another format, a limit).
  bool ReadAll(QList<DictionaryRow>& rows);
  // The same rows as UTF-8 text, the engine's own, valid during the call only.
  using RowVisitor = std::function<void(std::string_view key, std::string_view link, std::string_view names)>;
  bool ReadAllUtf8(const RowVisitor& each);
  // Every row's Link as UTF-8 text, in the same order, with the size of the row's text as
  // ReadAllUtf8 counts it, for the merge's duplicate test and limits.
  bool ReadLinks(const std::function<void(std::string_view link, qint64 rowBytes)>& each);

  // Writing: inserts run inside Begin() ... Commit(); Rollback() drops them.
  bool Begin();
  bool Insert(const DictionaryRow& row);
  bool InsertUtf8(std::string_view key, std::string_view link, std::string_view names);
  bool Commit();
  void Rollback();

  QString LastError() const { return error_; }
  Failure LastFailure() const { return failure_; }

  // Rewrites a file of the earlier releases' format in the current one, whole or not at all.
  // True when the file is in the current format afterwards.
  static bool ConvertToCurrentFormat(const QString& path, QString* error = nullptr);

 private:
  bool openAs(const QString& path, Mode mode, bool legacy);
  bool checkCompanions(const QString& path);
  bool rollBackHotJournal(const QString& path, bool legacy);
  bool checkPlainTable();
  bool selectRows(sqlite3_stmt** st, int* key, int* link, int* names);
  bool exec(const char* sql);
  bool fail(Failure failure = Failure::Error);
  bool refuse(const QString& why);
  sqlite3* db_ = nullptr;
  sqlite3_stmt* insert_ = nullptr;
  bool inTransaction_ = false;
  bool legacy_ = false;
  Mode mode_ = Mode::ReadOnly;
  Failure failure_ = Failure::None;
  long long ticks_ = 0;         // the engine's progress calls on an untrusted file
  long long deadlineNs_ = 0;    // when the engine's work on an untrusted file stops (steady clock)
  bool hotJournal_ = false;     // the last open met a journal that only a writer can roll back
  int source_ = -1;             // the checked descriptor of a file from outside, during Open
  QString error_;
};
}  // namespace dictionary
