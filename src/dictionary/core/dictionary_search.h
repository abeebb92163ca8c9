#pragma once
// The keyword searches over the dictionary's rows.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "dictionary/core/dictionary_db.h"

namespace dictionary {
// Lower case, one character at a time, so that a text keeps its length.
QString LowerText(const QString& text);
// The text without its asterisks.
QString StripWildcards(const QString& text);

// The search box's derived texts.
QString SearchTerm(const QString& boxText);     // trimmed of blanks, lower case
QString SearchPattern(const QString& boxText);  // lower case, untrimmed, no asterisks

// lowerKey is the row's Key already in lower case.
// Exact search: the Key begins with the term (an empty term matches every row).
inline bool PrefixMatch(const QString& lowerKey, const QString& term) { return lowerKey.startsWith(term); }
// Wildcard search: the pattern occurs in the Key (an empty pattern matches any non-empty Key).
inline bool PartMatch(const QString& lowerKey, const QString& pattern) {
  return !lowerKey.isEmpty() && lowerKey.contains(pattern);
}

// The Keys of matching rows, in row order.
QStringList ExactKeys(const QList<DictionaryRow>& rows, const QStringList& lowerKeys, const QString& term);
QStringList WildcardKeys(const QList<DictionaryRow>& rows, const QStringList& lowerKeys, const QString& pattern);
QStringList AllKeys(const QList<DictionaryRow>& rows);
// The Link of the first row whose whole Key equals the keyword in any letter case.
std::optional<QString> FindLink(const QList<DictionaryRow>& rows, const QStringList& lowerKeys,
                                const QString& keyword);
}  // namespace dictionary
