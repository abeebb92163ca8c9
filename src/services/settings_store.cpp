#include "services/settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "services/calendar.h"
#include "services/file_io.h"
#include "services/text_codec.h"

namespace settings {
namespace {
// The file holds one short date; anything much larger is not ours.
constexpr qint64 kLargestSettingsFile = 64 * 1024;

// The file is named outright, so that QSettings reads no other (system or organisation-wide)
// file, and only after it was found to be a small regular file: QSettings reads it whole, and
// would wait for ever on a FIFO. A path through an unsafe link is neither read nor written.
bool usable(const QString& path) {
  if (!UnsafeLinkReason(path).isEmpty()) return false;
  qint64 size = 0;
  if (IsRegularFile(path, &size)) return size <= kLargestSettingsFile;
  return !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
}

QSettings store() { return QSettings(FilePath(), QSettings::IniFormat); }
QString key() { return QStringLiteral("Settings/") + EncodeText(QStringLiteral("Duration")); }
}  // namespace

QString ApplicationName() {
  const QString path = QCoreApplication::applicationFilePath();
  const QString base = QFileInfo(path).completeBaseName();
  return base.isEmpty() ? QStringLiteral("QZFreeOrbalinth") : base;
}

// A settings file of the wrong kind or size counts as missing, and is left as it is.
QString ReadDuration() {
  if (!usable(FilePath())) return QString();
  return DecodeText(store().value(key()).toString());
}

void WriteDuration(const QString& dateText) {
  if (!usable(FilePath())) return;
  QSettings s = store();
  s.setValue(key(), EncodeText(dateText));
  s.sync();
}

void RemoveDuration() {
  if (!usable(FilePath())) return;
  QSettings s = store();
  s.remove(key());
  s.sync();
}

QString FilePath() {
  const QString app = ApplicationName();
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + app +
         QLatin1Char('/') + app + QStringLiteral(".ini");
}
}  // namespace settings

ReminderStep DecideReminder(const QString& stored, const QDate& today) {
  if (stored.isEmpty()) return ReminderStep::StoreToday;
  const QDate day = calendar::ParseShortDate(stored);
  if (!day.isValid()) return ReminderStep::Nothing;
  const qint64 d = today.daysTo(day);
  if (d >= -14 && d <= 14) return ReminderStep::Nothing;
  return ReminderStep::Ask;
}
