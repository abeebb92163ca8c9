#include "services/text_rules.h"

QString TrimBlanks(const QString& s) {
  qsizetype first = 0;
  qsizetype end = s.size();
  while (first < end && s[first] == u' ') ++first;
  while (end > first && s[end - 1] == u' ') --end;
  return s.mid(first, end - first);
}

QString UpperAsciiLetters(const QString& s) {
  QString out = s;
  for (QChar& c : out)
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
  return out;
}
