// Writes dictionary files.
//   qz_make_dictionary content TERMS.tsv OUT     the dictionary from the content file
//   qz_make_dictionary generate N OUT            N generated entries (links 0 .. N-1)
//   qz_make_dictionary update N FIRST OUT        an update file of N entries marked "astro",
//                                                links FIRST .. FIRST+N-1
// The content file holds one entry a line: keyword, link and category, separated by tabs;
// "@search" as the link stands for the search engine's address; "#" starts a comment line.
#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QTextStream>
#include <cstdio>

#include "dictionary/core/dictionary_db.h"
#include "dictionary/core/web_address.h"

using dictionary::DictionaryDb;
using dictionary::DictionaryRow;

namespace {
int usage() {
  std::fprintf(stderr,
               "usage: qz_make_dictionary content TERMS.tsv OUT\n"
               "       qz_make_dictionary generate N OUT\n"
               "       qz_make_dictionary update N FIRST OUT\n");
  return 2;
}

QString generatedKey(qint64 i) {
  static const char* const words[] = {"Life Path", "Destiny", "Soul Urge", "Pinnacle", "Challenge",
                                      "Karmic",    "Lo Shu",  "Gematria",  "Hexagram", "Sefirah"};
  return QStringLiteral("%1 %2").arg(QLatin1String(words[i % 10])).arg(i);
}
QString generatedLink(qint64 i) { return QStringLiteral("https://example.org/term/%1").arg(i); }

// Writes the rows to a temporary file beside OUT and moves it into place when complete.
int write(const QString& out, const QList<DictionaryRow>& rows) {
  const QString partial = out + QStringLiteral(".part");
  {
    DictionaryDb db;
    if (!db.Create(partial) || !db.Begin()) {
      std::fprintf(stderr, "cannot create %s: %s\n", qPrintable(partial), qPrintable(db.LastError()));
      return 1;
    }
    for (const DictionaryRow& row : rows)
      if (!db.Insert(row)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(partial), qPrintable(db.LastError()));
        return 1;
      }
    if (!db.Commit()) {
      std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(partial), qPrintable(db.LastError()));
      return 1;
    }
  }
  QFile::remove(out);
  if (!QFile::rename(partial, out)) {
    std::fprintf(stderr, "cannot move %s into place\n", qPrintable(out));
    return 1;
  }
  return 0;
}

int content(const QString& termsPath, const QString& out) {
  QFile file(termsPath);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(termsPath));
    return 1;
  }
  QTextStream in(&file);
  in.setEncoding(QStringConverter::Utf8);
  QList<DictionaryRow> rows;
  QSet<QString> keys;
  int lineNo = 0;
  while (!in.atEnd()) {
    const QString line = in.readLine();
    ++lineNo;
    if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    const QStringList f = line.split(QLatin1Char('\t'));
    if (f.size() != 3 || f[0].isEmpty() || f[1].isEmpty() || f[2].isEmpty()) {
      std::fprintf(stderr, "%s:%d: expected keyword, link and category\n", qPrintable(termsPath), lineNo);
      return 1;
    }
    const QString link = f[1] == QLatin1String("@search") ? kSearchEngineAddress : f[1];
    if (!IsWebAddress(link)) {
      std::fprintf(stderr, "%s:%d: not a web address: %s\n", qPrintable(termsPath), lineNo, qPrintable(f[1]));
      return 1;
    }
    if (keys.contains(f[0].toLower())) {
      std::fprintf(stderr, "%s:%d: keyword listed twice: %s\n", qPrintable(termsPath), lineNo, qPrintable(f[0]));
      return 1;
    }
    keys.insert(f[0].toLower());
    rows.append({f[0], link, f[2]});
  }
  return write(out, rows);
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.size() == 3 && args[0] == QLatin1String("content")) return content(args[1], args[2]);
  bool ok = false;
  if (args.size() == 3 && args[0] == QLatin1String("generate")) {
    const qint64 n = args[1].toLongLong(&ok);
    if (!ok || n < 0) return usage();
    QList<DictionaryRow> rows;
    rows.reserve(n);
    for (qint64 i = 0; i < n; ++i) rows.append({generatedKey(i), generatedLink(i), QStringLiteral("numerology")});
    return write(args[2], rows);
  }
  if (args.size() == 4 && args[0] == QLatin1String("update")) {
    bool ok2 = false;
    const qint64 n = args[1].toLongLong(&ok);
    const qint64 first = args[2].toLongLong(&ok2);
    if (!ok || !ok2 || n < 0 || first < 0) return usage();
    QList<DictionaryRow> rows;
    rows.reserve(n);
    for (qint64 i = first; i < first + n; ++i)
      rows.append({generatedKey(i), generatedLink(i), QStringLiteral("astro")});
    return write(args[3], rows);
  }
  return usage();
}
