#include "services/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <optional>

#include "services/calendar.h"
#include "services/file_io.h"
#include "services/text_codec.h"

namespace settings {
namespace {
// The file holds one short date; anything much larger is not ours.
constexpr qint64 kLargestSettingsFile = 64 * 1024;

// The settings file's bytes: empty when there is none yet, nullopt when it must be left alone
// (a link to be refused, not a regular file, too large). Read once through the checked reader,
// so that a FIFO is never opened and a link never followed against the save rules.
std::optional<QByteArray> currentBytes(const QString& path) {
  if (!UnsafeLinkReason(path).isEmpty()) return std::nullopt;
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return QByteArray();
  return ReadSmallFile(path, kLargestSettingsFile);
}

// QSettings reads and writes a private copy of the file, in a folder this process made: its
// lock file (<file>.lock, on which QSettings would wait for ever were it a FIFO or a folder) is
// then never one another program put beside the user's file. The user's file is written back
// whole through WriteWholeFile.
class PrivateCopy {
 public:
  explicit PrivateCopy(const QByteArray& bytes) {
    if (!folder_.isValid()) return;
    path_ = folder_.filePath(QStringLiteral("settings.ini"));
    QFile file(path_);
    ok_ = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
  }
  bool ok() const { return ok_; }
  QSettings settings() const { return QSettings(path_, QSettings::IniFormat); }
  std::optional<QByteArray> bytes() const { return ReadSmallFile(path_, kLargestSettingsFile); }

 private:
  QTemporaryDir folder_;
  QString path_;
  bool ok_ = false;
};

QString key() { return QStringLiteral("Settings/") + EncodeText(QStringLiteral("Duration")); }

// Changes the setting in a private copy and writes the file back; nothing when the file must be
// left alone.
void change(const std::function<void(QSettings&)>& edit) {
  const QString path = FilePath();
  const std::optional<QByteArray> old = currentBytes(path);
  if (!old) return;
  const PrivateCopy copy(*old);
  if (!copy.ok()) return;
  {
    QSettings s = copy.settings();
    edit(s);
    s.sync();
    // A file QSettings could not parse (FormatError) is written anew, as QSettings would.
    if (s.status() == QSettings::AccessError) return;
  }
  const std::optional<QByteArray> changed = copy.bytes();
  if (!changed || *changed == *old) return;
  QDir().mkpath(QFileInfo(path).path());
  WriteWholeFile(path, *changed);
}
}  // namespace

QString ApplicationName() {
  const QString path = QCoreApplication::applicationFilePath();
  const QString base = QFileInfo(path).completeBaseName();
  return base.isEmpty() ? QStringLiteral("QZFreeOrbalinth") : base;
}

// A settings file of the wrong kind or size counts as missing, and is left as it is.
QString ReadDuration() {
  const std::optional<QByteArray> bytes = currentBytes(FilePath());
  if (!bytes || bytes->isEmpty()) return QString();
  const PrivateCopy copy(*bytes);
  if (!copy.ok()) return QString();
  return DecodeText(copy.settings().value(key()).toString());
}

void WriteDuration(const QString& dateText) {
  change([&](QSettings& s) { s.setValue(key(), EncodeText(dateText)); });
}

void RemoveDuration() {
  change([](QSettings& s) { s.remove(key()); });
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
