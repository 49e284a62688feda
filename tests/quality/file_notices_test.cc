// The notices raised at the end of a file, and the exit code of -n runs.
#include "quality/file_notices.h"

#include <gtest/gtest.h>

#include <string>

#include "notice_test_support.h"

namespace zav {
namespace {

using test::Has;
using test::NoticeHarness;
using test::RunZav;

class FileNotices : public ::testing::Test {
 protected:
  FileNotices() : n("f.cpp") {
    G.sw.notices = true;
    G.settings.notice_enabled[47] = true;
    G.lang.flags.cpp = true;
    G.reader.line_number = 12;
    // A file that raises nothing: 10% of everything is just enough.
    G.file.loc_count = 90;
    G.file.blank_lines_count = 9;     // 9 / 90 = 10%
    G.file.comment_lines_count = 10;  // 10 / (10 + 90) = 10%
    G.file.characters_count = 1000;
    G.file.spaces_count = 100;        // 100 / 1000 = 10%
  }

  std::string RaiseAll() {
    const size_t before = n.harness().Output().size();
    RaiseFileLevelNotices(n.G());
    return n.harness().Output().substr(before);
  }

  NoticeHarness n;
  GlobalData& G = n.G();
};

TEST_F(FileNotices, PercentagesEqualToTheMinimumRaiseNothing) {
  EXPECT_EQ(RaiseAll(), "");
  EXPECT_EQ(G.file.quality_notice_count, 0);
}

TEST_F(FileNotices, EachPercentageJustBelowItsMinimum) {
  G.file.blank_lines_count = 8;  // 8 / 90 = 8.9%
  EXPECT_EQ(RaiseAll(), "\n    Notice #47: File blank line percentage, 8.9% is less than 10.0%\n");
  G.settings.notice_enabled[47] = false;
  EXPECT_EQ(RaiseAll(), "");
  G.file.comment_lines_count = 9;  // 9 / 99 = 9.09%
  EXPECT_EQ(RaiseAll(),
            "\n    Notice #20: File comment line percentage, 9.1% is less than 10.0%\n");
  G.file.comment_lines_count = 10;
  G.settings.min_file_whitespace_pct = 25.0f;
  EXPECT_EQ(RaiseAll(),
            "\n    Notice #19: File white space percentage, 10.0% is less than 25.0%\n");
}

TEST_F(FileNotices, NewAndDeleteInCppFilesOnly) {
  G.file.memory_new_count = 2;
  G.file.memory_delete_count = 1;
  EXPECT_EQ(RaiseAll(),
            "\n    Notice #45: File f.cpp: Line 12\n"
            "           New and delete counts do not match for this file.\n"
            "           This could indicate the potential for a memory leak.\n");
  G.file.memory_delete_count = 2;
  EXPECT_EQ(RaiseAll(), "");
  G.file.memory_delete_count = 0;
  G.lang.flags.cpp = false;
  G.lang.flags.java = true;
  EXPECT_EQ(RaiseAll(), "");
}

TEST_F(FileNotices, KeyString) {
  G.settings.notice_enabled[21] = true;
  EXPECT_EQ(RaiseAll(), "");  // no key string configured
  G.settings.key_string_configured = true;
  G.settings.key_string = "Copyright Acme";
  EXPECT_EQ(RaiseAll(),
            "\n    Notice #21: File does not contain the key string specified in the\n"
            "            zav.cfg file.\n"
            "            Key String: Copyright Acme\n\n");
  G.reader.key_string_found = true;
  EXPECT_EQ(RaiseAll(), "");
}

TEST_F(FileNotices, KeyStringIsLookedForOnEveryLine) {
  G.settings.key_string_configured = true;
  G.settings.key_string = "Copyright Acme";
  n.Analyze("int a;\n// (c) Copyright Acme 2009\nint b;\n");
  EXPECT_TRUE(G.reader.key_string_found);
  n.Analyze("int a;\n// Copyright Other\n");
  EXPECT_FALSE(G.reader.key_string_found);
}

TEST_F(FileNotices, AllInTheirOrderOnTheLastLine) {
  G.sw.notices = false;
  G.sw.notice_collect = true;  // the listing keeps file and line
  G.settings.notice_enabled[21] = true;
  G.settings.key_string_configured = true;
  G.file = FileMetrics{};
  G.file.loc_count = 3;
  G.file.memory_delete_count = 1;
  RaiseAll();
  ASSERT_EQ(G.notices.list.size(), 5u);
  const int order[] = {47, 20, 19, 45, 21};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(G.notices.list[i].number, order[i]);
    EXPECT_EQ(G.notices.list[i].line, 12);
    EXPECT_EQ(G.notices.list[i].file_name, "f.cpp");
  }
  EXPECT_EQ(G.file.quality_notice_count, 5);
  EXPECT_EQ(G.notices.run_counts[47], 1);
}

TEST_F(FileNotices, AnEmptyFileFallsShortOfEveryPercentage) {
  n.Analyze("");
  EXPECT_EQ(RaiseAll(),
            "\n    Notice #47: File blank line percentage, 0.0% is less than 10.0%\n"
            "\n    Notice #20: File comment line percentage, 0.0% is less than 10.0%\n"
            "\n    Notice #19: File white space percentage, 0.0% is less than 10.0%\n");
  EXPECT_EQ(G.file.quality_notice_count, 3);
}

TEST_F(FileNotices, AMinimumOfZeroRaisesNothingForAnEmptyFile) {
  G.settings.min_file_blank_pct = 0.0f;
  G.settings.min_file_comment_pct = 0.0f;
  G.settings.min_file_whitespace_pct = 0.0f;
  n.Analyze("");
  EXPECT_EQ(RaiseAll(), "");
}

TEST_F(FileNotices, SilentWhileTheQualitySkipIsOpen) {
  G.file.blank_lines_count = 0;
  G.reader.quality_skipping = true;
  EXPECT_EQ(RaiseAll(), "");
  EXPECT_EQ(G.file.quality_notice_count, 0);
}

TEST_F(FileNotices, TotalsOnlyWritesOnlyWhenListing) {
  G.sw.totals_only = true;
  G.file.comment_lines_count = 0;
  EXPECT_EQ(RaiseAll(), "");
  EXPECT_EQ(G.file.quality_notice_count, 1);
  G.sw.notice_collect = true;
  EXPECT_EQ(RaiseAll(), "  Notice #  20: Line   12, File comment content < 10.0%\n");
}

class NoticeExitCode : public test::HarnessTest {};

TEST_F(NoticeExitCode, TheNumberOfNoticesWithDashN) {
  // A comment-only file: two tabs and no file-level shortfall.
  dir.Write("a.c", "// c\n//\tx\n//\ty\n");
  EXPECT_EQ(RunZav({"-n", "a.c"}, dir.path()).exit_code, 2);
  EXPECT_EQ(RunZav({"a.c"}, dir.path()).exit_code, 0);

  // A code file without comments falls short of 10% comment lines.
  dir.Write("b.c", "int a;\n");
  test::RunResult r = RunZav({"-n", "a.c", "b.c"}, dir.path());
  EXPECT_EQ(r.exit_code, 3);
  EXPECT_TRUE(Has(r.out,
                  "\n    Notice #20: File comment line percentage, 0.0% is less "
                  "than 10.0%\n"));
}

TEST_F(NoticeExitCode, ClampedTo255) {
  std::string tabs;
  for (int i = 0; i < 300; ++i) tabs += "//\t\n";
  dir.Write("t.c", tabs);
  EXPECT_EQ(RunZav({"-n", "t.c"}, dir.path()).exit_code, 255);
}

}  // namespace
}  // namespace zav
