#pragma once
// Tables of bad input shared by every window's sweep, and the files a sweep opens or saves to.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <Qt>
#include <vector>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "common/test_support.h"

class QWidget;
namespace qztest {
class FifoGuard;
}

namespace sweep {
struct NameCase {
  const char* what;
  QString text;
};
// Names of 0, 1 and 10,000 characters, other scripts, and pasted control characters.
std::vector<NameCase> NameCases();
// Each name case in each of the boxes, with its description ("tab in txtLastName").
struct NameInBox {
  NameCase name;
  const char* box;
  std::string what;
};
std::vector<NameInBox> NamesInBoxes(std::initializer_list<const char*> boxes);

struct DateCase {
  const char* what;
  int day, month, year;
  bool valid;  // a date of the calendar
};
// The edges of the day, month and year lists (first and last year as the window lists them),
// 29 February in leap, common and century years, and the 31st of each 30-day month.
std::vector<DateCase> DateCases(int firstYear, int lastYear);
QString MonthName(int month);

// True when the tests run as root, who reads, writes and replaces files whatever their modes.
bool AsRoot();

// Files a window is asked to open; each is made in the sweep's temporary folder with the
// given name ending.
struct BadFile {
  const char* what;
  QString path;
  bool sound = false;       // a good file that opens as any other
  bool unreadable = false;  // nothing can be read from it: missing, a folder, a FIFO, a socket, no read permission
};
std::vector<BadFile> BadFiles(const QString& ending, const QByteArray& goodContent);
// Removes the huge file and gives the locked files and folders back their permissions.
void CleanUpBadFiles();
// Keeps code that waits on a FIFO among the bad files from hanging the test: the wait is
// ended and the test fails (see qztest::FifoGuard). Does nothing for other files.
class FifoWatch {
 public:
  explicit FifoWatch(const QString& path);
  ~FifoWatch();
  FifoWatch(const FifoWatch&) = delete;
  FifoWatch& operator=(const FifoWatch&) = delete;

 private:
  std::unique_ptr<qztest::FifoGuard> guard_;
};
// The bytes of a regular file under 10 MB, which an Open must leave as they were; else empty.
QByteArray BytesBefore(const QString& path);
// Clicks Open with the open dialog answering the file and checks that it took under 5 s (a
// FIFO watched); returns the file's bytes from before (see BytesBefore).
QByteArray OpenQuickly(QWidget* openButton, const BadFile& f);

// A sweep of an input window: each case starts on the window loaded afresh; after each test the
// bad files are cleaned up, every window unloaded and /dev/full checked.
class WindowSweep : public qztest::SeamTest {
 protected:
  void TearDown() override;
  // Unloads every window and shows the input window, with no message recorded.
  static void Restart(ui::Form& input);
};


// Sets or clears the immutable attribute (neither root nor anyone else may change the file);
// only root may.
bool SetImmutable(const QString& path, bool on);

// Save targets that must fail. Each holds an existing file of the user's (where there is one)
// whose bytes must survive the failed save. A full device and an immutable file are made only
// as root; a read-only folder is read-only to a user by its mode and to root as immutable.
struct FailingSave {
  const char* what;
  QString path;
  QByteArray before;     // empty for a device or a folder
  bool fullDisk = false;  // run the save under a FileSizeLimit
};
std::vector<FailingSave> FailingSaves(const QString& ending);
// True while /dev/full is still the character device it should be.
bool DevFullIntact();
// Clicks Save with the save dialog answering the failing target (a full disk under a size
// limit), then checks that one error message (the only one since the caller cleared them)
// says so, the user's old bytes are kept and /dev/full is intact. Failures name `what`; the
// caller adds a SCOPED_TRACE naming its window.
void SaveMustFail(QWidget* saveButton, const FailingSave& s, const std::function<bool(const QString&)>& saysSo,
                  const std::string& what);

// What a user does, as key and mouse events (see test_support.h).
using qztest::Choose;
using qztest::Click;
using qztest::ClickTab;
using qztest::Enter;
using qztest::MenuItem;
using qztest::Paste;

}  // namespace sweep
