#pragma once
// The fixture of the tests that reach every window of the suite: every tool registered, the
// sample dictionary in the program folder, a fixed date, and every window unloaded afterwards.
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <functional>
#include <ostream>
#include <vector>

#include "chinese/chinese_tool.h"
#include "common/test_support.h"
#include "dictionary/dictionary_test_support.h"
#include "dictionary/dictionary_tool.h"
#include "iching/iching_tool.h"
#include "kabbalah/kabbalah_tool.h"
#include "namebirth/namebirth_tool.h"
#include "reading/reading_tool.h"
#include "shell/tool_registry.h"

namespace fittest {
// The way a user reaches each window; the window is left shown (a modal show in tests returns
// with the window still on the screen).
struct Scenario {
  const char* name;
  std::function<ui::Form&()> open;
  QStringList outOfSight;  // controls placed out of sight on purpose
};
inline void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }
std::vector<Scenario> Scenarios();

// A user's steps: a launcher button clicked, a button clicked, a name typed into a box; the
// result windows of the reading, Kabbalah and Chinese tools reached for JOHN SMITH.
using shell::Tool;
void launch(Tool tool);
void click(ui::Form& form, const char* name);
void enter(ui::Form& form, const char* box, const char* text);
void readingWindow();
void kabbalahResult();
void chineseResult();

class AllWindowsTest : public dicttest::DictionaryTest {
 protected:
  void SetUp() override {
    DictionaryTest::SetUp();
    RegisterReadingTool();
    RegisterKabbalahTool();
    RegisterChineseTool();
    RegisterNamebirthTool();
    RegisterIchingTool();
    RegisterDictionaryTool();
    dicttest::WriteDictionary(programDictionary(), dicttest::SampleRows());
    // The program folder holds the sample dictionary; the name and birth window's pictures are
    // the built ones.
    const QString programDir = QFileInfo(programDictionary()).absolutePath();
    QFile::link(qztest::BuiltProgramFolder() + QStringLiteral("/pu"), programDir + QStringLiteral("/pu"));
    qztest::SetToday(QDate(2024, 3, 15));
  }
  void TearDown() override {
    qztest::UnloadAllWindows();
    DictionaryTest::TearDown();
  }
};
}  // namespace fittest
