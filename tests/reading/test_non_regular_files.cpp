// Open with a saved-reading name that is a FIFO or a socket: refused at once like an
// unreadable file, never waited on.
#include <gtest/gtest.h>

#include "frm_numerology_pro_main.h"
#include "non_regular_files.h"
#include "reading_file.h"
#include "shell_windows.h"
#include "test_support.h"

using qztest::seams;

TEST(ReadingNonRegularFiles, OpenRefusesAFifoOrASocketAtOnce) {
  seams().reset();
  frmNumerologyProMain& input = frmNumerologyProMain::instance();
  input.Show();
  const qztest::FifoAndSocket files("waiting.num", "socket.num");
  ASSERT_TRUE(files.fifoMade());
  ASSERT_TRUE(files.socketMade());
  for (const QString& path : files.paths()) {
    SCOPED_TRACE(path.toStdString());
    seams().messages.clear();
    {
      qztest::FifoGuard guard(files.fifo);
      EXPECT_FALSE(reading::ReadingFile::Read(path).has_value());
    }
    qztest::OpenThroughDialog(input, path, files.fifo);
    ASSERT_EQ(seams().messages.size(), 1u);
    EXPECT_EQ(seams().messages[0].prompt, frmNumerologyProMain::kCheckFileMessage);
    EXPECT_EQ(seams().messages[0].style, 16);
    EXPECT_TRUE(input.IsVisible());
  }
  input.Unload();
  qztest::UnloadAllWindows();
}
