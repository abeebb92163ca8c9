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

QList<QByteArray> SplitLines(const QByteArray& bytes, int maxLines) {
  QList<QByteArray> lines;
  QByteArray line;
  bool open = false;
  for (qsizetype i = 0; i < bytes.size() && lines.size() < maxLines; ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.append(line);
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      continue;
    }
    line += c;
    open = true;
  }
  if (open && lines.size() < maxLines) lines.append(line);
  return lines;
}

std::optional<QByteArray> ReadFileHead(const QString& path, qint64 limit) {
  if (QFileInfo(path).isDir()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.read(limit);
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes;
}
