#pragma once
// Files of the wrong kind for tests of the readers and writers: a FIFO, a socket, and a
// watchdog that keeps a FIFO from hanging a test.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "common/test_support.h"

namespace qztest {
inline bool MakeFifo(const QString& path) {
  QFile::remove(path);
  return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// A bound Unix socket at path; it stays a socket file until removed.
class SocketFile {
 public:
  explicit SocketFile(const QString& path) {
    QFile::remove(path);
    fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (fd_ < 0 || name.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    ok_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  }
  ~SocketFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  SocketFile(const SocketFile&) = delete;
  SocketFile& operator=(const SocketFile&) = delete;
  bool ok() const { return ok_; }

 private:
  int fd_ = -1;
  bool ok_ = false;
};

// Watches a FIFO while the code under test runs. If that code has not returned when the time
// is up, the guard opens the FIFO's other end, so that a reader or writer waiting on it goes
// on, and the test fails instead of hanging.
class FifoGuard {
 public:
  explicit FifoGuard(const QString& fifo, std::chrono::milliseconds limit = std::chrono::seconds(5))
      : fifo_(QFile::encodeName(fifo)), watchdog_([this, limit] { watch(limit); }) {}
  ~FifoGuard() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    wake_.notify_all();
    watchdog_.join();
    EXPECT_FALSE(fired_) << "waited on the FIFO " << fifo_.constData();
  }
  FifoGuard(const FifoGuard&) = delete;
  FifoGuard& operator=(const FifoGuard&) = delete;

 private:
  void watch(std::chrono::milliseconds limit) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (wake_.wait_for(lock, limit, [this] { return done_; })) return;
    fired_ = true;
    // Until the code returns, each wait on the FIFO it starts is ended.
    while (!done_) {
      // A reader waits for a writer: give it one that writes nothing.
      int fd = ::open(fifo_.constData(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) {
        ::close(fd);
      } else if ((fd = ::open(fifo_.constData(), O_RDONLY | O_NONBLOCK)) >= 0) {
        // A writer waits for a reader: read what it writes for a while.
        char buffer[4096];
        for (int i = 0; i < 25 && !done_; ++i) {
          while (::read(fd, buffer, sizeof buffer) > 0) {
          }
          wake_.wait_for(lock, std::chrono::milliseconds(20));
        }
        ::close(fd);
      }
      wake_.wait_for(lock, std::chrono::milliseconds(20));
    }
  }

  QByteArray fifo_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  bool fired_ = false;
  std::thread watchdog_;
};

// A FIFO and a bound socket in the tests' folder, the two kinds of file an Open must refuse.
class FifoAndSocket {
 public:
  FifoAndSocket(const QString& fifoName, const QString& socketName)
      : fifo(TempPath(fifoName)), socket(TempPath(socketName)), fifoMade_(MakeFifo(fifo)), socketFile_(socket) {}
  bool fifoMade() const { return fifoMade_; }
  bool socketMade() const { return socketFile_.ok(); }
  QStringList paths() const { return {fifo, socket}; }

  const QString fifo;
  const QString socket;

 private:
  const bool fifoMade_;
  SocketFile socketFile_;
};
}  // namespace qztest
