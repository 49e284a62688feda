// End-to-end runs of the input modes: -r, -F, -Rl, -O progress.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "files/files_test_support.h"
#include "report/report_run.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Has;

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

using test::RunZav;
using test::TempDir;

std::string Physical(const TempDir& dir) {
  return std::filesystem::canonical(dir.path()).string();
}

class FileInput : public test::HarnessTest {};

TEST_F(FileInput, MissingListFileEndsWithMinusOne) {
  test::RunResult r = RunZav({"-Fnope.lst"}, dir.path());
  EXPECT_EQ(r.exit_code, 255);
  EXPECT_TRUE(Has(r.out,
                  "\n  Error: Cannot open the specified file: nope.lst\n"
                  "         for read, No such file or directory\n\n"));
  EXPECT_EQ(r.out.find("Project Analysis"), std::string::npos);
}

TEST_F(FileInput, ListOnlyWritesTheNamesAndEnds) {
  dir.Write("src/b.c", "int b;\n");
  dir.Write("src/a.h", "int a;\n");
  dir.Write("src/sub/c.cpp", "int c;\n");
  dir.Write("src/d.txt", "text\n");
  const std::string root = Physical(dir);
  test::RunResult r = RunZav({"-Rl", "-rc,h,cpp src"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  // The banner and mode title come first; the listing ends the report.
  EXPECT_TRUE(EndsWith(r.out, "~~ Function Metrics ~~\n\n" + root + "/src/a.h\n" + root +
                                  "/src/b.c\n" + root + "/src/sub/c.cpp\n\n"))
      << r.out;
}

TEST_F(FileInput, ListFileWithDirectoryLineThenRelativeFile) {
  // The directory line does not move relative names of later lines.
  dir.Write("lib/l1.c", "int l1;\n");
  dir.Write("lib/deep/l2.c", "int l2;\n");
  dir.Write("main.c", "int m;\n");
  dir.Write("files.lst", "-n c lib\nmain.c\n");
  test::RunResult r = RunZav({"-v", "-Ffiles.lst"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_TRUE(Has(r.out, "~~ Project Analysis For 2 Files ~~"));
  EXPECT_EQ(r.out.find("Error"), std::string::npos);
}

// A listed name is first looked up when the run opens it: each one that
// cannot be analysed gets its message in list order, and a file that opens
// shows the date and size of the open file.
TEST_F(FileInput, ListedNamesThatCannotBeAnalysedAreReportedInOrder) {
  setenv("TZ", "UTC", 1);
  test::SetFileTime(dir.Write("a.c", "int a;\n"), 1700000000);
  std::filesystem::create_directory(dir.path() + "/sub.c");
  ASSERT_EQ(mkfifo((dir.path() + "/pipe.c").c_str(), 0644), 0);
  ASSERT_EQ(chmod(dir.Write("locked.c", "int l;\n").c_str(), 0), 0);
  dir.Write("files.lst", "gone.c\nsub.c\npipe.c\nlocked.c\na.c\n");
  test::RunResult r = RunZav({"-v", "-Ffiles.lst"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  std::string expected =
      "\n  Error: Problem opening input file:\n         gone.c\n"
      "         For read, No such file or directory\n\n"
      "  Error: Not a regular file [sub.c]\n"
      "  Error: Not a regular file [pipe.c]\n";
  // Root reads every file; anyone else is refused the locked one.
  if (geteuid() != 0) {
    expected += "\n  Error: Problem opening input file:\n         locked.c\n"
                "         For read, Permission denied\n\n";
  }
  EXPECT_TRUE(Has(r.out, expected)) << r.out;
  EXPECT_TRUE(Has(r.out, "\n  File: a.c\n  Date: Tue Nov 14 22:13:20 2023" +
                             std::string(24, ' ') + "File Size: 7 Bytes\n"));
}

// -D rewrites the files it reads: a file named twice shows the size it
// had before the run both times.
TEST_F(FileInput, DecharacterShowsTheSizesFromBeforeTheRun) {
  dir.Write("t.c", "\tint t;\n");
  test::RunResult r = RunZav({"-Dt", "t.c", "t.c"}, dir.path());
  const size_t first = r.out.find("File Size: 8 Bytes\n");
  ASSERT_NE(first, std::string::npos) << r.out;
  EXPECT_NE(r.out.find("File Size: 8 Bytes\n", first + 1), std::string::npos) << r.out;
  EXPECT_NE(test::ReadFile(dir.path() + "/t.c"), "\tint t;\n");
}

TEST_F(FileInput, TheOutputFileAmongTheArgumentsIsNotReported) {
  dir.Write("f1.c", "int x;\n");
  dir.Write("notes.txt", "text\n");
  EXPECT_EQ(RunZav({"-Oout.txt", "notes.txt", "out.txt", "f1.c"}, dir.path()).exit_code, 0);
  std::string report = test::ReadFile(dir.path() + "/out.txt");
  EXPECT_TRUE(Has(report, "\n  Error: notes.txt - Not a valid file type for ZAV\n"));
  EXPECT_EQ(report.find("out.txt - Not a valid"), std::string::npos);
  EXPECT_TRUE(Has(report, "~~ Project Analysis For 1 Files ~~"));
}

// With -O the file loop shows a dot per `interval` files and, after 65 of
// them, the share of files done; the count restarts at 1.
TEST_F(FileInput, ProgressDotsAndShares) {
  TempDir cfg;
  cfg.Write("zav.cfg",
            "ZAV CFG Version: 7.75\nProgress status interval number of files: 1\n");
  std::vector<std::string> args = {"-Oreport.txt"};
  for (int i = 0; i < 70; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "f%02d.c", i);
    dir.Write(name, "int x;\n");
    args.push_back(name);
  }
  test::RunResult r = RunZav(args, dir.path(), cfg.path());
  EXPECT_EQ(r.exit_code, 0);
  const std::string expected = "  Processing 70 Files - Status(.) 1 Files\n  " +
                               std::string(65, '.') + "(92.9%)\n  " + std::string(5, '.') +
                               "(100%)\n  Processing Files Complete\n";
  EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
}

}  // namespace
}  // namespace zav
