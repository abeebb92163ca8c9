// Open with a saved-reading name that is a FIFO or a socket: refused at once like an
// unreadable file, never waited on.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "frm_numerology_pro_main.h"
#include "reading_file.h"
#include "shell_windows.h"
#include "special_files.h"
#include "test_support.h"

using qztest::seams;

TEST(ReadingSpecialFiles, OpenRefusesAFifoOrASocketAtOnce) {
  seams().reset();
  frmNumerologyProMain& input = frmNumerologyProMain::instance();
  input.Show();
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
      EXPECT_FALSE(reading::ReadingFile::Read(path).has_value());
      seams().fileAnswers.push_back(path);
      QTest::mouseClick(input.control<QPushButton>(QStringLiteral("cmdOpen")), Qt::LeftButton);
    }
    ASSERT_EQ(seams().messages.size(), 1u);
    EXPECT_EQ(seams().messages[0].prompt, frmNumerologyProMain::kCheckFileMessage);
    EXPECT_EQ(seams().messages[0].style, 16);
    EXPECT_TRUE(input.IsVisible());
  }
  input.Unload();
  qztest::UnloadAllWindows();
}
