#include "utility/decharacter.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "test_support.h"

namespace zav {
namespace {

using test::Has;
using test::ReadFile;

// De-characters `path` as the run does with the -D letters in `modes` and
// a tab width of 3; returns the report text.
std::string Convert(const std::string& path, std::string_view modes) {
  test::Harness h;
  h.G().sw.dechar_tabs = modes.find('t') != modes.npos;
  h.G().sw.dechar_remove_cr = modes.find('u') != modes.npos;
  h.G().sw.dechar_add_cr = modes.find('d') != modes.npos;
  h.G().settings.tab_spaces = 3;
  DecharacterFile(h.G(), std::fopen(path.c_str(), "r+b"), FileEntry{.name = path});
  return h.Output();
}

class Decharacter : public test::HarnessTest {};

// Tabs become exactly the tab width; a quote after one backslash does not
// end a string, after two it does; the string state crosses lines.
TEST_F(Decharacter, TabsOutsideStringsKeepingPermissionsAndNoStaleText) {
  const std::string path = dir.Write("a.c", "a\tb\n\"x\ty\"\t\"\\\"\t\n\t\"\t\"\\\\\"\t");
  dir.Write("a.c.tmp", "stale\n");
  chmod(path.c_str(), 0640);
  EXPECT_TRUE(Has(Convert(path, "t"),
                  "  Removing Tabs '\\t' from file\n  Complete - Lines = 3, Tabs Replaced = 4\n"));
  EXPECT_EQ(ReadFile(path), "a   b\n\"x\ty\"   \"\\\"\t\n\t\"   \"\\\\\"   ");
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(Decharacter, LineEndsConvertBothWays) {
  const std::string path = dir.Write("a.c", "a\nb\r\nc\rd\nno end");
  // Lines holding a carriage return and a last line without a line end
  // are written unchanged.
  EXPECT_TRUE(Has(Convert(path, "d"),
                  "  Adding Carriage Returns '\\r' to file\n  Complete - Lines = 4\n"));
  EXPECT_EQ(ReadFile(path), "a\r\nb\r\nc\rd\nno end");
  // Only a carriage return before the line feed is a line end.
  Convert(path, "u");
  EXPECT_EQ(ReadFile(path), "a\nb\nc\rd\nno end");
}

TEST_F(Decharacter, FailuresLeaveTheSourceAlone) {
  const std::string path = dir.Write("a.c", "x\r\n");
  EXPECT_TRUE(Has(Convert(path, "ud"), "  Error: Cannot De-Dos and Make Dos at the same time\n"));
  std::filesystem::create_directory(path + ".tmp");
  EXPECT_TRUE(Has(Convert(path, "u"),
                  "\n  Error: Cannot open the specified file: " + path + ".tmp\n  File exists\n\n"));
  EXPECT_EQ(ReadFile(path), "x\r\n");
  const std::string empty = dir.Write("e.c", "");
  EXPECT_TRUE(Has(Convert(empty, "t"),
                  "\n  Error: Failure to update source file.\n"
                  "         Modified source in file: " + empty + ".tmp\n"));
}

TEST(DecharacterDeathTest, InterruptedConversionKeepsTheOriginal) {
  test::TempDir dir;
  const std::string original(20000, '\t');
  const std::string path = dir.Write("a.c", original);
  // Writes limited to 4,096 bytes cut the conversion short; the child exits
  // 7 when the report names the temporary file and the failure.
  EXPECT_EXIT(([&] {
                std::signal(SIGXFSZ, SIG_IGN);
                const struct rlimit limit = {4096, 4096};
                setrlimit(RLIMIT_FSIZE, &limit);
                std::exit(Has(Convert(path, "t"), path + ".tmp\n         File too large\n") ? 7 : 1);
              }()),
              ::testing::ExitedWithCode(7), "");
  EXPECT_EQ(ReadFile(path), original);
}

TEST_F(Decharacter, RunWithTwoModesThroughALink) {
  const std::string target = dir.Write("real.c", "\tx;\n");
  ASSERT_EQ(symlink(target.c_str(), (dir.path() + "/link.c").c_str()), 0);
  const test::RunResult run = test::RunZav({"-Dt", "-Dd", "link.c"}, dir.path());
  EXPECT_TRUE(Has(run.out, "  Complete - Lines = 1, Tabs Replaced = 1\n"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path() + "/link.c"));
  EXPECT_EQ(ReadFile(target), "  x;\r\n");  // the default tab width
}

}  // namespace
}  // namespace zav
