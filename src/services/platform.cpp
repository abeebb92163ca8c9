#include "services/platform.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <deque>

namespace platform {
namespace {
std::function<QDateTime()>& clock() {
  static std::function<QDateTime()> c;
  return c;
}
std::function<void(const QString&)>& opener() {
  static std::function<void(const QString&)> o;
  return o;
}
QRandomGenerator& generator() {
  static QRandomGenerator g(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
  return g;
}
std::deque<float>& queued() {
  static std::deque<float> q;
  return q;
}
QString& programFolderOverride() {
  static QString folder;
  return folder;
}
}  // namespace

QDateTime Now() { return clock() ? clock()() : QDateTime::currentDateTime(); }
QDate Today() { return Now().date(); }
void SetClock(std::function<QDateTime()> c) { clock() = std::move(c); }

void Randomize() { generator().seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch())); }

float Rnd() {
  if (!queued().empty()) {
    const float r = queued().front();
    queued().pop_front();
    return r;
  }
  // 24 random bits: every value is exact in single precision and below 1.
  return static_cast<float>(generator().bounded(1u << 24)) / static_cast<float>(1u << 24);
}

void QueueRandom(std::initializer_list<float> values) {
  for (float v : values) queued().push_back(v);
}
void ClearRandomQueue() { queued().clear(); }

void ShellOpen(const QString& address) {
  if (opener()) opener()(address);
}
QUrl WebPageUrl(const QString& address) {
  const QString trimmed = address.trimmed();
  const QString text = trimmed.startsWith(QLatin1String("www."), Qt::CaseInsensitive)
                           ? QStringLiteral("http://") + trimmed
                           : trimmed;
  const QUrl url(text, QUrl::TolerantMode);
  const QString scheme = url.scheme();
  if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
      url.host().isEmpty())
    return QUrl();
  return url;
}

void SetShellOpener(std::function<void(const QString&)> o) { opener() = std::move(o); }

QString ProgramFolder() {
  if (!programFolderOverride().isEmpty()) return programFolderOverride();
  return QCoreApplication::applicationDirPath();
}
void SetProgramFolder(const QString& folder) { programFolderOverride() = folder; }
}  // namespace platform
