#pragma once
// The merge of an update file into a copy of a small dictionary, with the invariants every
// update fuzz target checks afterwards.
#include <QString>

namespace qzfuzz {
// Writes the small dictionary once; call from LLVMFuzzerInitialize.
void MakeDictionaryTemplate();
// Merges the update file into a fresh copy of the small dictionary and checks that the
// dictionary keeps its rows in front, that only "astro" rows with web addresses were added, as
// many as reported, and that a refused file changed nothing.
void MergeAndCheck(const QString& update);
}  // namespace qzfuzz
