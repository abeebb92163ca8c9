#include "dictionary/dictionary_test_support.h"

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <QCoreApplication>
#include <QWidget>

#include "dictionary/internet_connection.h"
#include "dictionary/core/web_address.h"
#include "dictionary/core/dictionary_store.h"
#include "dictionary/core/machine_names.h"
#include "dictionary/frm_mdi.h"
#include "dictionary/frm_numerology_dictionary_main.h"
#include "dictionary/frm_numerology_dictionary_pb.h"
#include "dictionary/web_view_loader.h"
#include "services/platform.h"

namespace dicttest {
void WriteDictionary(const QString& path, const QList<DictionaryRow>& rows) {
  dictionary::DictionaryDb db;
  ASSERT_TRUE(db.Create(path)) << db.LastError().toStdString();
  ASSERT_TRUE(db.Begin());
  for (const DictionaryRow& row : rows) ASSERT_TRUE(db.Insert(row));
  ASSERT_TRUE(db.Commit());
}

void WriteWithOtherKey(const QString& path, const QList<DictionaryRow>& rows) {
  QFile::remove(path);
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
  sqlite3_key(db, "another password", 16);
  sqlite3_exec(db, "PRAGMA cipher_page_size = 4096; PRAGMA kdf_iter = 4000", nullptr, nullptr, nullptr);
  ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE numerology (Key TEXT, Link TEXT, Names TEXT)", nullptr, nullptr, nullptr),
            SQLITE_OK);
  for (const DictionaryRow& row : rows) {
    const QByteArray sql = QStringLiteral("INSERT INTO numerology VALUES ('%1', '%2', '%3')")
                               .arg(row.Key, row.Link, row.Names)
                               .toUtf8();
    ASSERT_EQ(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
  }
  sqlite3_close(db);
}

void WriteCrafted(const QString& path, const QStringList& statements, const char* settings) {
  QFile::remove(path);
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
  sqlite3_key(db, dictionary::kDictionaryPassword, int(strlen(dictionary::kDictionaryPassword)));
  ASSERT_EQ(sqlite3_exec(db, settings, nullptr, nullptr, nullptr), SQLITE_OK);
  for (const QString& sql : statements) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    EXPECT_EQ(rc, SQLITE_OK) << sql.toStdString() << ": " << (message ? message : "");
    sqlite3_free(message);
  }
  sqlite3_close(db);
}

QList<DictionaryRow> ReadRows(const QString& path) {
  dictionary::DictionaryDb db;
  QList<DictionaryRow> rows;
  EXPECT_TRUE(db.Open(path) && db.ReadAll(rows)) << path.toStdString();
  return rows;
}

class FakeWebView : public IWebView {
 public:
  FakeWebView(FakeWebViewFactory* owner, QWidget* parent) : owner_(owner), widget_(new QWidget(parent)) {}
  QWidget* widget() override { return widget_; }
  void Navigate(const QUrl& url) override { log("navigate " + url.toString()); }
  void Back() override { log("back"); }
  void Forward() override { log("forward"); }
  void Reload() override { log("reload"); }
  void Stop() override { log("stop"); }
  void SetHtml(const QString&, const QUrl& baseUrl) override { log("html " + baseUrl.toString()); }
  void SubmitForm(const QString&, const QUrl&, const QString& field, const QString& value,
                  const QString& button) override {
    log("form " + field + "=" + value + " " + button);
  }
  QUrl Url() const override { return {}; }
  bool CanGoBack() const override { return owner_->canGoBack; }
  void SetLoadFinishedHandler(std::function<void(bool)>) override {}

 private:
  void log(const QString& s) { owner_->requests.append(s); }
  FakeWebViewFactory* owner_;
  QWidget* widget_;
};

IWebView* FakeWebViewFactory::CreateWebView(QWidget* parent) {
  ++created;
  // The view lives as long as its widget.
  auto* view = new FakeWebView(this, parent);
  QObject::connect(view->widget(), &QObject::destroyed, [view] { delete view; });
  return view;
}

void DictionaryTest::SetUp() {
  SeamTest::SetUp();
  ASSERT_TRUE(dir.isValid());
  programDir = dir.filePath("program");
  userDir = dir.filePath("user");
  QDir().mkpath(programDir);
  QDir().mkpath(userDir);
  platform::SetProgramFolder(programDir);
  dictionary::SetUserDataFolder(userDir);
  dictionary::SetProgramFolderWritable(std::nullopt);
  dictionary::SetWebViewFactory(&browser);
  dictionary::SetConnectionTest([this] { return connected; });
  SetSearchEngineAddress(QString());
  // The address the web view shows next is empty when the program starts.
  WebViewLink().clear();
}

void DictionaryTest::TearDown() {
  frmNumerologyDictionaryPB::instance().Unload();
  frmNumerologyDictionaryMain::instance().Unload();
  MDI::instance().Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  dictionary::SetWebViewFactory(nullptr);
  dictionary::SetConnectionTest(nullptr);
  qztest::RestoreProgramFolder();
  dictionary::SetUserDataFolder(QString());
  dictionary::SetProgramFolderWritable(std::nullopt);
  dictionary::SetMachineNameSources({});
}

QString& WebViewLink() { return frmNumerologyDictionaryMain::instance().DictionaryLink; }

QList<DictionaryRow> SampleRows() {
  return {
      {"Life Path", "https://example.org/life-path", "numerology"},
      {"lifetime", "https://example.org/lifetime", "numerology"},
      {"Half-life", "https://example.org/half-life", "numerology"},
      {"Destiny", "https://example.org/destiny", "numerology"},
      {"", "https://example.org/empty", "numerology"},
      {"Abacus", "https://example.org/abacus", "numerology"},
      {"Soul Urge", "https://www.google.com", "numerology"},
  };
}
}  // namespace dicttest

namespace {
// The dictionary's seams, folders and row cache as a fresh process has them.
const qztest::PutBackBeforeEachTest kDictionaryState([] {
  dictionary::SetUserDataFolder(QString());
  dictionary::SetProgramFolderWritable(std::nullopt);
  dictionary::SetWebViewFactory(nullptr);
  dictionary::SetWebViewPluginFolder(QString());
  dictionary::SetConnectionTest(nullptr);
  SetSearchEngineAddress(QString());
  dictionary::SetReadLimits();
  dictionary::ForgetDictionaryRows();
});
}  // namespace
