#include "utility/code_listing.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace zav {
namespace {

std::string Blanks(int n) { return std::string(n, ' '); }

// Lists `content` read from memory: such a stream cannot be inspected, so
// the date line holds the margin alone.
std::string List(test::Harness& h, std::string content) {
  EXPECT_TRUE(BeginCodeListing(h.G()));
  FILE* f = fmemopen(content.data(), content.size(), "rb");
  ListFile(h.G(), f, FileEntry{.name = "a.c"});
  std::fclose(f);
  return h.Output();
}

class CodeListing : public test::HarnessTest {};

// Margin 5, line length 80, top margin 1, no page breaks. Title: 5 + 37
// blanks (below 40 - 8 + 5). "     File: a.c" (14 characters) gets blanks
// while k < 40 - (14 + k) / 2: 22 of them.
TEST_F(CodeListing, DefaultPage) {
  const std::string rule = Blanks(5) + std::string(81, '_');
  EXPECT_EQ(List(h, "int x;\n\nreturn;"),
            "\n" + Blanks(42) + "ZAV Code Listing\n     File: a.c" + Blanks(22) + "\n" +
                Blanks(5) + "\n" + rule + "\n\n" +
                "         1| int x;\n         2| \n         3| return;\n\n" + rule + "\n\n");
}

// Line length 20 (13 text columns), page length 10 (rows 1..4), no margins,
// header "T", page breaks on. Title: 10 blanks (below 9.5). "File: a.c"
// gets 4 blanks (k < 10 - (9 + k) / 2), then 20 - 1 - 13 - 6 = 0 more.
TEST_F(CodeListing, RowsPagesAndFormFeeds) {
  s.printed_line_length = 20;
  s.printed_page_length = 10;
  s.printed_left_margin = s.printed_top_margin = 0;
  s.printed_page_header = "T";
  s.page_breaks = true;
  const std::string rule(21, '_');
  auto header = [&](char page) {
    return Blanks(10) + "T\nFile: a.c" + Blanks(4) + "Page: " + page + "\n\n" + rule + "\n\n";
  };
  // Line 1 takes rows 1-3, line 2 row 4; line 3 opens page 2, whose three
  // remaining rows are filled with empty lines.
  EXPECT_EQ(List(h, "abcdefghijklmnopqrstuvwxyz0123\nx\ny\n"),
            header('1') + "    1| abcdefghijklm\n     | nopqrstuvwxyz\n     | 0123\n    2| x\n" +
                rule + "\n\f\n" + header('2') + "    3| y\n\n\n\n\n" + rule + "\n\n");
}

TEST_F(CodeListing, HtmlHasNoPageBreaksAndEscapesTheText) {
  test::UseFormat(h.G(), ReportFormat::kHtml);
  h.G().settings.page_breaks = true;
  const std::string out = List(h, "#include <a.h>\n" + std::string(60, '\n'));
  EXPECT_EQ(out.rfind("<html>\n<head>\n<title>Zavoran ", 0), 0u);
  EXPECT_TRUE(test::Has(out, "    1| #include &lt;a.h&gt;\n") && !test::Has(out, "\f"));
}

TEST_F(CodeListing, HeaderLongerThanTheLineEndsTheRun) {
  dir.Write("a.c", "x;\n");
  const test::RunResult run =
      test::RunZav({"-p", "-L10", "-S" + std::string(21, 'H'), "a.c"}, dir.path());
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(test::Has(run.out, "\n  Error: The Specified header length (21) exceeds\n"
                                 "         the available line length (20). \n"
                                 "         Header: " + std::string(21, 'H') + "\n"));
}

}  // namespace
}  // namespace zav
