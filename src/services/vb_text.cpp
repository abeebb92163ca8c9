#include "services/vb_text.h"

QString VbLTrim(const QString& s) {
  qsizetype i = 0;
  while (i < s.size() && s[i] == u' ') ++i;
  return s.mid(i);
}

QString VbRTrim(const QString& s) {
  qsizetype n = s.size();
  while (n > 0 && s[n - 1] == u' ') --n;
  return s.left(n);
}

QString VbTrim(const QString& s) { return VbRTrim(VbLTrim(s)); }

QString UpperAsciiLetters(const QString& s) {
  QString out = s;
  for (QChar& c : out)
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
  return out;
}
