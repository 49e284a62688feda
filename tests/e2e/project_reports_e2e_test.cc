// Whole runs over small projects: which project sections a run writes, in
// what order, and the file lists at the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report/report_run.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Has;
using test::ExpectWellFormed;
using test::RunReport;

constexpr int64_t kTime = 1700000000;
const std::string kDate = "Tue Nov 14 22:13:20 2023";
const std::string kHyphens = std::string(72, '-');

// A namespace holding a class with one method.
const std::string kClassFile =
    "// geometry\nnamespace geo {\nclass Box {\n public:\n"
    "  int Area() { return w * h; }\n private:\n  int w;\n  int h;\n};\n}\n";
// One function.
const std::string kFunctionFile =
    "/* b */\nint twice(int v)\n{\n  return v + v;\n}\n";

// The sections a report can hold, by their titles.
const std::vector<std::string> kTitles = {
    "~~ Project Directory Summary ~~",  "~~ Total Project Summary ~~",
    "~~ Project Functional Metrics ~~", "~~ Project Class/Struct Metrics ~~",
    "~~ Project Namespace/Package Metrics ~~", "~~ Project Quality Profile ~~",
    "~~ Quality Notice Summary ~~",     "~~ Total Language Profile ~~",
    "~~ Language Summary ~~",           "~~ Estimation Analysis ~~",
    "~~ File Summary ~~",               "~~ File Detail Summary ~~"};

class ProjectRun : public test::HarnessTest {
 protected:
  void SetUp() override {
    Fixture("a.cpp", kClassFile);
    Fixture("b.c", kFunctionFile);
  }
  void Fixture(const std::string& name, const std::string& text) {
    test::SetFileTime(dir.Write(name, text), kTime);
  }
  std::string Run(std::vector<std::string> args) { return RunReport(args, dir.path()); }
};

// The titles found in the report, in report order.
std::string Sections(const std::string& out) {
  std::vector<std::pair<size_t, std::string>> found;
  for (const std::string& title : kTitles) {
    const size_t at = out.find(title);
    if (at != std::string::npos) found.emplace_back(at, title);
  }
  std::sort(found.begin(), found.end());
  std::string sections;
  for (const auto& f : found) sections += f.second.substr(3, f.second.size() - 6) + "|";
  return sections;
}

TEST_F(ProjectRun, NoFilesStillWritesTheBannerAndTheClosingRule) {
  const std::string out = Run({"-n"});
  EXPECT_TRUE(Has(out, "\n  " + kHyphens + "\n\n" + std::string(21, ' ') +
                           "~~ Project Analysis For 0 Files ~~\n"))
      << out;
  // No files given: no file summary.
  EXPECT_EQ(Sections(out), "Total Project Summary|Project Quality Profile|");
  const std::string closing = "\n  " + kHyphens + "\n";
  EXPECT_EQ(out.substr(out.size() - closing.size()), closing);
}

TEST_F(ProjectRun, NormalRunOrder) {
  const std::string out = Run({"-fa", "-o", "-n", "-e", "a.cpp", "b.c"});
  EXPECT_EQ(Sections(out),
            "Total Project Summary|Project Functional Metrics|"
            "Project Class/Struct Metrics|Project Namespace/Package Metrics|"
            "Project Quality Profile|Estimation Analysis|File Summary|");
  EXPECT_TRUE(Has(out, "~~ Project Analysis For 2 Files ~~"));
}

TEST_F(ProjectRun, TotalsOnlyOrderWithAll) {
  EXPECT_EQ(Sections(Run({"-Ta", "a.cpp", "b.c"})),
            "Project Functional Metrics|Project Class/Struct Metrics|"
            "Project Namespace/Package Metrics|Project Quality Profile|"
            "Quality Notice Summary|Total Language Profile|Language Summary|"
            "Total Project Summary|File Summary|");
}

TEST_F(ProjectRun, EachTotalsLetterSelectsItsSections) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"-Tf", "Project Functional Metrics|File Summary|"},
      {"-To", "Project Class/Struct Metrics|Project Namespace/Package Metrics|"
              "File Summary|"},
      {"-Tp", "Project Quality Profile|File Summary|"},
      {"-Tq", "Quality Notice Summary|File Summary|"},
      {"-TL", "Total Language Profile|Language Summary|File Summary|"},
      {"-Ts", "Total Project Summary|File Summary|"},
      {"-Td", "File Detail Summary|"},
  };
  for (const auto& [letter, sections] : cases) {
    EXPECT_EQ(Sections(Run({letter, "a.cpp", "b.c"})), sections) << letter;
  }
}

TEST_F(ProjectRun, SummariesOnlyDropTheLists) {
  const std::string listed = Run({"-Tf", "b.c"});
  EXPECT_TRUE(Has(listed, "  Function: twice\n")) << listed;
  const std::string summaries = Run({"-Tf", "-Tl", "b.c"});
  EXPECT_EQ(summaries.find("Function: twice"), std::string::npos);
  EXPECT_TRUE(Has(summaries, "~~ Project Functional Analysis ~~"));
  EXPECT_TRUE(Has(summaries, "  Total Functions .......:          1"));
}

TEST_F(ProjectRun, FileDetailListsEqualKeysLaterFileFirst) {
  // One LOC each, no function; the missing comments raise notice 20.
  Fixture("first.c", "int x;\n");
  Fixture("second.c", "int y;\n");
  const std::string out = Run({"-Td", "-k2", "first.c", "second.c"});
  const std::string quality =
      "  Quality      Funcs 0        Notices 1        QN/Func 0.0      "
      "QN/KeLOC   1000\n";
  const std::string entry_second =
      "\n  " + kDate + "\n  second.c\n"
      "  LOC 1        eLOC 1        lLOC 1        Comment 0        Lines        1\n";
  const size_t detail = out.find("~~ File Detail Summary ~~");
  ASSERT_NE(detail, std::string::npos) << out;
  const size_t second = out.find(entry_second, detail);
  const size_t first = out.find("\n  " + kDate + "\n  first.c\n", detail);
  ASSERT_NE(second, std::string::npos) << out;
  EXPECT_LT(second, first);
  EXPECT_NE(out.find("Sorted By: LOC - Ascending\n", detail), std::string::npos);
  EXPECT_NE(out.find(quality, second), std::string::npos) << out;
  EXPECT_TRUE(Has(out,
                  "\n  Total All 2 Files\n"
                  "  LOC 2        eLOC 2        lLOC 2        Comment 0        Lines        2\n"))
      << out;
}

TEST_F(ProjectRun, XmlAndHtmlReportsAreWellFormed) {
  const std::string xml =
      Run({"-X", "-Ta", "-Td", "-fp", "-e", "-b", "-k1", "a.cpp", "b.c"});
  ExpectWellFormed(dir.path(), xml);
  for (const char* element :
       {"<total_all_function_analysis>", "<class_analysis>", "<namespace_analysis>",
        "<notice_density>", "<file_counts>", "<Elapsed_Time>", "<totals>",
        "<sort_mode>Name</sort_mode>"}) {
    EXPECT_TRUE(Has(xml, element)) << element;
  }
  ExpectWellFormed(dir.path(), Run({"-H", "-fa", "-o", "-n", "-e", "-b", "a.cpp", "b.c"}));
}

TEST_F(ProjectRun, BenchmarkEndsTheListingAndTheRun) {
  const std::string listing = Run({"-Rl", "-b", "b.c"});
  EXPECT_TRUE(Has(listing, "b.c\n\n\n  " + std::string(72, '_') + "\n\n")) << listing;
  EXPECT_TRUE(Has(listing, "Elapsed Time   :"));
  EXPECT_EQ(listing.find("Physical Lines Processed/s"), std::string::npos);
  const std::string run = Run({"-b", "b.c"});
  const size_t benchmark = run.find("~~ Performance Benchmark ~~");
  ASSERT_NE(benchmark, std::string::npos);
  EXPECT_LT(run.find("~~ File Summary ~~"), benchmark);
  EXPECT_NE(run.find("Physical Lines Processed/s", benchmark), std::string::npos);
}

}  // namespace
}  // namespace zav
