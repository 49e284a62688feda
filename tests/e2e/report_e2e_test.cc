// End-to-end runs of the report in each format on small fixtures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <regex>

#include "report/report_run.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Centered;
using test::ExpectWellFormed;
using test::Has;
using test::RunReport;
using test::TempDir;

constexpr int64_t kTime = 1700000000;
const std::string kDate = "Tue Nov 14 22:13:20 2023";
const std::string kUnderscores = std::string(72, '_');

// No functions and no notices: its report is the same whichever analysis
// switches are on. LOC 2, eLOC 2, lLOC 2, 1 comment line, 1 blank, 4 lines,
// 34 bytes.
const std::string kData = "// data\nint x = z;\n\nstatic int y;\n";
const std::string kDataLoc =
    "  LOC 2        eLOC 2        lLOC 2        Comment 1        Lines        4\n";

// One function: LOC 6, eLOC 4, lLOC 2, 1 comment, 1 blank, 8 lines, 61 bytes.
const std::string kFunction =
    "/* a */\nint f(int x)\n{\n  if (x)\n    return 1;\n\n  return 0;\n}\n";

class ReportRun : public test::HarnessTest {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);  // for the runs of the binary
    tzset();
  }
  std::string Fixture(const std::string& name, const std::string& text) {
    const std::string path = dir.Write(name, text);
    test::SetFileTime(path, kTime);
    return path;
  }
};

TEST_F(ReportRun, TextDetailModeFramesEachFile) {
  Fixture("d.c", kData);
  const std::string out = RunReport({"-c", "d.c"}, dir.path());
  const std::string per_file =
      "\n  File: d.c\n  Date: " + kDate + std::string(23, ' ') +
      "File Size: 34 Bytes\n  " + kUnderscores + "\n\n" +
      Centered(26, "~~ Total File Summary ~~") + kDataLoc + "  " + kUnderscores +
      "\n  End of File: d.c\n\n";
  const std::string mode_title =
      Centered(25, "~~ Complexity Analysis ~~") + "\n";
  const size_t title = out.find(mode_title);
  ASSERT_NE(title, std::string::npos) << out;
  EXPECT_EQ(out.substr(title + mode_title.size(), per_file.size()), per_file);
  EXPECT_TRUE(Has(out, Centered(21, "~~ Project Analysis For 1 Files ~~") + "\n" +
                           Centered(25, "~~ Total Project Summary ~~") + kDataLoc));
}

TEST_F(ReportRun, TotalsOnlyListsTheFilesInShortForm) {
  Fixture("d.c", kData);
  Fixture("e.c", kData);
  const std::string out = RunReport({"-Ts", "d.c", "e.c"}, dir.path());
  EXPECT_TRUE(Has(out, "\n  " + kDate + "\n  d.c\n\n  " + kDate + "\n  e.c\n\n  --")) << out;
  EXPECT_FALSE(Has(out, "File Size"));
  EXPECT_FALSE(Has(out, "End of File"));
}

TEST_F(ReportRun, XmlReportIsWellFormedWithOneElementPerFile) {
  Fixture("d.c", kData);
  Fixture("x&y.c", kFunction);
  const std::string out = RunReport({"-X", "d.c", "x&y.c"}, dir.path());
  ExpectWellFormed(dir.path(), out);
  const std::string head = "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n<zavrep>\n";
  EXPECT_EQ(out.substr(0, head.size()), head);
  EXPECT_TRUE(Has(out, "<file>\n<date>" + kDate +
                           "</date>\n<size_bytes>34</size_bytes>\n<name>d.c</name>\n"
                           "<loc>2</loc>\n<eloc>2</eloc>\n<lloc>2</lloc>\n"
                           "<comments>1</comments>\n<lines>4</lines>\n</file>\n"))
      << out;
  EXPECT_TRUE(Has(out,
                  "<name>x&amp;y.c</name>\n<loc>6</loc>\n<eloc>4</eloc>\n"
                  "<lloc>2</lloc>\n<comments>1</comments>\n<lines>8</lines>\n"
                  "</file>\n"));
  EXPECT_EQ(out.substr(out.size() - 10), "</zavrep>\n");
}

TEST_F(ReportRun, XmlWithVerboseCarriesThePerFileSections) {
  Fixture("d.c", kData);
  const std::string out = RunReport({"-X", "-v", "d.c"}, dir.path());
  ExpectWellFormed(dir.path(), out);
  const size_t file = out.find("<file>\n");
  const size_t verbose = out.find("<name>File Verbose Metrics</name>");
  const size_t end = out.find("</file>\n");
  ASSERT_NE(verbose, std::string::npos);
  EXPECT_LT(file, verbose);
  EXPECT_LT(verbose, end);
  EXPECT_TRUE(Has(out,
                  "<total_physical_lines_count>4</total_physical_lines_count>\n"
                  "<loc_percent_logical_lines>50.0</loc_percent_logical_lines>\n"));
}

TEST_F(ReportRun, CsvPerFileSections) {
  Fixture("d.c", kData);
  const std::string out = RunReport({"-C", "d.c"}, dir.path());
  EXPECT_TRUE(Has(out, "\nFile,d.c\nDate," + kDate +
                           "\nSize,34,Bytes\nTotal File Summary\n"
                           "LOC,2,eLOC,2,lLOC,2,Comment,1,Lines,4\nFile End\n"
                           "\nProject,1,Files\nTotal Project Summary\n"))
      << out;
  EXPECT_EQ(out.substr(0, 21), "Zavoran\nVersion,7.75\n");
}

// The closing rows are checked on hand-made figures with the CSV rows.
TEST_F(ReportRun, AutomatedCsvRowsAndTotals) {
  Fixture("d.c", kData);
  Fixture("e.c", "int a;\nint b;\nint c;\nint d;\n");  // 28 bytes, 4 LOC
  const std::string out = RunReport({"-C", "-s", "d.c", "e.c"}, dir.path());
  const std::string rows =
      "File, d.c,, " + kDate + ", 34, 2, 2, 2, 1, 1, 4, 0.50, 0, 0, 0, 0, 0, 0, 0, 0\n" +
      // e.c has no comment line: notice 20 (comments below 10%).
      "File, e.c,, " + kDate + ", 28, 4, 4, 4, 0, 0, 4, 0.00, 0, 0, 0, 0, 0, 0, 0, 1\n" +
      "Files, 2\nTotal, ,, , 62, 6, 6, 6, 1, 1, 8, 0.17, 0, 0, 0, 0, 0, 0, 0, 1\n";
  EXPECT_TRUE(Has(out, "Total Complexity, Notices\n" + rows)) << out;
  EXPECT_FALSE(Has(out, "File,d.c"));
}

TEST_F(ReportRun, HtmlDetailReportWithAwkwardNamesIsWellFormed) {
  Fixture("x&y.c", kData);
  const std::string out = RunReport({"-H", "-c", "x&y.c"}, dir.path());
  ExpectWellFormed(dir.path(), out);
  EXPECT_TRUE(Has(out, "<b><a href=\"x&amp;y.c\" target=\"_blank\">x&amp;y.c</a></b>"));
  EXPECT_EQ(out.substr(out.size() - 20), "</pre></body></html>");
  EXPECT_EQ(out.find("<pre>"), out.rfind("<pre>"));
}

std::string VisibleText(std::string dom) {
  dom = std::regex_replace(dom, std::regex("<[^>]*>"), "");
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
  for (const auto& [entity, text] : entities) {
    dom = std::regex_replace(dom, std::regex(entity), text);
  }
  return dom;
}

TEST_F(ReportRun, BrowserReadsTheHtmlFigures) {
  ASSERT_TRUE(test::ToolAvailable("chromium"))
      << "chromium is required (Debian package chromium; scripts/setup.sh "
         "installs it with ZAV_WITH_BROWSER=1)";
  Fixture("a.c", kFunction);
  test::RunResult r = test::RunZav({"-H", "-v", "a.c"}, dir.path());
  ASSERT_EQ(r.exit_code, 0);
  ExpectWellFormed(dir.path(), r.out);
  const std::string page = dir.Write("report.html", r.out);
  TempDir profile;
  test::CommandResult dump = test::RunCommand(
      "timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic "
      "--no-first-run --disable-background-networking --disable-component-update "
      "--disable-sync --user-data-dir='" + profile.path() + "' --dump-dom 'file://" +
      page + "' 2>/dev/null");
  ASSERT_EQ(dump.status, 0) << "chromium failed";
  const std::string text = VisibleText(dump.out);
  EXPECT_TRUE(Has(text, "Zavoran\u2122 for C, C++, C# and Java")) << text;
  EXPECT_TRUE(Has(text, "File: a.c\n  Date: " + kDate));
  EXPECT_TRUE(Has(text,
                  "  LOC 6        eLOC 4        lLOC 2        Comment 1"
                  "        Lines        8\n"));
  EXPECT_TRUE(Has(text,
                  "  Lines of Code (LOC) .:            6  if, else ............:"
                  "     1,     0\n"));
  EXPECT_TRUE(Has(text, "~~ Total Metrics For 1 Files ~~"));
}

}  // namespace
}  // namespace zav
