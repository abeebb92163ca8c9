// Update files made by a stranger: they are read as data, under limits, and never steer the
// program or reach the dictionary with anything but web addresses.
#include <gtest/gtest.h>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>

#include "dictionary/core/web_address.h"
#include "dictionary/core/dictionary_store.h"
#include "dictionary/core/link_policy.h"
#include "dictionary/core/machine_names.h"
#include "dictionary/core/dictionary_merge.h"
#include "dictionary/dictionary_test_support.h"

using namespace dictionary;
using namespace dicttest;

namespace {
// Whether a file opens with the current format's settings alone.
bool OpensInCurrentFormat(const QString& path) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_key(db, kDictionaryPassword, int(strlen(kDictionaryPassword)));
  sqlite3_exec(db, kCipherSettings, nullptr, nullptr, nullptr);
  const bool ok = sqlite3_exec(db, "SELECT count(*) FROM numerology", nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_close(db);
  return ok;
}

const QString kTable = QStringLiteral("CREATE TABLE numerology (Key TEXT, Link TEXT, Names TEXT)");

// A plain `numerology` with one good row beside `count` more schema entries, written straight into
// the schema table so that the file is made in a moment.
QStringList ManyEntries(int count, const QString& type, const QString& sql) {
  return {kTable, "INSERT INTO numerology VALUES ('k', 'https://x.example/', 'astro')", "PRAGMA writable_schema = ON",
          QStringLiteral("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c LIMIT %1) "
                         "INSERT INTO sqlite_schema SELECT '%2', 'e' || x, 'e' || x, %3, %4 FROM c")
              .arg(count)
              .arg(type, type == "view" ? "0" : "2", sql),
          "PRAGMA writable_schema = OFF"};
}

class UntrustedUpdate : public DictionaryTest {
 protected:
  void SetUp() override {
    DictionaryTest::SetUp();
    WriteDictionary(programDictionary(), {{"A", "https://a.example", "numerology"}});
  }
  void TearDown() override {
    SetReadLimits({});
    DictionaryTest::TearDown();
  }
  QStringList linksAfter() {
    QStringList links;
    for (const auto& row : ReadRows(programDictionary())) links.append(row.Link);
    return links;
  }
};

TEST(DictionaryEngine, RefusesEnginesOlderThanSqlCipher461) {
  EXPECT_TRUE(DatabaseEngineAvailable()) << DatabaseEngineProblem().toStdString();
  EXPECT_TRUE(EngineVersionProblem(3046001, "4.6.1 community").isEmpty());
  EXPECT_TRUE(EngineVersionProblem(3049001, "4.9.0 community").isEmpty());
  const QString old = EngineVersionProblem(3015002, "3.4.1");
  EXPECT_TRUE(old.contains("3.4.1") && old.contains("4.6.1")) << old.toStdString();
  EXPECT_FALSE(EngineVersionProblem(3046001, "4.6.0 community").isEmpty());
  EXPECT_FALSE(EngineVersionProblem(3045000, "4.6.1 community").isEmpty());  // an older SQLite under it
  EXPECT_FALSE(EngineVersionProblem(3046001, "").isEmpty());
}

// Files that must be refused whole: the merge says the dictionary could not be updated and
// leaves it as it was, at once.
struct HostileFile {
  const char* name;
  QStringList statements;
};
void PrintTo(const HostileFile& c, std::ostream* os) { *os << c.name; }
class HostileFiles : public UntrustedUpdate, public ::testing::WithParamInterface<HostileFile> {};

TEST_P(HostileFiles, AreRefusedAndChangeNothing) {
  const QString update = tempFile("hostile.dll");
  WriteCrafted(update, GetParam().statements);
  QElapsedTimer timer;
  timer.start();
  const MergeResult result = MergeUpdateFile(update);
  EXPECT_LT(timer.elapsed(), 10000);
  EXPECT_EQ(result.outcome, MergeOutcome::NotChanged) << result.error.toStdString();
  EXPECT_EQ(result.added, 0);
  EXPECT_EQ(linksAfter(), QStringList{"https://a.example"});
}

INSTANTIATE_TEST_SUITE_P(
    Table, HostileFiles,
    ::testing::Values(
        HostileFile{"view_of_endless_rows",
                    {"CREATE VIEW numerology AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) "
                     "SELECT 'k' || x AS Key, 'https://x.example/' || x AS Link, 'astro' AS Names FROM c"}},
        HostileFile{"view_of_one_huge_value",
                    {"CREATE VIEW numerology AS SELECT printf('%.*c', 400000000, 'x') AS Key, "
                     "'https://x.example' AS Link, 'astro' AS Names"}},
        HostileFile{"view_leaking_an_address",
                    {"CREATE VIEW numerology AS SELECT 'k' AS Key, "
                     "'https://x.example/' || hex(fts3_tokenizer('simple')) AS Link, 'astro' AS Names"}},
        HostileFile{"virtual_table",
                    {"CREATE VIRTUAL TABLE numerology USING fts4(Key, Link, Names)",
                     "INSERT INTO numerology VALUES ('k', 'https://x.example', 'astro')"}},
        HostileFile{"computed_field",
                    {"CREATE TABLE numerology (Key TEXT, Names TEXT, Link TEXT AS ('https://x.example/' || Key))",
                     "INSERT INTO numerology (Key, Names) VALUES ('k', 'astro')"}},
        HostileFile{"value_over_the_length_limit",
                    {kTable, "INSERT INTO numerology VALUES ('k', 'https://x.example', 'astro')",
                     "INSERT INTO numerology VALUES (printf('%.*c', 2000000, 'x'), 'https://y.example', 'astro')"}},
        // Schemas of more entries than a dictionary needs: refused by their count, or at the
        // deadline where reading them takes longer.
        HostileFile{"thousand_tables", ManyEntries(1000, "table", "'CREATE TABLE e' || x || ' (a)'")},
        HostileFile{"hundred_thousand_views",
                    ManyEntries(100000, "view", "'CREATE VIEW e' || x || ' AS SELECT * FROM numerology'")},
        HostileFile{"two_hundred_thousand_tables", ManyEntries(200000, "table", "'CREATE TABLE e' || x || ' (a)'")},
        HostileFile{"altered_schema_text",
                    {"CREATE TABLE t2 (a)", "PRAGMA writable_schema = ON",
                     "UPDATE sqlite_master SET sql = 'CREATE TABLE t2 AS SELECT 1' WHERE name = 't2'",
                     "PRAGMA writable_schema = OFF"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UntrustedUpdate, RowCountAndTextBeyondTheLimitsAreRefused) {
  const QString update = tempFile("many.dll");
  WriteCrafted(update, {kTable,
                        "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c LIMIT 50) "
                        "INSERT INTO numerology SELECT 'k' || x, 'https://x.example/' || x, 'astro' FROM c"});
  SetReadLimits({.maxRows = 49});
  EXPECT_EQ(MergeUpdateFile(update).outcome, MergeOutcome::NotChanged);
  SetReadLimits({.maxRows = 50, .maxTotalBytes = 500});
  EXPECT_EQ(MergeUpdateFile(update).outcome, MergeOutcome::NotChanged);
  EXPECT_EQ(linksAfter(), QStringList{"https://a.example"});
  SetReadLimits({.maxRows = 50});
  EXPECT_EQ(MergeUpdateFile(update).outcome, MergeOutcome::Updated);
  SetReadLimits({});
  EXPECT_EQ(linksAfter().size(), 51);
}

TEST_F(UntrustedUpdate, PipesAndFoldersAreRefusedWithoutBlocking) {
  const QString fifo = tempFile("pipe.dll");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(MergeUpdateFile(fifo).outcome, MergeOutcome::NotChanged);
  EXPECT_EQ(MergeUpdateFile(dir.path()).outcome, MergeOutcome::NotChanged);
  EXPECT_LT(timer.elapsed(), 5000);
  EXPECT_EQ(linksAfter(), QStringList{"https://a.example"});
}

// A bad row stops the merge as a wrongly marked row does: the rows before it stay, it and the
// rows after it never enter the dictionary.
TEST_F(UntrustedUpdate, RowsWithoutAWebAddressOrTooLongStopTheMerge) {
  const QString longKey(kMaxKeyLength + 1, QChar('k'));
  const QString longLink = "https://x.example/" + QString(kMaxLinkLength, QChar('l'));
  for (const DictionaryRow& bad :
       QList<DictionaryRow>{{"J", "javascript:alert(1)", "astro"},
                            {"F", "file:///etc/passwd", "astro"},
                            {"D", "data:text/html,<script>1</script>", "astro"},
                            {"S", "smb://host/share", "astro"},
                            {"W", "www.example.org", "astro"},
                            {"N", "https://x.example/new\nline", "astro"},
                            {"E", "", "astro"},
                            {longKey, "https://long-key.example", "astro"},
                            {"L", longLink, "astro"},
                            {"Printer", "http://127.0.0.1:631/", "astro"},
                            {"Router", "http://192.168.1.1/", "astro"},
                            {"Cloud", "http://169.254.169.254/latest/meta-data/", "astro"}}) {
    WriteDictionary(programDictionary(), {{"A", "https://a.example", "numerology"}});
    const QString update = tempFile("bad-row.dll");
    WriteDictionary(update,
                    {{"Good", "https://good.example", "astro"}, bad, {"After", "https://after.example", "astro"}});
    const MergeResult result = MergeUpdateFile(update);
    EXPECT_EQ(result.outcome, MergeOutcome::WrongFile) << bad.Link.left(40).toStdString();
    EXPECT_EQ(linksAfter(), (QStringList{"https://a.example", "https://good.example"}))
        << bad.Link.left(40).toStdString();
  }
  // The search engine's address is a link the dictionary holds on purpose.
  const QString update = tempFile("search.dll");
  WriteDictionary(update, {{"Search me", SearchEngineAddress(), "astro"}});
  EXPECT_EQ(MergeUpdateFile(update).outcome, MergeOutcome::Updated);
}

TEST(DictionaryLinks, OnlyHttpAndHttpsAddressesWithAHostAreWebAddresses) {
  for (const char* link : {"https://example.org", "http://example.org/a?b=c#d", "HTTPS://EXAMPLE.ORG/X",
                           "https://user@host:8080/p%20q", "https://[::1]/", "https://bücher.example/", "http://a"})
    EXPECT_TRUE(IsWebAddress(QString::fromUtf8(link))) << link;
  for (const char* link :
       {"javascript:alert(1)", "file:///etc/passwd", "data:text/html,x", "smb://host/share", "www.example.org",
        "https://", "http:///path", "https://a b", "https://x/\n", "https://host:port/", "https://x/%zz",
        "ftp://example.org", "http:example.org", "https://ex<ample>.org", " https://example.org"})
    EXPECT_FALSE(IsWebAddress(QString::fromUtf8(link))) << link;
}

// An update's links name no host of this machine or its network, in any form a browser reads.
TEST(DictionaryLinks, LinksToTheLocalNetworkAreKnownInEveryForm) {
  for (const char* link : {"http://127.0.0.1:631/",
                           "http://localhost/",
                           "http://LOCALHOST.:8080/x",
                           "http://a.localhost/",
                           "http://printer.local/",
                           "http://nas.home.arpa/",
                           "http://db.internal/",
                           "http://127.1/",
                           "http://0x7f.0.0.1/",
                           "http://0177.0.0.1/",
                           "http://2130706433/",
                           "http://127.0.0.1./",
                           "http://0/",
                           "http://0.0.0.0/",
                           "http://10.1.2.3/",
                           "http://172.16.0.1/",
                           "http://172.31.255.255/",
                           "http://192.168.0.10/",
                           "http://169.254.169.254/",
                           "http://100.64.0.1/",
                           "http://[::1]/",
                           "http://[::]/",
                           "http://[fe80::1]/",
                           "http://[fd00::5]/",
                           "http://[::ffff:127.0.0.1]/",
                           "http://[::ffff:c0a8:101]/",
                           "http://user:pw@127.0.0.1/",
                           "http://%31%32%37.0.0.1/",
                           "http://\xef\xbc\x91\xef\xbc\x92\xef\xbc\x97.0.0.1/",
                           "http://127.0.0.1.1/",
                           "http://256.0.0.1/",
                           "http://1.2.3.09/",
                           "https://x/1",
                           "http://router/",
                           "http://WPAD./",
                           "http://box.localdomain/",
                           "http://nas.lan/",
                           "http://home.arpa/",
                           "http://224.0.0.1/",
                           "http://[ff02::1]/",
                           "http://[64:ff9b::7f00:1]/"})
    EXPECT_TRUE(NamesLocalHost(QString::fromUtf8(link))) << link;
  for (const char* link :
       {"https://example.org/", "https://www.google.com", "http://8.8.8.8/", "http://172.32.0.1/",
        "http://192.169.0.1/", "http://[2001:db8::1]/", "https://1.example/", "https://example.123x/",
        "https://local.example.org/", "https://bücher.example/", "https://x.example/1", "https://localdomain.example/"})
    EXPECT_FALSE(NamesLocalHost(QString::fromUtf8(link))) << link;
}

// Names that only this machine or its network resolves stop the merge as any bad row does:
// dotless names, the machine's own names and the names its hosts file gives a local address.
TEST_F(UntrustedUpdate, NamesOfThisMachineAndItsNetworkStopTheMerge) {
  const QString hosts = tempFile("hosts"), resolver = tempFile("resolv.conf");
  qztest::WriteAll(hosts,
                   "127.0.0.1\tlocalhost\n"
                   "::1     localhost ip6-localhost ip6-loopback\n"
                   "127.0.1.1 box.corp.example box   # this machine\n"
                   "198.51.100.20 www.box.example BOX\n"
                   "ff02::1 ip6-allnodes\n"
                   "fe80::1%eth0 gateway.link.example\n"
                   "10.0.0.7\tnas.office.example\r\n"
                   "0.0.0.0 ads.tracker.example\n"
                   "::ffff:192.168.1.5 printer.example\n"
                   "203.0.113.9 mirror.public.example\n"
                   "not-an-address broken.example\n"
                   "#127.0.0.1 commented.example\n"
                   "127.0.0.1 localhost6 localhost6.localdomain6");
  qztest::WriteAll(resolver, "nameserver 192.0.2.53\ndomain corp.example\nsearch office.example lab.example\n");
  SetMachineNameSources({hosts, resolver, QStringLiteral("box")});
  const QStringList local = {"http://box/",
                             "http://box.corp.example/",
                             "https://BOX.Corp.Example./x",
                             "http://www.box.example:8080/",
                             "http://box.office.example/",
                             "http://box.lab.example/",
                             "http://ip6-localhost/",
                             "http://ip6-loopback:631/",
                             "http://ip6-allnodes/",
                             "http://localhost6.localdomain6/",
                             "http://gateway.link.example/",
                             "http://nas.office.example/",
                             "https://ads.tracker.example/",
                             "http://printer.example/",
                             "http://localhost.localdomain/",
                             "http://router/",
                             "http://wpad/wpad.dat",
                             "http://intranet./",
                             "http://nas.lan/",
                             "http://%6e%61%73.office.example/",
                             "http://224.0.0.251/"};
  for (const QString& link : local) {
    WriteDictionary(programDictionary(), {{"A", "https://a.example", "numerology"}});
    const QString update = tempFile("own-name.dll");
    WriteDictionary(update, {{"Good", "https://good.example", "astro"},
                             {"Own", link, "astro"},
                             {"After", "https://after.example", "astro"}});
    EXPECT_EQ(MergeUpdateFile(update).outcome, MergeOutcome::WrongFile) << link.toStdString();
    EXPECT_EQ(linksAfter(), (QStringList{"https://a.example", "https://good.example"})) << link.toStdString();
  }
  // Names the hosts file gives a public address of another machine, or gives nothing, are
  // the web's.
  WriteDictionary(programDictionary(), {{"A", "https://a.example", "numerology"}});
  const QString update = tempFile("public.dll");
  const QStringList web = {"https://mirror.public.example/", "https://broken.example/", "https://commented.example/",
                           "https://box.example.org/", "https://corp.example/"};
  QList<DictionaryRow> rows;
  for (const QString& link : web) rows.append({"Web", link, "astro"});
  WriteDictionary(update, rows);
  EXPECT_EQ(MergeUpdateFile(update).outcome, MergeOutcome::Updated);
  EXPECT_EQ(linksAfter(), QStringList{"https://a.example"} + web);
}

// The real machine: its host name and the names /etc/hosts gives a loopback address.
TEST_F(UntrustedUpdate, TheMachinesOwnHostNameStopsTheMerge) {
  char name[256] = {};
  ASSERT_EQ(::gethostname(name, sizeof name - 1), 0);
  QStringList links = {QStringLiteral("http://%1/").arg(QString::fromLatin1(name)),
                       QStringLiteral("http://%1.:8080/").arg(QString::fromLatin1(name).toUpper())};
  QFile etcHosts("/etc/hosts");
  if (etcHosts.open(QIODevice::ReadOnly))
    for (const QByteArray& line : etcHosts.readAll().split('\n')) {
      const qsizetype comment = line.indexOf('#');
      const QList<QByteArray> words = (comment < 0 ? line : line.left(comment)).simplified().split(' ');
      if (words.size() > 1 && (words[0].startsWith("127.") || words[0] == "::1"))
        for (const QByteArray& word : words.mid(1)) links.append("http://" + QString::fromLatin1(word) + "/");
    }
  for (const QString& link : links) {
    const QString update = tempFile("host-name.dll");
    WriteDictionary(update, {{"Own", link, "astro"}});
    EXPECT_EQ(MergeUpdateFile(update).outcome, MergeOutcome::WrongFile) << link.toStdString();
  }
  EXPECT_EQ(linksAfter(), QStringList{"https://a.example"});
}

// A hosts file in a FIFO's place, or past the size the merge reads, never holds the merge up.
TEST_F(UntrustedUpdate, AHostsFileThatIsAPipeOrHugeDoesNotHoldTheMergeUp) {
  const QString fifo = tempFile("hosts-fifo");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString huge = tempFile("hosts-huge");
  {
    QFile f(huge);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QByteArray line = "0.0.0.0 " + QByteArray(200, 'x') + ".example\n";
    while (f.size() < kMaxHostsFileBytes) f.write(line);
    f.write("127.0.0.1 beyond.example\n");
  }
  const QString update = tempFile("hosts.dll");
  WriteDictionary(update, {{"Web", "https://beyond.example/", "astro"}});
  for (const QString& hosts : {fifo, huge, tempFile("missing-hosts"), dir.path()}) {
    WriteDictionary(programDictionary(), {{"A", "https://a.example", "numerology"}});
    SetMachineNameSources({hosts, tempFile("no-resolv.conf"), QStringLiteral("box")});
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(MergeUpdateFile(update).outcome, MergeOutcome::Updated) << hosts.toStdString();
    EXPECT_LT(timer.elapsed(), 5000);
  }
}

// Files of the earlier releases (SQLCipher 3 format) are still read, and a dictionary of that
// format is rewritten in the current one when a merge writes it.
TEST_F(UntrustedUpdate, EarlierFormatIsReadAndTheDictionaryRewrittenInTheCurrentOne) {
  const QString update = tempFile("old-update.dll");
  WriteCrafted(update, {kTable, "INSERT INTO numerology VALUES ('Old', 'https://old.example', 'astro')"},
               kLegacyCipherSettings);
  ASSERT_FALSE(OpensInCurrentFormat(update));
  WriteCrafted(programDictionary(), {kTable, "INSERT INTO numerology VALUES ('A', 'https://a.example', 'numerology')"},
               kLegacyCipherSettings);
  ASSERT_TRUE(ReadDictionary());
  const MergeResult result = MergeUpdateFile(update);
  EXPECT_EQ(result.outcome, MergeOutcome::Updated) << result.error.toStdString();
  EXPECT_TRUE(OpensInCurrentFormat(programDictionary()));
  EXPECT_EQ(linksAfter(), (QStringList{"https://a.example", "https://old.example"}));
  // Nothing of the rewrite is left beside the dictionary but the merge's lock file.
  EXPECT_EQ(QDir(programDir).entryList(QDir::Files | QDir::System | QDir::Hidden),
            (QStringList{"numerology.dll", "numerology.dll.lock"}));
}

TEST_F(UntrustedUpdate, FilesTheProgramWritesAreInTheCurrentFormat) {
  EXPECT_TRUE(OpensInCurrentFormat(programDictionary()));
  const QString shipped = QDir(qztest::BuiltProgramFolder()).filePath("numerology.dll");
  EXPECT_TRUE(OpensInCurrentFormat(shipped));
}
}  // namespace
