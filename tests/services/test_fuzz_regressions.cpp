// Inputs the fuzz targets (fuzz/) once failed on, fed through the same readers and checks.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "calendar.h"
#include "text_codec.h"

namespace {
// The saved inputs of one target, from tests/data/fuzz/<target>/.
QList<QByteArray> SavedInputs(const char* target) {
  const QDir dir(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../data/fuzz/") +
                 QString::fromLatin1(target));
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

// A date read from any text is written back as a text that reads as the same date.
TEST(FuzzRegressions, ShortDateInputsReadBackUnderEveryLocale) {
  const QList<QByteArray> inputs = SavedInputs("fuzz_short_date");
  ASSERT_FALSE(inputs.isEmpty());
  for (const QByteArray& bytes : inputs) {
    const QByteArray rest = bytes.mid(1);
    for (const char* name : kLocales) {
      const QLocale locale{QString::fromLatin1(name)};
      for (const QString& text : {QString::fromUtf8(rest), ansi::toUnicode(rest)}) {
        const QDate day = calendar::ParseShortDate(text, locale);
        if (!day.isValid()) continue;
        EXPECT_GE(day.year(), 1) << name;
        EXPECT_EQ(calendar::ParseShortDate(calendar::ShortDateText(day, locale), locale), day)
            << name << " " << text.toStdString();
      }
    }
  }
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
}
