#include "dictionary/core/dictionary_search.h"

#include "services/text_rules.h"

namespace dictionary {
QString LowerText(const QString& text) {
  QString out = text;
  QChar* p = out.data();
  const qsizetype n = out.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (p[i].isHighSurrogate() && i + 1 < n && p[i + 1].isLowSurrogate()) {
      const char32_t lower = QChar::toLower(QChar::surrogateToUcs4(p[i], p[i + 1]));
      if (QChar::requiresSurrogates(lower)) {
        p[i] = QChar(QChar::highSurrogate(lower));
        p[i + 1] = QChar(QChar::lowSurrogate(lower));
      }
      ++i;
      continue;
    }
    const char32_t lower = QChar::toLower(char32_t(p[i].unicode()));
    if (!QChar::requiresSurrogates(lower)) p[i] = QChar(char16_t(lower));
  }
  return out;
}

QString StripWildcards(const QString& text) {
  QString out = text;
  out.remove(QLatin1Char('*'));
  return out;
}

QString SearchTerm(const QString& boxText) { return LowerText(TrimBlanks(boxText)); }
QString SearchPattern(const QString& boxText) { return StripWildcards(LowerText(boxText)); }

QStringList ExactKeys(const QList<DictionaryRow>& rows, const QStringList& lowerKeys, const QString& term) {
  QStringList keys;
  for (qsizetype i = 0; i < rows.size(); ++i)
    if (PrefixMatch(lowerKeys[i], term)) keys.append(rows[i].Key);
  return keys;
}

QStringList WildcardKeys(const QList<DictionaryRow>& rows, const QStringList& lowerKeys, const QString& pattern) {
  QStringList keys;
  for (qsizetype i = 0; i < rows.size(); ++i)
    if (PartMatch(lowerKeys[i], pattern)) keys.append(rows[i].Key);
  return keys;
}

QStringList AllKeys(const QList<DictionaryRow>& rows) {
  QStringList keys;
  keys.reserve(rows.size());
  for (const DictionaryRow& row : rows) keys.append(row.Key);
  return keys;
}

std::optional<QString> FindLink(const QList<DictionaryRow>& rows, const QStringList& lowerKeys,
                                const QString& keyword) {
  const QString lower = LowerText(keyword);
  for (qsizetype i = 0; i < rows.size(); ++i)
    if (lowerKeys[i] == lower) return rows[i].Link;
  return std::nullopt;
}
}  // namespace dictionary
