// The user's files survive every run: the report never overwrites an
// input, generated files never follow a link, failed writes are errors,
// and inputs that are no regular files are never read.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "test_support.h"

namespace zav {
namespace {

using test::Has;
using test::ReadFile;
using test::RunZav;

constexpr const char* kSource = "int f()\n{\n  return 1; // one\n}\n";

class FileSafety : public test::HarnessTest {};

TEST_F(FileSafety, ReportNeverOverwritesAnInput) {
  dir.Write("stack.c", kSource);
  dir.Write("files.lst", "stack.c\n");
  // zav -s -O"$UNSET" stack.c: the source becomes the -O value.
  test::RunResult r = RunZav({"-s", "-O", "stack.c"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out, "\n  Error: Report file [stack.c] would overwrite a source file\n");
  EXPECT_EQ(ReadFile(dir.path() + "/stack.c"), kSource);
  r = RunZav({"-Ffiles.lst", "-Ofiles.lst"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(ReadFile(dir.path() + "/files.lst"), "stack.c\n");
}

TEST_F(FileSafety, ReportNeverWritesThroughASymbolicLink) {
  dir.Write("a.c", kSource);
  const std::string victim = dir.Write("victim.txt", "precious\n");
  ASSERT_EQ(symlink(victim.c_str(), (dir.path() + "/out.txt").c_str()), 0);
  test::RunResult r = RunZav({"-Oout.txt", "a.c"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(ReadFile(victim), "precious\n");
  // A link to a device (as /dev/stdout is) replaces no file: written through.
  ASSERT_EQ(symlink("/dev/null", (dir.path() + "/null.txt").c_str()), 0);
  EXPECT_EQ(RunZav({"-Onull.txt", "a.c"}, dir.path()).exit_code, 0);
}

TEST_F(FileSafety, FailedReportWriteExitsWithOne) {
  dir.Write("a.c", kSource);
  test::RunResult r = RunZav({"-O/dev/full", "a.c"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.err, "  Error: Writing report file [/dev/full]: No space left on device\n"))
      << r.err;
}

TEST_F(FileSafety, InputsThatAreNoRegularFilesAreSkipped) {
  dir.Write("a.c", kSource);
  ASSERT_EQ(mkfifo((dir.path() + "/pipe.c").c_str(), 0644), 0);
  ASSERT_EQ(symlink("/dev/zero", (dir.path() + "/zero.c").c_str()), 0);
  test::RunResult r = RunZav({"-s", "pipe.c", "zero.c", "a.c"}, dir.path());
  EXPECT_TRUE(Has(r.out, "  Error: Not a regular file [pipe.c]\n"));
  EXPECT_TRUE(Has(r.out, "  Error: Not a regular file [zero.c]\n"));
  EXPECT_TRUE(Has(r.out, "~~ Project Analysis For 1 Files ~~"));
  // -F naming a directory is a list file that cannot be read.
  r = RunZav({"-F."}, dir.path());
  EXPECT_EQ(r.exit_code, 255);
  EXPECT_TRUE(Has(r.out, "Error: Cannot open the specified file: .\n"
                         "         for read, Is a directory\n"));
}

TEST_F(FileSafety, Utf16SourcesCountLikeTheirUtf8Twins) {
  std::string le = "\xFF\xFE", be = "\xFE\xFF";
  for (char c : std::string(kSource)) {
    le += std::string{c, '\0'};
    be += std::string{'\0', c};
  }
  dir.Write("le.c", le);
  dir.Write("be.c", be);
  for (const char* name : {"le.c", "be.c"}) {
    test::RunResult r = RunZav({name}, dir.path());
    EXPECT_TRUE(Has(r.out, "LOC 4        eLOC 2        lLOC 1        Comment 1        Lines        4"))
        << name << r.out;
  }
}

}  // namespace
}  // namespace zav
