#include "utility/decharacter.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "test_support.h"

namespace zav {
namespace {

using test::Has;
using test::ReadFile;

struct Dechar {
  bool tabs = false, remove_cr = false, add_cr = false;
  int tab_width = 2;
};

// De-characters `path` as the run does; returns the report text.
std::string Convert(const std::string& path, Dechar d, int* result = nullptr) {
  test::Harness h;
  h.G().sw.dechar_tabs = d.tabs;
  h.G().sw.dechar_remove_cr = d.remove_cr;
  h.G().sw.dechar_add_cr = d.add_cr;
  h.G().settings.tab_spaces = d.tab_width;
  FileEntry entry;
  entry.name = path;
  const int r = DecharacterFile(h.G(), std::fopen(path.c_str(), "r+b"), entry);
  if (result != nullptr) *result = r;
  return h.Output();
}

std::string Expand(const std::string& line, int width, bool in_string = false) {
  TabExpansion state;
  state.in_string = in_string;
  std::string out;
  ExpandTabs(line, width, state, out);
  return out;
}

TEST(ExpandTabs, BlanksOutsideStringsAndTheEscapeRule) {
  EXPECT_EQ(Expand("a\tb", 4), "a    b");  // exactly the width, no tab stops
  EXPECT_EQ(Expand("\"a\tb\"\t", 1), "\"a\tb\" ");
  // After one backslash the quote does not close; after two it does.
  EXPECT_EQ(Expand("\"\\\"\t\"\t", 1), "\"\\\"\t\" ");
  EXPECT_EQ(Expand("\"\\\\\"\t", 1), "\"\\\\\" ");
  // The in-string flag carries over from the previous line.
  EXPECT_EQ(Expand("x\t\"\t", 1, true), "x\t\" ");
}

TEST(Decharacter, TabsReplacedInPlaceKeepingPermissionsAndDroppingAStaleTemporary) {
  test::TempDir dir;
  const std::string path = dir.Write("a.c", "a\tb\n\"x\ty\"\t\nlast");
  dir.Write("a.c.tmp", "stale text that must not appear\n");
  chmod(path.c_str(), 0640);
  int result = 0;
  const std::string out = Convert(path, {.tabs = true, .tab_width = 4}, &result);
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(Has(out, "  Removing Tabs '\\t' from file\n"
                       "  Complete - Lines = 3, Tabs Replaced = 2\n"));
  EXPECT_EQ(ReadFile(path), "a    b\n\"x\ty\"    \nlast");
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(Decharacter, LineEndRoundTrips) {
  test::TempDir dir;
  const std::string original = "a\nb\r\n\tc\nno end";
  const std::string path = dir.Write("a.c", original);
  // Lines holding a carriage return and a last line without a line end
  // are written unchanged.
  EXPECT_TRUE(Has(Convert(path, {.add_cr = true}), "  Adding Carriage Returns '\\r' to file\n"
                                               "  Complete - Lines = 4\n"));
  EXPECT_EQ(ReadFile(path), "a\r\nb\r\n\tc\r\nno end");
  EXPECT_TRUE(Has(Convert(path, {.remove_cr = true}),
                  "  Removing Carriage Returns '\\r' from file\n  Complete - Lines = 4\n"));
  EXPECT_EQ(ReadFile(path), "a\nb\n\tc\nno end");
  // A carriage return inside a line is text, not a line end.
  const std::string inner = dir.Write("b.c", "a\rb\n");
  Convert(inner, {.remove_cr = true});
  EXPECT_EQ(ReadFile(inner), "a\rb\n");
}

TEST(Decharacter, FailuresLeaveTheSourceAlone) {
  test::TempDir dir;
  const std::string path = dir.Write("a.c", "x\r\n");
  int result = 1;
  EXPECT_TRUE(Has(Convert(path, {.remove_cr = true, .add_cr = true}, &result),
                  "  Error: Cannot De-Dos and Make Dos at the same time\n"));
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadFile(path), "x\r\n");
  // A directory in the temporary file's place.
  std::filesystem::create_directory(path + ".tmp");
  EXPECT_TRUE(Has(Convert(path, {.remove_cr = true}, &result),
                  "\n  Error: Cannot open the specified file: " + path + ".tmp\n  File exists\n\n"));
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadFile(path), "x\r\n");
  // An empty file gives no new text.
  const std::string empty = dir.Write("e.c", "");
  EXPECT_TRUE(Has(Convert(empty, {.tabs = true}, &result),
                  "\n  Error: Failure to update source file.\n"
                  "         Modified source in file: " + empty + ".tmp\n"));
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(std::filesystem::exists(empty));
}

// Converts with writes limited to 4,096 bytes; exits 7 when the report
// names the temporary file and the failure.
[[noreturn]] void ConvertUnderSizeLimit(const std::string& path) {
  std::signal(SIGXFSZ, SIG_IGN);
  const struct rlimit limit = {4096, 4096};
  setrlimit(RLIMIT_FSIZE, &limit);
  const std::string out = Convert(path, {.tabs = true});
  std::exit(Has(out, "Failure to update source file.\n         Modified source in file: " +
                         path + ".tmp\n         File too large\n")
                ? 7
                : 1);
}

// A conversion cut short (here: the file size limit stops the writes) keeps
// the source whole and names the temporary file.
TEST(DecharacterDeathTest, InterruptedConversionKeepsTheOriginal) {
  test::TempDir dir;
  std::string original;
  for (int i = 0; i < 2000; ++i) original += "\tline " + std::to_string(i) + "\n";
  const std::string path = dir.Write("a.c", original);
  EXPECT_EXIT(ConvertUnderSizeLimit(path), ::testing::ExitedWithCode(7), "");
  EXPECT_EQ(ReadFile(path), original);
}

TEST(Decharacter, SymbolicLinkStaysALink) {
  test::TempDir dir;
  const std::string target = dir.Write("real.c", "\tx\n");
  const std::string link = dir.path() + "/link.c";
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  Convert(link, {.tabs = true, .tab_width = 1});
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFile(target), " x\n");
}

TEST(Decharacter, RunModeMessagesOnTheCommandLine) {
  test::TempDir dir;
  const std::string path = dir.Write("a.c", "\tx;\n");
  const test::RunResult run = test::RunZav({"-Dt", "-Dd", "a.c", "missing.c"}, dir.path());
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_TRUE(Has(run.out, "  Removing Tabs '\\t' from file\n"
                           "  Adding Carriage Returns '\\r' to file\n"
                           "  Complete - Lines = 1, Tabs Replaced = 1\n"));
  EXPECT_TRUE(Has(run.out, "missing.c\n         For modification, No such file or directory\n"));
  EXPECT_EQ(ReadFile(path), "  x;\r\n");
}

}  // namespace
}  // namespace zav
