// What a test leaves in the process is put back before the next test: every window unloaded
// and made afresh, the clock, the program folder, the environment's settings and data
// folders, the seams and what a library's test support put up for putting back.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "common/test_support.h"
#include "services/platform.h"
#include "services/settings_store.h"
#include "ui/form.h"

namespace {
int keeperUnloads = 0;

class frmKeeper : public ui::FormOf<frmKeeper> {
 public:
  frmKeeper() : FormOf("frmKeeper") {}
  QString Remembered = QStringLiteral("as made");  // a class variable: survives an unload

 protected:
  void CreateControls(QMainWindow*) override {}
  void Form_Unload() override { ++keeperUnloads; }
};

int libraryPutBacks = 0;
const qztest::PutBackBeforeEachTest kCounted([] { ++libraryPutBacks; });

TEST(ProcessState, WhatATestChangesIsPutBackBeforeTheNext) {
  frmKeeper::instance().Show();
  frmKeeper::instance().Remembered = QStringLiteral("left by a test");
  qztest::SetToday(QDate(2001, 2, 3));
  platform::SetProgramFolder(QStringLiteral("/nowhere"));
  settings::WriteDuration(QStringLiteral("2/3/2001"));
  ASSERT_EQ(settings::ReadDuration(), QStringLiteral("2/3/2001"));
  const QString dataFile =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/left.txt");
  QDir().mkpath(QFileInfo(dataFile).absolutePath());
  qztest::WriteAll(dataFile, "left by a test");
  const QByteArray config = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", "/elsewhere");
  qztest::seams().answers.push_back(ui::MsgAnswer::Yes);
  const int unloadsBefore = keeperUnloads, putBacksBefore = libraryPutBacks;

  qztest::PutBackProcessState();

  EXPECT_EQ(keeperUnloads, unloadsBefore + 1);
  EXPECT_FALSE(frmKeeper::instance().IsLoaded());
  EXPECT_EQ(frmKeeper::instance().Remembered, QStringLiteral("as made"));
  EXPECT_EQ(platform::Today(), QDate::currentDate());
  EXPECT_EQ(platform::ProgramFolder(), qztest::BuiltProgramFolder());
  EXPECT_EQ(qgetenv("XDG_CONFIG_HOME"), config);
  EXPECT_EQ(settings::ReadDuration(), QString());
  EXPECT_FALSE(QFile::exists(dataFile));
  EXPECT_TRUE(qztest::seams().answers.empty());
  EXPECT_EQ(libraryPutBacks, putBacksBefore + 1);
}
}  // namespace
