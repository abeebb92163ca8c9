#include "shell/single_instance.h"

#include <QFile>
#include <QLockFile>

#include <sys/stat.h>
#include <unistd.h>

#include "services/file_io.h"
#include "services/settings_store.h"

namespace {
QString& folderOverride() {
  static QString folder;
  return folder;
}
}  // namespace

QString DefaultInstanceLockFolder() {
  return QStringLiteral("/tmp/qz-orbalinth-") + QString::number(static_cast<qulonglong>(::geteuid()));
}

void SetInstanceLockFolder(const QString& folder) { folderOverride() = folder; }

QString InstanceLockFolder() { return folderOverride().isEmpty() ? DefaultInstanceLockFolder() : folderOverride(); }

bool PrepareLockFolder(const QString& folder) {
  const QByteArray name = QFile::encodeName(folder);
  if (name.isEmpty()) return false;
  // A fresh folder gets its mode whatever the umask.
  if (::mkdir(name.constData(), 0700) == 0) ::chmod(name.constData(), 0700);
  struct stat st;
  if (::lstat(name.constData(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 0077) == 0;
}

InstanceClaim ClaimSingleInstance() {
  static const InstanceClaim claim = [] {
    const QString folder = InstanceLockFolder();
    if (!PrepareLockFolder(folder)) return InstanceClaim::NoLock;
    // Held until the process ends; a lock left by a copy that no longer runs is taken over.
    const QString path = folder + QLatin1Char('/') + settings::ApplicationName() + QStringLiteral(".lock");
    static QLockFile lock(path);
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) return InstanceClaim::First;
    // Only a lock file held by a live copy means another copy runs; a folder or disk that
    // takes no lock is not worth refusing the user for.
    if (lock.error() == QLockFile::LockFailedError && IsRegularFile(path)) return InstanceClaim::AlreadyRunning;
    return InstanceClaim::NoLock;
  }();
  return claim;
}
