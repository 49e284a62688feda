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

TEST(LineClassification, BlockCommentsAloneAreNotCode) {
  FileMetrics only = Count("/* a */ /* b */\n");
  EXPECT_EQ(only.loc_count, 0);
  EXPECT_EQ(only.comment_lines_count, 1);
  FileMetrics mixed = Count("/* a */ x = 1;\n");
  EXPECT_EQ(mixed.loc_count, 1);
  EXPECT_EQ(mixed.comment_lines_count, 1);
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

TEST(LineClassification, EmptyLinesInsideBlockCommentAreBlank) {
  FileMetrics f = Count("/*\n\n   \n*/\n");
  EXPECT_EQ(f.comment_lines_count, 2);
  EXPECT_EQ(f.blank_lines_count, 2);
  EXPECT_EQ(f.loc_count, 0);
}

TEST(LineClassification, LineCommentContinuedByBackslash) {
  // The empty second line is inside the continued "//" comment.
  FileMetrics f = Count("// a \\\n\nx;\n");
  EXPECT_EQ(f.continuation_lines_count, 1);
  EXPECT_EQ(f.blank_lines_count, 1);
  EXPECT_EQ(f.comment_lines_count, 2);
  EXPECT_EQ(f.loc_count, 1);
}

TEST(LineClassification, CommentMarkersInsideStringsAndLiterals) {
  FileMetrics s = Count("s = \"/* not a comment */\";\n");
  EXPECT_EQ(s.loc_count, 1);
  EXPECT_EQ(s.comment_lines_count, 0);
  EXPECT_EQ(s.literal_strings_count, 1);

  FileMetrics slashes = Count("x = \"//\"; y = '/'; z = 2;\n");
  EXPECT_EQ(slashes.comment_lines_count, 0);
  EXPECT_EQ(slashes.semicolon_count, 3);
}

TEST(LineClassification, CharacterLiteralHoldingQuoteOpensNoString) {
  FileMetrics f = Count("c = '\"'; d = 1;\n");
  EXPECT_EQ(f.literal_strings_count, 0);
  EXPECT_EQ(f.semicolon_count, 2);
}

TEST(LineClassification, EscapedBackslashBeforeClosingQuote) {
  // s = "a\\"; t = 1;  -- two backslashes: the quote is real.
  FileMetrics f = Count("s = \"a\\\\\"; t = 1;\n");
  EXPECT_EQ(f.literal_strings_count, 1);
  EXPECT_EQ(f.semicolon_count, 2);
  // s = "a\"b"; -- the escaped quote does not close.
  FileMetrics g = Count("s = \"a\\\"b\"; t = 1;\n");
  EXPECT_EQ(g.literal_strings_count, 1);
  EXPECT_EQ(g.semicolon_count, 2);
}

TEST(LineClassification, VerbatimStringWithSingleBackslash) {
  FileMetrics f = Count("s = @\"\\\"; t = 1;\n", "t.cs");
  EXPECT_EQ(f.literal_strings_count, 1);
  EXPECT_EQ(f.semicolon_count, 2);
}

TEST(LineClassification, OddQuotesKeepStringOpenForOneLine) {
  // Line 1 leaves the string open (one quote); line 2 is inside it, has no
  // quote, so its even parity closes the string at its end.
  FileMetrics f = Count("s = \"abc\nx = 1;\ny = 2;\n");
  EXPECT_EQ(f.loc_count, 3);
  EXPECT_EQ(f.semicolon_count, 1);
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

TEST(LineClassification, SlashStarSlashDoesNotCloseItsOwnComment) {
  FileMetrics f = Count("/*/ x = 1;\ny = 2; */ z = 3;\n");
  EXPECT_EQ(f.semicolon_count, 1);  // only z = 3 is code
  EXPECT_EQ(f.comment_lines_count, 2);
  FileMetrics g = Count("/**/ x = 1;\n");
  EXPECT_EQ(g.semicolon_count, 1);
}

TEST(LineClassification, UnterminatedBlockCommentEndsWithFile) {
  FileMetrics f = Count("x;\n/* open\ny;\n");
  EXPECT_EQ(f.loc_count, 1);
  EXPECT_EQ(f.comment_lines_count, 2);
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
  Harness h;
  h.G().sw.loc_determination = true;
  h.AnalyzeFile("int x;\n");
  EXPECT_EQ(h.Output(), "\n  Line 1: int x;\n  LOC Type(s): LOC Effective Logical\n");
}

TEST(LocTrace, BlankAndNonEffective) {
  Harness h;
  h.G().sw.loc_determination = true;
  h.AnalyzeFile("\n}\n");
  EXPECT_EQ(h.Output(),
            "\n  Line 1: \n  LOC Type(s): Blank\n"
            "\n  Line 2: }\n  LOC Type(s): LOC Non-Effective\n");
}

TEST(LocTrace, HtmlEscapesAndDropsLeadingBlanks) {
  Harness h;
  h.G().sw.loc_determination = true;
  h.G().sw.html = true;
  h.AnalyzeFile("  a<b;\n");
  EXPECT_EQ(h.Output(),
            "\n  <b>Line</b> 1: <font color=\"#003399\">a&lt;b;\n</font>  "
            "<b>LOC Type(s)</b>: LOC Effective Logical\n");
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
