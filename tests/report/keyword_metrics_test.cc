#include <gtest/gtest.h>

#include "report/file_reports.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Has;

void SampleCounts(FileMetrics& f) {
  f.loc_count = 10;
  f.braceline_count = 2;
  f.parenline_count = 1;
  f.semicolon_count = 7;
  f.for_count = 1;
  f.comment_lines_count = 5;
  f.blank_lines_count = 5;
  f.total_physical_lines_count = 22;
  f.characters_count = 300;
  f.spaces_count = 60;
  f.case_count = 2;
  f.break_count = 3;
  f.if_count = 4;
  f.else_count = 1;
  f.return_count = 5;
  f.exit_count = 1;
  f.macros_count = 2;
  f.struct_count = 1;
  f.class_count = 1;
  f.namespace_count = 1;
  f.functions_count = 3;
  f.virtual_function_count = 1;
  f.memory_alloc_count = 1;
  f.memory_free_count = 1;
  f.memory_new_count = 2;
  f.memory_delete_count = 2;
  f.literal_strings_count = 4;
  f.preprocessor_lines_count = 3;
  f.include_count = 2;
  f.open_paren_count = f.close_paren_count = 9;
  f.define_count = 1;
  f.open_brace_count = f.close_brace_count = 4;
  f.const_count = 2;
  f.enum_count = 1;
  f.open_bracket_count = f.close_bracket_count = 1;
  f.quality_notice_count = 6;
  f.while_count = 1;
  f.switch_count = 1;
  f.default_count = 1;
}

// eLOC 7, lLOC 6, 20 logical lines; chars/non-blank line (300-60)/15 = 16;
// code 50%, eCode 35%, comments 25%, blanks 25%, characters 80%, spaces 20%.
const std::string kBody =
    "\n"
    "  --------------- LOC ---------------  case, break .........:     2,     3\n"
    "  Lines of Code (LOC) .:           10  if, else ............:     4,     1\n"
    "  Lines of just { or } :            2  goto, return ........:     0,     5\n"
    "  Lines of just (or)   :            1  exit, _exit, abort ..:     1,  0, 0\n"
    "  Effective LOC (eLOC) :            7  macros, struct, union:     2,  1, 0\n"
    "  Code Statement (lLOC):            6  class, interface ....:     1,     0\n"
    "  -------------- Lines --------------  template, friend ....:     0,     0\n"
    "  Blank Lines .........:            5  namespace, package ..:     1,     0\n"
    "  Comment Lines .......:            5  func, virtual, inline:     3,  1, 0\n"
    "  Total Logical Lines .:           20  Memory alloc, free ..:     1,     1\n"
    "  Total Physical Lines :           22  Memory new, delete ..:     2,     2\n"
    "  ------------ Key Words ------------  ------------- Analysis ------------\n"
    "  Literal Strings .....:            4  Continuation Lines \\.:            0\n"
    "  Preprocessor Lines #.:            3  Paren Count (,) .....:     9,     9\n"
    "  #include, import ....:      2,    0  Brace Count {,} .....:     4,     4\n"
    "  #define, typedef ....:      1,    0  Bracket Count [,] ...:     1,     1\n"
    "  const, enum .........:      2,    1  Chars/NBLine, Notices:    16,     6\n"
    "  do, while ...........:      0,    1  Code, eCode Lines ...: 50.0%, 35.0%\n"
    "  switch, default .....:      1,    1  Comment, Blank Lines : 25.0%, 25.0%\n"
    "  for .................:            1  Characters, Spaces ..: 80.0%, 20.0%\n";

std::string Keywords(const std::function<void(GlobalData&)>& set, bool project) {
  test::Harness h;
  SampleCounts(h.G().file);
  set(h.G());
  WriteKeywordMetrics(h.G(), project);
  return h.Output();
}

// The figures of kBody are worked out by hand from SampleCounts.
TEST(KeywordMetrics, FiguresAndPercentagesOfTheFile) {
  const std::string out = Keywords([](GlobalData&) {}, false);
  EXPECT_TRUE(Has(out, "~~ File Keywords and Metrics ~~\n\n" + kBody));
}

TEST(KeywordMetrics, InlineRowWithoutFunctions) {
  const std::string out =
      Keywords([](GlobalData& G) { G.file.functions_count = 0; }, false);
  EXPECT_TRUE(Has(out,
                  "  Comment Lines .......:            5"
                  "  inline ..............:            0\n"));
}

TEST(KeywordMetrics, XmlPercentagesAreZeroWithoutLogicalLines) {
  const std::string out = Keywords(
      [](GlobalData& G) {
        G.sw.xml = true;
        G.file = FileMetrics{};
      },
      true);
  EXPECT_EQ(out.rfind("<report>\n<name>Total Verbose Metrics</name>\n<loc_count>0", 0),
            0u);
  EXPECT_TRUE(Has(out, "<loc_percent_logical_lines>0</loc_percent_logical_lines>\n"));
  EXPECT_TRUE(Has(out,
                  "<characters_percent>0.0</characters_percent>\n"
                  "<spaces_percent>0.0</spaces_percent>\n"
                  "<quality_notice_count>0</quality_notice_count>\n</report>\n"));
}

}  // namespace
}  // namespace zav

namespace zav {
namespace {

// Run-wide totals past 2^31 keep their values and their percentages.
TEST(KeywordMetrics, ProjectTotalsBeyondThirtyTwoBits) {
  const std::string out = Keywords(
      [](GlobalData& G) {
        G.file.loc_count = 3'000'000'000;
        G.file.comment_lines_count = 1'000'000'000;
        G.file.blank_lines_count = 1'000'000'000;
        G.file.characters_count = 6'000'000'000;
        G.file.spaces_count = 1'500'000'000;
      },
      true);
  EXPECT_TRUE(Has(out, "  Lines of Code (LOC) .:   3000000000")) << out;
  EXPECT_TRUE(Has(out, "  Total Logical Lines .:   5000000000")) << out;
  EXPECT_TRUE(Has(out, "Code, eCode Lines ...: 60.0%, 60.0%\n"));
  EXPECT_TRUE(Has(out, "Comment, Blank Lines : 20.0%, 20.0%\n"));
  EXPECT_TRUE(Has(out, "Characters, Spaces ..: 75.0%, 25.0%\n"));
}

}  // namespace
}  // namespace zav
