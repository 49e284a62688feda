// Runs whose reports show little or nothing of the quality notices: the
// checks go quiet, and what the reports do show stays as it was.
#include <gtest/gtest.h>

#include <regex>

#include "test_support.h"

namespace zav {
namespace {

using test::Has;
using test::RunZav;
using test::TempDir;

// No function. The tab raises notice 30; no comment line raises notice 20
// (0.0% is less than 10.0%) after the last line.
const std::string kTabbed = "int x;\n\tint y;\n";
// No function; notice 20 alone, raised after the last line.
const std::string kUncommented = "int x;\n";
// No function and no notice: 3 comment lines of 4 (75%), 2 blank lines,
// 13 blanks of 52 characters on the one code line, no tab, no "=".
const std::string kClean =
    "/* A documented value,\n   kept apart. */\n\nextern  int  value ;   /* the value */\n\n"
    "/* done */\n";

// A file's report from its header to its summary title.
std::string FileBlock(const std::string& out, const std::string& name) {
  const size_t begin = out.find("File: " + name);
  return out.substr(begin, out.find("~~ Total File Summary ~~", begin) - begin);
}

TEST(QuietChecks, FunctionAnalysisRulesOffTheFilesThatRaisedANotice) {
  // A file without functions has written a block before its summary only
  // if it raised a notice, shown or not.
  TempDir dir;
  dir.Write("tab.c", kTabbed);
  dir.Write("late.c", kUncommented);
  dir.Write("clean.c", kClean);
  const test::RunResult r = RunZav({"-fa", "tab.c", "late.c", "clean.c"}, dir.path());
  const std::string rule = "  " + std::string(72, '-') + "\n";
  EXPECT_TRUE(Has(FileBlock(r.out, "tab.c"), rule));
  EXPECT_TRUE(Has(FileBlock(r.out, "late.c"), rule));
  EXPECT_FALSE(Has(FileBlock(r.out, "clean.c"), rule));
  EXPECT_EQ(r.exit_code, 0);
}

TEST(QuietChecks, CountsStayWhereTheReportShowsThem) {
  TempDir dir;
  dir.Write("tab.c", kTabbed);
  // -v shows the file's count: notices 30 and 20.
  const test::RunResult verbose = RunZav({"-fa", "-v", "tab.c"}, dir.path());
  EXPECT_TRUE(std::regex_search(verbose.out, std::regex("Notices: +[0-9]+, +2\n")));
  // -n: the exit status is the number of notices.
  EXPECT_EQ(RunZav({"-s", "-n", "tab.c"}, dir.path()).exit_code, 2);
}

TEST(QuietChecks, LeaveEveryOtherCountAsItIs) {
  // A class, a function with a switch whose case falls through (with the
  // phrase), tabs, an assignment in a condition: notices of many kinds.
  const std::string source =
      "class A { public: int *p; virtual void f(); };\n"
      "int g(int a)\n{\n\tint b;\n  if (b = a) goto x;\n"
      "  switch (a) {\n  case 1: b = 2;\n  // fall through\n  case 2: break;\n  }\n"
      "x:  return b;\n}\n";
  const auto with_need = [](NoticeNeed need) {
    return [need](GlobalData& G) {
      G.sw.functional = true;
      G.sw.verbose = true;  // shows every count
      G.notices.need = need;
    };
  };
  const FileMetrics every = test::Count(source, "t.cpp", with_need(NoticeNeed::kEvery));
  const FileMetrics none = test::Count(source, "t.cpp", with_need(NoticeNeed::kNone));
  const FileMetrics any = test::Count(source, "t.cpp", with_need(NoticeNeed::kAny));
  EXPECT_GT(every.quality_notice_count, 1);
  EXPECT_EQ(every.fall_through_count, 1);
  EXPECT_EQ(none.quality_notice_count, 0);
  EXPECT_EQ(any.quality_notice_count, 1);  // the first notice quiets the file
#define ZAV_EXPECT_SAME(name)                                                \
  if (std::string(#name) != "quality_notice_count" &&                        \
      std::string(#name) != "fall_through_count") {                          \
    EXPECT_EQ(none.name, every.name) << #name;                               \
    EXPECT_EQ(any.name, every.name) << #name;                                \
  }
  ZAV_SUMMED_COUNTERS(ZAV_EXPECT_SAME)
  ZAV_MAXIMUM_COUNTERS(ZAV_EXPECT_SAME)
#undef ZAV_EXPECT_SAME
}

// Function analysis with quiet checks (after the first function) finds what
// it shows: a member initialiser's "{1}" is passed over, the loop is taken
// off the file's lLOC (10 lines, 2 of just "}" or "};", 9 ";" of which 2 in
// the "for"), a Java record's compact constructor is a function. "new" is
// counted while the checks run: without "delete", its notice (the file's
// only one) makes a file without functions write the rule.
TEST(QuietChecks, FunctionAnalysisFindsWhatItShowsAfterTheChecksEnd) {
  TempDir dir;
  dir.Write("box.cpp",
            "struct Box {\n  int w() const { return w_; }\n  int w_{1};\n  int h_ = {2};\n"
            "  int area() const {\n    int a = 0;\n    for (int i = 0; i < h_; ++i) a += w_;\n"
            "    return a;\n  }\n};\n");
  dir.Write("Point.java",
            "record Point(int x, int y) {\n  int sum() {\n    return x + y;\n  }\n"
            "  Point {\n    if (x < 0) throw new IllegalArgumentException();\n  }\n}\n");
  dir.Write("pool.cpp", "/* A documented value,\n   kept apart. */\n\n"
                        "int  *value  =  new  int ;   /* the value */\n\n/* done */\n");
  EXPECT_EQ(RunZav({"-s", "-n", "pool.cpp"}, dir.path()).exit_code, 1);
  const std::string out = RunZav({"-fa", "box.cpp", "Point.java", "pool.cpp"}, dir.path()).out;
  EXPECT_TRUE(std::regex_search(out, std::regex("Function: area\n.*\n  LOC 5 +eLOC 5 +lLOC 4 ")));
  EXPECT_TRUE(std::regex_search(out, std::regex("box.cpp[^~]*~~ Total File Summary ~~\n"
                                                "  LOC 10 +eLOC 8 +lLOC 8 ")));
  EXPECT_TRUE(std::regex_search(out, std::regex("Function: Point\n.*\n  LOC 3 +eLOC 3 +lLOC 1 ")));
  EXPECT_TRUE(Has(FileBlock(out, "pool.cpp"), "  " + std::string(72, '-') + "\n"));
}

}  // namespace
}  // namespace zav
