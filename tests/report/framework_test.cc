#include "report/framework.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "base/output.h"
#include "test_support.h"

namespace zav {
namespace {

const std::string kRule =
    "  " + std::string(72, '-') + "\n";

using test::Centered;

TEST(CenterLine, CentresOnA76ColumnPage) {
  test::Harness h;
  CenterLine(h.G(), "abc");                    // 1 + 37 - 1
  CenterLine(h.G(), std::string(73, 'x'));     // 1 + 37 - 36
  CenterLine(h.G(), std::string(74, 'y'));     // one blank only
  CenterLine(h.G(), std::string(90, 'z'));
  CenterLine(h.G(), "");
  EXPECT_EQ(h.Output(), Centered(37, "abc") + Centered(2, std::string(73, 'x')) +
                            Centered(1, std::string(74, 'y')) +
                            Centered(1, std::string(90, 'z')) + Centered(38, ""));
}

TEST(CenterHtmlLine, IndentsByTheVisibleText) {
  test::Harness h;
  CenterHtmlLine(h.G(), "Version", "<b>Version</b>");
  EXPECT_EQ(h.Output(), Centered(35, "<b>Version</b>"));
}

TEST(Label, HtmlBoldsTheWordsUpToTheColon) {
  test::Harness h;
  EXPECT_EQ(Label(h.G(), "  LOC "), "  LOC ");
  h.G().sw.html = true;
  EXPECT_EQ(Label(h.G(), "  LOC "), "  <b>LOC</b> ");
  EXPECT_EQ(Label(h.G(), "  Total Function Pts LOC : "),
            "  <b>Total Function Pts LOC :</b> ");
  EXPECT_EQ(Label(h.G(), "FP(lLOC) "), "<b>FP(lLOC)</b> ");
}

TEST(ReportStream, OutputFileAndFallBackToStandardOutput) {
  test::TempDir dir;
  GlobalData G;
  const std::string first = dir.path() + "/first.txt";
  ASSERT_TRUE(OpenReportFile(G, first));
  Print(G, "%s-%d\n", "one", 1);
  // A second file that cannot be opened closes the first and falls back.
  EXPECT_FALSE(OpenReportFile(G, dir.path() + "/missing/dir/x.txt"));
  EXPECT_EQ(G.report.out, stdout);
  EXPECT_FALSE(G.report.owns_file);
  std::FILE* in = std::fopen(first.c_str(), "rb");
  ASSERT_NE(in, nullptr);
  char buffer[16] = {};
  EXPECT_EQ(std::fread(buffer, 1, sizeof buffer - 1, in), 6u);
  std::fclose(in);
  EXPECT_STREQ(buffer, "one-1\n");

  ASSERT_TRUE(OpenReportFile(G, dir.path() + "/second.txt"));
  CloseReportStream(G);
  EXPECT_EQ(G.report.out, stdout);
}

}  // namespace
}  // namespace zav
