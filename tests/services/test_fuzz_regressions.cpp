// Inputs the fuzz targets (fuzz/) once failed on, fed through the same readers and checks.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "services/calendar.h"
#include "services/text_codec.h"

namespace {
// The saved inputs of one target, from tests/data/fuzz/<target>/.
QList<QByteArray> SavedInputs(const char* target) {
  // A relative __FILE__ (as ccache's base folder makes it) is relative to the build folder,
  // which holds the tests' folder of executables.
  const QString source =
      QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).filePath(QStringLiteral(__FILE__));
  const QDir dir(QFileInfo(source).absolutePath() + QStringLiteral("/../data/fuzz/") + QString::fromLatin1(target));
  QList<QByteArray> out;
  for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
    QFile f(dir.filePath(name));
    if (f.open(QIODevice::ReadOnly)) out.append(f.readAll());
  }
  return out;
}

const char* const kLocales[] = {"C", "en_US", "en_GB", "de_DE", "fr_FR", "nl_NL", "ru_RU", "ja_JP",
                                "zh_CN", "ko_KR", "ar_EG", "fa_IR", "hi_IN", "he_IL", "th_TH", "hu_HU"};
}  // namespace

// A date read from any text is written back as a text that reads as the same date: the dates
// each locale writes (the fuzz target's seeds, and the ends of the calendar), read under every
// locale.
TEST(FuzzRegressions, ShortDatesReadBackUnderEveryLocale) {
  int read = 0;
  for (const QDate& day : {QDate(1967, 7, 11), QDate(1, 1, 1), QDate(2000, 2, 29), QDate(9999, 12, 31)}) {
    for (const char* writer : kLocales) {
      const QLocale writtenIn{QString::fromLatin1(writer)};
      const QString written = calendar::ShortDateText(day, writtenIn);
      EXPECT_EQ(calendar::ParseShortDate(written, writtenIn), day) << writer << " " << written.toStdString();
      for (const char* name : kLocales) {
        const QLocale locale{QString::fromLatin1(name)};
        for (const QString& text : {written, ansi::toUnicode(written.toUtf8())}) {
          const QDate back = calendar::ParseShortDate(text, locale);
          if (!back.isValid()) continue;
          ++read;
          EXPECT_GE(back.year(), 1) << name << " " << text.toStdString();
          EXPECT_EQ(calendar::ParseShortDate(calendar::ShortDateText(back, locale), locale), back)
              << name << " " << text.toStdString();
        }
      }
    }
  }
  EXPECT_GE(read, 4 * 16);
}

// A signed year is not a date the suite writes: it reads as no date rather than one before year 1.
TEST(FuzzRegressions, ShortDateRefusesSignedYears) {
  const struct {
    const char* locale;
    const char* text;
  } cases[] = {{"en_US", "7/1/-1967"}, {"de_DE", "01.07.-1967"}, {"fa_IR", "-\u06f1\u06f9\u06f6\u06f7/\u06f7/\u06f1"}};
  for (const auto& c : cases)
    EXPECT_FALSE(calendar::ParseShortDate(QString::fromUtf8(c.text), QLocale(QString::fromLatin1(c.locale))).isValid())
        << c.locale << " " << c.text;
  EXPECT_EQ(calendar::ParseShortDate(QStringLiteral("7/1/1967"), QLocale(QStringLiteral("en_US"))), QDate(1967, 7, 1));
  // The fuzz target's saved inputs (a locale byte, then a signed year's date) read as no date
  // under any locale, as UTF-8 or in the code page.
  const QList<QByteArray> inputs = SavedInputs("fuzz_short_date");
  ASSERT_FALSE(inputs.isEmpty());
  for (const QByteArray& bytes : inputs) {
    const QByteArray rest = bytes.mid(1);
    for (const char* name : kLocales) {
      const QLocale locale{QString::fromLatin1(name)};
      for (const QString& text : {QString::fromUtf8(rest), ansi::toUnicode(rest)})
        EXPECT_FALSE(calendar::ParseShortDate(text, locale).isValid()) << name << " " << text.toStdString();
    }
  }
}
