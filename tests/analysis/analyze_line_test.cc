// Line classification and size metrics.
#include "analysis/analyze_line.h"
#include "analysis/language.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace zav {
namespace {

using test::Count;
using test::Harness;

TEST(LineClassification, CodeWithTrailingCommentIsBothLocAndComment) {
  FileMetrics f = Count("x = 1; // note\n");
  EXPECT_EQ(f.loc_count, 1);
  EXPECT_EQ(f.comment_lines_count, 1);
  EXPECT_EQ(f.Eloc(), 1);
  EXPECT_EQ(f.Lloc(), 1);
  EXPECT_EQ(f.TotalLogicalLines(), 2);  // counted once as LOC, once as comment
}

// Comment and string boundaries: which lines are code, comment or blank,
// and which semicolons and strings are real (-1: not checked).
TEST(LineClassification, CommentAndStringBoundaries) {
  const struct {
    const char *text, *file;
    int loc, comments, blanks, strings, semicolons;
  } cases[] = {
      {"/* a */ /* b */\n", "t.cpp", 0, 1, 0, 0, 0},
      {"/* a */ x = 1;\n", "t.cpp", 1, 1, 0, 0, 1},
      {"/*\n\n   \n*/\n", "t.cpp", 0, 2, 2, 0, 0},  // empty lines inside are blank
      {"s = \"/* not a comment */\";\n", "t.cpp", 1, 0, 0, 1, 1},
      {"x = \"//\"; y = '/'; z = 2;\n", "t.cpp", 1, 0, 0, -1, 3},
      {"c = '\"'; d = 1;\n", "t.cpp", 1, 0, 0, 0, 2},  // a quote literal opens no string
      {"s = \"a\\\\\"; t = 1;\n", "t.cpp", 1, 0, 0, 1, 2},  // "a\\": the quote is real
      {"s = \"a\\\"b\"; t = 1;\n", "t.cpp", 1, 0, 0, 1, 2},  // "a\"b": escaped quote
      {"s = @\"\\\"; t = 1;\n", "t.cs", 1, 0, 0, 1, 2},      // verbatim: @"\"
      // One quote leaves the string open for the next line only, whose even
      // parity closes it at its end.
      {"s = \"abc\nx = 1;\ny = 2;\n", "t.cpp", 3, 0, 0, -1, 1},
      {"/*/ x = 1;\ny = 2; */ z = 3;\n", "t.cpp", 1, 2, 0, 0, 1},  // "/*/" stays open
      {"/**/ x = 1;\n", "t.cpp", 1, 1, 0, 0, 1},
      {"x;\n/* open\ny;\n", "t.cpp", 1, 2, 0, 0, 1},  // unterminated: ends with the file
  };
  for (const auto& c : cases) {
    const FileMetrics f = Count(c.text, c.file);
    EXPECT_EQ(f.loc_count, c.loc) << c.text;
    EXPECT_EQ(f.comment_lines_count, c.comments) << c.text;
    EXPECT_EQ(f.blank_lines_count, c.blanks) << c.text;
    EXPECT_EQ(f.semicolon_count, c.semicolons) << c.text;
    if (c.strings < 0) continue;
    EXPECT_EQ(f.literal_strings_count, c.strings) << c.text;
  }
}

TEST(LineClassification, BraceAndParenLinesAreNonEffective) {
  FileMetrics f = Count("{\n}\n};\n} /* end */\n");
  EXPECT_EQ(f.loc_count, 4);
  EXPECT_EQ(f.braceline_count, 4);
  EXPECT_EQ(f.Eloc(), 0);
  EXPECT_EQ(f.Lloc(), 1);  // "};" is logical

  FileMetrics p = Count("f(\n(\n);\n");
  EXPECT_EQ(p.parenline_count, 2);  // "(" and ");"
  EXPECT_EQ(p.Eloc(), 1);
}

TEST(LineClassification, BraceWithOtherCodeIsEffective) {
  FileMetrics f = Count("{ }\n} else {\n");
  EXPECT_EQ(f.loc_count, 2);
  EXPECT_EQ(f.braceline_count, 0);
  EXPECT_EQ(f.Eloc(), 2);
}

TEST(LineClassification, LoneSlashIsNeitherCodeCommentNorBlank) {
  Harness h;
  h.AnalyzeFile("/\n");
  const FileMetrics& f = h.G().file;
  EXPECT_EQ(f.loc_count, 0);
  EXPECT_EQ(f.comment_lines_count, 0);
  EXPECT_EQ(f.blank_lines_count, 0);
  EXPECT_EQ(f.total_physical_lines_count, 1);
  EXPECT_EQ(LineTypeLetter(h.G()), '\0');
}

TEST(LineClassification, LineCommentContinuedByBackslash) {
  // The empty second line is inside the continued "//" comment.
  FileMetrics f = Count("// a \\\n\nx;\n");
  EXPECT_EQ(f.continuation_lines_count, 1);
  EXPECT_EQ(f.blank_lines_count, 1);
  EXPECT_EQ(f.comment_lines_count, 2);
  EXPECT_EQ(f.loc_count, 1);
}

TEST(LineClassification, ForHeadersAreSubtractedFromLogicalLines) {
  FileMetrics f = Count("for (i = 0; i < n; i++) x++;\n");
  EXPECT_EQ(f.semicolon_count, 3);
  EXPECT_EQ(f.for_count, 1);
  EXPECT_EQ(f.Lloc(), 2);
  FileMetrics each = Count("foreach (var x in xs) f(x);\n", "t.cs");
  EXPECT_EQ(each.Lloc(), 0);
}

TEST(LineClassification, TabsWeightWhiteSpaceEverywhere) {
  FileMetrics code = Count("\tx = y;\n");
  EXPECT_EQ(code.spaces_count, 4);  // tab (2) + two blanks
  EXPECT_EQ(code.quality_notice_count, 1);  // notice 30

  FileMetrics comment = Count("// a\tb\n");
  EXPECT_EQ(comment.spaces_count, 3);
  EXPECT_EQ(comment.quality_notice_count, 1);  // a tab in a comment counts

  FileMetrics str = Count("s = \"\t\";\n");
  EXPECT_EQ(str.spaces_count, 4);
  EXPECT_EQ(str.quality_notice_count, 0);  // but not in a string

  FileMetrics wide = Count("\tx;\n", "t.cpp",
                           [](GlobalData& G) { G.settings.tab_spaces = 8; });
  EXPECT_EQ(wide.spaces_count, 8);
}

TEST(LineClassification, NonAsciiOnlyLineIsBlank) {
  FileMetrics f = Count(" \xc3\xa9\xc3\xa9\n");
  EXPECT_EQ(f.blank_lines_count, 1);
  EXPECT_EQ(f.loc_count, 0);
  EXPECT_EQ(f.characters_count, 5);
}

TEST(LineClassification, LineEndsAreNotCharacters) {
  EXPECT_EQ(Count("ab\r\n").characters_count, 2);
  EXPECT_EQ(Count("ab\n").characters_count, 2);
  EXPECT_EQ(Count("ab").characters_count, 2);
}

TEST(LineClassification, LineLengthNoticeIsStrict) {
  std::string eighty(80, 'x');
  EXPECT_EQ(Count(eighty + "\n").quality_notice_count, 0);
  EXPECT_EQ(Count(eighty + "\r\n").quality_notice_count, 0);
  EXPECT_EQ(Count(eighty + "x\n").quality_notice_count, 1);
  EXPECT_EQ(Count(eighty + "x\n", "t.cpp", [](GlobalData& G) {
              G.settings.max_line_length = 81;
            }).quality_notice_count,
            0);
}

TEST(LineClassification, CrlfAndLfGiveIdenticalCounts) {
  const std::string lf =
      "#include <a.h>\n/* c */\nint f(void)\n{\n\tif (x) {\n"
      "    return \"s\";\n  }\n\n  return 0; // r\n}\n";
  std::string crlf;
  for (char c : lf) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  FileMetrics a = Count(lf);
  FileMetrics b = Count(crlf);
#define ZAV_EXPECT_SAME(name) EXPECT_EQ(a.name, b.name) << #name;
  ZAV_SUMMED_COUNTERS(ZAV_EXPECT_SAME)
#undef ZAV_EXPECT_SAME
}

TEST(LineTypeLetters, EachClassification) {
  struct Case {
    const char* line;
    char letter;
  } cases[] = {
      {"{\n", 'N'},        {"x = 1;\n", 'G'},      {"int f()\n", 'L'},
      {"{ // c\n", 'n'},   {"x; // c\n", 'g'},     {"f() /* c */\n", 'l'},
      {"// c\n", 'C'},     {"\n", '\0'},
  };
  for (const Case& c : cases) {
    Harness h;
    h.AnalyzeFile(c.line);
    EXPECT_EQ(LineTypeLetter(h.G()), c.letter) << c.line;
  }
  Harness blank;
  blank.G().settings.ignore_diff_blank_lines = false;
  blank.AnalyzeFile("\n");
  EXPECT_EQ(LineTypeLetter(blank.G()), 'B');
}

TEST(LocTrace, LabelsInOrder) {
  const struct { const char* text; bool html; const char* trace; } cases[] = {
      {"int x;\n", false, "\n  Line 1: int x;\n  LOC Type(s): LOC Effective Logical\n"},
      {"\n}\n", false,
       "\n  Line 1: \n  LOC Type(s): Blank\n\n  Line 2: }\n  LOC Type(s): LOC Non-Effective\n"},
      // HTML escapes the line and drops its leading blanks.
      {"  a<b;\n", true,
       "\n  <b>Line</b> 1: <font color=\"#003399\">a&lt;b;\n</font>  "
       "<b>LOC Type(s)</b>: LOC Effective Logical\n"},
  };
  for (const auto& c : cases) {
    Harness h;
    h.G().sw.loc_determination = true;
    h.G().sw.html = c.html;
    h.AnalyzeFile(c.text);
    EXPECT_EQ(h.Output(), c.trace);
  }
}

TEST(LocTrace, OtherLanguageIsNotTraced) {
  Harness h;
  h.G().sw.loc_determination = true;
  h.G().settings.other_extensions = "txt";
  h.G().lang = LanguageState{};
  RegisterLanguages(h.G());
  h.AnalyzeFile("x;\n", "a.txt");
  EXPECT_EQ(h.Output(), "");
}

TEST(FallThrough, CommentLinesWithThePhrasesCountOnce) {
  FileMetrics f = test::Count(
      "// fall through\n/* drop thru */\n// fall thru and fall through\n"
      "// fallthrough\n// Fall through\nx; // drop through\n"
      "s = \"fall through\";\n");
  EXPECT_EQ(f.fall_through_count, 4);
}

}  // namespace
}  // namespace zav
