// The benchmark tours (tools/tours/*.keys) still match the programs: each
// visits its screens without an error and ends through the main menu's end
// item with its last key. (Under the sanitizers this also runs every screen.)
#include <gtest/gtest.h>

#include "framework/runtime/headless_host.h"
#include "tools/probe_host.h"
#include "tools/program_table.h"

namespace lessons {
namespace {

TEST(Tours, EachTourEndsThroughTheEndItemWithItsLastKey) {
  for (std::string program : {"palisteo", "quendral", "orvenna"}) {
    SCOPED_TRACE(program);
    std::vector<int> keys;
    ASSERT_TRUE(ReadKeyFile(std::string(LESSONS_TOURS_DIR) + "/" + program + ".keys", keys));
    HeadlessHost headless{HeadlessOptions{}};
    ProbeHost host(headless);
    host.ScriptKeys(keys);
    Runtime rt(host);
    auto lesson = FindProgram(program)(rt);
    RunResult result = RunProgram(*lesson);
    EXPECT_EQ(result.end, RunEnd::kFinished)
        << "error " << result.errorNumber << " at line " << result.errorLine << " after "
        << host.KeysHanded() << " keys: tools/tours/" << program
        << ".keys no longer matches the program's menus and screens";
    EXPECT_EQ(host.KeysHanded(), static_cast<int>(keys.size()));
  }
}

TEST(Tours, KeyFilesDropCommentsAndLineBreaks) {
  std::string path = ::testing::TempDir() + "/tour.keys";
  {
    FILE* f = std::fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fputs("# unit 1\n  1\\n   # enter it\n\n2 \\n\t\\b#\n  #3\n x y \r\n", f);
    std::fclose(f);
  }
  std::vector<int> keys;
  ASSERT_TRUE(ReadKeyFile(path, keys));
  EXPECT_EQ(keys, (std::vector<int>{'1', 13, '2', 13, 8, 'x', 'y'}));
  EXPECT_FALSE(ReadKeyFile(path + ".missing", keys));
  EXPECT_EQ(KeyText(13) + KeyText(8) + KeyText(12) + KeyText('\\') + KeyText('7') + KeyText(30),
            "\\n\\b\\f\\\\7<30>");
}

}  // namespace
}  // namespace lessons
