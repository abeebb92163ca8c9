#pragma once
// Where the dictionary lives, its rows as the searches see them, and the update merge.
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "dictionary/core/dictionary_db.h"

namespace dictionary {
extern const QString kDictionaryFileName;  // "numerology.dll"

// The user's data folder; tests set their own. The program's folder is platform::ProgramFolder().
QString UserDataFolder();
void SetUserDataFolder(const QString& folder);  // empty: the platform's application data folder
// Tests: whether the program folder counts as writable (nullopt: ask the file system).
void SetProgramFolderWritable(std::optional<bool> writable);

QString ProgramDictionaryPath();
QString UserDictionaryPath();
// The file the dictionary reads: the user's own copy once there is one, else the program's.
QString DictionaryPath();
// The file a merge writes: the program's when its folder is writable, else the user's own
// copy, made from the program's file on first need. Empty when no copy can be made.
QString WritableDictionaryPath(QString* error = nullptr);

struct DictionaryRows {
  QList<DictionaryRow> rows;
  // Each row's Key in lower case, made at the first search.
  const QStringList& lowerKeys() const;

 private:
  mutable std::optional<QStringList> lower_;
};
// The dictionary's rows; kept between calls and read again whenever the file changes.
// Null when the dictionary cannot be opened or read.
std::shared_ptr<const DictionaryRows> ReadDictionary();
void ForgetDictionaryRows();

enum class MergeOutcome {
  NothingToUpdate,  // the update file has no readable rows
  WrongFile,        // a row not marked "astro", or a bad row, stopped the merge (rows before it were kept)
  NotChanged,       // the update file was refused, or the dictionary could not be opened or written;
                    // nothing was changed
  Updated,          // committed
};

// The longest Key and Link an update row may bring.
constexpr int kMaxKeyLength = 256;
constexpr int kMaxLinkLength = 2048;
// Whether an http or https address names a host on this machine or its local network: localhost
// and names under .localhost, .local, .internal and .home.arpa, and the loopback, link-local,
// private and unspecified addresses, in every form a browser reads (127.1, 0x7f.0.0.1, 2130706433,
// [::ffff:127.0.0.1], full-width digits). An address whose host is not a valid one counts too.
bool NamesLocalHost(const QString& address);
// Whether an update row may enter the dictionary: its Link a web address (or the search engine's)
// that names no host of the local network, its Key and Link within their lengths.
bool IsAcceptableUpdateRow(const DictionaryRow& row);
struct MergeResult {
  MergeOutcome outcome = MergeOutcome::NothingToUpdate;
  qint64 added = 0;
  qint64 present = 0;
  QString error;
};
// Merges the rows of an update file whose Link the dictionary does not hold yet.
MergeResult MergeUpdateFile(const QString& updatePath);
// The same merge into a given dictionary file.
MergeResult MergeInto(const QString& updatePath, const QString& targetPath);
}  // namespace dictionary
