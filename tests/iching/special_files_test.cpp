// Open with a saved-reading name that is a FIFO or a socket: the unreadable-file message at
// once, never a wait.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "frm_iching_numerology_main.h"
#include "saved_names.h"
#include "special_files.h"
#include "test_support.h"

using qztest::seams;

TEST(IchingSpecialFiles, OpenRefusesAFifoOrASocketAtOnce) {
  seams().reset();
  frmIChingNumerologyMain& form = frmIChingNumerologyMain::instance();
  form.Show();
  const QString fifo = qztest::TempPath("waiting.num");
  ASSERT_TRUE(qztest::MakeFifo(fifo));
  const QString socketPath = qztest::TempPath("socket.num");
  qztest::SocketFile socket(socketPath);
  ASSERT_TRUE(socket.ok());
  for (const QString& path : {fifo, socketPath}) {
    SCOPED_TRACE(path.toStdString());
    seams().messages.clear();
    {
      qztest::FifoGuard guard(fifo);
      seams().fileAnswers.push_back(path);
      QTest::mouseClick(form.control<QPushButton>(QStringLiteral("cmdOpen")), Qt::LeftButton);
    }
    ASSERT_EQ(seams().messages.size(), 1u);
    EXPECT_EQ(seams().messages[0].prompt, iching::SavedNamesMessage(iching::SavedNamesStatus::Unreadable));
    EXPECT_EQ(seams().messages[0].style, 16);
  }
  form.Unload();
  qztest::UnloadAllWindows();
}
