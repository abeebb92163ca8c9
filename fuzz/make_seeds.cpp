// Writes the starting corpora: a few valid files for each fuzz target, in <folder>/<target>/.
#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>

#include "chinese/core/chinese_reading.h"
#include "dictionary/core/dictionary_db.h"
#include "reading/core/reading_file.h"
#include "services/calendar.h"
#include "services/text_codec.h"

namespace {
QString root;
void put(const QString& target, const QString& name, const QByteArray& bytes) {
  QDir().mkpath(root + QLatin1Char('/') + target);
  QFile f(root + QLatin1Char('/') + target + QLatin1Char('/') + name);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) qFatal("cannot write %s", qPrintable(f.fileName()));
}
QByteArray l1(const QString& s) { return ansi::fromUnicode(s); }

void updateFile(const QString& name, const QList<dictionary::DictionaryRow>& rows) {
  const QString path = root + QStringLiteral("/fuzz_update_db/") + name;
  QDir().mkpath(root + QStringLiteral("/fuzz_update_db"));
  dictionary::DictionaryDb db;
  if (!db.Create(path) || !db.Begin()) qFatal("cannot create %s", qPrintable(path));
  for (const auto& row : rows) db.Insert(row);
  db.Commit();
}

// A plain (unkeyed) SQLite database from SQL, for the target's export path.
void plainFile(const QString& name, const char* sql) {
  const QString path = root + QStringLiteral("/fuzz_update_db/") + name;
  QFile::remove(path);
  sqlite3* db = nullptr;
  sqlite3_open(QFile::encodeName(path).constData(), &db);
  sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
  sqlite3_close(db);
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    fprintf(stderr, "usage: fuzz_make_seeds <folder>\n");
    return 2;
  }
  root = QString::fromLocal8Bit(argv[1]);

  using reading::Person;
  const QList<Person> people = {
      {"John", "Quincy", "Adams", "July", "11", "1967"},
      {"Marie", "", "Curie", "November", "7", "1900"},
      {QStringLiteral("Zoë"), QStringLiteral("Ñandú"), QStringLiteral("O'Brien-Ærø"), "February", "29", "2000"},
      {"", "", "", "", "", ""},
  };
  int n = 0;
  for (const Person& p : people) put("fuzz_reading_file", QStringLiteral("person%1.num").arg(++n), reading::ReadingFile::ToBytes(p));
  put("fuzz_reading_file", "lf-only.num", reading::ReadingFile::ToBytes(people[0]).replace("\r\n", "\n"));
  put("fuzz_reading_file", "typed.txt", QByteArrayLiteral("Ann\x1F" "Lee\x1F" "Smith\x1F" "May\x1F" "5\x1F" "1984"));

  n = 0;
  for (const chinese::ChineseReadingFile& r :
       {chinese::ChineseReadingFile{"Li Wei", "8", "August", "1988"},
        chinese::ChineseReadingFile{QStringLiteral("Jos\u00e9 Mar\u00eda"), "31", "December", "2050"},
        chinese::ChineseReadingFile{"A", "1", "January", "1900"}})
    put("fuzz_chinese_reading", QStringLiteral("reading%1.cnu").arg(++n), chinese::EncodeChineseReading(r));
  put("fuzz_chinese_reading", "quoted.cnu", QByteArrayLiteral("  \"") + EncodeBytes("Name") + "\", 12\r\n");

  put("fuzz_text_codec", "names.bin", l1(QStringLiteral("John Quincy Adams ÆØÅ ß é")));
  put("fuzz_text_codec", "encoded.bin", EncodeBytes(l1(QStringLiteral("07/11/1967"))));
  QByteArray all;
  for (int i = 0; i < 256; ++i) all += char(i);
  put("fuzz_text_codec", "every-byte.bin", all);
  const QString greek = QStringLiteral("\u0391\u03b8\u03ae\u03bd\u03b1 \u20ac\u2122");
  put("fuzz_text_codec", "utf16.bin", QByteArray(reinterpret_cast<const char*>(greek.utf16()), greek.size() * 2));

  const QDate day(1967, 7, 11);
  int i = 0;
  for (const char* name : {"C", "en_US", "en_GB", "de_DE", "fr_FR", "nl_NL", "ru_RU", "ja_JP", "zh_CN", "ko_KR",
                           "ar_EG", "fa_IR", "hi_IN", "he_IL", "th_TH", "hu_HU"}) {
    const QByteArray text = calendar::ShortDateText(day, QLocale(QString::fromLatin1(name))).toUtf8();
    put("fuzz_short_date", QStringLiteral("%1.txt").arg(QString::fromLatin1(name)), QByteArray(1, char(i++)) + text);
  }

  const QString stored = calendar::ShortDateText(QDate(2024, 1, 2), QLocale(QStringLiteral("en_US")));
  put("fuzz_settings_value", "encoded-value.txt", l1(EncodeText(stored)));
  put("fuzz_settings_value", "settings.ini",
      QByteArrayLiteral("[Settings]\n") + l1(EncodeText("Duration")) + "=" + l1(EncodeText(stored)) + "\n");
  put("fuzz_settings_value", "empty.ini", QByteArrayLiteral("[Settings]\n"));

  using dictionary::DictionaryRow;
  updateFile("update-astro.dat", {{"Aspect", "https://example.org/aspect", "astro"},
                                  {"Karma", "https://example.org/karma", "astro"}});
  updateFile("update-wrong.dat", {{"Moon", "https://example.org/moon", "astro"}, {"Sun", "https://example.org/sun", "other"}});
  updateFile("update-empty.dat", {});
  plainFile("plain-astro.sqlite",
            "CREATE TABLE numerology (Key TEXT, Link TEXT, Names TEXT);"
            "INSERT INTO numerology VALUES ('Aspect','https://example.org/aspect','astro'),"
            "(NULL,NULL,'astro'),('Karma','https://example.org/karma','astro');");
  plainFile("plain-extra-columns.sqlite",
            "CREATE TABLE numerology (id INTEGER PRIMARY KEY, names BLOB, key TEXT, link INT, more TEXT);"
            "INSERT INTO numerology VALUES (7, 'astro', 'Nine', 9, 'x'), (8, X'00FF', 'Ten', 10, NULL);");
  plainFile("plain-no-table.sqlite", "CREATE TABLE other (a); CREATE VIEW numerology AS SELECT 1 AS Key;");
  return 0;
}
