#include "file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
bool fail(QString* error, const QString& reason) {
  if (error) *error = reason;
  return false;
}
}  // namespace

bool WriteWholeFile(const QString& path, const QByteArray& data, QString* error) {
  const QFileInfo info(path);
  if (info.isDir()) return fail(error, QStringLiteral("%1 is a folder").arg(path));
  if (info.exists() && !info.isFile()) {
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly)) return fail(error, device.errorString());
    if (device.write(data) != data.size() || !device.flush()) return fail(error, device.errorString());
    device.close();
    if (device.error() != QFileDevice::NoError) return fail(error, device.errorString());
    return true;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return fail(error, file.errorString());
  // The last buffered bytes are written by flush(); commit() would not notice that they failed
  // (a full disk) and would put the short file in place of the old one.
  if (file.write(data) != data.size() || !file.flush()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return fail(error, reason);
  }
  if (!file.commit()) return fail(error, file.errorString());
  return true;
}
