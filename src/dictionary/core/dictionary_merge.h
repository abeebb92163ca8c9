#pragma once
// The update merge: an update file's new rows into the dictionary.
#include <QString>

namespace dictionary {
enum class MergeOutcome {
  NothingToUpdate,  // the update file has no readable rows
  WrongFile,        // a row not marked "astro", or a bad row, stopped the merge (rows before it were kept)
  NotChanged,       // the update file was refused, or the dictionary could not be opened or written;
                    // nothing was changed
  Updated,          // committed
};

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
