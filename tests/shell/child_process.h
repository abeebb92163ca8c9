#pragma once
// A program started as its own process for the shell's tests, killed if it still runs at the end.
#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace shelltest {
class ChildProcess {
 public:
  ChildProcess(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
    process.setProcessEnvironment(env);
    process.start(program, args);
    process.waitForStarted(10000);
  }
  ~ChildProcess() {
    if (process.state() != QProcess::NotRunning) {
      process.kill();
      process.waitForFinished(5000);
    }
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Reads standard output until the line appears or the process ends or the time is up.
  bool waitFor(const QByteArray& line, int ms = 15000) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
      if (output.contains(line)) return true;
      process.waitForReadyRead(200);
      output += process.readAllStandardOutput();
      if (process.state() == QProcess::NotRunning) {
        output += process.readAllStandardOutput();
        return output.contains(line);
      }
    }
    return false;
  }

  QProcess process;
  QByteArray output;
};
}  // namespace shelltest
