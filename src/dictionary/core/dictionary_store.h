#pragma once
// Where the dictionary lives and its rows as the searches see them.
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

}  // namespace dictionary
