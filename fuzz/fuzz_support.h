#pragma once
// Helpers shared by the fuzz targets: a Qt core application, a scratch folder, and a check
// that stops the run (so libFuzzer keeps the input) when an invariant breaks.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace qzfuzz {
inline QCoreApplication* App() {
  static int argc = 1;
  static char name[] = "QZFreeOrbalinth";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* app = new QCoreApplication(argc, argv);
  return app;
}

// One scratch folder for the whole run, removed at exit.
inline QString Scratch(const QString& name) {
  static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/qz-fuzz-XXXXXX"));
  return dir.path() + QLatin1Char('/') + name;
}

inline QByteArray Bytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "INVARIANT BROKEN at %s:%d: %s\n", file, line, what);
  std::abort();
}
}  // namespace qzfuzz

#define QZ_CHECK(condition) \
  do {                      \
    if (!(condition)) qzfuzz::Fail(#condition, __FILE__, __LINE__); \
  } while (0)
