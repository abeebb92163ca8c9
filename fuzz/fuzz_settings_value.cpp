// The stored setting read back: the settings file as found on disk, the decoded value, and
// what the update reminder decides for it.
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "fuzz_support.h"
#include "services/calendar.h"
#include "services/platform.h"
#include "services/settings_store.h"
#include "services/text_codec.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The settings live under a scratch configuration folder, never the user's own.
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(qzfuzz::Scratch(QStringLiteral("config"))));
  qzfuzz::App();
  return 0;
}

namespace {
void decide(const QString& stored) {
  for (const QDate& today : {QDate(2024, 2, 29), QDate(1900, 1, 1), QDate(9999, 12, 31), QDate(1, 1, 1)}) {
    const ReminderStep step = DecideReminder(stored, today);
    const QDate day = calendar::ParseShortDate(stored);
    if (stored.isEmpty()) QZ_CHECK(step == ReminderStep::StoreToday);
    else if (!day.isValid()) QZ_CHECK(step == ReminderStep::Nothing);
    else if (qAbs(today.daysTo(day)) <= 14) QZ_CHECK(step == ReminderStep::Nothing);
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  const QByteArray bytes = qzfuzz::Bytes(data, size);

  // The bytes as the stored (encoded) value itself.
  const QString decoded = DecodeText(ansi::toUnicode(bytes));
  decide(decoded);
  decide(QString::fromUtf8(bytes));

  // The bytes as the whole settings file. The file is replaced (a new inode, a new size
  // stamp) so that the settings layer reads it again.
  const QString path = settings::FilePath();
  QFileInfo(path).dir().mkpath(QStringLiteral("."));
  const QString next = path + QStringLiteral(".new");
  {
    QFile f(next);
    QZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QZ_CHECK(f.write(bytes) == bytes.size());
  }
  QFile::remove(path);
  QZ_CHECK(QFile::rename(next, path));
  const QString stored = settings::ReadDuration();
  decide(stored);

  // A value written is read back as it was.
  const QString today = calendar::ShortDateText(QDate(2024, 2, 29));
  settings::WriteDuration(today);
  QZ_CHECK(settings::ReadDuration() == today);
  QZ_CHECK(DecideReminder(settings::ReadDuration(), QDate(2024, 3, 1)) == ReminderStep::Nothing);
  return 0;
}
