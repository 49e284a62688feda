// List files (-F): line forms, directory lines, environment variables.
#include "files/list_file.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "files/file_set.h"
#include "files_test_support.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Harness;
using test::Names;
using test::TempDir;
using Strings = std::vector<std::string>;

// Builds the file set from a list with `content`, read from `dir`.
Strings ReadList(Harness& h, const TempDir& dir, const std::string& content) {
  GlobalData& G = h.G();
  G.sw.list_file_mode = true;
  G.sw.list_file_name = dir.Write("files.lst", content);
  test::ScopedCwd cwd(dir.path());
  EXPECT_TRUE(OpenListFile(G));
  BuildFileSet(G, 1);
  return Names(G);
}

class ListFile : public test::HarnessTest {};

TEST_F(ListFile, FileLinesCommentsAndBlanks) {
  Strings names = ReadList(h, dir,
                           "# a comment\n"
                           "  # an indented comment\n"
                           "\n"
                           " \t \r\n"
                           "  src/a.c \t \r\n"
                           "b.cpp\n"
                           "inc\\c.h\n"
                           "README\n"
                           "notes.txt\n"
                           "src/my file.java");  // last line without line end
  EXPECT_EQ(names, (Strings{"inc/c.h", "src/a.c", "b.cpp", "src/my file.java"}));
  EXPECT_EQ(h.Output(),
            "\n  Error: notes.txt - Not a valid file type for ZAV\n"
            "         Valid types: c,h,cc,cpp,cxx,CC,h,hh,H,hxx,hpp,java,cs\n");
}

TEST_F(ListFile, AnUnterminatedLastLineOfControlBytesIsIgnored) {
  EXPECT_EQ(ReadList(h, dir, "a.c\n\x01x.c"), Strings{"a.c"});
}

TEST_F(ListFile, BinaryAndOverlongLinesDoNotStopTheList) {
  std::string content("\0\0junk\n", 7);
  content += std::string(3000, 'x') + ".c\n";  // read as two pieces
  content += "-r\n\xff\xfe.c\nlast.c\n";
  Strings names = ReadList(h, dir, content);
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[0], std::string(953, 'x') + ".c");
  EXPECT_EQ(names[1], "\xff\xfe.c");
  EXPECT_EQ(names[2], "last.c");
}

TEST_F(ListFile, PatternFilterAppliesToFileLines) {
  h.G().settings.pattern_filter_active = true;
  h.G().settings.pattern_filter = "/gen/";
  EXPECT_EQ(ReadList(h, dir, "src/gen/a.c\nsrc/b.c\n"), Strings{"src/b.c"});
}

TEST_F(ListFile, DirectoryLinesDescendOrNot) {
  dir.Write("proj/src/a.c", "");
  dir.Write("proj/src/x.java", "");
  dir.Write("proj/src/sub/b.h", "");
  dir.Write("other dir/c.cpp", "");
  dir.Write("other dir/deep/d.cpp", "");
  const std::string root = std::filesystem::canonical(dir.path()).string();
  Harness h;
  Strings names = ReadList(h, dir,
                           "-n h,c proj/src\n"
                           "-r h,c proj/src/\n"
                           "-R\tcpp\tother dir\\\n");
  EXPECT_EQ(names, (Strings{root + "/proj/src/sub/b.h", root + "/proj/src/a.c",
                            root + "/proj/src/a.c", root + "/other dir/c.cpp",
                            root + "/other dir/deep/d.cpp"}));
  EXPECT_EQ(h.Output(), "");
}

TEST_F(ListFile, QuotedDirectoryLinesAreAccepted) {
  dir.Write("my proj/a.c", "");
  Harness h;
  Strings names = ReadList(h, dir, "-n\"c " + dir.path() + "/my proj\"\n");
  EXPECT_EQ(names, Strings{dir.path() + "/my proj/a.c"});
}

TEST_F(ListFile, MalformedDirectoryLinesAreReported) {
  dir.Write("a.c", "");
  Harness h;
  Strings names = ReadList(h, dir, "-r c\n-r\na.c\n");
  EXPECT_EQ(names, Strings{"a.c"});
  EXPECT_EQ(h.Output(),
            "\n  Error: Malformed directory entry line in file.\n"
            "         Format: -r\"c,h,cpp d:\\proj\\src\"\n"
            "         Read  : -r c\n\n"
            "\n  Error: Malformed directory entry line in file.\n"
            "         Format: -r\"c,h,cpp d:\\proj\\src\"\n"
            "         Read  : -r\n\n");
}

TEST_F(ListFile, DirectoryLinesRegisterTheirDirectoriesOnce) {
  dir.Write("src/a.c", "");
  const std::string root = std::filesystem::canonical(dir.path()).string();
  Harness h;
  ReadList(h, dir, "-n c src\n-r c ./src\n-n c " + root + "/src\n-r c .\n");
  const std::vector<DirectoryTotal>& dirs = h.G().files.directories;
  ASSERT_EQ(dirs.size(), 2u);
  EXPECT_EQ(dirs[0].name, "src");
  EXPECT_EQ(dirs[0].absolute, root + "/src");
  EXPECT_TRUE(dirs[0].recursive);  // the second line asked for descent
  EXPECT_EQ(dirs[1].name, ".");
  EXPECT_EQ(dirs[1].absolute, root);
}

TEST_F(ListFile, EnvironmentVariablesInDirectoryAndFileLines) {
  dir.Write("tree/sub/a.c", "");
  setenv("ZAVTEST_TREE", (dir.path() + "/tree").c_str(), 1);
  setenv("ZAVTEST_EXT", "c", 1);
  Harness h;
  Strings names = ReadList(h, dir, "-r c %ZAVTEST_TREE%\n%ZAVTEST_TREE%/x.%ZAVTEST_EXT%\n");
  EXPECT_EQ(names, (Strings{dir.path() + "/tree/sub/a.c", dir.path() + "/tree/x.c"}));
  unsetenv("ZAVTEST_TREE");
  unsetenv("ZAVTEST_EXT");
}

TEST(ExpandListLine, PairsAreReplacedFromTheLeft) {
  Harness h;
  setenv("ZAVTEST_A", "alpha", 1);
  setenv("ZAVTEST_B", "%ZAVTEST_A%", 1);  // values are not expanded again
  EXPECT_EQ(ExpandListLine(h.G(), "%ZAVTEST_A%/%ZAVTEST_A%.c"), "alpha/alpha.c");
  EXPECT_EQ(ExpandListLine(h.G(), "x/%ZAVTEST_B%.c"), "x/%ZAVTEST_A%.c");
  EXPECT_EQ(ExpandListLine(h.G(), "50%.c"), "50%.c");
  EXPECT_EQ(ExpandListLine(h.G(), "a%%b.c"), "a%%b.c");
  EXPECT_EQ(h.Output(), "");
  unsetenv("ZAVTEST_A");
  unsetenv("ZAVTEST_B");
}

TEST(ExpandListLine, UnknownVariablesAreReportedAndLeftInThLine) {
  Harness h;
  unsetenv("ZAVTEST_NONE");
  setenv("ZAVTEST_A", "alpha", 1);
  EXPECT_EQ(ExpandListLine(h.G(), "%ZAVTEST_NONE%/a.c"), "%ZAVTEST_NONE%/a.c");
  EXPECT_EQ(ExpandListLine(h.G(), "%ZAVTEST_A%/%ZAVTEST_NONE%.c"),
            "alpha/%ZAVTEST_NONE%.c");
  const std::string message =
      "  Error: Expanding environment variable from -F file.\n"
      "         Environment Variable: ZAVTEST_NONE does not exist\n\n";
  EXPECT_EQ(h.Output(), message + message);
  unsetenv("ZAVTEST_A");
}

TEST(ExpandListLine, ListingModeEchoesTheExpandedLine) {
  Harness h;
  h.G().sw.list_files_and_exit = true;
  setenv("ZAVTEST_A", "alpha", 1);
  ExpandListLine(h.G(), "%ZAVTEST_A%/a.c");
  ExpandListLine(h.G(), "%ZAVTEST_A%/50%.c");
  ExpandListLine(h.G(), "plain.c");
  EXPECT_EQ(h.Output(),
            "  -F Expanded File Line: alpha/a.c\n\n"
            "  -F Expanded Line: alpha/50%.c\n\n");
  unsetenv("ZAVTEST_A");
}

}  // namespace
}  // namespace zav
