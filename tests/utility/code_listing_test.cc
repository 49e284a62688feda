#include "utility/code_listing.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include <cstdlib>
#include <ctime>

#include "test_support.h"

namespace zav {
namespace {

using test::Harness;

std::string Blanks(int n) { return std::string(n, ' '); }

// Lists `content` read from memory: the stream cannot be inspected, so the
// date line holds the margin alone.
std::string ListFromMemory(Harness& h, std::string content) {
  EXPECT_TRUE(BeginCodeListing(h.G()));
  FILE* f = fmemopen(content.data(), content.size(), "rb");
  FileEntry entry;
  entry.name = "f";
  ListFile(h.G(), f, entry);
  std::fclose(f);
  return h.Output();
}

// Default layout: margin 5, line length 80, top margin 1, no page breaks.
// Title: 5 + 37 blanks (below 40 - 8 + 5). File line "     File: a.c"
// (14 characters) gets blanks while k < 40 - (14 + k) / 2: 22 of them.
TEST(CodeListing, DefaultPageHeaderAndNumberedLines) {
  setenv("TZ", "UTC0", 1);
  tzset();
  test::TempDir dir;
  const std::string path = dir.Write("a.c", "int x;\n\nreturn;");
  const struct timeval times[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(utimes(path.c_str(), times), 0);
  Harness h;
  ASSERT_TRUE(BeginCodeListing(h.G()));
  FILE* f = std::fopen(path.c_str(), "rb");
  FileEntry entry;
  entry.name = "a.c";
  ListFile(h.G(), f, entry);
  std::fclose(f);
  unsetenv("TZ");
  tzset();
  const std::string rule = Blanks(5) + std::string(81, '_');
  EXPECT_EQ(h.Output(), "\n" + Blanks(42) + "ZAV Code Listing\n" +
                            "     File: a.c" + Blanks(22) + "\n" +
                            "     Date: Sun Sep  9 01:46:40 2001\n" + rule + "\n\n" +
                            "         1| int x;\n"
                            "         2| \n"
                            "         3| return;\n" +
                            "\n" + rule + "\n\n");
}

// Line length 20 (13 text columns), page length 10 (rows 1..4 of a page),
// no margins, header "T", page breaks on. Title: 10 blanks (below 9.5).
// "File: f" gets 5 blanks, then 20 - 1 - 12 - 6 = 1 blank before "Page: n".
TEST(CodeListing, RowSplittingPaginationAndFormFeeds) {
  Harness h;
  Settings& s = h.G().settings;
  s.printed_line_length = 20;
  s.printed_page_length = 10;
  s.printed_left_margin = 0;
  s.printed_top_margin = 0;
  s.printed_page_header = "T";
  s.page_breaks = true;
  const std::string rule(21, '_');
  auto header = [&](int page) {
    return Blanks(10) + "T\nFile: f" + Blanks(6) + "Page: " + std::to_string(page) +
           "\n\n" + rule + "\n\n";
  };
  // Line 1 takes rows 1-3 (13 + 13 + 4 characters), line 2 row 4; line 3
  // finds the counter past 4 and opens page 2; three empty lines fill it.
  EXPECT_EQ(ListFromMemory(h, "abcdefghijklmnopqrstuvwxyz0123\nx\ny\n"),
            header(1) +
                "    1| abcdefghijklm\n"
                "     | nopqrstuvwxyz\n"
                "     | 0123\n"
                "    2| x\n" +
                rule + "\n\f\n" + header(2) + "    3| y\n" + "\n\n\n" + "\n" + rule + "\n\n");
}

TEST(CodeListing, HtmlEscapesTheTextAndHasNoPageBreaks) {
  Harness h;
  test::UseFormat(h.G(), ReportFormat::kHtml);
  h.G().settings.page_breaks = true;
  h.G().settings.printed_page_length = 8;
  const std::string out = ListFromMemory(h, "#include <a.h>\nb\nc\nd\ne\n");
  EXPECT_EQ(out.rfind("<html>\n<head>\n<title>Zavoran ", 0), 0u);
  EXPECT_TRUE(test::Has(out, "</head>\n<body>\n<pre><P>\n"));
  EXPECT_TRUE(test::Has(out, "    1| #include &lt;a.h&gt;\n"));
  EXPECT_FALSE(test::Has(out, "\f"));
  EXPECT_FALSE(test::Has(out, "Page:"));
}

TEST(CodeListing, HeaderLongerThanTheLineEndsTheRun) {
  Harness h;
  h.G().settings.printed_page_header = std::string(81, 'H');
  EXPECT_FALSE(BeginCodeListing(h.G()));
  EXPECT_EQ(h.Output(),
            "\n  Error: The Specified header length (81) exceeds\n"
            "         the available line length (80). \n"
            "         Header: " + std::string(81, 'H') + "\n");
  test::TempDir dir;
  dir.Write("a.c", "x;\n");
  const test::RunResult run = test::RunZav({"-p", "-L10", "-S" + std::string(21, 'H'), "a.c"},
                                           dir.path());
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(test::Has(run.out, "header length (21) exceeds\n         the available line "
                                 "length (20)."));
}

}  // namespace
}  // namespace zav
