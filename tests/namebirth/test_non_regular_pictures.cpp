// A picture file that is a FIFO, a socket or a device counts as missing, at once.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/non_regular_files.h"
#include "common/test_support.h"
#include "namebirth/core/numerology_software.h"
#include "namebirth/frm_numerology_software_one.h"
#include "services/platform.h"

namespace nb = modNumerologySoftware;

TEST(NamebirthNonRegularPictures, ASunPictureOfTheWrongKindEndsTheProgramAtOnce) {
  QTemporaryDir folder;
  QDir(folder.path()).mkpath(QStringLiteral("pu"));
  const QString sun = QDir(folder.path()).filePath(QStringLiteral("pu/sun.jpg"));
  const QString fifo = QDir(folder.path()).filePath(QStringLiteral("waiting.fifo"));
  ASSERT_TRUE(qztest::MakeFifo(fifo));
  const QString socketPath = QDir(folder.path()).filePath(QStringLiteral("socket"));
  qztest::SocketFile socket(socketPath);
  ASSERT_TRUE(socket.ok());
  platform::SetProgramFolder(folder.path());
  frmNumerologySoftwareOne& form = frmNumerologySoftwareOne::instance();
  for (const QString& target : {fifo, socketPath, QStringLiteral("/dev/zero")}) {
    SCOPED_TRACE(target.toStdString());
    qztest::seams().reset();
    QFile::remove(sun);
    ASSERT_TRUE(QFile::link(target, sun));
    {
      qztest::FifoGuard guard(fifo);
      form.Load();
    }
    ASSERT_EQ(qztest::seams().messages.size(), 1u);
    EXPECT_EQ(qztest::seams().messages[0].prompt,
              QStringLiteral("Pictures Folder Is Missing\r\nPictures Have Been Moved Or Deleted."));
    EXPECT_EQ(qztest::seams().endCalls, std::vector<int>{0});
    form.Unload();
  }
  qztest::RestoreProgramFolder();
  qztest::UnloadAllWindows();
}
