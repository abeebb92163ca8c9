// Open with a saved-reading name that is a FIFO or a socket: the unreadable-file message at
// once, never a wait.
#include <gtest/gtest.h>

#include "frm_iching_numerology_main.h"
#include "non_regular_files.h"
#include "saved_names.h"
#include "test_support.h"

using qztest::seams;

TEST(IchingNonRegularFiles, OpenRefusesAFifoOrASocketAtOnce) {
  seams().reset();
  frmIChingNumerologyMain& form = frmIChingNumerologyMain::instance();
  form.Show();
  const qztest::FifoAndSocket files("waiting.num", "socket.num");
  ASSERT_TRUE(files.fifoMade());
  ASSERT_TRUE(files.socketMade());
  for (const QString& path : files.paths()) {
    SCOPED_TRACE(path.toStdString());
    seams().messages.clear();
    qztest::OpenThroughDialog(form, path, files.fifo);
    ASSERT_EQ(seams().messages.size(), 1u);
    EXPECT_EQ(seams().messages[0].prompt, iching::SavedNamesMessage(iching::SavedNamesStatus::Unreadable));
    EXPECT_EQ(seams().messages[0].style, 16);
  }
  form.Unload();
  qztest::UnloadAllWindows();
}
