#include "fuzz_update_support.h"

#include <QFile>

#include "dictionary/core/dictionary_db.h"
#include "dictionary/core/web_address.h"
#include "dictionary/core/dictionary_store.h"
#include "dictionary/core/link_policy.h"
#include "dictionary/core/dictionary_merge.h"
#include "fuzz_support.h"

using namespace dictionary;

namespace qzfuzz {
namespace {
const QList<DictionaryRow> kRows = {
    {QStringLiteral("Abundance"), QStringLiteral("https://example.org/abundance"), QStringLiteral("astro")},
    {QStringLiteral("Karma"), QStringLiteral("https://example.org/karma"), QStringLiteral("astro")},
    {QStringLiteral("Zodiac"), QStringLiteral("https://example.org/zodiac"), QString()},
};

QString templatePath() { return Scratch(QStringLiteral("template.dll")); }

QList<DictionaryRow> rowsOf(const QString& path) {
  DictionaryDb db;
  QList<DictionaryRow> rows;
  QZ_CHECK(db.Open(path));
  QZ_CHECK(db.ReadAll(rows));
  return rows;
}
}  // namespace

void MakeDictionaryTemplate() {
  DictionaryDb db;
  QZ_CHECK(db.Create(templatePath()));
  QZ_CHECK(db.Begin());
  for (const DictionaryRow& row : kRows) QZ_CHECK(db.Insert(row));
  QZ_CHECK(db.Commit());
}

void MergeAndCheck(const QString& update) {
  const QString target = Scratch(QStringLiteral("target.dll"));
  QFile::remove(target);
  QZ_CHECK(QFile::copy(templatePath(), target));
  QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
  const MergeResult result = MergeInto(update, target);
  if (qEnvironmentVariableIsSet("QZ_FUZZ_VERBOSE"))
    std::fprintf(stderr, "merge: outcome %d, added %lld, present %lld, %s\n", int(result.outcome),
                 static_cast<long long>(result.added), static_cast<long long>(result.present),
                 result.error.toUtf8().constData());
  QZ_CHECK(result.added >= 0 && result.present >= 0);
  const QList<DictionaryRow> after = rowsOf(target);
  QZ_CHECK(after.size() >= kRows.size());
  for (int i = 0; i < kRows.size(); ++i)
    QZ_CHECK(after[i].Key == kRows[i].Key && after[i].Link == kRows[i].Link && after[i].Names == kRows[i].Names);
  if (result.outcome == MergeOutcome::Updated || result.outcome == MergeOutcome::WrongFile)
    QZ_CHECK(after.size() == kRows.size() + result.added);
  else
    QZ_CHECK(after.size() == kRows.size() && result.added == 0);
  const UpdateLinkPolicy policy;
  for (qsizetype i = kRows.size(); i < after.size(); ++i) {
    QZ_CHECK(after[i].Names == QLatin1String("astro"));
    QZ_CHECK(policy.Accepts(after[i]));
  }
}
}  // namespace qzfuzz
