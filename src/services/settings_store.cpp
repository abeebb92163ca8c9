#include "settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include "calendar.h"
#include "text_codec.h"

namespace settings {
namespace {
QSettings store() {
  const QString app = ApplicationName();
  return QSettings(QSettings::IniFormat, QSettings::UserScope, app, app);
}
QString key() { return QStringLiteral("Settings/") + EncodeText(QStringLiteral("Duration")); }
}  // namespace

QString ApplicationName() {
  const QString path = QCoreApplication::applicationFilePath();
  const QString base = QFileInfo(path).completeBaseName();
  return base.isEmpty() ? QStringLiteral("QZFreeOrbalinth") : base;
}

QString ReadDuration() { return DecodeText(store().value(key()).toString()); }

void WriteDuration(const QString& dateText) {
  QSettings s = store();
  s.setValue(key(), EncodeText(dateText));
  s.sync();
}

void RemoveDuration() {
  QSettings s = store();
  s.remove(key());
  s.sync();
}

QString FilePath() { return store().fileName(); }
}  // namespace settings

ReminderStep DecideReminder(const QString& stored, const QDate& today) {
  if (stored.isEmpty()) return ReminderStep::StoreToday;
  const QDate day = calendar::ParseShortDate(stored);
  if (!day.isValid()) return ReminderStep::Nothing;
  const qint64 d = today.daysTo(day);
  if (d >= -14 && d <= 14) return ReminderStep::Nothing;
  return ReminderStep::Ask;
}
