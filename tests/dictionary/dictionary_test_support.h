#pragma once
// Dictionaries written for a test, and a browser that records what it is asked.
#include <QDir>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include "common/test_support.h"
#include "dictionary/core/dictionary_db.h"
#include "dictionary/webview/web_view_interface.h"

namespace dicttest {
using dictionary::DictionaryRow;

// Writes a dictionary file with the given rows, in order.
void WriteDictionary(const QString& path, const QList<DictionaryRow>& rows);
// Writes a file of the right form with another password.
void WriteWithOtherKey(const QString& path, const QList<DictionaryRow>& rows);
// A keyed file made by running statements on a fresh database (with the given cipher settings).
void WriteCrafted(const QString& path, const QStringList& statements,
                  const char* settings = dictionary::kCipherSettings);
// The rows of a dictionary file as they stand.
QList<DictionaryRow> ReadRows(const QString& path);

// A browser that records its requests ("navigate <url>", "back", "form <field>=<value>", ...).
class FakeWebView;
class FakeWebViewFactory : public IWebViewFactory {
 public:
  IWebView* CreateWebView(QWidget* parent) override;
  void SetTestNetwork(std::function<QStringList(const QString&)>, std::function<QString(const QString&)>) override {}
  int RefusedRequests() const override { return 0; }
  QStringList requests;
  int created = 0;
  bool canGoBack = false;
};

// A fixture with the dictionary's folders, connection test and browser of its own.
class DictionaryTest : public qztest::SeamTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  QString programDictionary() const { return QDir(programDir).filePath("numerology.dll"); }
  QString userDictionary() const { return QDir(userDir).filePath("numerology.dll"); }
  QString tempFile(const QString& name) const { return QDir(dir.path()).filePath(name); }

  QTemporaryDir dir;
  QString programDir;
  QString userDir;
  FakeWebViewFactory browser;
  bool connected = true;
};

// The web view's DictionaryLink, the address it shows at its next load.
QString& WebViewLink();

// The rows most frame tests use.
QList<DictionaryRow> SampleRows();
}  // namespace dicttest
