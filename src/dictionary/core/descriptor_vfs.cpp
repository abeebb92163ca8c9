#include "dictionary/core/descriptor_vfs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "dictionary/core/sqlcipher_engine.h"

namespace dictionary {
namespace {
constexpr char kName[] = "qz-descriptor";
constexpr char kPrefix[] = "/qz-descriptor/";
constexpr size_t kPrefixLength = sizeof kPrefix - 1;

struct DescriptorFile {
  sqlite3_file base;
  int fd;
};
int fdOf(sqlite3_file* file) { return reinterpret_cast<DescriptorFile*>(file)->fd; }

int fileClose(sqlite3_file* file) {
  ::close(fdOf(file));
  return SQLITE_OK;
}
int fileRead(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset) {
  char* out = static_cast<char*>(buffer);
  int got = 0;
  while (got < amount) {
    const ssize_t n = ::pread(fdOf(file), out + got, size_t(amount - got), off_t(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return SQLITE_IOERR_READ;
    if (n == 0) break;
    got += int(n);
  }
  if (got == amount) return SQLITE_OK;
  // The engine expects the rest of a short read zeroed.
  std::memset(out + got, 0, size_t(amount - got));
  return SQLITE_IOERR_SHORT_READ;
}
int fileWrite(sqlite3_file*, const void*, int, sqlite3_int64) { return SQLITE_IOERR_WRITE; }
int fileTruncate(sqlite3_file*, sqlite3_int64) { return SQLITE_IOERR_TRUNCATE; }
int fileSync(sqlite3_file*, int) { return SQLITE_OK; }
int fileSize(sqlite3_file* file, sqlite3_int64* size) {
  struct stat st {};
  if (::fstat(fdOf(file), &st) != 0) return SQLITE_IOERR_FSTAT;
  *size = st.st_size;
  return SQLITE_OK;
}
int fileLock(sqlite3_file*, int) { return SQLITE_OK; }
int fileCheckReservedLock(sqlite3_file*, int* reserved) {
  *reserved = 0;
  return SQLITE_OK;
}
int fileControl(sqlite3_file*, int, void*) { return SQLITE_NOTFOUND; }
int fileSectorSize(sqlite3_file*) { return 4096; }
// Immutable: the engine takes no locks and reads no journal for it.
int fileCharacteristics(sqlite3_file*) { return SQLITE_IOCAP_IMMUTABLE; }

const sqlite3_io_methods kMethods = [] {
  sqlite3_io_methods m{};
  m.iVersion = 1;
  m.xClose = fileClose;
  m.xRead = fileRead;
  m.xWrite = fileWrite;
  m.xTruncate = fileTruncate;
  m.xSync = fileSync;
  m.xFileSize = fileSize;
  m.xLock = fileLock;
  m.xUnlock = fileLock;
  m.xCheckReservedLock = fileCheckReservedLock;
  m.xFileControl = fileControl;
  m.xSectorSize = fileSectorSize;
  m.xDeviceCharacteristics = fileCharacteristics;
  return m;
}();

// Time, randomness and sleeping come from the engine's own file system.
sqlite3_vfs* base() {
  static sqlite3_vfs* const b = engine().vfs_find(nullptr);
  return b;
}

int vfsOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
  file->pMethods = nullptr;
  // The main file, read-only; never a journal, a temporary file or a file to write.
  if (!name || !(flags & SQLITE_OPEN_MAIN_DB) || (flags & (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) ||
      std::strncmp(name, kPrefix, kPrefixLength) != 0)
    return SQLITE_CANTOPEN;
  char* end = nullptr;
  const long source = std::strtol(name + kPrefixLength, &end, 10);
  if (end == name + kPrefixLength || *end != '\0' || source < 0) return SQLITE_CANTOPEN;
  const int fd = ::fcntl(int(source), F_DUPFD_CLOEXEC, 3);
  if (fd < 0) return SQLITE_CANTOPEN;
  reinterpret_cast<DescriptorFile*>(file)->fd = fd;
  file->pMethods = &kMethods;
  if (outFlags) *outFlags = SQLITE_OPEN_READONLY;
  return SQLITE_OK;
}
int vfsDelete(sqlite3_vfs*, const char*, int) { return SQLITE_IOERR_DELETE; }
// Nothing exists beside the file.
int vfsAccess(sqlite3_vfs*, const char*, int, int* result) {
  *result = 0;
  return SQLITE_OK;
}
int vfsFullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
  const size_t length = std::strlen(name);
  if (length + 1 > size_t(size)) return SQLITE_CANTOPEN;
  std::memcpy(out, name, length + 1);
  return SQLITE_OK;
}
void* vfsDlOpen(sqlite3_vfs*, const char*) { return nullptr; }
void vfsDlError(sqlite3_vfs*, int size, char* out) {
  if (size > 0) out[0] = '\0';
}
void (*vfsDlSym(sqlite3_vfs*, void*, const char*))(void) { return nullptr; }
void vfsDlClose(sqlite3_vfs*, void*) {}
int vfsRandomness(sqlite3_vfs*, int size, char* out) { return base()->xRandomness(base(), size, out); }
int vfsSleep(sqlite3_vfs*, int microseconds) { return base()->xSleep(base(), microseconds); }
int vfsCurrentTime(sqlite3_vfs*, double* now) { return base()->xCurrentTime(base(), now); }
int vfsGetLastError(sqlite3_vfs*, int, char*) { return 0; }
int vfsCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* now) { return base()->xCurrentTimeInt64(base(), now); }
}  // namespace

const char* DescriptorVfs() {
  static const bool registered = [] {
    if (!engine().loaded || !base()) return false;
    static sqlite3_vfs vfs{};
    vfs.iVersion = 2;
    vfs.szOsFile = int(sizeof(DescriptorFile));
    vfs.mxPathname = 512;
    vfs.zName = kName;
    vfs.xOpen = vfsOpen;
    vfs.xDelete = vfsDelete;
    vfs.xAccess = vfsAccess;
    vfs.xFullPathname = vfsFullPathname;
    vfs.xDlOpen = vfsDlOpen;
    vfs.xDlError = vfsDlError;
    vfs.xDlSym = vfsDlSym;
    vfs.xDlClose = vfsDlClose;
    vfs.xRandomness = vfsRandomness;
    vfs.xSleep = vfsSleep;
    vfs.xCurrentTime = vfsCurrentTime;
    vfs.xGetLastError = vfsGetLastError;
    vfs.xCurrentTimeInt64 = vfsCurrentTimeInt64;
    return engine().vfs_register(&vfs, 0) == SQLITE_OK;
  }();
  return registered ? kName : nullptr;
}

QByteArray DescriptorUri(int fd) {
  return QByteArray("file:") + kPrefix + QByteArray::number(fd) + "?mode=ro&immutable=1";
}
}  // namespace dictionary
