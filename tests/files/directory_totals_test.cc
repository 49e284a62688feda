// Per-directory totals of list-file runs.
#include "files/directory_totals.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files_test_support.h"
#include "test_support.h"

namespace zav {
namespace {

FileEntry Analysed(const std::string& name, int loc, int lines) {
  FileEntry entry;
  entry.name = name;
  entry.loc = loc;
  entry.eloc = loc - 1;
  entry.lloc = loc - 2;
  entry.comments = 1;
  entry.physical_lines = lines;
  return entry;
}

TEST(DirectoryTotals, FilesCountInTheirOwnOrNearestRecursiveDirectory) {
  GlobalData G;
  RegisterDirectory(G, "/t", true);
  RegisterDirectory(G, "/t/src", false);
  RegisterDirectory(G, "/t/src/lib", true);
  AddToDirectoryTotals(G, Analysed("/t/src/a.c", 10, 12));
  AddToDirectoryTotals(G, Analysed("/t/src/b.c", 5, 6));
  AddToDirectoryTotals(G, Analysed("/t/src/sub/c.c", 7, 9));    // /t/src is not recursive
  AddToDirectoryTotals(G, Analysed("/t/src/lib/x/d.c", 3, 3));  // nearest: /t/src/lib
  AddToDirectoryTotals(G, Analysed("/t2/e.c", 4, 4));           // under no directory
  const std::vector<DirectoryTotal>& d = G.files.directories;
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0].files, 1);
  EXPECT_EQ(d[0].loc, 7);
  EXPECT_EQ(d[1].files, 2);
  EXPECT_EQ(d[1].loc, 15);
  EXPECT_EQ(d[1].eloc, 13);
  EXPECT_EQ(d[1].lloc, 11);
  EXPECT_EQ(d[1].comments, 2);
  EXPECT_EQ(d[1].lines, 18);
  EXPECT_EQ(d[2].files, 1);
  EXPECT_EQ(d[2].lines, 3);
}

TEST(DirectoryTotals, RelativeAndAbsoluteNamesMeet) {
  test::TempDir dir;
  test::ScopedCwd cwd(dir.path());
  const std::string root = std::filesystem::current_path().string();
  GlobalData G;
  RegisterDirectory(G, "src", false);
  RegisterDirectory(G, root + "/inc/", false);
  AddToDirectoryTotals(G, Analysed(root + "/src/a.c", 2, 2));
  AddToDirectoryTotals(G, Analysed("./inc/../inc/b.h", 3, 3));
  AddToDirectoryTotals(G, Analysed("src/c.c", 4, 4));
  const std::vector<DirectoryTotal>& d = G.files.directories;
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].name, "src");
  EXPECT_EQ(d[0].files, 2);
  EXPECT_EQ(d[0].loc, 6);
  EXPECT_EQ(d[1].files, 1);
  EXPECT_EQ(d[1].loc, 3);
}

TEST(DirectoryTotals, RootDirectoryContainsEverything) {
  GlobalData G;
  RegisterDirectory(G, "/", true);
  AddToDirectoryTotals(G, Analysed("/a/b/c.c", 1, 1));
  AddToDirectoryTotals(G, Analysed("/d.c", 1, 1));
  EXPECT_EQ(G.files.directories[0].files, 2);
}

}  // namespace
}  // namespace zav
