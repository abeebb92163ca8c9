// Timings of the dictionary over generated files: qz_bench_dictionary WORKDIR N...
// For each N: the raw floors (reading every row, INSERT OR IGNORE of an update), the frame's
// load with its keyword list, the searches, and the merge of an update of N rows, half new.
#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QRadioButton>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "dictionary/internet_connection.h"
#include "dictionary/core/dictionary_store.h"
#include "dictionary/core/dictionary_merge.h"
#include "dictionary/frm_mdi.h"
#include "dictionary/frm_numerology_dictionary_main.h"
#include "dictionary/web_view_loader.h"
#include "services/platform.h"
#include "ui/msgbox.h"

using namespace dictionary;

namespace {
double ms(QElapsedTimer& t) { return t.nsecsElapsed() / 1e6; }

template <class F>
double median(int runs, F f) {
  std::vector<double> v;
  for (int i = 0; i < runs; ++i) v.push_back(f());
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

sqlite3* openKeyed(const QString& path) {
  sqlite3* db = nullptr;
  sqlite3_open(QFile::encodeName(path).constData(), &db);
  sqlite3_key(db, kDictionaryPassword, int(strlen(kDictionaryPassword)));
  sqlite3_exec(db, "PRAGMA cipher_page_size = 4096; PRAGMA kdf_iter = 4000", nullptr, nullptr, nullptr);
  return db;
}

double rawRead(const QString& path) {
  QElapsedTimer t;
  t.start();
  sqlite3* db = openKeyed(path);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "SELECT Key, Link, Names FROM numerology ORDER BY rowid", -1, &st, nullptr);
  qint64 n = 0;
  while (sqlite3_step(st) == SQLITE_ROW) {
    sqlite3_column_text(st, 0);
    sqlite3_column_text(st, 1);
    ++n;
  }
  sqlite3_finalize(st);
  sqlite3_close(db);
  return ms(t);
}

double rawInsert(const QString& dict, const QString& update, const QString& work) {
  const QString copy = work + "/raw-target.dll";
  QFile::remove(copy);
  QFile::copy(dict, copy);
  sqlite3* prep = openKeyed(copy);
  sqlite3_exec(prep, "CREATE UNIQUE INDEX link ON numerology(Link)", nullptr, nullptr, nullptr);
  sqlite3_close(prep);
  // The rows to insert, read beforehand.
  std::vector<std::string> keys, links;
  sqlite3* src = openKeyed(update);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(src, "SELECT Key, Link FROM numerology", -1, &st, nullptr);
  while (sqlite3_step(st) == SQLITE_ROW) {
    keys.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    links.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
  }
  sqlite3_finalize(st);
  sqlite3_close(src);
  QElapsedTimer t;
  t.start();
  sqlite3* db = openKeyed(copy);
  sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
  sqlite3_prepare_v2(db, "INSERT OR IGNORE INTO numerology (Key, Link, Names) VALUES (?, ?, 'astro')", -1, &st,
                     nullptr);
  for (size_t i = 0; i < keys.size(); ++i) {
    sqlite3_reset(st);
    sqlite3_bind_text(st, 1, keys[i].c_str(), -1, SQLITE_STATIC);
    sqlite3_bind_text(st, 2, links[i].c_str(), -1, SQLITE_STATIC);
    sqlite3_step(st);
  }
  sqlite3_finalize(st);
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return ms(t);
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 4) {
    std::fprintf(stderr, "usage: qz_bench_dictionary MAKE_DICTIONARY WORKDIR N...\n");
    return 2;
  }
  const QString maker = args[1];
  const QString work = args[2];
  QDir().mkpath(work + "/program");
  platform::SetProgramFolder(work + "/program");
  SetUserDataFolder(work + "/user");
  SetWebViewPluginFolder(work + "/no-plugin");  // the frame alone: no browser
  SetConnectionTest([] { return false; });
  ui::SetMsgBoxHandler([](const ui::MsgBoxCall&) { return ui::MsgAnswer::Ok; });

  std::printf("%8s %10s %10s %10s %10s %10s %10s %10s %10s\n", "rows", "raw read", "raw insert", "frame load",
              "exact", "wildcard", "display", "merge", "added");
  for (int i = 3; i < args.size(); ++i) {
    const qint64 n = args[i].toLongLong();
    const QString dict = work + QString("/dict-%1.dll").arg(n);
    const QString update = work + QString("/update-%1.dll").arg(n);
    QProcess::execute(maker, {"generate", QString::number(n), dict});
    QProcess::execute(maker, {"update", QString::number(n), QString::number(n / 2), update});
    const QString program = ProgramDictionaryPath();
    QFile::remove(program);
    QFile::copy(dict, program);

    const double read = median(5, [&] { return rawRead(dict); });
    const double insert = median(3, [&] { return rawInsert(dict, update, work); });
    const double load = median(5, [&] {
      MDI::instance().Unload();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      ForgetDictionaryRows();
      QElapsedTimer t;
      t.start();
      MDI::instance().Show();
      QCoreApplication::processEvents();
      return ms(t);
    });
    MDI& frame = MDI::instance();
    auto* box = frame.control<QLineEdit>("txtKey");
    auto search = [&](const char* mode, const QString& text) {
      frame.control<QRadioButton>(mode)->setChecked(true);
      box->blockSignals(true);
      box->setText(text);
      box->blockSignals(false);
      frame.cmdSearch_Click();  // the first run also loads the web view window
      return median(5, [&] {
        QElapsedTimer t;
        t.start();
        frame.cmdSearch_Click();
        QCoreApplication::processEvents();
        return ms(t);
      });
    };
    const double exact = search("optExact", "life path");
    const double wildcard = search("optWildCard", "*path 9*");
    frame.control<QRadioButton>("optExact")->setChecked(true);
    const double display = median(5, [&] {
      box->blockSignals(true);
      box->setText("destiny");
      box->blockSignals(false);
      QElapsedTimer t;
      t.start();
      frame.cmdDisplay_Click();
      QCoreApplication::processEvents();
      return ms(t);
    });
    frame.Unload();
    frmNumerologyDictionaryMain::instance().Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qint64 added = 0;
    const double merge = median(3, [&] {
      QFile::remove(program);
      QFile::copy(dict, program);
      ForgetDictionaryRows();
      QElapsedTimer t;
      t.start();
      const MergeResult r = MergeUpdateFile(update);
      const double elapsed = ms(t);
      added = r.outcome == MergeOutcome::Updated ? r.added : -1;
      return elapsed;
    });
    std::printf("%8lld %10.1f %10.1f %10.1f %10.1f %10.1f %10.1f %10.1f %10lld\n", static_cast<long long>(n), read,
                insert, load, exact, wildcard, display, merge, static_cast<long long>(added));
    std::fflush(stdout);
  }
  std::printf("(milliseconds, medians; the frame offscreen, without the browser)\n");
  return 0;
}
