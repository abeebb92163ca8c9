// The date text parser under several locales: any text is a date or none, a date read from a
// text is written back as a text that reads as the same date, and every written date reads back.
#include <QLocale>
#include <vector>

#include "fuzz_support.h"
#include "services/calendar.h"
#include "services/text_codec.h"

namespace {
const std::vector<QLocale>& locales() {
  static const std::vector<QLocale> all = [] {
    std::vector<QLocale> out;
    for (const char* name : {"C", "en_US", "en_GB", "de_DE", "fr_FR", "nl_NL", "ru_RU", "ja_JP", "zh_CN",
                             "ko_KR", "ar_EG", "fa_IR", "hi_IN", "he_IL", "th_TH", "hu_HU"})
      out.emplace_back(QString::fromLatin1(name));
    return out;
  }();
  return all;
}

void check(const QString& text, const QLocale& locale) {
  const QDate day = calendar::ParseShortDate(text, locale);
  if (!day.isValid()) return;
  const QString written = calendar::ShortDateText(day, locale);
  QZ_CHECK(!written.isEmpty());
  QZ_CHECK(calendar::ParseShortDate(written, locale) == day);
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qzfuzz::App();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const QByteArray bytes = qzfuzz::Bytes(data, size);
  // The first byte picks a locale; the rest is the text, read as UTF-8 and as the code page.
  const std::vector<QLocale>& all = locales();
  const QLocale& picked = all[size ? data[0] % all.size() : 0];
  const QByteArray rest = bytes.mid(1);
  for (const QString& text : {QString::fromUtf8(rest), ansi::toUnicode(rest)}) {
    check(text, picked);
    check(text, all[1]);  // en_US, the machine's own
  }

  // A date made of the bytes: the text the suite writes for it reads back as that date.
  if (size >= 4) {
    const qint64 jd = 1721426 + (qint64(data[1]) << 16 | qint64(data[2]) << 8 | data[3]) % 3652059;  // 0001-01-01 .. 9999-12-31
    const QDate day = QDate::fromJulianDay(jd);
    QZ_CHECK(day.isValid());
    const QString written = calendar::ShortDateText(day, picked);
    QZ_CHECK(calendar::ParseShortDate(written, picked) == day);
  }
  return 0;
}
