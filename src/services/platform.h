#pragma once
// The few platform services that calculations and openers need, each behind a seam
// that a test can set and read back. The running program uses the real ones.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace platform {
// Today's date and the current time.
QDate Today();
QDateTime Now();
void SetClock(std::function<QDateTime()> clock);  // empty function: the real clock

// Pseudo-random numbers of single precision, 0 <= r < 1.
void Randomize();  // seed from the clock
float Rnd();
// Tests: the next draws, in order; when the queue is empty the generator draws.
void QueueRandom(std::initializer_list<float> values);
void ClearRandomQueue();

// The shell's "Open" verb on an address.
void ShellOpen(const QString& address);
// What an "Open" of the address hands to the desktop: a web page and nothing else. A text
// that begins with "www." (in any case) is "http://" followed by the text; anything that is
// not then an http or https address with a host gives an empty QUrl and opens nothing.
QUrl WebPageUrl(const QString& address);
void SetShellOpener(std::function<void(const QString&)> opener);

// The program's folder, where the picture folder, the dictionary and the web view plugin lie:
// the executable's folder.
QString ProgramFolder();
// Tests: another program folder; an empty text restores the executable's folder.
void SetProgramFolder(const QString& folder);
}  // namespace platform
