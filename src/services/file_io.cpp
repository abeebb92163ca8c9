#include "file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool WriteWholeFile(const QString& path, const QByteArray& data) {
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) {
    if (info.isDir()) return false;
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly)) return false;
    const bool written = device.write(data) == data.size() && device.flush();
    device.close();
    return written && device.error() == QFileDevice::NoError;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(data) != data.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}
